#include "orvane/base/appl_init_exit.h"

#include <algorithm>
#include <vector>

#include "orvane/base/exception.h"

namespace {

struct Modules {
    std::vector<VSYST_ApplInitExit*> registered;  // in order of registration
    bool up = false;
};

// Never destroyed: static objects of any library may unregister during shutdown.
Modules& modules() {
    static auto* const all = new Modules();
    return *all;
}

// The registered objects sorted by order number, equal numbers in registration order.
std::vector<VSYST_ApplInitExit*> byOrder() {
    std::vector<VSYST_ApplInitExit*> sorted = modules().registered;
    std::stable_sort(sorted.begin(), sorted.end(),
                     [](const auto* a, const auto* b) { return a->order() < b->order(); });
    return sorted;
}

// Starts the modules when the library is loaded and stops them when it is unloaded. Objects of
// other translation units built after this one init at once, as the modules are then up; objects
// destroyed before this one exit in their destructors.
struct ModuleLifetime {
    ModuleLifetime() { VSYST_ApplInitExit::startUp(); }
    ~ModuleLifetime() { VSYST_ApplInitExit::shutDown(); }
};

const ModuleLifetime s_lifetime;

}  // namespace

VSYST_ApplInitExit::VSYST_ApplInitExit(const char* name, short order, InitFunction init,
                                       ExitFunction exit)
    : m_name(name != nullptr ? name : ""), m_order(order), m_init(init), m_exit(exit) {
    orvane::allocating([&] { modules().registered.push_back(this); });
    if (modules().up) runInit();
}

VSYST_ApplInitExit::~VSYST_ApplInitExit() {
    runExit();
    auto& registered = modules().registered;
    registered.erase(std::remove(registered.begin(), registered.end(), this), registered.end());
}

void VSYST_ApplInitExit::startUp() {
    modules().up = true;
    for (VSYST_ApplInitExit* module : byOrder())
        module->runInit();
}

void VSYST_ApplInitExit::shutDown() {
    modules().up = false;
    std::vector<VSYST_ApplInitExit*> sorted = byOrder();
    std::for_each(sorted.rbegin(), sorted.rend(), [](VSYST_ApplInitExit* m) { m->runExit(); });
}

bool VSYST_ApplInitExit::isUp() {
    return modules().up;
}

void VSYST_ApplInitExit::runInit() {
    if (m_initialised) return;
    m_initialised = m_init == nullptr || m_init();
}

void VSYST_ApplInitExit::runExit() {
    if (!m_initialised) return;
    m_initialised = false;
    if (m_exit != nullptr) m_exit();
}
