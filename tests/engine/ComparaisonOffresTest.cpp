#include "ComparaisonOffres.h"

#include <gtest/gtest.h>

using namespace amortix;
using namespace std::chrono;

namespace {

const auto fr = ConventionsFrancaises();

OffreNommee Offre(const char* taux, const char* ass, const char* frais) {
    const SaisieEmprunt s{"100000", "180", taux, ass, frais, Frequence::Mois, 2007y / 1 / 31};
    return {"offre", CompareOffre(CalculeEmprunt(s, true, fr), fr), ""};
}

const OffreNommee Cassee{"cassée", std::nullopt, "échec"};

} // namespace

TEST(ComparaisonOffres, LOffreDeLaBanque) {
    const auto b = Offre("2", "43,32", "2690").offre;
    ASSERT_TRUE(b);
    EXPECT_EQ(b->echeance, "686,83");
    EXPECT_EQ(b->derniereEcheance, "686,61");
    EXPECT_EQ(b->dateDerniere, "31/12/2021");
    EXPECT_EQ(b->totalRembourse, "123629,18");
    EXPECT_EQ(b->couts.total, "26319,18");
    EXPECT_EQ(b->couts.interets, "15831,58");
    EXPECT_EQ(b->couts.assurance, "7797,60");
    EXPECT_EQ(b->couts.fraisDossier, "2690,00");
    EXPECT_EQ(b->taeg.taeg, "3,37 %");
    EXPECT_EQ(b->taeg.taegHorsAssurance, "2,41 %");
    EXPECT_EQ(b->taeg.taea, "0,96 %");
    // Fields that do not read make no offer, and no TAEG.
    const auto vide = CalculeEmprunt({"", "180", "2", "", ""}, true, fr);
    EXPECT_FALSE(CompareOffre(vide, fr).has_value());
    EXPECT_EQ(TAEGDuCalcul(vide, fr).motif, MotifSansEcheances);
}

// b costs 22 096,70, less than the bank; a failed or equal later offer never wins.
TEST(ComparaisonOffres, LesMeilleuresEtLesEchecs) {
    const OffreNommee b = Offre("2,2", "20", "1000");
    const OffreNommee offres[] = {Offre("2", "43,32", "2690"), Cassee, b, b};
    const MeilleuresOffres m = TrouveMeilleuresOffres(offres);
    EXPECT_EQ(m.moinsChere, 2u);
    EXPECT_EQ(m.plusPetitTAEG, 2u);
    // Fees count.
    const OffreNommee frais[] = {Offre("2", "0", "0"), Offre("1,9", "0", "1500")};
    EXPECT_EQ(TrouveMeilleuresOffres(frais).plusPetitTAEG, 0u);
    const OffreNommee aucune[] = {Cassee};
    EXPECT_EQ(TrouveMeilleuresOffres(aucune).moinsChere, std::nullopt);
}
