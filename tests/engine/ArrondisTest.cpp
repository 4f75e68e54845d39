#include "Arrondis.h"

#include "LectureNombres.h"

#include <gtest/gtest.h>

using namespace amortix;

// Round2 takes an exact half to the even cent, Fmt2 away from zero; Fmt2's text reads back as its value.
TEST(Arrondis, LesDeuxArrondisDifferentSurLesMoities) {
    const ConventionsLocales fr = ConventionsFrancaises();
    using Cas = std::tuple<double, double, const char*>; // x, Round2(x), Fmt2(x)
    for (const auto& [x, round2, fmt2] :
         {Cas{0.125, 0.12, "0,13"}, Cas{-2.345, -2.34, "-2,35"}, Cas{860.664297, 860.66, "860,66"},
          Cas{-0.001, -0.0, "0,00"}, Cas{45.94670000000001, 45.95, "45,95"}, Cas{1e-20, 0.0, "0,00"},
          Cas{123456789.125, 123456789.12, "123456789,13"}, Cas{-1e15, -1e15, "-1000000000000000,00"},
          Cas{1e20, 1e20, "100000000000000000000,00"}}) {
        EXPECT_EQ(Round2(x), round2) << x;
        EXPECT_EQ(Fmt2(x, fr), fmt2) << x;
        EXPECT_EQ(LitDecimal(fmt2, fr), Fmt2Valeur(x)) << x;
    }
    EXPECT_EQ(FormateDecimales(12.5, 0, fr), "13");
    EXPECT_EQ(ArrondiAffiche(0.05855, 4), 0.0586); // percentages: the TEG's and the TAEG's tests
}

// Every cent and every half-cent up to 100 000,00 rounds as its decimal text says, whichever way
// its binary value leans: the fast path must never disagree with the text.
TEST(Arrondis, MoitiesDeCentimeJusquaCentMille) {
    for (long long c = 0; c < 10'000'000; c += 7) {
        const double moitie = (static_cast<double>(c) + 0.5) / 100.0, juste = static_cast<double>(c) / 100.0;
        ASSERT_EQ(Round2(moitie), static_cast<double>(c % 2 == 0 ? c : c + 1) / 100.0) << moitie;
        ASSERT_EQ(Fmt2Valeur(moitie), static_cast<double>(c + 1) / 100.0) << moitie;
        ASSERT_EQ(Round2(juste), juste);
        ASSERT_EQ(Fmt2Valeur(juste + 0.004), juste);
    }
    EXPECT_EQ(Fmt2(99999.995, ConventionsAmericaines()), "100000.00");
}
