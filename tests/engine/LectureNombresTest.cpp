#include "LectureNombres.h"

#include <gtest/gtest.h>
#include <limits>

using namespace amortix;

namespace {

struct CasDecimal {
    const char* texte;
    std::optional<double> attendu;
};

void Verifie(const ConventionsLocales& conventions, std::initializer_list<CasDecimal> cas) {
    for (const auto& c : cas) {
        SCOPED_TRACE(c.texte);
        EXPECT_EQ(LitDecimal(c.texte, conventions), c.attendu);
    }
}

} // namespace

TEST(LectureNombres, DecimalEnFrancais) {
    Verifie(ConventionsFrancaises(), {{"10000", 10000.0},
                                      {"  10000,50\t", 10000.5},
                                      {"10 000", 10000.0},
                                      {"10\u00a0000,25", 10000.25},
                                      {"1\u202f234\u202f567,5", 1234567.5},
                                      {"-0", 0.0},
                                      {"-12,5", -12.5},
                                      {"+3", 3.0},
                                      {",5", 0.5},
                                      {"7,", 7.0},
                                      {"\u22124", -4.0},
                                      // Not numbers in a comma locale.
                                      {"1.5", std::nullopt},
                                      {"1e3", std::nullopt},
                                      {"1E3", std::nullopt},
                                      {"∞", std::nullopt},
                                      {"inf", std::nullopt},
                                      {"nan", std::nullopt},
                                      {"", std::nullopt},
                                      {"   ", std::nullopt},
                                      {"-", std::nullopt},
                                      {",", std::nullopt},
                                      {"12 34", std::nullopt},
                                      {"1 0000", std::nullopt},
                                      {"10 000 ", 10000.0},
                                      {"1,2,3", std::nullopt},
                                      {"5 %", std::nullopt},
                                      {"--5", std::nullopt},
                                      {"abc", std::nullopt}});
}

TEST(LectureNombres, DecimalEnAnglais) {
    Verifie(ConventionsAmericaines(), {{"10000.50", 10000.5},
                                       {"10,000.50", 10000.5},
                                       {"1,5", std::nullopt},
                                       {"10000,50", std::nullopt},
                                       {"10 000", std::nullopt},
                                       {"-.25", -0.25}});
}

TEST(LectureNombres, DecimalAuxLimitesDuDouble) {
    const ConventionsLocales fr = ConventionsFrancaises();
    EXPECT_EQ(LitDecimal("1" + std::string(308, '0'), fr), 1e308);
    EXPECT_FALSE(LitDecimal("1" + std::string(400, '0'), fr));
    // Too small to tell from zero is zero.
    EXPECT_EQ(LitDecimal("0," + std::string(400, '0') + "1", fr), 0.0);
    // A pasted flood of digits, a NUL byte.
    EXPECT_FALSE(LitDecimal(std::string(100000, '9'), fr));
    EXPECT_EQ(LitDecimal("1," + std::string(100000, '5'), fr), 1.5555555555555556);
    EXPECT_FALSE(LitDecimal(std::string("12\0"
                                        "3",
                                        4),
                            fr));
}

TEST(LectureNombres, EntierArrondiAuPairLePlusProche) {
    const ConventionsLocales fr = ConventionsFrancaises();
    EXPECT_EQ(LitEntier("12", fr), 12);
    EXPECT_EQ(LitEntier("12,5", fr), 12);
    EXPECT_EQ(LitEntier("13,5", fr), 14);
    EXPECT_EQ(LitEntier("12,51", fr), 13);
    EXPECT_EQ(LitEntier("12,500000000000000000001", fr), 13);
    EXPECT_EQ(LitEntier("12,49999999999999999999", fr), 12);
    EXPECT_EQ(LitEntier("-12,5", fr), -12);
    EXPECT_EQ(LitEntier("-13,5", fr), -14);
    EXPECT_EQ(LitEntier("0,5", fr), 0);
    EXPECT_EQ(LitEntier(" 1 200 ", fr), 1200);
    EXPECT_EQ(LitEntier("2147483647", fr), std::numeric_limits<std::int32_t>::max());
    EXPECT_EQ(LitEntier("-2147483648", fr), std::numeric_limits<std::int32_t>::min());
    EXPECT_FALSE(LitEntier("2147483648", fr));
    EXPECT_FALSE(LitEntier("2147483647,5", fr)); // the even neighbour is out of range
    EXPECT_EQ(LitEntier("2147483646,5", fr), 2147483646);
    EXPECT_FALSE(LitEntier("99999999999999999999", fr));
    EXPECT_EQ(LitEntier("000000000000000000012", fr), 12);
    EXPECT_FALSE(LitEntier("12.5", fr));
    EXPECT_FALSE(LitEntier("", fr));
    EXPECT_EQ(LitEntier("12.5", ConventionsAmericaines()), 12);
}

TEST(LectureNombres, ZonesVides) {
    EXPECT_TRUE(EstVide(""));
    EXPECT_TRUE(EstVide(" \t\u00a0\u202f"));
    EXPECT_FALSE(EstVide(" 0 "));
    EXPECT_EQ(SansBlancs("\u00a0 12 \u202f"), "12");
}
