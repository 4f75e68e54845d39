#include "CalculEmprunt.h"

namespace amortix {

EmpruntCalcule CalculeEmprunt(const SaisieEmprunt& saisie, bool tegActuariel,
                              const ConventionsLocales& conventions) {
    EmpruntCalcule calcul;
    calcul.champs = saisie;
    const auto lecture = LitSaisie(saisie, conventions);
    if (!lecture)
        return calcul;
    calcul.lu = true;
    calcul.champs = lecture->champsReecrits;
    calcul.parametres = lecture->parametres;

    const ParametresEmprunt& e = lecture->parametres;
    calcul.tableau = CalculeTableau(e, conventions);
    if (!calcul.tableau.complet())
        return calcul;

    calcul.teg = Calcul_TEG({.lngNbMois = e.duree,
                             .dblMensualite = calcul.tableau.echeanceAffichee,
                             .dblFraisDossier = e.fraisDossier,
                             .dblMontant = e.montant,
                             .frequence = e.frequence});
    if (!calcul.teg)
        return calcul;
    calcul.textesTEG = FormateTEG(*calcul.teg, conventions);
    calcul.tegAffiche = calcul.textesTEG->affiche(tegActuariel);
    return calcul;
}

} // namespace amortix
