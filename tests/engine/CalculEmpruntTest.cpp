#include "CalculEmprunt.h"

#include <gtest/gtest.h>

using namespace amortix;
using namespace std::chrono;

namespace {

const ConventionsLocales fr = ConventionsFrancaises();

EmpruntCalcule Calcule(const char* duree) {
    return CalculeEmprunt({"10000", duree, "6", "", "", Frequence::Mois, 2007y / January / 31}, true, fr);
}

} // namespace

// A duration typed with decimals is rounded to the even number of periods, its text kept. The other
// fields' rewriting and the values read (5,125 % then 5,13 %) are the main window's worked example.
TEST(CalculEmprunt, LaDureeEstArrondieAuPairSonTexteGarde) {
    const auto calcul = Calcule("12,5");
    EXPECT_TRUE(calcul.tableau.lignes.size() == 12u && calcul.champs.duree == "12,5");
    EXPECT_EQ(Calcule("13,5").tableau.lignes.size(), 14u);
}
