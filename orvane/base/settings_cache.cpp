#include "orvane/base/settings_cache.h"

#include <time.h>

#include <unordered_map>
#include <vector>

#include "orvane/base/settings_file.h"
#include "orvane/base/settings_report.h"
#include "orvane/base/settings_text.h"

namespace orvane::settings {
namespace {

constexpr long long kFineMarginNs = 100'000'000;      // for times with a sub-second part
constexpr long long kCoarseMarginNs = 2'000'000'000;  // for whole (or even) seconds
constexpr std::size_t kMaxAnswers = 1024;

struct CachedFile {
    bool valid = false;
    bool settled = false;  // read long enough after its last change to be trusted
    std::string path;
    FileStamp stamp;
    std::string text;
    // By section and name, joined by a '\n', which neither can hold.
    std::unordered_map<std::string, std::optional<std::string>> answers;
};

// Never destroyed, so that keys used during shutdown still work.
CachedFile& cache() {
    static auto* const file = new CachedFile();
    return *file;
}

long long realTimeNs() {
    struct timespec now {};
    ::clock_gettime(CLOCK_REALTIME, &now);
    return static_cast<long long>(now.tv_sec) * 1000000000LL + now.tv_nsec;
}

// Whether a later change of the file read with `stamp`, begun at `readStartNs`, must change the
// stamp: its ctime was older than the start by more than the clock's tick can be.
bool settledAt(const FileStamp& stamp, long long readStartNs) {
    const bool fine = stamp.changedNs % 1000000000LL != 0 || stamp.modifiedNs % 1000000000LL != 0;
    return stamp.size >= 0 &&
           stamp.changedNs + (fine ? kFineMarginNs : kCoarseMarginNs) < readStartNs;
}

std::optional<std::string> answer(CachedFile& file, std::string_view section,
                                  std::string_view name) {
    std::string key;
    key.reserve(section.size() + 1 + name.size());
    key.append(section).append(1, '\n').append(name);
    if (const auto known = file.answers.find(key); known != file.answers.end()) {
        return known->second;
    }
    const Lookup at = lookUp(file.text, section, name, nullptr);
    std::optional<std::string> value;
    if (at.entry) value.emplace(at.entry->value);
    if (file.answers.size() >= kMaxAnswers) file.answers.clear();
    file.answers.emplace(std::move(key), value);
    return value;
}

}  // namespace

std::optional<std::string> cachedValue(const std::string& path, std::string_view section,
                                       std::string_view name) {
    CachedFile& file = cache();
    FileStamp now;
    if (file.valid && file.settled && file.path == path && stampOf(path, now) &&
        now == file.stamp) {
        return answer(file, section, name);
    }

    file.valid = false;
    file.answers.clear();
    const long long readStartNs = realTimeNs();
    std::string reason;
    const FileState state = readFile(path, file.text, reason, &file.stamp);
    if (state == FileState::Unreadable) reportUnreadable(path, reason);
    if (state != FileState::Read) {
        file.text = std::string();
        return std::nullopt;
    }
    std::vector<UnparsedLine> unparsed;
    const Lookup at = lookUp(file.text, section, name, &unparsed);
    reportUnparsable(path, unparsed);
    file.valid = true;
    file.settled = settledAt(file.stamp, readStartNs);
    file.path = path;
    std::optional<std::string> value;
    if (at.entry) value.emplace(at.entry->value);
    std::string key;
    key.append(section).append(1, '\n').append(name);
    file.answers.emplace(std::move(key), value);
    return value;
}

void forgetCachedFile() {
    CachedFile& file = cache();
    file.valid = false;
    file.text = std::string();
    file.answers.clear();
}

}  // namespace orvane::settings
