#include "FichierUtilisateur.h"
#include "frmEmprunt.h"

#include <QCloseEvent>
#include <QGroupBox>
#include <QResizeEvent>
#include <QTreeView>
#include <algorithm>

namespace amortix {
namespace {

// The window's size and place, as Qt describes them; a few hundred bytes.
const QString FichierFenetre = QStringLiteral("fenetre.bin");
constexpr qint64 TailleMaximaleGeometrie = 4096;

} // namespace

void frmEmprunt::PermetAgrandissement() {
    geometrieListe_ = lvwListe->geometry();
    positionCadre_ = Frame2->pos();
    tailleClient_ = centralWidget()->minimumSize();
    adjustSize();
    // Never smaller than designed: every control keeps its place.
    setMinimumSize(size());
    const QString chemin = module_.fichierReglages(FichierFenetre);
    if (chemin.isEmpty())
        return;
    // A missing or unreadable file leaves the designed size: nothing worth a message.
    const FichierLu lu = LitFichierUtilisateur(chemin, TailleMaximaleGeometrie);
    if (lu.present && !lu.erreur)
        restoreGeometry(lu.octets);
}

void frmEmprunt::DisposeSelonTaille() {
    if (tailleClient_.isEmpty())
        return;
    const QSize client = centralWidget()->size();
    const int enPlusLarge = std::max(0, client.width() - tailleClient_.width());
    const int enPlusHaut = std::max(0, client.height() - tailleClient_.height());
    lvwListe->setGeometry(geometrieListe_.adjusted(0, 0, enPlusLarge, enPlusHaut));
    Frame2->move(positionCadre_ + QPoint(0, enPlusHaut));
}

void frmEmprunt::resizeEvent(QResizeEvent* evenement) {
    QMainWindow::resizeEvent(evenement);
    DisposeSelonTaille();
}

void frmEmprunt::closeEvent(QCloseEvent* evenement) {
    const QString chemin = module_.fichierReglages(FichierFenetre);
    // Losing the window's place is no reason to bother the user on leaving.
    if (!chemin.isEmpty())
        EcritFichierUtilisateur(chemin, saveGeometry());
    QMainWindow::closeEvent(evenement);
}

} // namespace amortix
