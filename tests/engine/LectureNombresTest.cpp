#include "LectureNombres.h"

#include <gtest/gtest.h>

using namespace amortix;

// Blanks around, groups; no exponent, infinity or other locale's separator.
TEST(LectureNombres, DecimauxPuisEntiers) {
    const auto fr = ConventionsFrancaises(), en = ConventionsAmericaines();
    using D = std::pair<const char*, std::optional<double>>;
    for (const auto& [texte, v] :
         {D{"  10000,50\t", 10000.5}, D{"-0", 0.0}, D{"1\u00a0234\u202f567,5", 1234567.5}, D{"+3", 3.0},
          D{",5", 0.5}, D{"7,", 7.0}, D{"\u22124", -4.0}})
        EXPECT_EQ(LitDecimal(texte, fr), v) << texte;
    for (const char* x : {"1.5", "1e3", "∞", "nan", "   ", "-", "12 34", "1 0000", "1,2,3", "5 %", "--5"})
        EXPECT_EQ(LitDecimal(x, fr), std::nullopt) << x;
    for (const auto& [texte, v] :
         {D{"10,000.50", 10000.5}, D{"-.25", -0.25}, D{"1,5", {}}, D{"10000,50", {}}, D{"10 000", {}}})
        EXPECT_EQ(LitDecimal(texte, en), v) << texte;
    // Too small to tell from zero is zero, too large none.
    const auto zeros = [](int n) { return std::string(n, '0'); };
    EXPECT_EQ(LitDecimal("1" + zeros(308), fr), 1e308);
    EXPECT_EQ(LitDecimal("1" + zeros(400), fr), std::nullopt);
    EXPECT_EQ(LitDecimal("0," + zeros(400) + "1", fr), 0.0);
    EXPECT_EQ(LitDecimal("1," + std::string(100000, '5'), fr), 1.5555555555555556);
    EXPECT_EQ(LitDecimal(std::string("12\0003", 4), fr), std::nullopt);

    // Integers round on their decimals, a half to even, within 32 bits.
    using E = std::pair<const char*, std::optional<std::int32_t>>;
    for (const auto& [texte, v] :
         {E{"13,5", 14}, E{"12,500000000000000000001", 13}, E{"12,49999999999999999999", 12}, E{"-13,5", -14},
          E{" 1 200 ", 1200}, E{"-2147483648", INT32_MIN}, E{"2147483648", {}}, E{"2147483647,5", {}},
          E{"2147483646,5", 2147483646}, E{"000000000000000000012", 12}, E{"12.5", {}}})
        EXPECT_EQ(LitEntier(texte, fr), v) << texte;
    EXPECT_EQ(LitEntier("12.5", en), 12);
    EXPECT_TRUE(EstVide(" \t\u00a0\u202f"));
    EXPECT_FALSE(EstVide(" 0 "));
    EXPECT_EQ(SansBlancs("\u00a0 12 \u202f"), "12");
}
