#include <gtest/gtest.h>
#include <orvane/base/symbol.h>

#include <algorithm>
#include <cstring>
#include <string>
#include <vector>

TEST(VSYST_SymbolA, InternsEqualNamesToOneCopy) {
    std::string built = "Length";
    built += "UnitChanged";
    const VSYST_SymbolA a("LengthUnitChanged");
    const VSYST_SymbolA b(built.c_str());
    EXPECT_EQ(a, b);
    EXPECT_EQ(static_cast<const char*>(a), static_cast<const char*>(b));
    EXPECT_NE(a, VSYST_SymbolA("AngleUnitChanged"));
    EXPECT_STREQ(VSYST_SymbolA(nullptr), "");
    EXPECT_EQ(VSYST_SymbolA(), VSYST_SymbolA(""));
    built = "overwritten";  // the symbol keeps its own copy
    EXPECT_STREQ(b, "LengthUnitChanged");
}

TEST(VSYST_SymbolA, OrdersByteByByteAsStrcmp) {
    std::vector<VSYST_SymbolA> names = {"beta", "Alpha", "alpha", "", "\xE4rger", "Zeta", "al"};
    std::sort(names.begin(), names.end());
    std::vector<std::string> order;
    for (const auto& n : names)
        order.emplace_back(n);
    EXPECT_EQ(order,
              (std::vector<std::string>{"", "Alpha", "Zeta", "al", "alpha", "beta", "\xE4rger"}));
    EXPECT_FALSE(VSYST_SymbolA("x") < VSYST_SymbolA("x"));
}
