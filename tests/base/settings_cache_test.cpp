// The read cache of the settings file, seen through VSYST_RegistryKey. Whether a get read the
// file is told by the bytes this process has read (rchar in /proc/self/io), not by timing.
#include <orvane/base/registry_key.h>

#include <fcntl.h>
#include <gtest/gtest.h>
#include <sys/stat.h>

#include <chrono>
#include <fstream>
#include <optional>
#include <string>
#include <thread>

#include "support/temp_registry.h"

namespace {
// The bytes this process has read through read(2) and its kin so far; nothing when unknown.
std::optional<long long> bytesReadSoFar() {
    std::ifstream io("/proc/self/io");
    std::string field;
    long long value = 0;
    while (io >> field >> value) {
        if (field == "rchar:") return value;
    }
    return std::nullopt;
}

// Lets the file's last change become older than the cache's margin, so that a read of it is
// trusted: 100 ms for times with a sub-second part, 2 s for whole seconds.
void letSettle(const std::string& path) {
    struct stat status {};
    const bool whole = stat(path.c_str(), &status) == 0 && status.st_ctim.tv_nsec == 0;
    std::this_thread::sleep_for(std::chrono::milliseconds(whole ? 2100 : 150));
}

struct Read {
    std::optional<long> value;
    long long bytes;  // read from files while getting it
};

Read get(const VSYST_RegistryKey& key, const char* name) {
    const long long before = bytesReadSoFar().value_or(0);
    bool found = false;
    const long value = key.getIntValue(name, found);
    const long long after = bytesReadSoFar().value_or(0);
    return {found ? std::optional<long>(value) : std::nullopt, after - before};
}

}  // namespace

// A settled file is answered from memory; a same-size rewrite is seen by its change time even with
// its mtime put back, and right after a read (within one tick of the file system's clock) by not
// trusting the read yet.
TEST(SettingsCache, AnswersAnUnchangedFileFromMemoryAndSeesEveryChange) {
    if (!bytesReadSoFar()) GTEST_SKIP() << "/proc/self/io cannot be read here";
    TempRegistry reg;
    const std::string filler = "; " + std::string(1 << 20, 'x') + "\n";
    reg.write(filler + "[8]\nA=1\nB=2\n");
    letSettle(reg.path());
    VSYST_RegistryKey key(kSettings, false);
    const Read first = get(key, "A");
    EXPECT_EQ(first.value, 1);
    EXPECT_GE(first.bytes, static_cast<long long>(filler.size()));
    for (const char* name : {"A", "B", "Missing"})  // asked before or not: from memory
        EXPECT_LT(get(key, name).bytes, 4096) << name;

    struct stat old {};
    ASSERT_EQ(stat(reg.path().c_str(), &old), 0);
    reg.write(filler + "[8]\nA=3\nB=5\n");
    const struct timespec times[2] = {old.st_atim, old.st_mtim};
    ASSERT_EQ(utimensat(AT_FDCWD, reg.path().c_str(), times, 0), 0);
    EXPECT_EQ(get(key, "B").value, 5);
    EXPECT_TRUE(key.setIntValue("B", 6));
    EXPECT_EQ(get(key, "B").value, 6);

    for (int i = 0; i < 50; ++i) {
        reg.write("[8]\nA=" + std::to_string(i % 10) + "\n");
        ASSERT_EQ(get(key, "A").value, i % 10) << i;
    }
}
