#include <gtest/gtest.h>
#include <orvane/events/signal.h>

#include <string>

// The board is process-wide and has no unregistering: each test uses its own callbacks and
// signals, and looks only at what its callbacks recorded.
namespace {

std::string g_calls;

void docA(const VIDCO_DocumentID& d, unsigned long n) {
    g_calls += "A(" + std::to_string(d.value) + "," + std::to_string(n) + ")";
}
void docB(const VIDCO_DocumentID& d, unsigned long n) {
    g_calls += "B(" + std::to_string(d.value) + "," + std::to_string(n) + ")";
}

}  // namespace

TEST(VSHSI_Signal, OpensAtTheHeadClosesAtTheTailAndCountsFirst) {
    g_calls.clear();
    VSHSI_Signal::atDocOpenClose(&docA, &docA);
    VSHSI_Signal::atDocOpenClose(&docB, &docB);
    VIDCO_DocumentID doc;
    doc.value = 7;
    const unsigned long before = VSHSI_Signal::openDocs();
    VSHSI_Signal::docOpen(doc);
    EXPECT_EQ(g_calls,
              "B(7," + std::to_string(before + 1) + ")A(7," + std::to_string(before + 1) + ")");
    g_calls.clear();
    VSHSI_Signal::docClose(doc);
    EXPECT_EQ(g_calls, "A(7," + std::to_string(before) + ")B(7," + std::to_string(before) + ")");
    EXPECT_EQ(VSHSI_Signal::openDocs(), before);
}

namespace {

std::string g_project;
void projectSeen(const VIDCO_ProjectID& p, unsigned long n) {
    g_project += std::to_string(p.value) + ":" + std::to_string(n) + ";";
}

}  // namespace

TEST(VSHSI_Signal, PassesCountsNotFlagsAndWrapsUnbalancedCloses) {
    g_project.clear();
    VSHSI_Signal::atProjectPropertiesChanged(&projectSeen);
    VSHSI_Signal::atActiveChanges(nullptr, nullptr, &projectSeen);
    VIDCO_ProjectID p;
    p.value = 3;
    const unsigned long base = VSHSI_Signal::openProjects();
    VSHSI_Signal::projectOpen(p);
    VSHSI_Signal::projectOpen(p);
    VSHSI_Signal::projectPropertiesChanged(p, true);
    VSHSI_Signal::activeProjectChanged(p);
    EXPECT_EQ(g_project, "3:" + std::to_string(base + 2) + ";3:" + std::to_string(base + 2) + ";");
    VSHSI_Signal::projectClose(p);
    VSHSI_Signal::projectClose(p);
    EXPECT_EQ(VSHSI_Signal::openProjects(), base);

    // Views start at 0 in this process: a close without an open wraps the 32-bit counter.
    const unsigned long views = VSHSI_Signal::openViews();
    VGLUE_GsGuiWinHandle w;
    for (unsigned long i = 0; i <= views; ++i)
        VSHSI_Signal::viewClose(w);
    EXPECT_EQ(VSHSI_Signal::openViews(), 4294967295ul);
    VSHSI_Signal::viewOpen(w);
    EXPECT_EQ(VSHSI_Signal::openViews(), 0ul);
}

namespace {

std::string g_misc;
void undo(const VIDCO_DocumentID&, unsigned long n) {
    g_misc += "u" + std::to_string(n);
}
void redo(const VIDCO_DocumentID&, unsigned long n) {
    g_misc += "r" + std::to_string(n);
}
void props(const VIDCO_DocumentID&, unsigned long n) {
    g_misc += "p" + std::to_string(n);
}
void selection(const VIDCO_DocumentID& d, unsigned long a, unsigned long b, unsigned long c) {
    g_misc +=
        "s" + std::to_string(d.value) + std::to_string(a) + std::to_string(b) + std::to_string(c);
}
void transaction(const unsigned long& state, unsigned long n) {
    g_misc += "t" + std::to_string(state) + "/" + std::to_string(n);
}
const long* g_fatalCode = nullptr;
void fatal1(const long& code, unsigned long n) {
    g_fatalCode = &code;
    g_misc += "f1:" + std::to_string(code) + "/" + std::to_string(n);
}
void fatal2(const long& code, unsigned long) {
    g_misc += "f2:" + std::to_string(code);
}

}  // namespace

TEST(VSHSI_Signal, PassesEachSignalsArgumentsAsTabled) {
    g_misc.clear();
    VSHSI_Signal::atUndoRedoStateChanges(&undo, &redo);
    VSHSI_Signal::atDocPropertiesChanged(&props);
    VSHSI_Signal::atSelectionChanges(&selection);
    VSHSI_Signal::atTransactionStateChanges(&transaction);
    VSHSI_Signal::atFatalTermination(&fatal1);
    VSHSI_Signal::atFatalTermination(&fatal2);
    VIDCO_DocumentID d;
    d.value = 9;
    VSHSI_Signal::docUndoStateChanged(d, false);
    VSHSI_Signal::docUndoStateChanged(d, true);
    VSHSI_Signal::docRedoStateChanged(d, true);
    VSHSI_Signal::docPropertiesChanged(d);
    VSHSI_Signal::docSelectionChanged(d, 1, 2, 3);
    const unsigned long state = 5;
    VSHSI_Signal::transactionStateChanged(state, 6);
    VSHSI_Signal::fatalTermination(-3);
    EXPECT_EQ(g_misc, "u0u1r1p0s9123t5/6f1:-3/0f2:-3");
    EXPECT_NE(g_fatalCode, nullptr);
}

namespace {

std::string g_walk;
void late(const VGLUE_GsGuiWinHandle&, unsigned long) {
    g_walk += "late";
}
void head(const VGLUE_GsGuiWinHandle&, unsigned long) {
    g_walk += "head";
}
bool g_registered = false;
void registering(const VGLUE_GsGuiWinHandle&, unsigned long) {
    g_walk += "reg";
    if (!g_registered) {
        g_registered = true;
        VSHSI_Signal::atViewOpenClose(&head, &late);  // opened at the head, closed at the tail
    }
}

}  // namespace

TEST(VSHSI_Signal, ReachesTailRegistrationsMadeDuringTheWalk) {
    g_walk.clear();
    VSHSI_Signal::atViewOpenClose(&registering, &registering);
    VGLUE_GsGuiWinHandle w;
    VSHSI_Signal::viewClose(w);  // the close list gains "late" at its tail: reached now
    EXPECT_EQ(g_walk, "reglate");
    g_walk.clear();
    g_registered = false;
    VSHSI_Signal::viewOpen(w);  // the head added before is called; the one added now is not
    EXPECT_EQ(g_walk, "headreg");
    g_walk.clear();
    g_registered = true;
    VSHSI_Signal::viewOpen(w);
    EXPECT_EQ(g_walk, "headheadreg");
}
