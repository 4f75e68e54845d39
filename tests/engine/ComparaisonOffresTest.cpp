#include "ComparaisonOffres.h"

#include <gtest/gtest.h>

using namespace amortix;
using namespace std::chrono;

namespace {

const ConventionsLocales fr = ConventionsFrancaises();

OffreNommee Offre(const char* nom, const char* taux, const char* assurance, const char* frais) {
    const SaisieEmprunt saisie{
        "100000", "180", taux, assurance, frais, Frequence::Mois, 2007y / January / 31};
    return {nom, CompareOffre(CalculeEmprunt(saisie, true, fr), fr), "échec"};
}

} // namespace

// The bank's published offer: 100 000 at 2 % over 180 months, insurance 43,32, fees 2 690; 179
// payments of 686,83 and one of 686,61 (122 942,57 + 686,61 = 123 629,18 repaid). Then the best offers.
TEST(ComparaisonOffres, LOffreDeLaBanqueLesMeilleuresEtLesEchecs) {
    const OffreNommee banque = Offre("banque", "2", "43,32", "2690");
    ASSERT_TRUE(banque.offre);
    const OffreComparee& o = *banque.offre;
    EXPECT_EQ(std::tuple(o.echeance, o.derniereEcheance, o.dateDerniere, o.totalRembourse),
              std::tuple("686,83", "686,61", "31/12/2021", "123629,18"));
    EXPECT_EQ(o.couts, (CoutsCredit{"26319,18", "15831,58", "7797,60", "2690,00"}));
    EXPECT_EQ(o.taeg, (TextesTAEG{"3,37 %", "2,41 %", "0,96 %", ""}));
    const SaisieEmprunt incomplete{"", "180", "2", "", "", Frequence::Mois, 2007y / January / 31};
    EXPECT_FALSE(CompareOffre(CalculeEmprunt(incomplete, true, fr), fr));
    EXPECT_TRUE(TAEGDuCalcul(CalculeEmprunt(incomplete, true, fr), fr).motif.size() > 0);
    // Costs 26 319,18 and 22 096,70: the second is cheaper and has the lower TAEG; a failed offer
    // between them is never chosen; an equal offer later does not displace the first.
    std::vector<OffreNommee> offres = {Offre("a", "2", "43,32", "2690"),
                                       {"cassée", std::nullopt, "échec"},
                                       Offre("b", "2,2", "20", "1000"),
                                       Offre("b bis", "2,2", "20", "1000")};
    MeilleuresOffres meilleures = TrouveMeilleuresOffres(offres);
    EXPECT_EQ(meilleures.moinsChere, 2u);
    EXPECT_EQ(meilleures.plusPetitTAEG, 2u);
    // Fees count in the TAEG: 1,9 % with 1 500 of fees is above 2 % without.
    offres = {Offre("sans frais", "2", "0", "0"), Offre("taux bas", "1,9", "0", "1500")};
    EXPECT_EQ(TrouveMeilleuresOffres(offres).plusPetitTAEG, 0u);
    EXPECT_FALSE(TrouveMeilleuresOffres(std::vector<OffreNommee>{{"x", std::nullopt, "échec"}}).moinsChere);
}
