#include "CalculEmprunt.h"

#include "Arrondis.h"

#include <vector>

namespace amortix {

EmpruntCalcule CalculeEmprunt(const SaisieEmprunt& saisie, bool tegActuariel,
                              const ConventionsLocales& conventions) {
    EmpruntCalcule calcul;
    calcul.champs = saisie;
    const auto lecture = LitSaisie(saisie, conventions);
    if (!lecture) {
        calcul.motif = MotifModalites(saisie, conventions);
        return calcul;
    }
    calcul.lu = true;
    calcul.champs = lecture->champsReecrits;
    calcul.parametres = lecture->parametres;

    const ParametresEmprunt& e = lecture->parametres;
    calcul.tableau = CalculeTableau(e, conventions);
    if (const auto& ligne = calcul.tableau.lissageInsuffisant)
        calcul.motif = "Ce prêt est trop petit pour lisser les autres prêts du plan : à l'échéance " +
                       std::to_string(ligne->numero) + ", il ne paierait que " +
                       Fmt2(ligne->montant, conventions) + " pour " + Fmt2(ligne->interets, conventions) +
                       " d'intérêts.";
    if (!calcul.tableau.complet())
        return calcul;

    if (e.modalites.parDefaut()) {
        calcul.teg = Calcul_TEG({.lngNbMois = e.duree,
                                 .dblMensualite = calcul.tableau.echeanceAffichee,
                                 .dblFraisDossier = e.fraisDossier,
                                 .dblMontant = e.montant,
                                 .frequence = e.frequence});
    } else {
        // The rows do not all pay one instalment: the rate follows every listed amount.
        std::vector<double> montants;
        montants.reserve(calcul.tableau.echeances.size());
        for (const EcheanceCalculee& ligne : calcul.tableau.echeances)
            montants.push_back(Fmt2Valeur(ligne.montant));
        calcul.teg = TEGDesMontants(e.montant - e.fraisDossier, montants, e.frequence);
    }
    if (!calcul.teg)
        return calcul;
    calcul.textesTEG = FormateTEG(*calcul.teg, conventions);
    calcul.tegAffiche = calcul.textesTEG->affiche(tegActuariel);
    return calcul;
}

} // namespace amortix
