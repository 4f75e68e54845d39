#include "ContenuEcheancier.h"

namespace amortix {
namespace {

QString Texte(const std::string& texte) {
    return QString::fromUtf8(texte.data(), static_cast<qsizetype>(texte.size()));
}

} // namespace

ContenuEcheancier ContenuDuCalcul(const CalculEmprunt& calcul) {
    ContenuEcheancier contenu;
    const SaisieEmprunt& champs = calcul.champs;
    contenu.montant = Texte(champs.montant);
    contenu.duree = Texte(champs.duree);
    contenu.indexEcheance = champs.indexEcheance;
    contenu.taux = Texte(champs.taux);
    contenu.assurance = Texte(champs.assurance);
    contenu.fraisDossier = Texte(champs.fraisDossier);
    contenu.tegAffiche = Texte(calcul.tegAffiche);
    if (const auto& couts = calcul.tableau.couts) {
        contenu.coutTotal = Texte(couts->total);
        contenu.coutInterets = Texte(couts->interets);
        contenu.coutAssurance = Texte(couts->assurance);
        contenu.coutFraisDossier = Texte(couts->fraisDossier);
    }
    contenu.lignes = calcul.tableau.lignes;
    return contenu;
}

} // namespace amortix
