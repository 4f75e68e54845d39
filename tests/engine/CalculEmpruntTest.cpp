#include "CalculEmprunt.h"

#include <gtest/gtest.h>

using namespace amortix;
using namespace std::chrono;

TEST(CalculEmprunt, LaDureeEstArrondieAuPairSonTexteGarde) {
    for (const auto& [duree, n] : {std::pair{"12,5", 12u}, {"13,5", 14u}}) {
        const SaisieEmprunt s{"10000", duree, "6", "", "", Frequence::Mois, 2007y / 1 / 31};
        const auto calcul = CalculeEmprunt(s, true, ConventionsFrancaises());
        EXPECT_EQ(calcul.tableau.lignes.size(), n) << duree;
        EXPECT_EQ(calcul.champs.duree, duree);
    }
}
