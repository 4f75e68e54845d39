#include "CalculEmprunt.h"

#include <gtest/gtest.h>

using namespace amortix;
using namespace std::chrono;

// A duration typed with decimals is rounded to the even number of periods, its text kept. The other
// fields' rewriting and the values read (5,125 % then 5,13 %) are the main window's worked example.
TEST(CalculEmprunt, LaDureeEstArrondieAuPairSonTexteGarde) {
    for (const auto& [duree, lignes] : {std::pair{"12,5", 12u}, {"13,5", 14u}}) {
        const auto calcul =
            CalculeEmprunt({"10000", duree, "6", "", "", Frequence::Mois, 2007y / January / 31}, true,
                           ConventionsFrancaises());
        EXPECT_EQ(calcul.tableau.lignes.size(), lignes) << duree;
        EXPECT_EQ(calcul.champs.duree, duree);
    }
}
