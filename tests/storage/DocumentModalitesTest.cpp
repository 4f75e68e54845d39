#include "DocumentEmprunt.h"

#include <gtest/gtest.h>

using namespace amortix;
using namespace std::chrono;

namespace {

const ConventionsLocales fr = ConventionsFrancaises();

// The nine lines every loan document begins with.
const QByteArray NeufLignes = "100000,00\r\n240\r\n0\r\n3,00\r\n30,00\r\n0,00\r\n31\r\n1\r\n2027\r\n";

SaisieEmprunt Pret(ModalitesEmprunt modalites) {
    return {.montant = "100000,00",
            .duree = "240",
            .taux = "3,00",
            .assurance = "30,00",
            .fraisDossier = "0,00",
            .frequence = Frequence::Mois,
            .premiereEcheance = 2027y / January / 31,
            .modalites = std::move(modalites)};
}

ModalitesEmprunt Lues(const QByteArray& octets) {
    return std::get<SaisieEmprunt>(AnalyseDocument(octets, fr)).modalites;
}

} // namespace

// A loan as typed today is its nine lines; an insurance rate, a deferral and a plan's smoothing
// follow them, one line each.
TEST(DocumentModalites, LesLignesApresLaNeuvieme) {
    EXPECT_EQ(OctetsDocument(Pret({})), NeufLignes);
    const ModalitesEmprunt restantEtTotal{.assurance = ModeAssurance::TauxCapitalRestant,
                                          .tauxAssurance = "0,36",
                                          .differe = ModeDiffere::Total,
                                          .periodesDiffere = "12",
                                          .lissage = {}};
    EXPECT_EQ(OctetsDocument(Pret(restantEtTotal)),
              NeufLignes + "assurance-capital-restant=0,36\r\ndiffere-total=12\r\n");
    const ModalitesEmprunt initialEtPartiel{.assurance = ModeAssurance::TauxCapitalInitial,
                                            .tauxAssurance = "0,36",
                                            .differe = ModeDiffere::Partiel,
                                            .periodesDiffere = "6",
                                            .lissage = {}};
    EXPECT_EQ(OctetsDocument(Pret(initialEtPartiel)),
              NeufLignes + "assurance-capital-initial=0,36\r\ndiffere-partiel=6\r\n");
    ModalitesEmprunt lisse;
    lisse.lissage = "166,67*239;165,87";
    EXPECT_EQ(OctetsDocument(Pret(lisse)), NeufLignes + "lissage=166,67*239;165,87\r\n");
    EXPECT_EQ(Lues(OctetsDocument(Pret(lisse))), lisse);
    EXPECT_EQ(Lues(OctetsDocument(Pret(restantEtTotal))), restantEtTotal);
    EXPECT_EQ(Lues(OctetsDocument(Pret(initialEtPartiel))), initialEtPartiel);
}

// Lines after the ninth that are not all ours belong to someone else: the loan is its first nine lines.
TEST(DocumentModalites, DesLignesEtrangeresLaissentLesNeufPremieres) {
    struct Cas {
        const char* nom;
        QByteArray suite;
    };
    const Cas cas[] = {
        {.nom = "une ligne inconnue", .suite = "x\r\ny\r\n"},
        {.nom = "une clé inconnue parmi les nôtres", .suite = "differe-total=12\r\ncouleur=bleu\r\n"},
        {.nom = "deux assurances", .suite = "assurance-capital-initial=1\r\nassurance-capital-restant=1\r\n"},
        {.nom = "une valeur vide", .suite = "differe-partiel=\r\n"},
        {.nom = "une ligne vide au milieu", .suite = "\r\ndiffere-total=12\r\n"},
    };
    for (const Cas& c : cas)
        EXPECT_EQ(Lues(NeufLignes + c.suite), ModalitesEmprunt{}) << c.nom;
}
