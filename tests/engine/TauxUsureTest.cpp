#include "TauxUsure.h"

#include "CalculEmprunt.h"
#include "ComparaisonOffres.h"
#include "Dates.h"

#include <gtest/gtest.h>

using namespace amortix;
using namespace std::chrono;

namespace amortix {
static void PrintTo(const TableUsure& t, std::ostream* os) {
    *os << FormateDateIso(t.debut);
    for (double p : t.plafonds)
        *os << ' ' << p;
}
} // namespace amortix

namespace {

const auto fr = ConventionsFrancaises();
constexpr auto Immo = NatureCredit::Immobilier;

// The ceilings from 1 January to 31 March 2026.
const TableUsure T1{2026y / 1 / 1, {4.12, 4.59, 5.13, 4.99, 6.15, 23.56, 15.87, 8.67}};

const std::string Fichier = R"(trimestre=2026-01-01
immobilier-moins-de-10-ans=4.12
immobilier-10-a-20-ans=4.59
immobilier-20-ans-et-plus=5.13
immobilier-taux-variable=4.99
pret-relais=6.15
consommation-jusqua-3000=23.56
consommation-3000-a-6000=15.87
consommation-plus-de-6000=8.67
)";

std::string_view Cle(NatureCredit n, double m, std::int32_t mois) {
    return CleCategorie(CategorieDuPret(n, m, mois));
}

// 100 000 over 240 months, 43,32 of insurance: its TAEG against the ceiling.
std::string Offre(const char* taux) {
    const SaisieEmprunt s{"100000", "240", taux, "43,32", "", Frequence::Mois, 2026y / 2 / 28};
    const auto o = CompareOffre(CalculeEmprunt(s, true, fr), fr);
    if (!o || !o->tauxTAEG)
        return "(aucun TAEG)";
    const auto v = VerifieUsure(T1, Immo, 1e5, 240, *o->tauxTAEG);
    return *o->taeg.taeg + (v.depasse ? " dépasse " : " sous ") + DecritPlafond(v, fr);
}

std::string Motif(std::string_view avant, std::string_view apres) {
    std::string texte = Fichier;
    const auto lu = LitTableUsure(texte.replace(texte.find(avant), avant.size(), apres));
    const auto* motif = std::get_if<std::string>(&lu);
    return motif ? *motif : "(lue)";
}

} // namespace

// Real estate by its duration, consumer credit by its amount.
TEST(TauxUsure, CategorieParDureeOuParMontant) {
    const auto C = NatureCredit::Consommation;
    EXPECT_EQ(Cle(Immo, 1e5, 119), "immobilier-moins-de-10-ans");
    EXPECT_EQ(Cle(Immo, 1e5, 120), "immobilier-10-a-20-ans");
    EXPECT_EQ(Cle(Immo, 1e5, 239), "immobilier-10-a-20-ans");
    EXPECT_EQ(Cle(C, 3000, 240), "consommation-jusqua-3000");
    EXPECT_EQ(Cle(C, 3000.01, 12), "consommation-3000-a-6000");
    EXPECT_EQ(Cle(C, 6000, 12), "consommation-3000-a-6000");
    EXPECT_EQ(Cle(C, 6000.01, 12), "consommation-plus-de-6000");
}

// Over the ceiling as the TAEG is shown: 5,135 % shows 5,14 %.
TEST(TauxUsure, TAEGDesOffresFaceAuPlafond) {
    const std::string plafond = "5,13 % (immobilier, 20 ans et plus)";
    EXPECT_EQ(Offre("4,00"), "4,91 % sous " + plafond);
    EXPECT_EQ(Offre("4,50"), "5,42 % dépasse " + plafond);
    EXPECT_FALSE(VerifieUsure(T1, Immo, 1e5, 300, 0.05134).depasse);
    EXPECT_TRUE(VerifieUsure(T1, Immo, 1e5, 300, 0.05135).depasse);
}

TEST(TauxUsure, TrimestreEtPeremption) {
    EXPECT_EQ(DecritTrimestre(2026y / 10 / 1), "4e trimestre 2026");
    EXPECT_EQ(AvisTablePerimee(T1, 2026y / 3 / 31), std::nullopt);
    EXPECT_EQ(AvisTablePerimee(T1, 2026y / 4 / 1),
              "Les taux d'usure datent du 1er trimestre 2026 : saisissez ceux du trimestre en cours dans "
              "Outils → Options → Taux d'usure.");
}

TEST(TauxUsure, FichierLuReecritOuRefuse) {
    EXPECT_EQ(LitTableUsure(Fichier), TableOuMotif(T1));
    EXPECT_EQ(LitTableUsure(EcritTableUsure(T1)), TableOuMotif(T1));
    const std::string table = "La table des taux d'usure ";
    const std::string ligne = table + "est incorrecte à la ligne ";
    EXPECT_EQ(Motif("trimestre=2026-01-01\n", ""), table + "ne donne pas son trimestre.");
    EXPECT_EQ(Motif("5.13", "5,13"),
              ligne + "4 : pourcentage attendu, avec un point et au plus deux décimales.");
    EXPECT_EQ(Motif("6.15", "6.15\npret-relais=6.15"), ligne + "7 : catégorie donnée deux fois.");
    EXPECT_EQ(Motif("relais", "travaux"), ligne + "6 : catégorie inconnue « pret-travaux ».");
    EXPECT_EQ(Motif("01-01", "02-01"),
              "La date de validité doit être le premier jour d'un trimestre (1er janvier, 1er avril, 1er "
              "juillet ou 1er octobre).");
    EXPECT_EQ(Motif("23.56", "100"),
              "Le taux d'usure « consommation, jusqu'à 3 000 € » doit être compris entre 0 et 100 %.");
}
