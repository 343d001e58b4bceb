#include <gtest/gtest.h>
#include <orvane/base/appl_init_exit.h>
#include <orvane/base/di_manager.h>
#include <orvane/base/dump_stream.h>
#include <orvane/events/named_event.h>

#include <functional>
#include <memory>
#include <sstream>
#include <string>
#include <vector>

#include "support/dump_capture.h"

namespace {

// A listener that records what it heard and can run an action from inside onEvent.
class Recorder : public VSHSI_EventListenerImpl {
public:
    Recorder(const char* type, std::string name, std::vector<std::string>& log)
        : VSHSI_EventListenerImpl(type), m_name(std::move(name)), m_log(&log) {}
    Recorder(const Recorder& other) = default;
    // Moves the handle to the other's event type; keeps this recorder's name.
    Recorder& operator=(const Recorder& other) {
        VSHSI_EventListenerImpl::operator=(other);
        return *this;
    }
    void onEvent(const void* data) override {
        m_log->push_back(m_name + (data != nullptr ? ":" + *static_cast<const std::string*>(data)
                                                   : std::string()));
        if (action) action();
    }
    std::function<void()> action;

private:
    std::string m_name;
    std::vector<std::string>* m_log;
};

// What the diagnostic menu prints for a line.
std::string menu(long line) {
    std::ostringstream text;
    VSYST_DumpStream stream(text);
    EXPECT_TRUE(VSYST_DIManager::run("System", "Events", line, stream));
    return text.str();
}

bool dumpLists(const std::string& type) {
    return menu(0).find("Event type \"" + type + "\"\n") != std::string::npos;
}

}  // namespace

// Listeners are called oldest first; a copied listener is one more listener, and an assigned one
// moves to the other's event type, behind the ones already there.
TEST(VSHSI_NamedEvent, CallsListenersInConnectionOrderWithTheData) {
    std::vector<std::string> log;
    auto a = std::make_unique<Recorder>("T1", "A", log);
    Recorder b("T1", "B", log);
    Recorder copy(b);
    Recorder other("T1-other", "X", log);
    other = *a;
    EXPECT_FALSE(dumpLists("T1-other"));
    VSHSI_NamedEvent producer("T1");
    const std::string payload = "p";
    producer.DispatchEvent(&payload);
    EXPECT_EQ(log, (std::vector<std::string>{"A:p", "B:p", "B:p", "X:p"}));
    a.reset();
    log.clear();
    producer.DispatchEvent(nullptr);
    EXPECT_EQ(log, (std::vector<std::string>{"B", "B", "X"}));
}

// A handler lives from the first handle of its name to the last, copies included; the trace
// shows every step before it takes effect.
TEST(VSHSI_NamedEvent, HandlerLivesFromFirstToLastHandleAndTracesEachStep) {
    DumpCapture dump;
    menu(1);
    {
        auto producer = std::make_unique<VSHSI_NamedEvent>("T2");
        const VSHSI_NamedEvent copy(*producer);
        producer.reset();
        EXPECT_TRUE(dumpLists("T2"));
        std::vector<std::string> log;
        Recorder listener("T2-b", "L", log);
        listener = Recorder("T2", "M", log);
        copy.DispatchEvent(nullptr);
        EXPECT_EQ(log, (std::vector<std::string>{"L"}));
    }
    menu(2);
    EXPECT_FALSE(dumpLists("T2"));
    VSHSI_NamedEvent("T2-quiet").DispatchEvent(nullptr);
    const std::string t2 = "\tEvent type \"T2\"\n", t2b = "\tEvent type \"T2-b\"\n";
    EXPECT_EQ(dump.text(), "VSHSI_EventHandler::VSHSI_EventHandler\n" + t2 +
                               "VSHSI_EventHandler::ConnectProducer\n" + t2 +
                               "VSHSI_EventHandler::ConnectProducer\n" + t2 +
                               "VSHSI_EventHandler::DisconnectProducer\n" + t2 +
                               "VSHSI_EventHandler::VSHSI_EventHandler\n" + t2b +
                               "VSHSI_EventHandler::ConnectListener\n" + t2b +
                               "VSHSI_EventHandler::ConnectListener\n" + t2 +
                               "VSHSI_EventHandler::ConnectListener\n" + t2 +
                               "VSHSI_EventHandler::DisconnectListener\n" + t2b +
                               "VSHSI_EventHandler::~VSHSI_EventHandler\n" + t2b +
                               "VSHSI_EventHandler::DisconnectListener\n" + t2 +
                               "VSHSI_EventHandler::DispatchEvent\n\tFire event of type \"T2\"\n" +
                               "VSHSI_EventHandler::DisconnectListener\n" + t2 +
                               "VSHSI_EventHandler::DisconnectProducer\n" + t2 +
                               "VSHSI_EventHandler::~VSHSI_EventHandler\n" + t2);
    menu(7);  // other lines do nothing

    std::vector<std::string> log;
    Recorder early("T2", "early", log);  // a listener before any producer
    VSHSI_NamedEvent("T2").DispatchEvent(nullptr);
    EXPECT_EQ(log, (std::vector<std::string>{"early"}));
}

TEST(VSHSI_NamedEvent, ListenersMayDisconnectAndConnectDuringADispatch) {
    std::vector<std::string> log;
    auto a = std::make_unique<Recorder>("T5", "A", log);
    auto b = std::make_unique<Recorder>("T5", "B", log);
    auto c = std::make_unique<Recorder>("T5", "C", log);
    std::unique_ptr<Recorder> late;
    a->action = [&] {
        b.reset();                                                        // a later listener goes
        if (!late) late = std::make_unique<Recorder>("T5", "late", log);  // one comes
    };
    c->action = [&] { c.reset(); };  // a listener destroys itself
    VSHSI_NamedEvent producer("T5");
    producer.DispatchEvent(nullptr);
    EXPECT_EQ(log, (std::vector<std::string>{"A", "C"}));
    log.clear();
    producer.DispatchEvent(nullptr);
    EXPECT_EQ(log, (std::vector<std::string>{"A", "late"}));
}

TEST(VSHSI_NamedEvent, ProducerMayBeDestroyedDuringItsOwnDispatch) {
    std::vector<std::string> log;
    auto producer = std::make_unique<VSHSI_NamedEvent>("T6");
    auto listener = std::make_unique<Recorder>("T6", "L", log);
    listener->action = [&] {
        producer.reset();
        listener.reset();  // the last handle: the handler goes when the dispatch ends
    };
    VSHSI_NamedEvent* raw = producer.get();
    raw->DispatchEvent(nullptr);
    EXPECT_EQ(log, (std::vector<std::string>{"L"}));
    EXPECT_FALSE(dumpLists("T6"));
    // A new handle of the name gets a new handler.
    Recorder again("T6", "again", log);
    VSHSI_NamedEvent("T6").DispatchEvent(nullptr);
    EXPECT_EQ(log.back(), "again");
}

TEST(VSHSI_NamedEvent, NestedDispatchesAndThrowingListenersLeaveItConsistent) {
    std::vector<std::string> log;
    VSHSI_NamedEvent producer("T7");
    Recorder outer("T7", "outer", log);
    Recorder thrower("T7", "thrower", log);
    int depth = 0;
    bool throwNow = true;
    outer.action = [&] {
        if (depth++ == 0) producer.DispatchEvent(nullptr);
    };
    thrower.action = [&] {
        if (throwNow) throw 42;
    };
    EXPECT_THROW(producer.DispatchEvent(nullptr), int);
    EXPECT_EQ(log, (std::vector<std::string>{"outer", "outer", "thrower"}));
    log.clear();
    throwNow = false;
    producer.DispatchEvent(nullptr);
    EXPECT_EQ(log, (std::vector<std::string>{"outer", "thrower"}));
}

TEST(VSHSI_NamedEvent, HandlesOutsideTheModulesLifetimeAreInertAndSafe) {
    std::vector<std::string> log;
    auto survivor = std::make_unique<Recorder>("T8", "survivor", log);
    auto producer = std::make_unique<VSHSI_NamedEvent>("T8");
    VSYST_ApplInitExit::shutDown();  // the registry goes; the handler lives on for its handles
    {
        Recorder inert("T8", "inert", log);  // no registry: belongs to no handler
        VSHSI_NamedEvent("T8").DispatchEvent(nullptr);
        producer->DispatchEvent(nullptr);  // the old handler still reaches its listener
    }
    EXPECT_EQ(log, (std::vector<std::string>{"survivor"}));
    survivor.reset();
    producer.reset();  // the orphaned handler goes with its last handle
    VSYST_ApplInitExit::startUp();
    EXPECT_EQ(menu(0), "VSHSI_EventHandlerMgmt::dump BEGIN\nVSHSI_EventHandlerMgmt::dump END\n");
}
