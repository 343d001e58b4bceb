// Named events: producers and listeners that meet by event name.
//
// A producer handle (VSHSI_NamedEvent) and a listener handle (a class derived from
// VSHSI_EventListenerImpl) are both made from an event-type name. All handles of one name meet at
// one internal handler that keeps the listeners in connection order; a producer's DispatchEvent
// calls every listener of its name, oldest first, synchronously.
//
//   class UnitListener : public VSHSI_EventListenerImpl {
//   public:
//       UnitListener() : VSHSI_EventListenerImpl("LengthUnitChanged") {}
//       void onEvent(const void* data) override { ... }
//   };
//   UnitListener listener;
//   VSHSI_NamedEvent("LengthUnitChanged").DispatchEvent(nullptr);   // listener.onEvent(nullptr)
//
// A handler exists from the first handle of its name to the destruction of the last one. The
// registry of handlers is created when the library is loaded and destroyed when it is unloaded;
// its diagnostic menu "System" / "Events" (see VSYST_DIManager) dumps the existing event types
// (line 0) and switches the trace of every connection and dispatch on (line 1) and off (line 2).
//
// Choices:
// - A copy of a handle is a handle of its own: copying a producer connects another producer,
//   copying a listener connects the copy as another listener, at the end of the list. Assigning a
//   handle disconnects it from its old event type and connects it to the other's (nothing
//   happens when both already share one handler). Every handle disconnects exactly once, so the
//   count never goes below zero and the handler lives while any handle lives.
// - Changes during a dispatch: a dispatch calls the listeners that were connected when it began,
//   in order, each at most once. A listener disconnected (or destroyed) during the dispatch is not
//   called afterwards; a listener connected during the dispatch is first called by the next
//   dispatch. A producer, or every handle, may be destroyed inside onEvent: the handler is then
//   taken out of the registry at once and freed when the dispatch returns. Nested dispatches of
//   the same type work the same way. Only the first dispatch of a handler and nested dispatches
//   allocate (a list cursor); a disconnection never does.
// - Handles made while the registry does not exist (before the library's start-up or after its
//   shut-down) belong to no handler: they dispatch nothing and are never called. Handles that
//   outlive the registry still disconnect safely.
// - An exception thrown by onEvent leaves the dispatch; the listeners after it are not called,
//   and the handler is left consistent.
#ifndef ORVANE_EVENTS_NAMED_EVENT_H
#define ORVANE_EVENTS_NAMED_EVENT_H

#include "orvane/base/export.h"

class VSHSI_EventHandler;
class VSYST_DumpStream;

// Producer handle. Abstract: callers instantiate VSHSI_NamedEvent.
class ORVANE_API VSHSI_EventImpl {
public:
    // Connects a producer to the handler of `eventType`, creating the handler if it is the first
    // handle of that name.
    explicit VSHSI_EventImpl(const char* eventType);
    // Connects another producer to the same handler; assignment moves to the other's handler.
    VSHSI_EventImpl(const VSHSI_EventImpl& other);
    VSHSI_EventImpl& operator=(const VSHSI_EventImpl& other);
    virtual ~VSHSI_EventImpl() = 0;

    // Calls every listener of this event type with `data`, which is passed on unchanged.
    void DispatchEvent(const void* data) const;

private:
    VSHSI_EventHandler* m_handler;
};

// The concrete producer handle.
class ORVANE_API VSHSI_NamedEvent : public VSHSI_EventImpl {
public:
    // A producer of `eventType`.
    explicit VSHSI_NamedEvent(const char* eventType);
    // Copies connect another producer; assignment moves to the other's handler.
    VSHSI_NamedEvent(const VSHSI_NamedEvent& other) = default;
    VSHSI_NamedEvent& operator=(const VSHSI_NamedEvent& other) = default;
    ~VSHSI_NamedEvent() override;
};

// Listener handle: derive from it and implement onEvent.
class ORVANE_API VSHSI_EventListenerImpl {
public:
    // Connects this listener at the end of the listener list of `eventType`.
    explicit VSHSI_EventListenerImpl(const char* eventType);
    // Connects the copy as another listener, at the end of the list; assignment disconnects this
    // listener and connects it to the other's event type.
    VSHSI_EventListenerImpl(const VSHSI_EventListenerImpl& other);
    VSHSI_EventListenerImpl& operator=(const VSHSI_EventListenerImpl& other);
    // Disconnects; a dispatch under way no longer calls this listener.
    virtual ~VSHSI_EventListenerImpl();

    // Called once for every dispatch of the event type, with the producer's data pointer.
    virtual void onEvent(const void* data) = 0;

private:
    VSHSI_EventHandler* m_handler;
};

#endif
