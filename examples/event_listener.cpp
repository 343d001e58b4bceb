// Listening for a named event: a listener connects by name, a producer dispatches, and the
// listener hears it with the producer's data.
#include <orvane/tools.h>

#include <cstdio>

namespace {

class SavedListener : public VSHSI_EventListenerImpl {
public:
    SavedListener() : VSHSI_EventListenerImpl("DocumentSaved") {}
    void onEvent(const void* data) override {
        std::printf("saved: %s\n", static_cast<const char*>(data));
        ++heard;
    }
    int heard = 0;
};

}  // namespace

int main() {
    SavedListener listener;
    const VSHSI_NamedEvent saved("DocumentSaved");
    saved.DispatchEvent("plan.dwg");
    return listener.heard == 1 ? 0 : 1;
}
