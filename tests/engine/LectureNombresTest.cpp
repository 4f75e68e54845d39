#include "LectureNombres.h"

#include <gtest/gtest.h>

using namespace amortix;

// Blanks around and group separators between thousands; no exponent, no infinity, no other
// locale's separator; too small to tell from zero is zero, too large is no number.
TEST(LectureNombres, DecimauxPuisEntiers) {
    const ConventionsLocales fr = ConventionsFrancaises(), en = ConventionsAmericaines();
    using Cas = std::pair<const char*, std::optional<double>>;
    for (const Cas& c :
         {Cas{"  10000,50\t", 10000.5}, Cas{"10\u00a0000,25", 10000.25}, Cas{"-0", 0.0},
          Cas{"1\u202f234\u202f567,5", 1234567.5}, Cas{"10 000 ", 10000.0}, Cas{"-12,5", -12.5},
          Cas{"+3", 3.0}, Cas{",5", 0.5}, Cas{"7,", 7.0}, Cas{"\u22124", -4.0}})
        EXPECT_EQ(LitDecimal(c.first, fr), c.second) << c.first;
    for (const char* texte : {"1.5", "1e3", "∞", "nan", "   ", "-", "12 34", "1 0000", "1,2,3", "5 %", "--5"})
        EXPECT_FALSE(LitDecimal(texte, fr)) << texte;
    for (const Cas& c : {Cas{"10,000.50", 10000.5}, Cas{"-.25", -0.25}, Cas{"1,5", {}}, Cas{"10000,50", {}},
                         Cas{"10 000", {}}})
        EXPECT_EQ(LitDecimal(c.first, en), c.second) << c.first;
    EXPECT_EQ(LitDecimal("1" + std::string(308, '0'), fr), 1e308);
    EXPECT_FALSE(LitDecimal("1" + std::string(400, '0'), fr));
    EXPECT_EQ(LitDecimal("0," + std::string(400, '0') + "1", fr), 0.0);
    EXPECT_EQ(LitDecimal("1," + std::string(100000, '5'), fr), 1.5555555555555556);
    EXPECT_FALSE(LitDecimal(std::string("12\0003", 4), fr));

    // Integers round on their decimal digits, an exact half to the even neighbour, within 32 bits.
    using Entier = std::pair<const char*, std::optional<std::int32_t>>;
    for (const Entier& c :
         {Entier{"12,5", 12}, Entier{"13,5", 14}, Entier{"12,500000000000000000001", 13},
          Entier{"12,49999999999999999999", 12}, Entier{"-13,5", -14}, Entier{" 1 200 ", 1200},
          Entier{"-2147483648", INT32_MIN}, Entier{"2147483648", {}}, Entier{"2147483647,5", {}},
          Entier{"2147483646,5", 2147483646}, Entier{"000000000000000000012", 12}, Entier{"12.5", {}}})
        EXPECT_EQ(LitEntier(c.first, fr), c.second) << c.first;
    EXPECT_EQ(LitEntier("12.5", en), 12);
    EXPECT_TRUE(EstVide(" \t\u00a0\u202f"));
    EXPECT_FALSE(EstVide(" 0 "));
    EXPECT_EQ(SansBlancs("\u00a0 12 \u202f"), "12");
}
