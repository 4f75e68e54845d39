#include "Demarrage.h"

#include "ChargementReglages.h"

namespace amortix {

QString QuestionResolution(const QSize& ecran) {
    return QStringLiteral(
               "Votre résolution d'écran est de %1x%2. Amortix nécessite une résolution minimale de "
               "800x600. Vous pouvez continuer mais vous risquez de ne pas voir la totalité de la "
               "fenêtre de Amortix. Souhaitez-vous tout de même continuer ?")
        .arg(ecran.width())
        .arg(ecran.height());
}

PremiereFenetre Demarre(Module& module, Interactions& interactions, const QSize& ecran,
                        bool ligneDeCommande) {
    if (ecran.width() <= 640 && !interactions.question(nullptr, TitreAmortix, QuestionResolution(ecran)))
        return PremiereFenetre::Aucune;

    // A settings file that cannot be read leaves the defaults, and the user is told why.
    if (const auto erreur = ChargeOptions(module, true))
        interactions.message(nullptr, IconeMessage::Avertissement, TitreAmortix, erreur->texte());

    if (ligneDeCommande || !module.blnAfficheEcranAccueil)
        return PremiereFenetre::Principale;
    return PremiereFenetre::Accueil;
}

QString LigneDeCommande(const QStringList& arguments) {
    return arguments.mid(1).join(QLatin1Char(' '));
}

} // namespace amortix
