#include <gtest/gtest.h>
#include <orvane/strings/toolbox.h>

#include <clocale>
#include <cmath>
#include <cstdlib>
#include <random>
#include <sstream>
#include <string>
#include <tuple>
#include <utility>

#include "support/dump_capture.h"

namespace {

// Evaluates a double; returns the position on failure, 0 on success.
int rejectAt(const std::string& text) {
    double v = 0;
    evalInfo info;
    info.position = -1;
    const bool ok = VSTRI_Toolbox::evaluate(text.c_str(), v, info);
    return ok ? 0 : info.position;
}

// Evaluates `text`, also through the overload without evalInfo, which must agree.
template <class T = double>
T value(const std::string& text) {
    T v = 99, same = 99;
    evalInfo info;
    EXPECT_TRUE(VSTRI_Toolbox::evaluate(text.c_str(), v, info)) << text << " at " << info.position;
    EXPECT_TRUE(VSTRI_Toolbox::evaluate(text.c_str(), same)) << text;
    EXPECT_EQ(same, v) << text;
    return v;
}

std::string formatted(double v) {
    V_STRING text;
    EXPECT_TRUE(VSTRI_Toolbox::format(v, text));
    return text.data();
}

}  // namespace

TEST(VSTRI_Toolbox, EvaluatesExpressionsAndLiteralsOfEveryForm) {
    // Left-associative, integer division of whole numbers, unsigned wrap-around, characters
    // outside the syntax skipped, a negated literal as a Float, then literals of every form.
    const std::pair<const char*, double> cases[] = {
        {"3*(2+1.5)", 10.5},   {"1.25e3/4-7", 305.5}, {"2+3*4-10/5", 12.0},
        {"20-5-3", 12.0},      {"7/2", 3.0},          {"7/2.0", 3.5},
        {"3-5", 4294967294.0}, {"2--3", 5.0},         {"-(2+3)*+2", -10.0},
        {"12#", 12.0},         {" \t1\n+\n1 ", 2.0},  {"-2147483648/-1", 2147483648.0},
        {"1/0.0", INFINITY},   {"1E3", 1000.0},       {"1e3", 1000.0},
        {"1.e3", 1000.0},      {".5e3", 500.0},       {"1.", 1.0},
        {".5", 0.5},           {"2.5E-1", 0.25},      {"1e+2", 100.0},
        {"1e999", INFINITY}};
    for (const auto& [text, expected] : cases)
        EXPECT_EQ(value(text), expected) << text;

    EXPECT_EQ(value<long>("3-5"), 2147483647);
    EXPECT_EQ(value<long>("-7/2"), -3);
    EXPECT_EQ(value<unsigned long>("3-5"), 4294967294ul);
    EXPECT_EQ(value<unsigned long>("-2.5"), 0ul);
    EXPECT_EQ(value<unsigned long>("4294967295"), 4294967295ul);

    // Numbers are read and written the same way whatever the program's locale.
    const char* previous = std::setlocale(LC_NUMERIC, nullptr);
    const std::string saved = previous != nullptr ? previous : "C";
    if (std::setlocale(LC_NUMERIC, "de_DE.UTF-8") != nullptr) {
        EXPECT_EQ(value("1.5"), 1.5);
        EXPECT_EQ(formatted(1.25), "1.25");
    }
    std::setlocale(LC_NUMERIC, saved.c_str());
}

TEST(VSTRI_Toolbox, ReadsFloatingLiteralsToTheNearestDouble) {
    // Short literals are converted without the C library; each must give exactly what reading
    // the text with strtod gives, on both sides of the limits of that way (15 significant digits,
    // powers of ten up to 22 either way) and for literals of every shape.
    std::istringstream borders(
        "123456789012345.0 1234567890123456.0 9007199254740993.0 0.1 0.3 1e22 1e23 1.5e-22 "
        "1.5e-23 000123.4500 0.000000000000000000000012 12345.67890123e10 4.9e-324 "
        "2.2250738585072014e-308 0.0e400 7.e-0 1e-1000 .000000000000001e-7");
    for (std::string text; borders >> text;)
        EXPECT_EQ(value(text), std::strtod(text.c_str(), nullptr)) << text;

    std::mt19937 gen(2024);
    for (int k = 0; k < 20000; ++k) {
        std::string text = std::to_string(gen() % 1000000);
        text += '.';
        for (unsigned int d = gen() % 14; d > 0; --d)
            text += static_cast<char>('0' + gen() % 10);
        if (gen() % 3 == 0) text += "e" + std::to_string(static_cast<int>(gen() % 61) - 30);
        EXPECT_EQ(value(text), std::strtod(text.c_str(), nullptr)) << text;
    }
}

TEST(VSTRI_Toolbox, RejectsMalformedEntriesAtThePositionReached) {
    // Blanks count; a word that is no keyword, text after the entry, 'e' after a bare point
    // (no exponent), 'E' after it (an exponent, but no number), a keyword as a value, a number
    // beyond 32 bits, integer division by zero and overflow.
    const std::pair<const char*, int> cases[] = {
        {"", 1},    {"   ", 4}, {"12 abc", 6},      {"1 2", 3}, {"2e", 3},   {"2e+", 4},
        {".", 1},   {".e5", 1}, {".E5", 3},         {"--3", 2}, {"(1+2", 5}, {"x", 1},
        {"1,2", 2}, {"3*", 3},  {"4294967296", 10}, {"1/0", 4}};
    for (const auto& [text, position] : cases)
        EXPECT_EQ(rejectAt(text), position) << text;
    EXPECT_EQ(rejectAt("(-2147483647-1)/-1"), 19);

    // The outputs are written before the final check, and the position is reset by a success.
    double v = 0;
    evalInfo info;
    EXPECT_FALSE(VSTRI_Toolbox::evaluate("1+2)", v, info));
    EXPECT_EQ(std::make_tuple(v, info.position), std::make_tuple(3.0, 4));
    EXPECT_TRUE(VSTRI_Toolbox::evaluate("1", v, info));
    EXPECT_EQ(info.position, 0);
    v = 8;
    EXPECT_FALSE(VSTRI_Toolbox::evaluate("(1", v, info));
    EXPECT_EQ(v, 8.0);  // failed before the outputs
}

TEST(VSTRI_Toolbox, LimitsNamesNumbersSymbolsAndNesting) {
    EXPECT_EQ(value("0." + std::string(124, '7')), std::stod("0." + std::string(124, '7')));
    EXPECT_EQ(rejectAt("1." + std::string(125, '0')), 127);
    const std::string name = "A" + std::string(125, 'b');
    long n = 5;
    DumpCapture dump;
    EXPECT_TRUE(VSTRI_Toolbox::evaluate(name.c_str(), n));
    EXPECT_EQ(rejectAt(name + "c"), 127);

    // 123 new symbols fit the 128 entries; the 124th does not.
    std::string many;
    for (int i = 0; i < 123; ++i)
        many += "+S" + std::to_string(i);
    EXPECT_TRUE(VSTRI_Toolbox::evaluate(many.c_str(), n));
    EXPECT_NE(rejectAt(many + "+T"), 0);
    // The same symbol used again takes no new entry; the table starts empty every time.
    std::string same;
    for (int i = 0; i < 300; ++i)
        same += "+Same";
    EXPECT_TRUE(VSTRI_Toolbox::evaluate(same.c_str(), n));
    // Long names fill the 1024-byte pool (the keywords take 10) before the 128 entries run out.
    std::string full;
    for (char first = 'A'; first < 'H'; ++first)
        full += std::string("+") + first + std::string(125, 'b');
    EXPECT_EQ(rejectAt(full + "+Z" + std::string(123, 'b')), 0);
    EXPECT_NE(rejectAt(full + "+Z" + std::string(124, 'b')), 0);

    EXPECT_EQ(value(std::string(256, '(') + "1" + std::string(256, ')')), 1.0);
    EXPECT_EQ(rejectAt(std::string(257, '(') + "1" + std::string(257, ')')), 257);
    EXPECT_NE(rejectAt(std::string(100000, '(')), 0);  // no stack exhaustion
}

TEST(VSTRI_Toolbox, EvaluatesPointEntries) {
    // Text, then success, x, y and the position reached, starting from (10, 20).
    const std::tuple<const char*, bool, double, double, int> cases[] = {
        {"5,-5", true, 15, 15, 0}, {"x5, y5", true, 5, 5, 0},   {"x5,", true, 5, 20, 0},
        {"x,y", true, 0, 0, 0},    {"d 2, 0", true, 12, 20, 0}, {"p 2, 0", true, 2, 0, 0},
        {"x5", false, 10, 20, 3},  {",", true, 10, 20, 0},      {"", false, 10, 20, 1}};
    for (const auto& c : cases) {
        double x = 10, y = 20;
        evalInfo info;
        const bool ok = VSTRI_Toolbox::evaluate(std::get<0>(c), x, y, info);
        EXPECT_EQ(std::make_tuple(std::get<0>(c), ok, x, y, info.position), c);
    }
    double x = 1, y = 1, z = 3;
    EXPECT_FALSE(VSTRI_Toolbox::evaluate("y5,x5", x, y) || VSTRI_Toolbox::evaluate("1,2,3", x, y));
    EXPECT_FALSE(VSTRI_Toolbox::evaluate("1,2", x, y, z) ||
                 VSTRI_Toolbox::evaluate("z1,y1,x1", x, y, z));
    EXPECT_TRUE(VSTRI_Toolbox::evaluate("p 2, 3.14159265358979323846/2", x, y));
    EXPECT_NEAR(x, 0.0, 1e-15);
    EXPECT_DOUBLE_EQ(y, 2.0);

    // Three coordinates, each relative to what the previous entry left.
    x = 1, y = 2;
    EXPECT_TRUE(VSTRI_Toolbox::evaluate(",,z0", x, y, z) &&
                VSTRI_Toolbox::evaluate("1,1,1", x, y, z));
    EXPECT_TRUE(VSTRI_Toolbox::evaluate("d 2,0,0", x, y, z));
    EXPECT_EQ(std::make_tuple(x, y, z), std::make_tuple(4.0, 3.0, 1.0));
    EXPECT_TRUE(VSTRI_Toolbox::evaluate("p 2, 0, 3.14159265358979323846/2", x, y, z));
    EXPECT_NEAR(std::fabs(x) + std::fabs(y), 0.0, 1e-15);
    EXPECT_DOUBLE_EQ(z, 2.0);
}
