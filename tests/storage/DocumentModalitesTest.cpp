#include "DocumentEmprunt.h"

#include <gtest/gtest.h>

using namespace amortix;

namespace {

// The nine lines every loan document begins with.
const QByteArray neuf = "100000,00\r\n240\r\n0\r\n3,00\r\n30,00\r\n"
                        "0,00\r\n31\r\n1\r\n2027\r\n";

SaisieEmprunt Lue(const QByteArray& octets) {
    return std::get<SaisieEmprunt>(AnalyseDocument(octets, ConventionsFrancaises()));
}

ModalitesEmprunt Modalites(const QByteArray& octets) {
    return Lue(octets).modalites;
}

// The nine lines' loan with `m`, as written.
QByteArray Octets(const ModalitesEmprunt& m) {
    SaisieEmprunt saisie = Lue(neuf);
    saisie.modalites = m;
    return OctetsDocument(saisie);
}

} // namespace

// Nine lines, then one each for an insurance rate, a deferral, a plan's smoothing.
TEST(DocumentModalites, LesLignesApresLaNeuvieme) {
    EXPECT_EQ(Octets({}), neuf);
    ModalitesEmprunt restant, initial, lisse;
    restant.assurance = ModeAssurance::TauxCapitalRestant;
    initial.assurance = ModeAssurance::TauxCapitalInitial;
    // Moves: GCC 12 at -O3 warns -Wrestrict on assigning a literal (bug 105329).
    restant.tauxAssurance = initial.tauxAssurance = std::string("0,36");
    restant.differe = ModeDiffere::Total;
    restant.periodesDiffere = std::string("12");
    initial.differe = ModeDiffere::Partiel;
    initial.periodesDiffere = std::string("6");
    lisse.lissage = std::string("166,67*239;165,87");
    const std::pair<ModalitesEmprunt, const char*> cas[] = {
        {restant, "assurance-capital-restant=0,36\r\ndiffere-total=12\r\n"},
        {initial, "assurance-capital-initial=0,36\r\ndiffere-partiel=6\r\n"},
        {lisse, "lissage=166,67*239;165,87\r\n"}};
    for (const auto& [modalites, lignes] : cas) {
        EXPECT_EQ(Octets(modalites), neuf + lignes);
        EXPECT_EQ(Modalites(neuf + lignes), modalites) << lignes;
    }
}

// Lines past the ninth that are not all ours: the loan is its first nine.
TEST(DocumentModalites, DesLignesEtrangeresLaissentLesNeufPremieres) {
    for (const char* suite : {
             "x\r\ny\r\n",
             "differe-total=12\r\ncouleur=bleu\r\n", // an unknown key
             "assurance-capital-initial=1\r\nassurance-capital-restant=1\r\n",
             "differe-partiel=\r\n",     // an empty value
             "\r\ndiffere-total=12\r\n", // an empty line between
         })
        EXPECT_EQ(Modalites(neuf + suite), ModalitesEmprunt{}) << suite;
}
