// The settings file on disk, seen through VSYST_RegistryKey: its temporary file, and files that
// may not be written.
#include <orvane/base/registry_key.h>

#include <grp.h>
#include <gtest/gtest.h>
#include <sys/stat.h>
#include <sys/wait.h>
#include <unistd.h>

#include <fstream>
#include <functional>
#include <set>
#include <string>

#include "support/dump_capture.h"
#include "support/temp_registry.h"

namespace {

constexpr uid_t kNobody = 65534;

// Runs `body` in a child process as an ordinary user: uid and gid 65534, no other groups, when
// this process is root, and as itself otherwise. Returns what `body` returned, or what went
// wrong with the child.
std::string asOrdinaryUser(const std::function<std::string()>& body) {
    int ends[2];
    if (pipe(ends) != 0) return "no pipe";
    const pid_t child = fork();
    if (child == -1) return "no child";
    if (child == 0) {
        close(ends[0]);
        if (geteuid() == 0 &&
            (setgroups(0, nullptr) != 0 || setgid(kNobody) != 0 || setuid(kNobody) != 0)) {
            _exit(3);
        }
        const std::string text = body();
        const bool sent =
            write(ends[1], text.data(), text.size()) == static_cast<ssize_t>(text.size());
        _exit(sent ? 0 : 2);
    }
    close(ends[1]);
    std::string text;
    char buffer[4096];
    ssize_t n = 0;
    while ((n = read(ends[0], buffer, sizeof buffer)) > 0)
        text.append(buffer, static_cast<std::size_t>(n));
    close(ends[0]);
    int status = 0;
    if (waitpid(child, &status, 0) != child || !WIFEXITED(status) || WEXITSTATUS(status) != 0) {
        return "the child failed: " + std::to_string(status);
    }
    return text;
}

// Two sets of different names through a new key, what they returned and what they said.
std::string twoSetsAndWhatTheySay() {
    DumpCapture dump;
    VSYST_RegistryKey key(kSettings, false);
    const bool first = key.setIntValue("A", 2);
    const bool second = key.setFloatValue("B", 3.0);
    return std::to_string(first) + std::to_string(second) + " " + dump.text();
}

}  // namespace

TEST(SettingsFile, MakesItsTemporaryFileAfreshAndRemovesThoseOfEarlierVersions) {
    TempRegistry reg;
    reg.write("[8]\nA=1\n");
    const std::string stale = reg.path() + ".tmp";
    const std::string victim = reg.dir() + "/victim";
    writeFile(victim, "keep me");
    ASSERT_EQ(symlink("victim", stale.c_str()), 0);  // a link where the temporary file goes
    for (const char* name : {"registry.ini.new-Ab12Cd", "registry.ini.new-000000"}) {
        writeFile(reg.dir() + "/" + name, "[8]\nA=0\n");
    }
    // Not ours: another file's, the wrong length, not letters and digits.
    const std::set<std::string> others = {"other.ini.new-Ab12Cd", "registry.ini.new-short",
                                          "registry.ini.new-Ab12Cde", "registry.ini.new-Ab-2Cd"};
    for (const std::string& name : others)
        writeFile(reg.dir() + "/" + name, "x");

    VSYST_RegistryKey key(kSettings, false);
    ASSERT_TRUE(key.setIntValue("A", 2));
    EXPECT_EQ(reg.contents(), "[8]\nA=2\n");
    EXPECT_EQ(fileBytes(victim), "keep me");
    std::set<std::string> expected = others;
    expected.insert({"registry.ini", "registry.ini.lock", "victim"});
    EXPECT_EQ(reg.files(), expected);

    // A stale temporary file that nobody may write is no obstacle either.
    writeFile(stale, "[8]\nA=0\n");
    ASSERT_EQ(chmod(stale.c_str(), 0), 0);
    ASSERT_TRUE(key.setIntValue("A", 3));
    EXPECT_EQ(reg.contents(), "[8]\nA=3\n");
    EXPECT_EQ(reg.files().count("registry.ini.tmp"), 0u);
}

TEST(SettingsFile, RefusesAFileWithoutWriteBitsEvenForRoot) {
    TempRegistry reg;
    reg.write("[8]\nA=1\n");
    ASSERT_EQ(chmod(reg.path().c_str(), 0444), 0);
    const std::string why = geteuid() == 0 ? "the file is read-only" : "Permission denied";
    EXPECT_EQ(twoSetsAndWhatTheySay(), "00 " + reg.path() + ": settings file cannot be written (" +
                                           why + "); the value is not set\n");
    EXPECT_EQ(reg.contents(), "[8]\nA=1\n");
    struct stat status {};
    ASSERT_EQ(stat(reg.path().c_str(), &status), 0);
    EXPECT_EQ(status.st_mode & 07777, 0444u);
    if (geteuid() == 0) {
        // A write bit for anybody, the group here, is enough for root.
        ASSERT_EQ(chmod(reg.path().c_str(), 0464), 0);
        EXPECT_EQ(twoSetsAndWhatTheySay(), "11 ");
        reg.write("[8]\nA=1\n");
        ASSERT_EQ(chmod(reg.path().c_str(), 0444), 0);
    }
    EXPECT_EQ(reg.files(), (std::set<std::string>{"registry.ini", "registry.ini.lock"}));
    bool found = false;
    EXPECT_EQ(VSYST_RegistryKey(kSettings, false).getIntValue("A", found), 1);
    EXPECT_TRUE(found);  // reading is not affected

    // Through a link too: the file decides, not the link.
    const std::string link = reg.dir() + "/link.ini";
    ASSERT_EQ(symlink("registry.ini", link.c_str()), 0);
    setenv("ORVANE_REGISTRY", link.c_str(), 1);
    EXPECT_EQ(twoSetsAndWhatTheySay(), "00 " + link + ": settings file cannot be written (" + why +
                                           "); the value is not set\n");
    EXPECT_EQ(reg.contents(), "[8]\nA=1\n");
}

TEST(SettingsFile, RefusesAnOrdinaryUserAFileTheyMayNotWrite) {
    TempRegistry reg;
    reg.write("[8]\nA=1\n");
    const bool root = geteuid() == 0;
    // The folder is the user's: only the file's own permission can stop the set.
    if (root) {
        ASSERT_EQ(chown(reg.dir().c_str(), kNobody, kNobody), 0);
        ASSERT_EQ(chown(reg.path().c_str(), kNobody, kNobody), 0);
    }
    ASSERT_EQ(chmod(reg.path().c_str(), 0444), 0);
    const std::string refused = "00 " + reg.path() +
                                ": settings file cannot be written (Permission denied); the value "
                                "is not set\n";
    EXPECT_EQ(asOrdinaryUser(twoSetsAndWhatTheySay), refused);
    EXPECT_EQ(reg.contents(), "[8]\nA=1\n");

    // Made writable, it is written, and keeps its mode.
    ASSERT_EQ(chmod(reg.path().c_str(), 0640), 0);
    EXPECT_EQ(asOrdinaryUser(twoSetsAndWhatTheySay), "11 ");
    EXPECT_EQ(reg.contents(), "[8]\nA=2\nB=3\n");
    struct stat status {};
    ASSERT_EQ(stat(reg.path().c_str(), &status), 0);
    EXPECT_EQ(status.st_mode & 07777, 0640u);

    if (!root) GTEST_SKIP() << "a file of another user needs root to make";
    // Another user's file, readable to all, in the user's own folder.
    ASSERT_EQ(chown(reg.path().c_str(), 0, 0), 0);
    ASSERT_EQ(chmod(reg.path().c_str(), 0644), 0);
    EXPECT_EQ(asOrdinaryUser(twoSetsAndWhatTheySay), refused);
    ASSERT_EQ(stat(reg.path().c_str(), &status), 0);
    EXPECT_EQ(status.st_uid, 0u);
    EXPECT_EQ(reg.contents(), "[8]\nA=2\nB=3\n");

    // Root writing the user's file keeps it theirs.
    ASSERT_EQ(chown(reg.path().c_str(), kNobody, kNobody), 0);
    EXPECT_TRUE(VSYST_RegistryKey(kSettings, false).setIntValue("A", 4));
    ASSERT_EQ(stat(reg.path().c_str(), &status), 0);
    EXPECT_EQ(status.st_uid, kNobody);
    EXPECT_EQ(status.st_gid, kNobody);
}

TEST(SettingsFile, SaysOnceWhyAFolderThatCannotBeWrittenFailsTheSet) {
    TempRegistry reg;
    ASSERT_TRUE(VSYST_RegistryKey(kSettings, false).setIntValue("A", 1));  // and the lock file
    // The user's own writable file in a folder they may not write: as root, a folder of root's;
    // otherwise a folder without write permission.
    const bool root = geteuid() == 0;
    if (root) {
        ASSERT_EQ(chown(reg.path().c_str(), kNobody, kNobody), 0);
    }
    ASSERT_EQ(chmod(reg.dir().c_str(), root ? 0755 : 0555), 0);
    EXPECT_EQ(asOrdinaryUser(twoSetsAndWhatTheySay),
              "00 " + reg.path() +
                  ": settings file cannot be written (creating the temporary file "
                  "registry.ini.tmp: Permission denied); the value is not set\n");
    ASSERT_EQ(chmod(reg.dir().c_str(), 0700), 0);
    EXPECT_EQ(reg.contents(), "[8]\nA=1\n");
    EXPECT_EQ(reg.files(), (std::set<std::string>{"registry.ini", "registry.ini.lock"}));

    // A temporary file's name that is taken by a folder, for any user.
    const std::string taken = reg.path() + ".tmp";
    ASSERT_EQ(mkdir(taken.c_str(), 0755), 0);
    EXPECT_EQ(twoSetsAndWhatTheySay(),
              "00 " + reg.path() +
                  ": settings file cannot be written (removing the temporary file "
                  "registry.ini.tmp: Is a directory); the value is not set\n");
    EXPECT_EQ(reg.contents(), "[8]\nA=1\n");
    // Said once per process: the same cause again says nothing.
    EXPECT_EQ(twoSetsAndWhatTheySay(), "00 ");
}
