// The settings file's read cache: a get on an unchanged file ("ours") against a full read of the
// same file ("full_read"), which is what every get cost before the cache and what the first get
// after a change still costs. The full read alternates between two keys on two identical files,
// so that each get finds the other file cached and reads its own anew.
#include <stdlib.h>

#include <chrono>
#include <cstdio>
#include <filesystem>
#include <fstream>
#include <map>
#include <memory>
#include <string>
#include <thread>

#include "orvane/tools.h"
#include "support/bench_support.h"

namespace {

using orvane::bench::add;

constexpr auto kSettings = VSYST_RegistryStandardKey::ApplicationSettings;
constexpr long kTarget = 42;

// Two identical settings files of about `bytes` bytes each, in a folder removed at exit: sections
// of 100 doubles each, and at the very end the value "Target" that the benchmarks read.
class SettingsFiles {
public:
    explicit SettingsFiles(std::size_t bytes) {
        std::string pattern =
            (std::filesystem::temp_directory_path() / "orvane-bench-XXXXXX").string();
        if (mkdtemp(pattern.data()) == nullptr) return;
        m_dir = pattern;
        std::string text;
        text.reserve(bytes + 64);
        auto random = orvane::bench::rng();
        char line[64];
        for (int section = 0; text.size() < bytes; ++section) {
            text += "[8\\Group" + std::to_string(section) + "]\n";
            for (int i = 0; i < 100 && text.size() < bytes; ++i) {
                const double value = static_cast<double>(random() % 1000000) / 7.0;
                std::snprintf(line, sizeof line, "Value%d=%.17g\n", i, value);
                text += line;
            }
        }
        text += "[8]\nTarget=" + std::to_string(kTarget) + "\n";
        for (const std::string& path : {first(), second()}) {
            std::ofstream out(path, std::ios::binary | std::ios::trunc);
            out << text;
        }
        // A file read within the cache's margin after its last change is read again by every
        // get; let both become older than that.
        std::this_thread::sleep_for(std::chrono::milliseconds(200));
    }
    ~SettingsFiles() {
        std::error_code ignored;
        if (!m_dir.empty()) std::filesystem::remove_all(m_dir, ignored);
    }
    SettingsFiles(const SettingsFiles&) = delete;
    SettingsFiles& operator=(const SettingsFiles&) = delete;

    bool made() const { return !m_dir.empty(); }
    std::string first() const { return m_dir + "/first.ini"; }
    std::string second() const { return m_dir + "/second.ini"; }

private:
    std::string m_dir;
};

// The files of one size, made when first asked for and kept until the program ends.
const SettingsFiles& filesOf(std::size_t bytes) {
    static std::map<std::size_t, std::unique_ptr<SettingsFiles>> made;
    auto& files = made[bytes];
    if (!files) files = std::make_unique<SettingsFiles>(bytes);
    return *files;
}

std::unique_ptr<VSYST_RegistryKey> keyOn(const std::string& path) {
    setenv("ORVANE_REGISTRY", path.c_str(), 1);
    return std::make_unique<VSYST_RegistryKey>(kSettings, false);
}

bool readsTarget(const VSYST_RegistryKey& key) {
    bool found = false;
    const long value = key.getIntValue("Target", found);
    benchmark::DoNotOptimize(value);
    return found && value == kTarget;
}

void registerGet(std::size_t kib) {
    const std::string size = std::to_string(kib) + "KiB";
    const std::size_t bytes = kib * 1024;
    add("settings_get", size, "ours", [bytes](benchmark::State& state) {
        const SettingsFiles& files = filesOf(bytes);
        if (!files.made()) return state.SkipWithError("no temporary folder");
        const auto key = keyOn(files.first());
        bool ok = readsTarget(*key);  // the first get reads the file
        for (auto _ : state)
            ok = readsTarget(*key) && ok;
        if (!ok) state.SkipWithError("Target was not read back");
    });
    add("settings_get", size, "full_read", [bytes](benchmark::State& state) {
        const SettingsFiles& files = filesOf(bytes);
        if (!files.made()) return state.SkipWithError("no temporary folder");
        const auto one = keyOn(files.first());
        const auto other = keyOn(files.second());
        bool ok = true;
        bool flip = false;
        for (auto _ : state) {
            ok = readsTarget(flip ? *one : *other) && ok;
            flip = !flip;
        }
        if (!ok) state.SkipWithError("Target was not read back");
    });
}

const bool registered = [] {
    for (const std::size_t kib : {16, 256, 4096, 51200})
        registerGet(kib);
    return true;
}();

}  // namespace
