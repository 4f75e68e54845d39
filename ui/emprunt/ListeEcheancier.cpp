#include "ListeEcheancier.h"

#include "CopieLignes.h"
#include "ModeleEcheancier.h"

#include <QHeaderView>
#include <QTreeView>

namespace amortix {

QTreeView* CreeListeEcheancier(QWidget* parent, ModeleEcheancier* modele) {
    auto* liste = new QTreeView(parent);
    liste->setModel(modele);
    liste->setRootIsDecorated(false);
    liste->setUniformRowHeights(true);
    liste->setAllColumnsShowFocus(true);
    liste->setSelectionBehavior(QAbstractItemView::SelectRows);
    liste->setEditTriggers(QAbstractItemView::NoEditTriggers);
    liste->header()->setStretchLastSection(false);
    liste->header()->setSectionsMovable(false);
    PermetCopieLignes(liste);
    return liste;
}

} // namespace amortix
