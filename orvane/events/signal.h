// Application signals: a static notice board for the application's life cycle.
//
// The component that opens or closes a project, document or view, changes the active one, changes
// undo or redo availability, the selection or a transaction's state, or meets a fatal error calls
// the matching signal; every callback registered for it is called at once with the identifier and
// one number. For projects, documents and views the board also counts how many are open.
//
//   void opened(const VIDCO_DocumentID& doc, unsigned long openDocs) { ... }
//   void closed(const VIDCO_DocumentID& doc, unsigned long openDocs) { ... }
//   VSHSI_Signal::atDocOpenClose(&opened, &closed);
//   VSHSI_Signal::docOpen(doc);     // opened(doc, 1)
//   VSHSI_Signal::docClose(doc);    // closed(doc, 0)
//
// Order: lists filled at the head call the newest callback first, lists filled at the tail the
// oldest first (opened callbacks at the head, closed at the tail, so a later component hears of an
// opening first and of a closing last). Counters change before any callback runs and wrap on a
// close without an open. A callback registered twice is called twice; there is no unregistering.
// A callback registered at the tail of a list while that list is being walked is called in the
// same walk, one registered at the head is not. An exception from a callback leaves the signal:
// the remaining callbacks are not called.
//
// Choices:
// - The board exists from the first registration or signal (at the latest when the library is
//   loaded) until the library is unloaded; after that, signals and registrations do nothing and
//   the counters read 0.
// - A registration allocates all its list nodes before it links any: when an allocation fails it
//   throws VSYST_OutOfMemory and registers none of its callbacks, and every list stays as it was.
// - Null callbacks are ignored.
#ifndef ORVANE_EVENTS_SIGNAL_H
#define ORVANE_EVENTS_SIGNAL_H

#include "orvane/base/export.h"
#include "orvane/base/identifiers.h"

// The application signals: static registration and signalling functions over one
// process-wide board. An object of the class holds nothing.
class ORVANE_API VSHSI_Signal {
public:
    // The callbacks: the identifier (or state, or code) and one number, as each signal lists it.
    using ProjectCallback = void (*)(const VIDCO_ProjectID& project, unsigned long number);
    using DocCallback = void (*)(const VIDCO_DocumentID& doc, unsigned long number);
    using ViewCallback = void (*)(const VGLUE_GsGuiWinHandle& view, unsigned long number);
    using SelectionCallback = void (*)(const VIDCO_DocumentID& doc, unsigned long a,
                                       unsigned long b, unsigned long c);
    using TransactionCallback = void (*)(const unsigned long& state, unsigned long number);
    using FatalCallback = void (*)(const long& code, unsigned long number);

    VSHSI_Signal() = default;
    // Assigning changes nothing: the board is shared, not held by objects.
    VSHSI_Signal& operator=(const VSHSI_Signal&) { return *this; }

    // Registration, one callback per list in this order; null pointers are ignored.
    static void atProjectOpenClose(ProjectCallback opened, ProjectCallback closed);
    static void atProjectPropertiesChanged(ProjectCallback changed);
    static void atDocOpenClose(DocCallback opened, DocCallback closed);
    static void atDocPropertiesChanged(DocCallback changed);
    static void atViewOpenClose(ViewCallback opened, ViewCallback closed);
    static void atActiveChanges(ViewCallback view, DocCallback doc, ProjectCallback project);
    static void atUndoRedoStateChanges(DocCallback undo, DocCallback redo);
    static void atSelectionChanges(SelectionCallback changed);
    static void atTransactionStateChanges(TransactionCallback changed);
    static void atFatalTermination(FatalCallback fatal);

    // Signals: each calls the callbacks of its list with the arguments noted beside it.
    static void projectOpen(const VIDCO_ProjectID& project);   // (id, open projects after +1)
    static void projectClose(const VIDCO_ProjectID& project);  // (id, open projects after -1)
    static void projectPropertiesChanged(const VIDCO_ProjectID& project, bool flag);  // (id, open)
    static void docOpen(const VIDCO_DocumentID& doc);               // (id, open documents after +1)
    static void docClose(const VIDCO_DocumentID& doc);              // (id, open documents after -1)
    static void docPropertiesChanged(const VIDCO_DocumentID& doc);  // (id, 0)
    static void viewOpen(const VGLUE_GsGuiWinHandle& view);         // (handle, open views after +1)
    static void viewClose(const VGLUE_GsGuiWinHandle& view);        // (handle, open views after -1)
    static void activeViewChanged(const VGLUE_GsGuiWinHandle& view);   // (handle, open views)
    static void activeDocChanged(const VIDCO_DocumentID& doc);         // (id, open documents)
    static void activeProjectChanged(const VIDCO_ProjectID& project);  // (id, open projects)
    static void docUndoStateChanged(const VIDCO_DocumentID& doc, bool canUndo);  // (id, 1 or 0)
    static void docRedoStateChanged(const VIDCO_DocumentID& doc, bool canRedo);  // (id, 1 or 0)
    // (id, a, b, c) and (state, number): the arguments as given.
    static void docSelectionChanged(const VIDCO_DocumentID& doc, unsigned long a, unsigned long b,
                                    unsigned long c);
    static void transactionStateChanged(const unsigned long& state, unsigned long number);
    static void fatalTermination(long code);  // (reference to code, 0)

    // How many projects, documents and views are open now (0 once the board is gone).
    static unsigned long openProjects();
    static unsigned long openDocs();
    static unsigned long openViews();
};

#endif
