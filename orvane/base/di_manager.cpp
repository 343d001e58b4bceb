#include "orvane/base/di_manager.h"

#include <map>
#include <string>
#include <utility>

#include "orvane/base/dump_stream.h"
#include "orvane/base/exception.h"

namespace {

struct Menu {
    std::string text;
    VSYST_DIManager::Callback callback;
};

using Key = std::pair<std::string, std::string>;

// Never destroyed: modules may unregister during static destruction.
std::map<Key, Menu>& menus() {
    static auto* const all = new std::map<Key, Menu>();
    return *all;
}

}  // namespace

bool VSYST_DIManager::add(const char* group, const char* item, const char* menu,
                          Callback callback) {
    if (group == nullptr || item == nullptr || menu == nullptr || callback == nullptr) return false;
    orvane::allocating([&] { menus()[Key(group, item)] = Menu{menu, callback}; });
    return true;
}

bool VSYST_DIManager::run(const char* group, const char* item, long line,
                          VSYST_DumpStream& stream) {
    if (group == nullptr || item == nullptr) return false;
    const auto found = menus().find(Key(group, item));
    if (found == menus().end()) return false;
    found->second.callback(stream, line);
    return true;
}

bool VSYST_DIManager::remove(const char* group, const char* item) {
    if (group == nullptr || item == nullptr) return false;
    return menus().erase(Key(group, item)) > 0;
}

std::vector<VSYST_DIEntry> VSYST_DIManager::entries() {
    return orvane::allocating([] {
        std::vector<VSYST_DIEntry> result;
        for (const auto& [key, menu] : menus()) {
            VSYST_DIEntry entry{key.first.c_str(), key.second.c_str(), {}};
            std::string::size_type start = 0;
            while (start < menu.text.size()) {
                auto end = menu.text.find('\n', start);
                if (end == std::string::npos) end = menu.text.size();
                entry.lines.emplace_back(menu.text.substr(start, end - start).c_str());
                start = end + 1;
            }
            result.push_back(std::move(entry));
        }
        return result;
    });
}
