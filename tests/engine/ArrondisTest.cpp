#include "Arrondis.h"

#include "LectureNombres.h"

#include <gtest/gtest.h>

using namespace amortix;

// Round2 takes a half cent to even, Fmt2 away from zero; Fmt2's text reads back.
TEST(Arrondis, MoitiesDifferentes) {
    const auto fr = ConventionsFrancaises();
    const struct {
        double x, round2;
        const char* fmt2;
    } cas[] = {
        {.x = 0.125, .round2 = 0.12, .fmt2 = "0,13"},
        {.x = -2.345, .round2 = -2.34, .fmt2 = "-2,35"},
        {.x = 860.664297, .round2 = 860.66, .fmt2 = "860,66"},
        {.x = -0.001, .round2 = -0.0, .fmt2 = "0,00"},
        {.x = 45.94670000000001, .round2 = 45.95, .fmt2 = "45,95"},
        {.x = 1e-20, .round2 = 0, .fmt2 = "0,00"},
        {.x = 123456789.125, .round2 = 123456789.12, .fmt2 = "123456789,13"},
        {.x = -1e15, .round2 = -1e15, .fmt2 = "-1000000000000000,00"},
        {.x = 1e20, .round2 = 1e20, .fmt2 = "100000000000000000000,00"},
    };
    for (const auto& c : cas) {
        SCOPED_TRACE(c.fmt2);
        EXPECT_EQ(Round2(c.x), c.round2);
        EXPECT_EQ(Fmt2(c.x, fr), c.fmt2);
        EXPECT_EQ(LitDecimal(c.fmt2, fr), Fmt2Valeur(c.x));
    }
    EXPECT_EQ(FormateDecimales(12.5, 0, fr), "13");
    // The TEG's and TAEG's percentages.
    EXPECT_EQ(ArrondiAffiche(0.05855, 4), 0.0586);
}

// Each cent and half cent to 100 000,00 rounds as written, however its binary leans.
TEST(Arrondis, MoitiesDeCentimeJusquaCentMille) {
    for (long long c = 0; c < 10'000'000; c += 7) {
        const double d = static_cast<double>(c);
        const double moitie = (d + 0.5) / 100;
        const double pair = (c % 2 == 0 ? d : d + 1) / 100;
        ASSERT_EQ(Round2(moitie), pair) << moitie;
        ASSERT_EQ(Fmt2Valeur(moitie), (d + 1) / 100) << moitie;
        ASSERT_EQ(Round2(d / 100), d / 100);
        ASSERT_EQ(Fmt2Valeur(d / 100 + 0.004), d / 100);
    }
    EXPECT_EQ(Fmt2(99999.995, ConventionsAmericaines()), "100000.00");
}
