#include "Arrondis.h"
#include "CalculEmprunt.h"
#include "ComparaisonOffres.h"
#include "LectureNombres.h"
#include "ModalitesEmprunt.h"
#include "RemboursementAnticipe.h"
#include "TauxEffectifGlobal.h"

#include <cmath>
#include <gtest/gtest.h>

using namespace amortix;
using namespace std::chrono;

namespace {

const auto fr = ConventionsFrancaises();
using enum Frequence;
constexpr auto Initial = ModeAssurance::TauxCapitalInitial;
constexpr auto Restant = ModeAssurance::TauxCapitalRestant;
constexpr auto Partiel = ModeDiffere::Partiel;
constexpr auto Total = ModeDiffere::Total;

ModalitesEmprunt Assurance(ModeAssurance mode, std::string taux = "0,36") {
    return {mode, std::move(taux), ModeDiffere::Aucun, "", ""};
}

ModalitesEmprunt Differe(ModeDiffere mode, std::string periodes) {
    return {ModeAssurance::ParEcheance, "", mode, std::move(periodes), ""};
}

SaisieEmprunt Pret(ModalitesEmprunt m, const char* montant = "100000", const char* taux = "3",
                   const char* duree = "240") {
    return {montant, duree, taux, "", "", Mois, 2027y / 1 / 31, std::move(m)};
}

EmpruntCalcule Calcule(ModalitesEmprunt m, auto... a) {
    return CalculeEmprunt(Pret(std::move(m), a...), true, fr);
}

long long Centimes(double x) {
    return std::llround(Fmt2Valeur(x) * 100.0);
}

// A column's cents added up, from row `j` on.
long long Somme(const auto& l, auto col, std::size_t j = 0) {
    long long total = 0;
    for (; j < l.size(); ++j)
        total += Centimes(l[j].*col);
    return total;
}

std::string Texte(const LigneTableau& ligne) {
    std::string texte;
    for (const std::string& t : ligne.textes)
        texte += (texte.empty() ? "" : " ") + t;
    return texte;
}

std::string Motif(const auto& r) {
    const auto* m = std::get_if<std::string>(&r);
    return m ? *m : "accepté";
}

std::string Refus(const ModalitesEmprunt& m, int n = 240, Frequence f = Mois) {
    return Motif(LitModalites(m, n, f, fr));
}

// 20 000 repaid with payment N.
RemboursementOuMotif Rembourse(const EmpruntCalcule& c, int N) {
    return CalculeRemboursementAnticipe(c, {N, 20000.0, {}, {}}, fr);
}

} // namespace

// 100 000 over 240 months at 3 %, insurance 0,36 % a year; repaid early, premiums no longer due saved.
TEST(AssuranceEnTaux, SurLeCapitalInitialOuRestant) {
    const auto initial = Calcule(Assurance(Initial));
    ASSERT_TRUE(initial.reussi());
    EXPECT_EQ(initial.tableau.couts->assurance, "7200,00");
    const auto restant = Calcule(Assurance(Restant));
    ASSERT_TRUE(restant.reussi());
    double avant = 100000.0;
    for (const EcheanceCalculee& l : restant.tableau.echeances) {
        ASSERT_EQ(Centimes(l.assurance), Centimes(Round2(avant * 0.0036 / 12))) << l.numero;
        avant = l.restant;
    }
    EXPECT_EQ(restant.tableau.couts->assurance, "3972,40");
    EXPECT_EQ(restant.tableau.couts->interets, initial.tableau.couts->interets);
    const auto ti = TAEGDuCalcul(initial, fr), tr = TAEGDuCalcul(restant, fr);
    EXPECT_EQ(ti.taea, "0,61 %");
    EXPECT_EQ(tr.taea, "0,37 %");
    EXPECT_EQ(tr.taegHorsAssurance, ti.taegHorsAssurance);
    const auto resultat = Rembourse(restant, 60);
    ASSERT_EQ(Motif(resultat), "accepté");
    const auto& r = std::get<RemboursementAnticipe>(resultat);
    const auto prime = &EcheanceCalculee::assurance;
    const auto dues = Somme(restant.tableau.echeances, prime, 60);
    EXPECT_EQ(Centimes(r.assuranceEconomisee), dues - Somme(r.echeances, prime));
    EXPECT_EQ(Centimes(r.echeances[0].assurance), Centimes(Round2((r.restantAvant - 20000) * 0.0036 / 12)));
}

// 200 000 at 4 % over 240 months after 12 deferred: costs and TEG take every row.
TEST(Differe, PartielPuisTotal) {
    using enum Colonne;
    const auto partiel = Calcule(Differe(Partiel, "12"), "200000", "4");
    ASSERT_TRUE(partiel.reussi());
    const auto& p = partiel.tableau.lignes;
    ASSERT_EQ(p.size(), 252u);
    EXPECT_EQ(Texte(p[11]), "12 31/12/2027 666,67 666,67 0,00 0,00 200000,00");
    const auto simple = Calcule({}, "200000", "4");
    EXPECT_EQ(p[12][Montant], simple.tableau.lignes[0][Montant]);
    EXPECT_EQ(p[12][Date], "31/01/2028");
    EXPECT_EQ(p.back()[CapitalRestant], "0,00");
    const auto paye = Somme(partiel.tableau.echeances, &EcheanceCalculee::montant);
    EXPECT_EQ(Centimes(*LitDecimal(partiel.tableau.couts->total, fr)), paye - 200000'00);
    EXPECT_EQ(partiel.textesTEG->proportionnel, "4,0000 %");
    // Repaid from the deferral's last row on.
    EXPECT_EQ(Motif(Rembourse(partiel, 5)), "Le numéro d'échéance doit être compris entre 12 et 251.");
    const auto apres = Rembourse(partiel, 12);
    ASSERT_EQ(Motif(apres), "accepté");
    EXPECT_EQ(std::get<RemboursementAnticipe>(apres).restantAvant, 200000);
    // Total: 12 times C = Round2(C + Round2(C × 0,04 / 12)).
    const auto total = Calcule(Differe(Total, "12"), "200000", "4");
    ASSERT_TRUE(total.reussi());
    const auto& t = total.tableau.lignes;
    EXPECT_EQ(Texte(t[0]), "1 31/01/2027 0,00 666,67 0,00 -666,67 200666,67");
    EXPECT_EQ(t[11][CapitalRestant], "208148,32");
    EXPECT_EQ(t[12][Montant], "1261,34");
    EXPECT_EQ(t.back()[CapitalRestant], "0,00");
    // One instalment's listed amounts give the TEG.
    const auto teg = TEGDesMontants(200000.0, std::vector(240, simple.tableau.echeanceAffichee), Mois);
    ASSERT_TRUE(teg.has_value());
    EXPECT_NEAR(teg->actuariel, simple.teg->actuariel, 1e-9);
}

TEST(Modalites, Refus) {
    EXPECT_EQ(Refus(Assurance(Initial, "beaucoup")),
              "Le taux d'assurance doit être un pourcentage annuel, par exemple 0,36.");
    const std::string plage = "Le taux d'assurance doit être compris entre 0 et 10 % par an.";
    EXPECT_EQ(Refus(Assurance(Restant, "-0,1")), plage);
    EXPECT_EQ(Refus(Assurance(Initial, "10,01")), plage);
    EXPECT_EQ(Refus(Assurance(Initial, "10")), "accepté");
    EXPECT_EQ(Refus(Differe(Partiel, "0")),
              "La durée du différé doit être un nombre entier de périodes, au moins 1.");
    EXPECT_EQ(Refus(Differe(Total, "24")), "accepté");
    const std::string long24 = "Le différé ne peut pas dépasser 24 mois";
    EXPECT_EQ(Refus(Differe(Total, "25")), long24 + ".");
    EXPECT_EQ(Refus(Differe(Partiel, "9"), 240, Trimestres), long24 + ", soit 8 trimestres.");
    const std::string court = "Le différé doit être plus court que la durée de l'emprunt (12 mois).";
    EXPECT_EQ(Refus(Differe(Partiel, "12"), 12), court);
    // An offer shows the reason (the main window's, frmModalitesTest).
    EXPECT_EQ(CalculeOffre("offre", Pret(Differe(Total, "30")), true, fr).erreur, long24 + ".");
}

// The comparison names the insurance kind and the deferral.
TEST(Modalites, Comparaison) {
    const auto texte = [](ModalitesEmprunt m, LigneComparaison l) {
        const auto o = CompareOffre(Calcule(std::move(m)), fr);
        return o ? TexteLigne(l, *o).value_or("-") : "(aucune)";
    };
    const auto A = LigneComparaison::Assurance, D = LigneComparaison::Duree;
    EXPECT_EQ(texte(Assurance(Restant), A), "0,36 % du capital restant dû");
    EXPECT_EQ(texte(Assurance(Initial), A), "0,36 % du capital initial, soit 30,00");
    EXPECT_EQ(texte({}, A), "0,00");
    EXPECT_EQ(texte(Differe(Partiel, "12"), D), "240 mois, après un différé partiel de 12 mois");
    EXPECT_EQ(texte({}, D), "240 mois");
    // One quarter, in the singular.
    const auto un = LitModalites(Differe(Total, "1"), 40, Trimestres, fr);
    EXPECT_EQ(DecritDiffere(std::get<ModalitesLues>(un), Trimestres), "différé total de 1 trimestre");
}
