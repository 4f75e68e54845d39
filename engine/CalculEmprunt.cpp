#include "CalculEmprunt.h"

#include "Frequence.h"
#include "Messages.h"

namespace amortix {

CalculEmprunt CalculeEmprunt(const SaisieEmprunt& saisie, bool tegActuariel, const ConventionsLocales& conventions) {
    CalculEmprunt calcul;
    calcul.champs = saisie;
    const auto lecture = LitSaisie(saisie, conventions);
    if (!lecture) {
        calcul.erreur = std::string(MessageSaisieIncorrecte);
        return calcul;
    }
    calcul.lu = true;
    calcul.champs = lecture->champsReecrits;
    calcul.parametres = lecture->parametres;

    const ParametresEmprunt& e = lecture->parametres;
    calcul.tableau = CalculeTableau(e, conventions);
    if (!calcul.tableau.complet()) {
        calcul.erreur = std::string(MessageSaisieIncorrecte);
        return calcul;
    }

    calcul.teg = Calcul_TEG(e.duree, calcul.tableau.echeanceAffichee, e.fraisDossier, e.montant,
                            RetourneTypeEcheance(e.indexEcheance));
    if (!calcul.teg) {
        calcul.erreur = std::string(MessageSaisieIncorrecte);
        return calcul;
    }
    calcul.textesTEG = FormateTEG(*calcul.teg, conventions);
    calcul.tegAffiche = calcul.textesTEG->affiche(tegActuariel);
    return calcul;
}

} // namespace amortix
