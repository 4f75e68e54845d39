#include "Demarrage.h"
#include "DossierReglages.h"
#include "Interactions.h"
#include "Module.h"
#include "TraductionsQt.h"
#include "frmAccueil.h"
#include "frmEmprunt.h"

#include <QApplication>
#include <QScreen>
#include <clocale>

using namespace amortix;

int main(int argc, char* argv[]) {
    QApplication application(argc, argv);
    // Nothing of ours may follow the C library's numeric locale.
    std::setlocale(LC_NUMERIC, "C");
    QApplication::setApplicationName(QStringLiteral("Amortix"));
    QApplication::setApplicationVersion(QStringLiteral(AMORTIX_VERSION));
    ChargeTraductionsQt(application);

    Module module;
    module.dossierReglages = DossierReglages();
    InteractionsBureau interactions;
    const QString ligneDeCommande = LigneDeCommande(QApplication::arguments());
    const QScreen* ecran = QApplication::primaryScreen();

    auto afficheFenetrePrincipale = [&] {
        auto* fenetre = new frmEmprunt(module, interactions, ligneDeCommande);
        fenetre->setAttribute(Qt::WA_DeleteOnClose);
        fenetre->show();
    };
    switch (Demarre(module, interactions, ecran ? ecran->size() : QSize(), !ligneDeCommande.isEmpty())) {
    case PremiereFenetre::Aucune:
        return 0;
    case PremiereFenetre::Accueil:
        (new frmAccueil(afficheFenetrePrincipale))->show();
        break;
    case PremiereFenetre::Principale:
        afficheFenetrePrincipale();
        break;
    }
    return QApplication::exec();
}
