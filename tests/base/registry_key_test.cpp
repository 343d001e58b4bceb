#include <orvane/base/registry_key.h>

#include <gtest/gtest.h>
#include <sys/stat.h>
#include <sys/wait.h>
#include <unistd.h>

#include <algorithm>
#include <cfloat>
#include <climits>
#include <clocale>
#include <cmath>
#include <cstdint>
#include <cstdio>
#include <cstdlib>
#include <cstring>
#include <filesystem>
#include <fstream>
#include <iterator>
#include <limits>
#include <optional>
#include <set>
#include <sstream>
#include <string>

#include "support/dump_capture.h"
#include "support/temp_registry.h"

using namespace std::string_literals;

namespace {

// What a key reads for `name`, nothing when it reports the value missing (which must read as 0).
std::optional<long> intOf(const VSYST_RegistryKey& key, const char* name) {
    bool found = true;  // must be cleared when the value is missing
    const long value = key.getIntValue(name, found);
    if (!found && value != 0) ADD_FAILURE() << "missing " << name << " read as " << value;
    return found ? std::optional<long>(value) : std::nullopt;
}

std::optional<double> doubleOf(const VSYST_RegistryKey& key, const char* name) {
    bool found = true;
    const double value = key.getFloatValue(name, found);
    if (!found && value != 0.0) ADD_FAILURE() << "missing " << name << " read as " << value;
    return found ? std::optional<double>(value) : std::nullopt;
}

std::uint64_t bitsOf(double value) {
    std::uint64_t bits;
    std::memcpy(&bits, &value, sizeof bits);
    return bits;
}

double fromBits(std::uint64_t bits) {
    double value;
    std::memcpy(&value, &bits, sizeof value);
    return value;
}

// Restores an environment variable to what it was when this object was made.
class SavedVariable {
public:
    explicit SavedVariable(const char* name) : m_name(name), m_had(std::getenv(name) != nullptr) {
        if (m_had) m_value = std::getenv(name);
    }
    ~SavedVariable() { m_had ? setenv(m_name, m_value.c_str(), 1) : unsetenv(m_name); }
    SavedVariable(const SavedVariable&) = delete;
    SavedVariable& operator=(const SavedVariable&) = delete;

private:
    const char* m_name;
    bool m_had;
    std::string m_value;
};

bool numbersUseComma() {
    return std::strcmp(std::localeconv()->decimal_point, ",") == 0;
}

// Gives the program a numeric locale whose decimal separator is a comma: an installed German one,
// or one built by localedef in `folder` when the locale sources are there. False when neither.
bool chooseCommaLocale(const std::string& folder) {
    for (const char* name : {"de_DE.UTF-8", "de_DE.utf8", "de_DE"}) {
        if (std::setlocale(LC_NUMERIC, name) != nullptr && numbersUseComma()) return true;
    }
    const std::string build =
        "localedef -i de_DE -f UTF-8 '" + folder + "/de_DE.UTF-8' 2>/dev/null";
    if (std::system(build.c_str()) == -1) return false;
    setenv("LOCPATH", folder.c_str(), 1);
    return std::setlocale(LC_NUMERIC, "de_DE.UTF-8") != nullptr && numbersUseComma();
}

}  // namespace

TEST(RegistryKey, StoresValuesAsTextInOneSectionPerKeyPath) {
    TempRegistry reg;
    VSYST_RegistryKey plain(kSettings, false);
    VSYST_RegistryKey paper(kSettings, true, "PaperSize");
    VSYST_RegistryKey sameAsPlain(kSettings, true, "");
    EXPECT_EQ(plain.filePath(), reg.path());
    EXPECT_EQ(plain.section(), "8");
    EXPECT_EQ(paper.section(), "8\\PaperSize");
    EXPECT_EQ(sameAsPlain.section(), "8");

    EXPECT_TRUE(plain.setIntValue("LengthSettings", 3));
    EXPECT_EQ(reg.contents(), "[8]\nLengthSettings=3\n");
    EXPECT_TRUE(paper.setFloatValue("LengthSettings", 2.5));
    EXPECT_TRUE(plain.setIntValue("Min", LONG_MIN));         // into [8], before [8\PaperSize]
    EXPECT_TRUE(plain.setIntValue("LengthSettings", -201));  // replaced in place
    EXPECT_EQ(reg.contents(), "[8]\nLengthSettings=-201\nMin=" + std::to_string(LONG_MIN) +
                                  "\n[8\\PaperSize]\nLengthSettings=2.5\n");

    EXPECT_EQ(intOf(sameAsPlain, "LengthSettings"), -201);
    EXPECT_EQ(intOf(plain, "Min"), LONG_MIN);
    EXPECT_EQ(doubleOf(plain, "LengthSettings"), -201.0);  // integer text reads as a double too
    EXPECT_EQ(doubleOf(paper, "LengthSettings"), 2.5);
    EXPECT_EQ(intOf(paper, "LengthSettings"), std::nullopt);  // 2.5 is no integer
    EXPECT_EQ(intOf(paper, "Min"), std::nullopt);
    EXPECT_TRUE(plain.setIntValue("Max", LONG_MAX));
    EXPECT_EQ(intOf(plain, "Max"), LONG_MAX);
}

TEST(RegistryKey, ReadsEveryDoubleBackBitForBit) {
    TempRegistry reg;
    VSYST_RegistryKey key(kSettings, true, "PaperSize");
    const double values[] = {
        0.1,
        210.0,
        1.0 / 3.0,
        1e300,
        -1e-300,
        std::numeric_limits<double>::denorm_min(),
        -DBL_MIN / 3,
        DBL_MAX,
        -DBL_MAX,
        0.0,
        -0.0,
        HUGE_VAL,
        -HUGE_VAL,
        fromBits(0x7ff8000000000000),  // the plain quiet NaN
        fromBits(0xfff8000000000000),  // negative
        fromBits(0x7ff0000000000001),  // signalling, with a payload
        fromBits(0xfffc0000000abcde),  // quiet, negative, with a payload
    };
    for (std::size_t i = 0; i < std::size(values); ++i) {
        ASSERT_TRUE(key.setFloatValue(("v" + std::to_string(i)).c_str(), values[i])) << i;
    }
    for (std::size_t i = 0; i < std::size(values); ++i) {
        const std::optional<double> read = doubleOf(key, ("v" + std::to_string(i)).c_str());
        ASSERT_TRUE(read.has_value()) << i;
        EXPECT_EQ(bitsOf(*read), bitsOf(values[i])) << i;
    }
    const std::string text = reg.contents();
    for (const char* line : {"\nv0=0.10000000000000001\n", "\nv1=210\n", "\nv10=-0\n",
                             "\nv11=inf\n", "\nv13=nan\n", "\nv14=-nan\n", "\nv15=nan(0x1)\n"}) {
        EXPECT_NE(text.find(line), std::string::npos) << line;
    }
}

TEST(RegistryKey, ReadsMissingOrMalformedValuesAsMissingAndCreatesNothing) {
    TempRegistry reg;
    VSYST_RegistryKey key(kSettings, false);
    EXPECT_EQ(intOf(key, "A"), std::nullopt);
    EXPECT_EQ(doubleOf(key, "A"), std::nullopt);
    setenv("ORVANE_REGISTRY", (reg.dir() + "/sub/registry.ini").c_str(), 1);
    EXPECT_EQ(intOf(VSYST_RegistryKey(kSettings, false), "A"), std::nullopt);
    EXPECT_TRUE(reg.files().empty());  // no file, lock file or folder

    reg.write(
        "[8]\nhex=0x10\nbig=99999999999999999999\nfrac=3.5\nword=12abc\nempty=\n"
        "  spaced\t=  42 \nplus=+7\nsign=+-7\nexp=1e3\ncomma=2,5\nnanZero=nan(0x0)\n");
    struct Case {
        const char* name;
        std::optional<long> asInt;
        std::optional<double> asDouble;
    };
    const Case cases[] = {{"hex", std::nullopt, 16.0},
                          {"big", std::nullopt, 1e20},
                          {"frac", std::nullopt, 3.5},
                          {"word", {}, {}},
                          {"empty", {}, {}},
                          {"spaced", 42, 42.0},
                          {"plus", 7, 7.0},
                          {"sign", {}, {}},
                          {"exp", std::nullopt, 1e3},
                          {"comma", {}, {}},
                          {"absent", {}, {}}};
    for (const Case& c : cases) {
        EXPECT_EQ(intOf(key, c.name), c.asInt) << c.name;
        EXPECT_EQ(doubleOf(key, c.name), c.asDouble) << c.name;
    }
    // A NaN with no payload bits is the plain quiet NaN, never an infinity.
    EXPECT_EQ(bitsOf(doubleOf(key, "nanZero").value_or(0)), 0x7ff8000000000000u);
}

TEST(RegistryKey, KeepsLinesItCannotParseInPlaceAndReportsThemOnce) {
    TempRegistry reg;
    reg.write("; settings\r\n[8]\r\ngarbage line\r\nA=1\r\nbad\0byte\x01\r\n[]\nB=2\nno end"s);
    DumpCapture dump;
    VSYST_RegistryKey key(kSettings, false);
    EXPECT_EQ(intOf(key, "A"), 1);
    const std::string note = ": settings line not understood, kept as it is: ";
    EXPECT_EQ(dump.take(), reg.path() + ":3" + note + "\"garbage line\"\n" + reg.path() + ":5" +
                               note + "\"bad\\x00byte\\x01\"\n" + reg.path() + ":8" + note +
                               "\"no end\"\n");

    EXPECT_TRUE(key.setIntValue("A", 5));
    EXPECT_TRUE(key.setIntValue("C", 6));
    EXPECT_TRUE(VSYST_RegistryKey(kSettings, true, "PaperSize").setIntValue("X", 7));
    EXPECT_EQ(dump.text(), "");  // each line once per process
    EXPECT_EQ(reg.contents(),
              "; settings\r\n[8]\r\ngarbage line\r\nA=5\r\nbad\0byte\x01\r\nC=6\r\n"
              "[]\nB=2\nno end\n[8\\PaperSize]\r\nX=7\r\n"s);
    // A last line without a newline gets a '\n' when a line is added after it.
    reg.write("[8]\r\nA=1");
    EXPECT_TRUE(key.setIntValue("C", 6));
    EXPECT_EQ(reg.contents(), "[8]\r\nA=1\nC=6\r\n");

    // A huge line is reported cut short and kept whole.
    const std::string huge(1 << 20, 'x');
    reg.write("[8]\n" + huge + "\nA=1");
    EXPECT_TRUE(key.setIntValue("A", 2));
    EXPECT_EQ(reg.contents(), "[8]\n" + huge + "\nA=2");
    EXPECT_EQ(dump.take(), reg.path() + ":2" + note + "\"" + huge.substr(0, 80) + "...\"\n");
}

TEST(RegistryKey, ReadsAndReplacesTheFirstOfDuplicateNamesAndSections) {
    TempRegistry reg;
    reg.write("[8]\nA=1\nA=2\n\n[9]\nA=3\n[8]\nB=5\n");
    VSYST_RegistryKey key(kSettings, false);
    EXPECT_EQ(intOf(key, "A"), 1);
    EXPECT_EQ(intOf(key, "B"), 5);
    EXPECT_TRUE(key.setIntValue("A", 7));
    EXPECT_TRUE(key.setIntValue("B", 9));
    EXPECT_TRUE(key.setIntValue("C", 8));  // at the end of the first [8], before the blank line
    EXPECT_EQ(reg.contents(), "[8]\nA=7\nA=2\nC=8\n\n[9]\nA=3\n[8]\nB=9\n");
}

TEST(RegistryKey, RefusesNamesAndSubkeysTheFileCannotHold) {
    TempRegistry reg;
    DumpCapture dump;
    VSYST_RegistryKey key(kSettings, false);
    for (const char* name : {static_cast<const char*>(nullptr), "", "a=b", "a\nb", "a\rb", "[a",
                             ";a", "#a", " a", "\ta", "a "}) {
        const std::string shown = name != nullptr ? name : "(null)";
        EXPECT_FALSE(key.setIntValue(name, 1)) << shown;
        EXPECT_FALSE(key.setFloatValue(name, 1.0)) << shown;
        EXPECT_EQ(intOf(key, name), std::nullopt) << shown;
    }
    for (const char* subkey : {"a]b", "a\nb", "a\rb"}) {
        EXPECT_FALSE(VSYST_RegistryKey(kSettings, true, subkey).setIntValue("A", 1)) << subkey;
    }
    EXPECT_TRUE(reg.files().empty());
    // One line per refused name or subkey, however often it is tried.
    const std::string text = dump.text();
    const std::string nameRule =
        " not set: a name must not be empty, contain '=' or a line break, start with '[', ';', "
        "'#' or a blank, or end with a blank\n";
    EXPECT_EQ(std::count(text.begin(), text.end(), '\n'), 14);
    EXPECT_NE(text.find(reg.path() + ": settings value \"(null)\" of [8]" + nameRule),
              std::string::npos);
    EXPECT_NE(text.find(reg.path() + ": settings value \"\" of [8]" + nameRule), std::string::npos);
    EXPECT_NE(text.find(": settings value \"a\\x0ab\" of [8]" + nameRule), std::string::npos);
    EXPECT_NE(text.find(": settings value \"A\" of [8\\\\a]b] not set: a subkey must not "
                        "contain ']' or a line break\n"),
              std::string::npos);

    VSYST_RegistryKey odd(kSettings, true, " [x=y ");
    EXPECT_TRUE(odd.setIntValue("a b[c];d#", 1));
    EXPECT_EQ(intOf(odd, "a b[c];d#"), 1);
}

TEST(RegistryKey, KeepsTheFilesModeAndSymbolicLinks) {
    TempRegistry reg;
    VSYST_RegistryKey key(kSettings, false);
    ASSERT_TRUE(key.setIntValue("A", 1));
    struct stat status {};
    ASSERT_EQ(stat(reg.path().c_str(), &status), 0);
    EXPECT_EQ(status.st_mode & 07777, 0644u);
    ASSERT_EQ(chmod(reg.path().c_str(), 0600), 0);
    ASSERT_TRUE(key.setIntValue("A", 2));
    ASSERT_EQ(stat(reg.path().c_str(), &status), 0);
    EXPECT_EQ(status.st_mode & 07777, 0600u);

    const std::string real = reg.dir() + "/real.ini";
    ASSERT_EQ(rename(reg.path().c_str(), real.c_str()), 0);
    ASSERT_EQ(symlink("real.ini", reg.path().c_str()), 0);
    ASSERT_TRUE(key.setIntValue("A", 3));
    ASSERT_EQ(lstat(reg.path().c_str(), &status), 0);
    EXPECT_TRUE(S_ISLNK(status.st_mode));
    EXPECT_EQ(fileBytes(real), "[8]\nA=3\n");
}

TEST(RegistryKey, FindsItsFileFromTheEnvironmentWhenOpened) {
    TempRegistry reg;  // restores ORVANE_REGISTRY
    SavedVariable config("XDG_CONFIG_HOME");
    SavedVariable home("HOME");
    EXPECT_EQ(VSYST_RegistryKey::currentFilePath(), reg.path());
    VSYST_RegistryKey early(kSettings, false);

    setenv("ORVANE_REGISTRY", "", 1);
    setenv("XDG_CONFIG_HOME", (reg.dir() + "/xdg").c_str(), 1);
    const std::string xdgPath = reg.dir() + "/xdg/orvane/registry.ini";
    EXPECT_EQ(VSYST_RegistryKey::currentFilePath(), xdgPath);
    EXPECT_TRUE(VSYST_RegistryKey(kSettings, false).setIntValue("A", 1));  // makes the folders
    EXPECT_EQ(fileBytes(xdgPath), "[8]\nA=1\n");
    EXPECT_EQ(early.filePath(), reg.path());
    EXPECT_EQ(reg.contents(), "");

    unsetenv("ORVANE_REGISTRY");
    setenv("XDG_CONFIG_HOME", "", 1);
    setenv("HOME", (reg.dir() + "/home").c_str(), 1);
    EXPECT_EQ(VSYST_RegistryKey::currentFilePath(),
              reg.dir() + "/home/.config/orvane/registry.ini");
    unsetenv("XDG_CONFIG_HOME");
    EXPECT_EQ(VSYST_RegistryKey::currentFilePath(),
              reg.dir() + "/home/.config/orvane/registry.ini");
    unsetenv("HOME");
    EXPECT_EQ(VSYST_RegistryKey::currentFilePath(), ".config/orvane/registry.ini");
}

TEST(RegistryKey, TwoProcessesSettingAtOnceLoseNoValue) {
    TempRegistry reg;
    constexpr int kPerProcess = 500;
    const auto name = [](int k, int i) {
        return "p" + std::to_string(k) + "_" + std::to_string(i);
    };
    int start[2];
    ASSERT_EQ(pipe(start), 0);
    pid_t children[2];
    for (int k = 0; k < 2; ++k) {
        children[k] = fork();
        ASSERT_NE(children[k], -1);
        if (children[k] == 0) {
            close(start[1]);
            char go;
            if (read(start[0], &go, 1) != 0) _exit(2);  // wait until the parent closes the pipe
            VSYST_RegistryKey key(kSettings, true, "Race");
            bool ok = true;
            for (int i = 0; i < kPerProcess; ++i) {
                ok = key.setIntValue(name(k, i).c_str(), k * 1000 + i) && ok;
            }
            _exit(ok ? 0 : 1);
        }
    }
    close(start[0]);
    close(start[1]);  // both children start now
    for (pid_t child : children) {
        int status = 0;
        ASSERT_EQ(waitpid(child, &status, 0), child);
        EXPECT_TRUE(WIFEXITED(status) && WEXITSTATUS(status) == 0) << status;
    }
    VSYST_RegistryKey key(kSettings, false, "Race");
    int present = 0;
    for (int k = 0; k < 2; ++k) {
        for (int i = 0; i < kPerProcess; ++i)
            present += intOf(key, name(k, i).c_str()) == k * 1000 + i;
    }
    EXPECT_EQ(present, 2 * kPerProcess);
    EXPECT_EQ(reg.files(), (std::set<std::string>{"registry.ini", "registry.ini.lock"}));
}

TEST(RegistryKey, WritesAndReadsNumbersTheSameInAnyLocale) {
    TempRegistry reg;  // its folder also holds a locale built for the test
    SavedVariable locpath("LOCPATH");
    const struct BackToC {
        ~BackToC() { std::setlocale(LC_NUMERIC, "C"); }
    } backToC;
    const bool comma = chooseCommaLocale(reg.dir());
    char shown[16];
    std::snprintf(shown, sizeof shown, "%.1f", 0.5);
    if (!comma) GTEST_SKIP() << "no locale with a decimal comma can be had here";
    EXPECT_STREQ(shown, "0,5");  // the program's locale is really in force

    VSYST_RegistryKey key(kSettings, false);
    EXPECT_TRUE(key.setFloatValue("X", 0.5));
    EXPECT_EQ(reg.contents(), "[8]\nX=0.5\n");
    reg.write("[8]\nY=1.25\nZ=2,5\n");
    EXPECT_EQ(doubleOf(key, "Y"), 1.25);
    EXPECT_EQ(doubleOf(key, "Z"), std::nullopt);
}
