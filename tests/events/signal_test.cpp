#include <gtest/gtest.h>
#include <orvane/events/signal.h>

#include <string>

// The board is process-wide and has no unregistering: each test registers callbacks of its own
// and looks only at what they recorded, with counts taken relative to the board's.
namespace {

std::string g_log;

unsigned long idOf(const VIDCO_ProjectID& id) {
    return id.value;
}
unsigned long idOf(const VIDCO_DocumentID& id) {
    return id.value;
}
unsigned long idOf(const VGLUE_GsGuiWinHandle&) {
    return 0;
}

// "Tag id:number;" for each of the tags, as note() records one call.
std::string entries(const std::string& tags, unsigned long id, unsigned long n) {
    std::string out;
    for (char tag : tags)
        out += std::string(1, tag) + std::to_string(id) + ":" + std::to_string(n) + ";";
    return out;
}

template <char Tag, class Id>
void note(const Id& id, unsigned long n) {
    g_log += entries(std::string(1, Tag), idOf(id), n);
}

const long* g_fatalCode = nullptr;
void fatal(const long& code, unsigned long n) {
    g_fatalCode = &code;
    g_log += "f" + std::to_string(code) + ":" + std::to_string(n) + ";";
}
void selection(const VIDCO_DocumentID& d, unsigned long a, unsigned long b, unsigned long c) {
    g_log += "s" + std::to_string(d.value) + std::to_string(a) + std::to_string(b) +
             std::to_string(c) + ";";
}
void transaction(const unsigned long& state, unsigned long n) {
    g_log += "t" + std::to_string(state) + ":" + std::to_string(n) + ";";
}

}  // namespace

// Opened lists call the newest callback first, closed lists the oldest first (three deep, so that
// the tail stays the tail), and every counter has changed before the first callback runs.
TEST(VSHSI_Signal, OpensAtTheHeadClosesAtTheTailAndCountsFirst) {
    VSHSI_Signal::atProjectOpenClose(&note<'A', VIDCO_ProjectID>, &note<'A', VIDCO_ProjectID>);
    VSHSI_Signal::atProjectOpenClose(&note<'B', VIDCO_ProjectID>, &note<'B', VIDCO_ProjectID>);
    VSHSI_Signal::atProjectOpenClose(&note<'C', VIDCO_ProjectID>, &note<'C', VIDCO_ProjectID>);
    VSHSI_Signal::atDocOpenClose(&note<'D', VIDCO_DocumentID>, &note<'D', VIDCO_DocumentID>);
    VSHSI_Signal::atDocOpenClose(&note<'E', VIDCO_DocumentID>, &note<'E', VIDCO_DocumentID>);
    VSHSI_Signal::atViewOpenClose(&note<'V', VGLUE_GsGuiWinHandle>,
                                  &note<'W', VGLUE_GsGuiWinHandle>);
    VIDCO_ProjectID p;
    p.value = 3;
    VIDCO_DocumentID d;
    d.value = 7;
    const VGLUE_GsGuiWinHandle w;
    const unsigned long projects = VSHSI_Signal::openProjects(), docs = VSHSI_Signal::openDocs();
    const unsigned long views = VSHSI_Signal::openViews();
    const struct {
        void (*signal)();
        std::string expected;
    } steps[] = {
        {[] { VSHSI_Signal::projectOpen(VIDCO_ProjectID{3}); }, entries("CBA", 3, projects + 1)},
        {[] { VSHSI_Signal::projectClose(VIDCO_ProjectID{3}); }, entries("ABC", 3, projects)},
        {[] { VSHSI_Signal::docOpen(VIDCO_DocumentID{7}); }, entries("ED", 7, docs + 1)},
        {[] { VSHSI_Signal::docClose(VIDCO_DocumentID{7}); }, entries("DE", 7, docs)},
        {[] { VSHSI_Signal::viewOpen(VGLUE_GsGuiWinHandle{}); }, entries("V", 0, views + 1)},
        {[] { VSHSI_Signal::viewClose(VGLUE_GsGuiWinHandle{}); }, entries("W", 0, views)},
    };
    for (const auto& s : steps) {
        g_log.clear();
        s.signal();
        EXPECT_EQ(g_log, s.expected);
    }
    EXPECT_EQ(VSHSI_Signal::openProjects(), projects);

    // The active-changed signals pass the open count of their own kind, told apart here.
    VSHSI_Signal::atActiveChanges(&note<'v', VGLUE_GsGuiWinHandle>, &note<'d', VIDCO_DocumentID>,
                                  &note<'p', VIDCO_ProjectID>);
    VSHSI_Signal::docOpen(d);
    VSHSI_Signal::docOpen(d);
    VSHSI_Signal::projectOpen(p);
    g_log.clear();
    VSHSI_Signal::activeViewChanged(w);
    VSHSI_Signal::activeDocChanged(d);
    VSHSI_Signal::activeProjectChanged(p);
    EXPECT_EQ(g_log,
              entries("v", 0, views) + entries("d", 7, docs + 2) + entries("p", 3, projects + 1));
    ASSERT_NE(views, docs + 2);
    VSHSI_Signal::docClose(d);
    VSHSI_Signal::docClose(d);
    VSHSI_Signal::projectClose(p);
}

TEST(VSHSI_Signal, PassesEachSignalsArgumentsAsTabledAndWrapsUnbalancedCloses) {
    VSHSI_Signal::atUndoRedoStateChanges(&note<'u', VIDCO_DocumentID>,
                                         &note<'r', VIDCO_DocumentID>);
    VSHSI_Signal::atDocPropertiesChanged(&note<'c', VIDCO_DocumentID>);
    VSHSI_Signal::atProjectPropertiesChanged(&note<'q', VIDCO_ProjectID>);
    VSHSI_Signal::atSelectionChanges(&selection);
    VSHSI_Signal::atTransactionStateChanges(&transaction);
    VSHSI_Signal::atFatalTermination(&fatal);
    VIDCO_DocumentID d;
    d.value = 9;
    VIDCO_ProjectID p;
    p.value = 4;
    g_log.clear();
    VSHSI_Signal::docUndoStateChanged(d, false);
    VSHSI_Signal::docUndoStateChanged(d, true);
    VSHSI_Signal::docRedoStateChanged(d, true);
    VSHSI_Signal::docRedoStateChanged(d, false);
    VSHSI_Signal::docPropertiesChanged(d);
    VSHSI_Signal::projectPropertiesChanged(p, true);
    VSHSI_Signal::docSelectionChanged(d, 1, 2, 3);
    VSHSI_Signal::transactionStateChanged(5, 6);
    VSHSI_Signal::fatalTermination(-3);
    EXPECT_EQ(g_log, "u9:0;u9:1;r9:1;r9:0;c9:0;q4:" + std::to_string(VSHSI_Signal::openProjects()) +
                         ";s9123;t5:6;f-3:0;");
    EXPECT_NE(g_fatalCode, nullptr);

    // A close without an open wraps the 32-bit counter.
    const VGLUE_GsGuiWinHandle w;
    for (unsigned long i = VSHSI_Signal::openViews(); i != 0; --i)
        VSHSI_Signal::viewClose(w);
    VSHSI_Signal::viewClose(w);
    EXPECT_EQ(VSHSI_Signal::openViews(), 4294967295ul);
    VSHSI_Signal::viewOpen(w);
    EXPECT_EQ(VSHSI_Signal::openViews(), 0ul);
}

namespace {

bool g_registered = false;
void registering(const VGLUE_GsGuiWinHandle&, unsigned long) {
    g_log += "reg;";
    if (!g_registered) {
        g_registered = true;
        VSHSI_Signal::atViewOpenClose(&note<'H', VGLUE_GsGuiWinHandle>,
                                      &note<'L', VGLUE_GsGuiWinHandle>);
    }
}

}  // namespace

// A walk reaches a callback linked at its tail meanwhile, and not one linked at its head.
TEST(VSHSI_Signal, ReachesTailRegistrationsMadeDuringTheWalk) {
    VSHSI_Signal::atViewOpenClose(&registering, &registering);
    const VGLUE_GsGuiWinHandle w;
    g_log.clear();
    VSHSI_Signal::viewClose(w);
    const std::string n = std::to_string(VSHSI_Signal::openViews());
    EXPECT_NE(g_log.find("reg;L0:" + n + ";"), std::string::npos) << g_log;
    g_log.clear();
    g_registered = false;
    VSHSI_Signal::viewOpen(w);
    const std::string m = std::to_string(VSHSI_Signal::openViews());
    EXPECT_EQ(g_log.rfind("H0:" + m + ";reg;", 0), 0u) << g_log;  // the older head, first
    EXPECT_EQ(g_log.find("H0:", 1), std::string::npos) << g_log;  // the new one not at all
}
