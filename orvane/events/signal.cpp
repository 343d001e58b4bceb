#include "orvane/events/signal.h"

#include <cstdint>
#include <forward_list>
#include <memory>
#include <utility>

#include "orvane/base/exception.h"

namespace {

// A singly linked list of callbacks with head and tail insertion. Nodes never move, so a walk
// in progress reaches nodes linked at the tail and skips nodes linked at the head.
template <class Callback>
class CallbackList {
public:
    // One callback in a node of its own, ready to be linked without allocating.
    using Pending = std::forward_list<Callback>;

    static Pending prepare(Callback callback) {
        Pending node;
        if (callback != nullptr) orvane::allocating([&] { node.push_front(callback); });
        return node;
    }

    void linkAtHead(Pending& node) noexcept {
        if (node.empty()) return;
        const bool wasEmpty = m_nodes.empty();
        m_nodes.splice_after(m_nodes.before_begin(), node);
        if (wasEmpty) m_tail = m_nodes.begin();
    }

    void linkAtTail(Pending& node) noexcept {
        if (node.empty()) return;
        const auto before = m_nodes.empty() ? m_nodes.before_begin() : m_tail;
        m_nodes.splice_after(before, node);
        m_tail = std::next(before);
    }

    template <class... Args>
    void call(const Args&... args) const {
        for (auto it = m_nodes.begin(); it != m_nodes.end(); ++it)
            (*it)(args...);
    }

private:
    std::forward_list<Callback> m_nodes;
    typename std::forward_list<Callback>::iterator m_tail = m_nodes.before_begin();
};

struct Board {
    CallbackList<VSHSI_Signal::ProjectCallback> projectOpened, projectClosed, projectProperties;
    CallbackList<VSHSI_Signal::DocCallback> docOpened, docClosed, docProperties;
    CallbackList<VSHSI_Signal::ViewCallback> viewOpened, viewClosed;
    CallbackList<VSHSI_Signal::ViewCallback> activeView;
    CallbackList<VSHSI_Signal::DocCallback> activeDoc;
    CallbackList<VSHSI_Signal::ProjectCallback> activeProject;
    CallbackList<VSHSI_Signal::DocCallback> undoState, redoState;
    CallbackList<VSHSI_Signal::SelectionCallback> selection;
    CallbackList<VSHSI_Signal::TransactionCallback> transactionState;
    CallbackList<VSHSI_Signal::FatalCallback> fatal;
    unsigned long openProjects = 0;
    unsigned long openDocs = 0;
    unsigned long openViews = 0;
};

// The board exists from first use (at the latest the library's load) until the library is
// unloaded; afterwards `board()` is null and everything does nothing.
enum class State { NotYet, Alive, Gone };
State s_state = State::NotYet;  // constant-initialised: valid before any constructor runs
Board* s_board = nullptr;

Board* board() {
    if (s_state == State::NotYet) {
        s_board = orvane::allocating([] { return new Board(); });
        s_state = State::Alive;
    }
    return s_board;
}

struct BoardLifetime {
    BoardLifetime() { board(); }
    ~BoardLifetime() {
        delete s_board;
        s_board = nullptr;
        s_state = State::Gone;
    }
};
const BoardLifetime s_lifetime;

// Counters wrap as 32-bit unsigned values.
unsigned long step(unsigned long counter, int delta) {
    return static_cast<std::uint32_t>(static_cast<std::uint32_t>(counter) + delta);
}

}  // namespace

void VSHSI_Signal::atProjectOpenClose(ProjectCallback opened, ProjectCallback closed) {
    Board* b = board();
    if (b == nullptr) return;
    auto o = b->projectOpened.prepare(opened);
    auto c = b->projectClosed.prepare(closed);
    b->projectOpened.linkAtHead(o);
    b->projectClosed.linkAtTail(c);
}

void VSHSI_Signal::atProjectPropertiesChanged(ProjectCallback changed) {
    Board* b = board();
    if (b == nullptr) return;
    auto n = b->projectProperties.prepare(changed);
    b->projectProperties.linkAtTail(n);
}

void VSHSI_Signal::atDocOpenClose(DocCallback opened, DocCallback closed) {
    Board* b = board();
    if (b == nullptr) return;
    auto o = b->docOpened.prepare(opened);
    auto c = b->docClosed.prepare(closed);
    b->docOpened.linkAtHead(o);
    b->docClosed.linkAtTail(c);
}

void VSHSI_Signal::atDocPropertiesChanged(DocCallback changed) {
    Board* b = board();
    if (b == nullptr) return;
    auto n = b->docProperties.prepare(changed);
    b->docProperties.linkAtTail(n);
}

void VSHSI_Signal::atViewOpenClose(ViewCallback opened, ViewCallback closed) {
    Board* b = board();
    if (b == nullptr) return;
    auto o = b->viewOpened.prepare(opened);
    auto c = b->viewClosed.prepare(closed);
    b->viewOpened.linkAtHead(o);
    b->viewClosed.linkAtTail(c);
}

void VSHSI_Signal::atActiveChanges(ViewCallback view, DocCallback doc, ProjectCallback project) {
    Board* b = board();
    if (b == nullptr) return;
    auto v = b->activeView.prepare(view);
    auto d = b->activeDoc.prepare(doc);
    auto p = b->activeProject.prepare(project);
    b->activeView.linkAtHead(v);
    b->activeDoc.linkAtHead(d);
    b->activeProject.linkAtHead(p);
}

void VSHSI_Signal::atUndoRedoStateChanges(DocCallback undo, DocCallback redo) {
    Board* b = board();
    if (b == nullptr) return;
    auto u = b->undoState.prepare(undo);
    auto r = b->redoState.prepare(redo);
    b->undoState.linkAtHead(u);
    b->redoState.linkAtHead(r);
}

void VSHSI_Signal::atSelectionChanges(SelectionCallback changed) {
    Board* b = board();
    if (b == nullptr) return;
    auto n = b->selection.prepare(changed);
    b->selection.linkAtHead(n);
}

void VSHSI_Signal::atTransactionStateChanges(TransactionCallback changed) {
    Board* b = board();
    if (b == nullptr) return;
    auto n = b->transactionState.prepare(changed);
    b->transactionState.linkAtHead(n);
}

void VSHSI_Signal::atFatalTermination(FatalCallback fatal) {
    Board* b = board();
    if (b == nullptr) return;
    auto n = b->fatal.prepare(fatal);
    b->fatal.linkAtTail(n);
}

void VSHSI_Signal::projectOpen(const VIDCO_ProjectID& project) {
    if (Board* b = board()) {
        b->openProjects = step(b->openProjects, +1);
        b->projectOpened.call(project, b->openProjects);
    }
}

void VSHSI_Signal::projectClose(const VIDCO_ProjectID& project) {
    if (Board* b = board()) {
        b->openProjects = step(b->openProjects, -1);
        b->projectClosed.call(project, b->openProjects);
    }
}

void VSHSI_Signal::projectPropertiesChanged(const VIDCO_ProjectID& project, bool) {
    if (Board* b = board()) b->projectProperties.call(project, b->openProjects);
}

void VSHSI_Signal::docOpen(const VIDCO_DocumentID& doc) {
    if (Board* b = board()) {
        b->openDocs = step(b->openDocs, +1);
        b->docOpened.call(doc, b->openDocs);
    }
}

void VSHSI_Signal::docClose(const VIDCO_DocumentID& doc) {
    if (Board* b = board()) {
        b->openDocs = step(b->openDocs, -1);
        b->docClosed.call(doc, b->openDocs);
    }
}

void VSHSI_Signal::docPropertiesChanged(const VIDCO_DocumentID& doc) {
    if (Board* b = board()) b->docProperties.call(doc, 0ul);
}

void VSHSI_Signal::viewOpen(const VGLUE_GsGuiWinHandle& view) {
    if (Board* b = board()) {
        b->openViews = step(b->openViews, +1);
        b->viewOpened.call(view, b->openViews);
    }
}

void VSHSI_Signal::viewClose(const VGLUE_GsGuiWinHandle& view) {
    if (Board* b = board()) {
        b->openViews = step(b->openViews, -1);
        b->viewClosed.call(view, b->openViews);
    }
}

void VSHSI_Signal::activeViewChanged(const VGLUE_GsGuiWinHandle& view) {
    if (Board* b = board()) b->activeView.call(view, b->openViews);
}

void VSHSI_Signal::activeDocChanged(const VIDCO_DocumentID& doc) {
    if (Board* b = board()) b->activeDoc.call(doc, b->openDocs);
}

void VSHSI_Signal::activeProjectChanged(const VIDCO_ProjectID& project) {
    if (Board* b = board()) b->activeProject.call(project, b->openProjects);
}

void VSHSI_Signal::docUndoStateChanged(const VIDCO_DocumentID& doc, bool canUndo) {
    if (Board* b = board()) b->undoState.call(doc, canUndo ? 1ul : 0ul);
}

void VSHSI_Signal::docRedoStateChanged(const VIDCO_DocumentID& doc, bool canRedo) {
    if (Board* b = board()) b->redoState.call(doc, canRedo ? 1ul : 0ul);
}

void VSHSI_Signal::docSelectionChanged(const VIDCO_DocumentID& doc, unsigned long a,
                                       unsigned long b, unsigned long c) {
    if (Board* board_ = board()) board_->selection.call(doc, a, b, c);
}

void VSHSI_Signal::transactionStateChanged(const unsigned long& state, unsigned long number) {
    if (Board* b = board()) b->transactionState.call(state, number);
}

void VSHSI_Signal::fatalTermination(long code) {
    if (Board* b = board()) b->fatal.call(code, 0ul);
}

unsigned long VSHSI_Signal::openProjects() {
    return s_board != nullptr ? s_board->openProjects : 0;
}
unsigned long VSHSI_Signal::openDocs() {
    return s_board != nullptr ? s_board->openDocs : 0;
}
unsigned long VSHSI_Signal::openViews() {
    return s_board != nullptr ? s_board->openViews : 0;
}
