#include "TauxUsure.h"

#include "CalculEmprunt.h"
#include "ComparaisonOffres.h"

#include <gtest/gtest.h>

using namespace amortix;
using namespace std::chrono;

namespace {

const ConventionsLocales fr = ConventionsFrancaises();

// The ceilings in force from 1 January to 31 March 2026.
TableUsure PremierTrimestre2026() {
    return {.debut = 2026y / January / 1, .plafonds = {4.12, 4.59, 5.13, 4.99, 6.15, 23.56, 15.87, 8.67}};
}

const char* const FichierPremierTrimestre2026 = "trimestre=2026-01-01\n"
                                                "immobilier-moins-de-10-ans=4.12\n"
                                                "immobilier-10-a-20-ans=4.59\n"
                                                "immobilier-20-ans-et-plus=5.13\n"
                                                "immobilier-taux-variable=4.99\n"
                                                "pret-relais=6.15\n"
                                                "consommation-jusqua-3000=23.56\n"
                                                "consommation-3000-a-6000=15.87\n"
                                                "consommation-plus-de-6000=8.67\n";

std::string Motif(const std::string& texte) {
    const auto lu = LitTableUsure(texte);
    const auto* motif = std::get_if<std::string>(&lu);
    return motif ? *motif : std::string("(lue)");
}

std::string Remplace(std::string texte, const std::string& avant, const std::string& apres) {
    return texte.replace(texte.find(avant), avant.size(), apres);
}

} // namespace

TEST(TauxUsure, CategorieParDureeOuParMontant) {
    struct Cas {
        NatureCredit nature;
        double montant;
        std::int32_t dureeMois;
        CategorieUsure attendue;
    };
    const Cas cas[] = {
        {.nature = NatureCredit::Immobilier,
         .montant = 1e5,
         .dureeMois = 119,
         .attendue = CategorieUsure::ImmobilierMoinsDe10Ans},
        {.nature = NatureCredit::Immobilier,
         .montant = 1e5,
         .dureeMois = 120,
         .attendue = CategorieUsure::Immobilier10A20Ans},
        {.nature = NatureCredit::Immobilier,
         .montant = 1e5,
         .dureeMois = 239,
         .attendue = CategorieUsure::Immobilier10A20Ans},
        {.nature = NatureCredit::Immobilier,
         .montant = 1e5,
         .dureeMois = 240,
         .attendue = CategorieUsure::Immobilier20AnsEtPlus},
        {.nature = NatureCredit::Consommation,
         .montant = 3000,
         .dureeMois = 240,
         .attendue = CategorieUsure::ConsommationJusqua3000},
        {.nature = NatureCredit::Consommation,
         .montant = 3000.01,
         .dureeMois = 12,
         .attendue = CategorieUsure::Consommation3000A6000},
        {.nature = NatureCredit::Consommation,
         .montant = 6000,
         .dureeMois = 12,
         .attendue = CategorieUsure::Consommation3000A6000},
        {.nature = NatureCredit::Consommation,
         .montant = 6000.01,
         .dureeMois = 12,
         .attendue = CategorieUsure::ConsommationPlusDe6000},
    };
    for (const Cas& c : cas)
        EXPECT_EQ(CleCategorie(CategorieDuPret(c.nature, c.montant, c.dureeMois)), CleCategorie(c.attendue))
            << c.montant << " sur " << c.dureeMois << " mois";
}

// 100 000 over 240 months with 43,32 of insurance a month, against the 5,13 % ceiling.
TEST(TauxUsure, TAEGDesOffresFaceAuPlafond) {
    struct Cas {
        std::string taux;
        std::string taeg;
        bool depasse;
    };
    const Cas cas[] = {{.taux = "4,00", .taeg = "4,91 %", .depasse = false},
                       {.taux = "4,50", .taeg = "5,42 %", .depasse = true}};
    for (const Cas& c : cas) {
        const SaisieEmprunt offre{.montant = "100000",
                                  .duree = "240",
                                  .taux = c.taux,
                                  .assurance = "43,32",
                                  .fraisDossier = {},
                                  .frequence = Frequence::Mois,
                                  .premiereEcheance = 2026y / February / 28,
                                  .modalites = {}};
        const auto comparee = CompareOffre(CalculeEmprunt(offre, true, fr), fr);
        ASSERT_TRUE(comparee.has_value());
        EXPECT_EQ(comparee->taeg.taeg, c.taeg);
        const VerificationUsure v =
            VerifieUsure(PremierTrimestre2026(), NatureCredit::Immobilier, 100000, 240, *comparee->tauxTAEG);
        EXPECT_EQ(DecritPlafond(v, fr), "5,13 % (immobilier, 20 ans et plus)");
        EXPECT_EQ(v.depasse, c.depasse) << c.taux;
    }
}

// Over means above the ceiling as the TAEG is shown: 5,13 % is lawful, 5,135 % shows 5,14 %.
TEST(TauxUsure, DepassementAuCentiemeAffiche) {
    const auto depasse = [](double taeg) {
        return VerifieUsure(PremierTrimestre2026(), NatureCredit::Immobilier, 1e5, 300, taeg).depasse;
    };
    EXPECT_FALSE(depasse(0.05134));
    EXPECT_TRUE(depasse(0.05135));
}

TEST(TauxUsure, TrimestreEtPeremption) {
    EXPECT_EQ(DecritTrimestre(2026y / January / 1), "1er trimestre 2026");
    EXPECT_EQ(DecritTrimestre(2026y / October / 1), "4e trimestre 2026");
    EXPECT_EQ(AvisTablePerimee(PremierTrimestre2026(), 2026y / March / 31), std::nullopt);
    EXPECT_EQ(AvisTablePerimee(PremierTrimestre2026(), 2026y / April / 1),
              "Les taux d'usure datent du 1er trimestre 2026 : saisissez ceux du trimestre en cours dans "
              "Outils → Options → Taux d'usure.");
}

TEST(TauxUsure, FichierLuEtReecrit) {
    const auto lue = LitTableUsure(FichierPremierTrimestre2026);
    ASSERT_TRUE(std::holds_alternative<TableUsure>(lue));
    EXPECT_EQ(std::get<TableUsure>(lue), PremierTrimestre2026());
    EXPECT_EQ(LitTableUsure(EcritTableUsure(PremierTrimestre2026())), lue);
}

TEST(TauxUsure, FichierIncompletRefuse) {
    const std::string complet = FichierPremierTrimestre2026;
    struct Cas {
        std::string texte;
        std::string motif;
    };
    const Cas cas[] = {
        {.texte = Remplace(complet, "pret-relais=6.15\n", ""),
         .motif = "La table des taux d'usure ne donne pas le taux « prêt relais »."},
        {.texte = Remplace(complet, "trimestre=2026-01-01\n", ""),
         .motif = "La table des taux d'usure ne donne pas son trimestre."},
        {.texte = Remplace(complet, "5.13", "5,13"),
         .motif =
             "La table des taux d'usure est incorrecte à la ligne 4 : pourcentage attendu, avec un point "
             "et au plus deux décimales."},
        {.texte = complet + "pret-relais=6.15\n",
         .motif = "La table des taux d'usure est incorrecte à la ligne 10 : catégorie donnée deux fois."},
        {.texte = Remplace(complet, "pret-relais", "pret-travaux"),
         .motif =
             "La table des taux d'usure est incorrecte à la ligne 6 : catégorie inconnue « pret-travaux »."},
        {.texte = Remplace(complet, "2026-01-01", "2026-02-01"),
         .motif = "La date de validité doit être le premier jour d'un trimestre (1er janvier, 1er avril, "
                  "1er juillet ou 1er octobre)."},
        {.texte = Remplace(complet, "23.56", "100"),
         .motif = "Le taux d'usure « consommation, jusqu'à 3 000 € » doit être compris entre 0 et 100 %."},
    };
    for (const Cas& c : cas)
        EXPECT_EQ(Motif(c.texte), c.motif);
}
