// The demo's section on named events.
#include <cstdio>
#include <iostream>
#include <string>

#include <orvane/tools.h>

#include "demo.h"

namespace cli {

namespace {

class SaveReminder : public VSHSI_EventListenerImpl {
public:
    explicit SaveReminder(const char* who) : VSHSI_EventListenerImpl("DocumentSaved"), m_who(who) {}
    void onEvent(const void* data) override {
        std::printf("  %s heard \"DocumentSaved\" for %s\n", m_who,
                    static_cast<const std::string*>(data)->c_str());
    }

private:
    const char* m_who;
};

}  // namespace

void demoEvents() {
    std::printf("Producers and listeners meet by event name; listeners are called oldest first:\n");
    SaveReminder toolbar("the toolbar");
    SaveReminder statusBar("the status bar");
    const VSHSI_NamedEvent saved("DocumentSaved");
    const std::string document = "plan.dwg";
    saved.DispatchEvent(&document);

    std::printf(
        "\nThe diagnostic menu System / Events lists the event types that exist now\n"
        "(orvane-tools diag System Events 0):\n");
    VSYST_DumpStream out(std::cout);
    VSYST_DIManager::run("System", "Events", 0, out);
    std::cout.flush();
}

}  // namespace cli
