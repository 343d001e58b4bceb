// Module start-up and shut-down.
//
// A module that needs set-up before use declares one static VSYST_ApplInitExit with a name, an
// order number and two functions. When the library is loaded, the init functions of every such
// object run in ascending order of their numbers; when it is unloaded, the exit functions run in
// the reverse order. A program that links the library can therefore rely on every module from
// `main` on.
//
//   bool startRegistry() { ...; return true; }
//   void stopRegistry() { ... }
//   static VSYST_ApplInitExit s_registry("VSHSI_EventHandlerMgmt", 5000, &startRegistry,
//                                        &stopRegistry);
//
// Choices:
// - The start-up runs whatever is registered once the library's static objects are built. An
//   object built while the modules are up (for example a static object of the program itself)
//   runs its init at once, in its constructor.
// - Exit runs only for an object whose init ran and returned true, at most once per init. An
//   object destroyed while up runs its own exit in its destructor and leaves the list.
// - `startUp` and `shutDown` are public so a host (or a test) can stop and restart the modules:
//   `shutDown` runs the pending exits in descending order, after which new objects wait for the
//   next `startUp`, which runs every pending init in ascending order. Equal numbers run in the
//   order of registration (reversed for exit). A null init or exit function counts as doing
//   nothing successfully.
#ifndef ORVANE_BASE_APPL_INIT_EXIT_H
#define ORVANE_BASE_APPL_INIT_EXIT_H

#include "orvane/base/export.h"

// One module's start-up and shut-down, registered for as long as the object lives.
class ORVANE_API VSYST_ApplInitExit {
public:
    // Set-up of a module: true when the module is ready (only then does its exit run later).
    using InitFunction = bool (*)();
    // Clean-up of a module whose init succeeded.
    using ExitFunction = void (*)();

    // Registers the module; while the modules are up, runs `init` at once. `name` is not copied
    // and must outlive the object (a literal). Null functions do nothing.
    VSYST_ApplInitExit(const char* name, short order, InitFunction init, ExitFunction exit);
    // Runs the exit function if the init ran and succeeded, and unregisters the module.
    ~VSYST_ApplInitExit();
    VSYST_ApplInitExit(const VSYST_ApplInitExit&) = delete;
    VSYST_ApplInitExit& operator=(const VSYST_ApplInitExit&) = delete;

    // The name and the order number given at construction.
    const char* name() const { return m_name; }
    short order() const { return m_order; }
    // True while the init function has run successfully and the exit function has not.
    bool isInitialised() const { return m_initialised; }

    // Runs every pending init in ascending order; from then on new objects init at once.
    static void startUp();
    // Runs every pending exit in descending order; from then on new objects wait for startUp.
    static void shutDown();
    // True between startUp and shutDown (which the library's load and unload call).
    static bool isUp();

private:
    void runInit();
    void runExit();

    const char* m_name;
    short m_order;
    InitFunction m_init;
    ExitFunction m_exit;
    bool m_initialised = false;
};

#endif
