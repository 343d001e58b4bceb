#include "orvane/base/symbol.h"

#include <cstring>
#include <set>
#include <string>

#include "orvane/base/exception.h"

namespace {

// The pool of interned names; std::set keeps every node where it is, so the pointers stay valid.
// Never destroyed, so symbols in static objects stay valid during shutdown.
std::set<std::string, std::less<>>& pool() {
    static auto* const names = new std::set<std::string, std::less<>>();
    return *names;
}

const char* intern(const char* name) {
    if (name == nullptr) name = "";
    auto& names = pool();
    auto found = names.find(std::string_view(name));
    if (found == names.end()) {
        found = orvane::allocating([&] { return names.emplace(name).first; });
    }
    return found->c_str();
}

}  // namespace

VSYST_SymbolA::VSYST_SymbolA() : m_name(intern("")) {}

VSYST_SymbolA::VSYST_SymbolA(const char* name) : m_name(intern(name)) {}

bool VSYST_SymbolA::operator<(const VSYST_SymbolA& other) const {
    return m_name != other.m_name && std::strcmp(m_name, other.m_name) < 0;
}
