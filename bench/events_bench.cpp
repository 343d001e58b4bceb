// Named events next to the signal libraries a user would pick instead: one dispatch to 1 and to
// 10 listeners. Every listener does the same trivial work on all sides: it adds the data pointer
// it is given to a running sum.
#include <cstdint>
#include <memory>
#include <string>
#include <vector>

#include <sigc++/sigc++.h>
#include <boost/signals2/signal.hpp>

#include "orvane/tools.h"
#include "support/bench_support.h"

namespace {

using orvane::bench::add;

const char* const kEventName = "BenchDispatch";

// The listeners' shared work.
struct Sum {
    std::uintptr_t value = 0;
    void add(const void* data) { value += reinterpret_cast<std::uintptr_t>(data); }
};

class Listener : public VSHSI_EventListenerImpl {
public:
    explicit Listener(Sum& sum) : VSHSI_EventListenerImpl(kEventName), m_sum(sum) {}
    void onEvent(const void* data) override { m_sum.add(data); }

private:
    Sum& m_sum;
};

// A plain listener object for the peers, doing the same work.
struct PeerListener : public sigc::trackable {
    explicit PeerListener(Sum& s) : sum(&s) {}
    void on(const void* data) { sum->add(data); }
    Sum* sum;
};

void registerDispatch(int listeners) {
    const std::string size = std::to_string(listeners);
    add("dispatch", size, "ours", [listeners](benchmark::State& state) {
        Sum sum;
        std::vector<std::unique_ptr<Listener>> connected;
        for (int i = 0; i < listeners; ++i)
            connected.push_back(std::make_unique<Listener>(sum));
        const VSHSI_NamedEvent producer(kEventName);
        const void* data = &sum;
        for (auto _ : state) {
            producer.DispatchEvent(data);
            benchmark::DoNotOptimize(sum.value);
        }
        if (sum.value == 0) state.SkipWithError("no listener was called");
    });
    add("dispatch", size, "signals2", [listeners](benchmark::State& state) {
        Sum sum;
        std::vector<PeerListener> objects(static_cast<std::size_t>(listeners), PeerListener(sum));
        boost::signals2::signal<void(const void*)> signal;
        for (auto& o : objects) {
            PeerListener* target = &o;
            signal.connect([target](const void* data) { target->on(data); });
        }
        const void* data = &sum;
        for (auto _ : state) {
            signal(data);
            benchmark::DoNotOptimize(sum.value);
        }
        if (sum.value == 0) state.SkipWithError("no listener was called");
    });
    add("dispatch", size, "sigc++", [listeners](benchmark::State& state) {
        Sum sum;
        std::vector<PeerListener> objects(static_cast<std::size_t>(listeners), PeerListener(sum));
        sigc::signal<void, const void*> signal;
        for (auto& o : objects)
            signal.connect(sigc::mem_fun(o, &PeerListener::on));
        const void* data = &sum;
        for (auto _ : state) {
            signal.emit(data);
            benchmark::DoNotOptimize(sum.value);
        }
        if (sum.value == 0) state.SkipWithError("no listener was called");
    });
}

const bool dispatch = [] {
    registerDispatch(1);
    registerDispatch(10);
    return true;
}();

}  // namespace
