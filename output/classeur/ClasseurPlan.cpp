#include "ClasseurPlan.h"

#include "Arrondis.h"
#include "LectureNombres.h"

#include <string>

namespace amortix {
namespace {

// Column `indice` (0 for A) as a spreadsheet names it; a plan has a few loans, far from column Z.
std::string LettreColonne(std::size_t indice) {
    return std::string(1, static_cast<char>('A' + indice));
}

// An amount as a number, blank when the list shows none; our own texts always read back.
ValeurCellule Montant(const std::string& texte, const ConventionsLocales& conventions) {
    if (texte.empty())
        return {};
    if (const auto valeur = LitDecimal(texte, conventions))
        return *valeur;
    return texte;
}

} // namespace

FeuilleClasseur FeuillePlan(const PlanFinancement& plan, const ConventionsLocales& conventions) {
    FeuilleClasseur feuille;
    feuille.nomme("Plan de financement");
    // N°, the date, each loan, the total.
    const std::size_t colonnes = plan.prets.size() + 3;
    const std::string derniere = LettreColonne(colonnes - 1);
    feuille.largeurColonne("A:A", 5);
    feuille.largeurColonne("B:B", 10.5);
    for (std::size_t c = 2; c < colonnes; ++c)
        feuille.largeurColonne(LettreColonne(c) + ":" + LettreColonne(c), 14);

    feuille.fusionne("A1:" + derniere + "1");
    feuille.aligneHorizontalement("A1", AlignementHorizontal::Centre);
    feuille.ecrit("A1", "PLAN DE FINANCEMENT");
    feuille.metEnGras("A1");

    const std::pair<const char*, ValeurCellule> resume[] = {
        {"Échéance totale, hors assurance :", Fmt2Valeur(plan.palier)},
        {"Échéance totale, assurance comprise :", Fmt2Valeur(plan.palierAvecAssurance)},
        {"Coût total du plan :", Montant(plan.coutTotal.total, conventions)},
        {"TAEG du plan :", plan.taeg.value_or("-")}};
    int ligne = 3;
    for (const auto& [libelle, valeur] : resume) {
        const std::string numero = std::to_string(ligne++);
        feuille.ecrit("A" + numero, libelle);
        feuille.ecrit("E" + numero, valeur);
    }
    feuille.formateNombres("E3:E5", "#,##0.00");
    feuille.aligneHorizontalement("E3:E6", AlignementHorizontal::Droite);
    feuille.metEnGras("E3:E6");

    constexpr int LigneEntetes = 8;
    const std::string entetes = std::to_string(LigneEntetes);
    feuille.ecrit("A" + entetes, "N°");
    feuille.ecrit("B" + entetes, "Date");
    for (std::size_t i = 0; i < plan.prets.size(); ++i)
        feuille.ecrit(LettreColonne(i + 2) + entetes, plan.prets[i].nom);
    feuille.ecrit(derniere + entetes, "Total");
    feuille.metEnGras(entetes + ":" + entetes);
    feuille.renvoieALaLigne(entetes + ":" + entetes);
    feuille.aligneHorizontalement("A" + entetes + ":" + derniere + entetes, AlignementHorizontal::Centre);
    feuille.aligneVerticalement(entetes + ":" + entetes, AlignementVertical::Centre);

    ligne = LigneEntetes + 1;
    for (const PeriodePlan& periode : plan.periodes) {
        const std::string numero = std::to_string(ligne++);
        feuille.ecrit("A" + numero, static_cast<double>(periode.numero));
        feuille.ecrit("B" + numero, periode.date);
        for (std::size_t i = 0; i < periode.montants.size(); ++i)
            feuille.ecrit(LettreColonne(i + 2) + numero, Montant(periode.montants[i], conventions));
        feuille.ecrit(derniere + numero, Montant(periode.total, conventions));
    }
    const std::string premiere = std::to_string(LigneEntetes + 1), fin = std::to_string(ligne - 1);
    if (!plan.periodes.empty()) {
        const std::string corps = "A" + premiere + ":" + derniere + fin;
        feuille.aligneHorizontalement(corps, AlignementHorizontal::Droite);
        feuille.formateNombres("C" + premiere + ":" + derniere + fin, "#,##0.00");
        // The dates are the list's texts, as on the schedule's sheet.
        feuille.gardeEnTexte("B" + premiere + ":B" + fin);
        for (const Bord bord : {Bord::Gauche, Bord::Haut, Bord::Bas, Bord::Droite, Bord::InterieurVertical})
            feuille.trace(corps, bord, Trait::Fin);
        feuille.trace(corps, Bord::InterieurHorizontal, Trait::Cheveu);
    }
    const std::string ligneEntetes = "A" + entetes + ":" + derniere + entetes;
    for (const Bord bord : {Bord::Gauche, Bord::Haut, Bord::Bas, Bord::Droite, Bord::InterieurVertical})
        feuille.trace(ligneEntetes, bord, Trait::Fin);
    feuille.repeteLignes("$" + entetes + ":$" + entetes);
    return feuille;
}

std::optional<EchecClasseur> EnregistreClasseurPlan(const PlanFinancement& plan,
                                                    const QString& strEnteteExcel,
                                                    const ConventionsLocales& conventions,
                                                    const QString& chemin) {
    const PretDuPlan& lisse = plan.prets.front();
    const ContenuEcheancier contenu{.saisie = lisse.saisie,
                                    .tegAffiche = {},
                                    .couts = plan.couts.front().couts,
                                    .lignes = plan.lignes.front()};
    const FeuilleClasseur feuillePlan = FeuillePlan(plan, conventions);
    const FeuilleClasseur* suivantes[] = {&feuillePlan};
    return EnregistreClasseur(contenu, strEnteteExcel, false, conventions, chemin, suivantes);
}

} // namespace amortix
