#include <gtest/gtest.h>
#include <orvane/units/feet_inch_representation.h>

#include <cmath>
#include <limits>
#include <string>
#include <utility>

#include "support/dump_capture.h"

namespace {

const VLOCN_FeetInchRepresentation* fi() {
    return VLOCN_FeetInchRepresentation::thisRepresentation();
}

std::string shown(double mm) {
    return fi()->asString(mm).str();
}

// The text read as millimetres; NaN when rejected.
double read(const std::string& text) {
    double v = 0;
    return fi()->asFloat(text.c_str(), v) ? v : std::nan("");
}

// The parts stringToTupel reports, "ok feet inches denominator numerator" or "no ...".
std::string tupel(const char* text) {
    long feet = 99;
    unsigned long inches = 99, denominator = 99, numerator = 99;
    const bool ok =
        VLOCN_FeetInchRepresentation::stringToTupel(text, feet, inches, denominator, numerator);
    return (ok ? "ok " : "no ") + std::to_string(feet) + " " + std::to_string(inches) + " " +
           std::to_string(denominator) + " " + std::to_string(numerator);
}

}  // namespace

TEST(VLOCN_FeetInchRepresentation, FormatsToTheNearestSixteenthReduced) {
    const double inf = std::numeric_limits<double>::infinity();
    // Rounded up from half a sixteenth; above 2^31 feet still positive; huge and non-finite
    // values are shown as inches.
    const std::pair<double, const char*> cases[] = {{0, "0\""},
                                                    {-0.0, "0\""},
                                                    {25.4, "1\""},
                                                    {12.7, "1/2\""},
                                                    {3.175, "1/8\""},
                                                    {304.8, "1'-0\""},
                                                    {1612.9, "5'-3 1/2\""},
                                                    {-1612.9, "-5'-3 1/2\""},
                                                    {-0.1, "-0\""},
                                                    {1.5875, "1/16\""},
                                                    {1.5, "1/16\""},
                                                    {0.7, "0\""},
                                                    {609.6, "2'-0\""},
                                                    {3657.6, "12'-0\""},
                                                    {22.225, "7/8\""},
                                                    {47.625, "1 7/8\""},
                                                    {19.05, "3/4\""},
                                                    {6.35, "1/4\""},
                                                    {311.15, "1'-0 1/4\""},
                                                    {1e12, "3280839895'-0 3/16\""},
                                                    {1e20, "3.93700787e+18\""},
                                                    {-1e20, "-3.93700787e+18\""},
                                                    {inf, "inf\""},
                                                    {-inf, "-inf\""},
                                                    {std::nan(""), "nan\""}};
    for (const auto& [mm, text] : cases)
        EXPECT_EQ(shown(mm), text) << mm;
    EXPECT_NEAR(read(shown(1e20)), 1e20, 1e12);
}

TEST(VLOCN_FeetInchRepresentation, ReadsEveryAcceptedForm) {
    const std::pair<const char*, double> cases[] = {{"5'", 1524.0},
                                                    {"-5'", -1524.0},
                                                    {"3\"", 76.2},
                                                    {"-3\"", -76.2},
                                                    {"5'3\"", 1600.2},
                                                    {"5'-3\"", 1600.2},
                                                    {"-5'3\"", -1600.2},
                                                    {"-5'-3\"", -1600.2},
                                                    {"1/2\"", 12.7},
                                                    {"-1/2\"", -12.7},
                                                    {"3 1/2\"", 88.9},
                                                    {"-3 1/2\"", -88.9},
                                                    {"5'-1/2\"", 1536.7},
                                                    {"5'-3 1/2\"", 1612.9},
                                                    {"-5'-3 1/2\"", -1612.9},
                                                    {" 10 '", 3048.0},
                                                    {" 5 ' - 3   1 / 2 \" ", 1612.9},
                                                    {"\t-\t5'\n", -1524.0},
                                                    {"31/2\"", 393.7},
                                                    {"0\"", 0.0},
                                                    {"05'", 1524.0}};
    for (const auto& [text, mm] : cases)
        EXPECT_NEAR(read(text), mm, 1e-9) << text;
}

TEST(VLOCN_FeetInchRepresentation, FallsBackToAnExpressionInInches) {
    EXPECT_DOUBLE_EQ(read("12"), 304.8);
    EXPECT_DOUBLE_EQ(read("2*6"), 304.8);
    EXPECT_DOUBLE_EQ(read("1.5"), 38.1);
    EXPECT_DOUBLE_EQ(read("-5"), -127.0);
    // Not the notation, but expressions once the marks are skipped: 3 - 1/2 is 3 - 0.
    EXPECT_DOUBLE_EQ(read("3-1/2\""), 76.2);
    EXPECT_DOUBLE_EQ(read("5''"), 127.0);
    // Rejected by both readers.
    DumpCapture dump;
    for (const char* bad : {"5'3 1/2\"", "1/0\"", "", "'", "\"", "5'-'", "x\"", "5' 3"}) {
        EXPECT_TRUE(std::isnan(read(bad))) << bad;
    }
    EXPECT_EQ(dump.text(), "\noperator/=: division by zero\n");  // the evaluator's, for 1/0
    // Too long for the notation: the evaluator gets it and skips the marks it does not know.
    const std::string longText = std::string(1020, ' ') + "1/2\"";
    EXPECT_EQ(longText.size(), 1024u);
    EXPECT_EQ(read(longText), 0.0);  // 1/2 as whole numbers is 0
    EXPECT_NEAR(read(std::string(1019, ' ') + "1/2\""), 12.7, 1e-12);
}

TEST(VLOCN_FeetInchRepresentation, StringToTupelReportsPartsWithoutSign) {
    EXPECT_EQ(tupel("-5'-3 1/2\""), "ok 5 3 2 1");
    EXPECT_EQ(tupel("7\""), "ok 0 7 0 0");
    EXPECT_EQ(tupel("4294967296'"), "ok 0 0 0 0");  // 32-bit numbers wrap
    for (const char* bad : {"12", "5'3 1/2\"", "1/0\"", "3-1/2\""})
        EXPECT_EQ(tupel(bad), "no 0 0 0 0") << bad;
}

TEST(VLOCN_FeetInchRepresentation, ReadsBackWhatItShows) {
    for (double mm : {0.0, 1.5875, 12.7, 304.8, 1612.9, -1612.9, 98765.4321, -3.3, 1e9}) {
        const double back = read(shown(mm));
        EXPECT_NEAR(back, mm, 0.79375 + 1e-9) << mm;  // within half a sixteenth of an inch
    }
}
