#include "orvane/events/named_event.h"

#include <cstdint>
#include <memory>

#include "orvane/base/appl_init_exit.h"
#include "orvane/base/di_manager.h"
#include "orvane/base/dump_stream.h"
#include "orvane/base/exception.h"
#include "orvane/base/symbol.h"
#include "orvane/collections/list_void_ptr.h"
#include "orvane/collections/typed/list_ptr.h"
#include "orvane/collections/typed/map_void_ptr.h"

class VSHSI_EventHandlerMgmt;

namespace {

bool s_trace = false;
VSHSI_EventHandlerMgmt* s_registry = nullptr;

void trace(const char* head, const VSYST_SymbolA& type) {
    if (s_trace) VSYST_DumpStream::getStdStream() << head << type.name() << "\"\n";
}

}  // namespace

// The meeting point of all handles of one event type: counts them and keeps the listeners in
// connection order. Removals during a dispatch leave a hole (a null entry) that the outermost
// dispatch closes when it ends, so the list a dispatch walks never loses a link under it.
class VSHSI_EventHandler {
public:
    VSHSI_EventHandler(VSHSI_EventHandlerMgmt* owner, const VSYST_SymbolA& type)
        : m_owner(owner), m_type(type) {
        trace("VSHSI_EventHandler::VSHSI_EventHandler\n\tEvent type \"", m_type);
    }

    ~VSHSI_EventHandler() {
        trace("VSHSI_EventHandler::~VSHSI_EventHandler\n\tEvent type \"", m_type);
    }

    VSHSI_EventHandler(const VSHSI_EventHandler&) = delete;
    VSHSI_EventHandler& operator=(const VSHSI_EventHandler&) = delete;

    void ConnectProducer() {
        trace("VSHSI_EventHandler::ConnectProducer\n\tEvent type \"", m_type);
        ++m_connections;
    }

    void DisconnectProducer() {
        trace("VSHSI_EventHandler::DisconnectProducer\n\tEvent type \"", m_type);
        dropConnection();
    }

    void ConnectListener(VSHSI_EventListenerImpl* listener) {
        trace("VSHSI_EventHandler::ConnectListener\n\tEvent type \"", m_type);
        m_listeners.insert_last(listener);
        ++m_connections;
    }

    void DisconnectListener(VSHSI_EventListenerImpl* listener) {
        trace("VSHSI_EventHandler::DisconnectListener\n\tEvent type \"", m_type);
        if (m_dispatching == 0) {
            m_listeners.remove(listener);
        } else {
            // Leave a hole instead of unlinking under the dispatch's cursor. Found by index, so
            // that a destructor never needs memory for a cursor.
            const unsigned long count = m_listeners.cardinality();
            for (unsigned long i = 0; i < count; ++i) {
                if (m_listeners.get_at(i) == listener) {
                    m_listeners.replace_at(nullptr, i);
                    ++m_holes;
                    break;
                }
            }
        }
        dropConnection();
    }

    void DispatchEvent(const void* data) {
        trace("VSHSI_EventHandler::DispatchEvent\n\tFire event of type \"", m_type);
        // Only the listeners connected now are called: later ones stand behind them.
        const unsigned long count = m_listeners.cardinality();
        if (count == 0) return;
        // The outermost dispatch reuses the handler's cursor; nested ones make their own.
        std::unique_ptr<V_PListVoidCursor> nested;
        if (m_dispatching > 0) {
            nested = orvane::allocating(
                [&] { return std::make_unique<V_PListVoidCursor>(m_listeners); });
        } else if (!m_cursor) {
            m_cursor = orvane::allocating(
                [&] { return std::make_unique<V_PListVoidCursor>(m_listeners); });
        }
        V_PListVoidCursor& cursor = nested ? *nested : *m_cursor;
        ++m_dispatching;
        const DispatchEnd end(*this);
        cursor.first();
        for (unsigned long i = 0; i < count && cursor.valid(); ++i, cursor.next()) {
            if (auto* listener = static_cast<VSHSI_EventListenerImpl*>(cursor.current())) {
                listener->onEvent(data);
            }
        }
    }

    const VSYST_SymbolA& type() const { return m_type; }

    // The registry is going away: the handler lives on without it until its last handle goes.
    void orphan() { m_owner = nullptr; }

private:
    // Closes the holes and frees a handler whose handles all went while it dispatched.
    struct DispatchEnd {
        explicit DispatchEnd(VSHSI_EventHandler& h) : handler(h) {}
        ~DispatchEnd() {
            if (--handler.m_dispatching != 0) return;
            for (; handler.m_holes > 0; --handler.m_holes)
                handler.m_listeners.remove(nullptr);
            if (handler.m_connections == 0) delete &handler;
        }
        VSHSI_EventHandler& handler;
    };

    void dropConnection();

    VSHSI_EventHandlerMgmt* m_owner;
    std::uint32_t m_connections = 0;
    VSYST_SymbolA m_type;
    V_ListPtr<VSHSI_EventListenerImpl> m_listeners;
    std::unique_ptr<V_PListVoidCursor> m_cursor;  // the outermost dispatch's, made once
    int m_dispatching = 0;
    unsigned long m_holes = 0;
};

// The registry of handlers, keyed by event type. It does not own the handlers: each removes
// itself when its last handle goes.
class VSHSI_EventHandlerMgmt {
public:
    VSHSI_EventHandlerMgmt() = default;
    VSHSI_EventHandlerMgmt(const VSHSI_EventHandlerMgmt&) = delete;
    VSHSI_EventHandlerMgmt& operator=(const VSHSI_EventHandlerMgmt&) = delete;

    ~VSHSI_EventHandlerMgmt() {
        std::unique_ptr<V_PMapVoidCursor<VSYST_SymbolA>> cursor(m_handlers.createCursor());
        for (cursor->first(); cursor->valid(); cursor->next()) {
            static_cast<VSHSI_EventHandler*>(cursor->current())->orphan();
        }
        m_handlers.clear();
    }

    VSHSI_EventHandler* getHandler(const char* eventType) {
        const VSYST_SymbolA type(eventType);
        if (VSHSI_EventHandler* found = m_handlers.find(type)) return found;
        auto handler = std::make_unique<VSHSI_EventHandler>(this, type);
        m_handlers.insert(type, handler.get());
        return handler.release();
    }

    void remove(const VSYST_SymbolA& type) { m_handlers.remove(type); }

    void dump(VSYST_DumpStream& stream) const {
        stream << "VSHSI_EventHandlerMgmt::dump BEGIN\n";
        std::unique_ptr<V_PMapVoidCursor<VSYST_SymbolA>> cursor(m_handlers.createCursor());
        for (cursor->first(); cursor->valid(); cursor->next()) {
            stream << "Event type \"" << cursor->key().name() << "\"\n";
        }
        stream << "VSHSI_EventHandlerMgmt::dump END\n";
    }

private:
    V_MapPtr<VSYST_SymbolA, VSHSI_EventHandler> m_handlers;
};

void VSHSI_EventHandler::dropConnection() {
    if (m_connections == 0) return;  // never below zero
    if (--m_connections != 0) return;
    if (m_owner != nullptr) m_owner->remove(m_type);
    m_owner = nullptr;
    if (m_dispatching == 0) delete this;  // otherwise the dispatch frees it when it ends
}

namespace {

VSHSI_EventHandler* handlerFor(const char* eventType) {
    return s_registry != nullptr
               ? orvane::allocating([&] { return s_registry->getHandler(eventType); })
               : nullptr;
}

void eventsMenu(VSYST_DumpStream& stream, long line) {
    switch (line) {
        case 0:
            if (s_registry != nullptr) {
                s_registry->dump(stream);
            } else {
                stream << "VSHSI_EventHandlerMgmt::dump BEGIN\nVSHSI_EventHandlerMgmt::dump END\n";
            }
            break;
        case 1:
            s_trace = true;
            break;
        case 2:
            s_trace = false;
            break;
        default:
            break;
    }
}

bool startEvents() {
    s_registry = new VSHSI_EventHandlerMgmt();
    VSYST_DIManager::add("System", "Events",
                         "Dump all existing events\nTrace all fired events - ON\n"
                         "Trace all fired events - OFF",
                         &eventsMenu);
    return true;
}

void stopEvents() {
    delete s_registry;
    s_registry = nullptr;
}

const VSYST_ApplInitExit s_module("VSHSI_EventHandlerMgmt", 5000, &startEvents, &stopEvents);

}  // namespace

// --- producer handles ---

VSHSI_EventImpl::VSHSI_EventImpl(const char* eventType) : m_handler(handlerFor(eventType)) {
    if (m_handler != nullptr) m_handler->ConnectProducer();
}

VSHSI_EventImpl::VSHSI_EventImpl(const VSHSI_EventImpl& other) : m_handler(other.m_handler) {
    if (m_handler != nullptr) m_handler->ConnectProducer();
}

VSHSI_EventImpl& VSHSI_EventImpl::operator=(const VSHSI_EventImpl& other) {
    if (m_handler == other.m_handler) return *this;
    if (other.m_handler != nullptr) other.m_handler->ConnectProducer();
    if (m_handler != nullptr) m_handler->DisconnectProducer();
    m_handler = other.m_handler;
    return *this;
}

VSHSI_EventImpl::~VSHSI_EventImpl() {
    if (m_handler != nullptr) m_handler->DisconnectProducer();
}

void VSHSI_EventImpl::DispatchEvent(const void* data) const {
    if (m_handler != nullptr) m_handler->DispatchEvent(data);
}

VSHSI_NamedEvent::VSHSI_NamedEvent(const char* eventType) : VSHSI_EventImpl(eventType) {}

VSHSI_NamedEvent::~VSHSI_NamedEvent() = default;

// --- listener handles ---

VSHSI_EventListenerImpl::VSHSI_EventListenerImpl(const char* eventType)
    : m_handler(handlerFor(eventType)) {
    if (m_handler != nullptr) m_handler->ConnectListener(this);
}

VSHSI_EventListenerImpl::VSHSI_EventListenerImpl(const VSHSI_EventListenerImpl& other)
    : m_handler(other.m_handler) {
    if (m_handler != nullptr) m_handler->ConnectListener(this);
}

VSHSI_EventListenerImpl& VSHSI_EventListenerImpl::operator=(const VSHSI_EventListenerImpl& other) {
    if (m_handler == other.m_handler) return *this;
    if (other.m_handler != nullptr) other.m_handler->ConnectListener(this);
    if (m_handler != nullptr) m_handler->DisconnectListener(this);
    m_handler = other.m_handler;
    return *this;
}

VSHSI_EventListenerImpl::~VSHSI_EventListenerImpl() {
    if (m_handler != nullptr) m_handler->DisconnectListener(this);
}
