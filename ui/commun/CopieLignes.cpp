#include "CopieLignes.h"

#include <QAction>
#include <QApplication>
#include <QClipboard>
#include <QItemSelectionModel>
#include <QTreeView>
#include <algorithm>

namespace amortix {
namespace {

void CopieSelection(const QTreeView& liste) {
    const QString texte = TexteLignesSelectionnees(liste);
    if (!texte.isEmpty())
        QApplication::clipboard()->setText(texte);
}

} // namespace

QString TexteLignesSelectionnees(const QTreeView& liste) {
    const QAbstractItemModel* modele = liste.model();
    const QItemSelectionModel* selection = liste.selectionModel();
    if (!modele || !selection)
        return {};
    QModelIndexList lignes = selection->selectedRows();
    if (lignes.isEmpty())
        return {};
    std::sort(lignes.begin(), lignes.end(),
              [](const QModelIndex& a, const QModelIndex& b) { return a.row() < b.row(); });
    const int colonnes = modele->columnCount();
    QStringList textes;
    QStringList cellules;
    for (int j = 0; j < colonnes; ++j)
        cellules << modele->headerData(j, Qt::Horizontal, Qt::DisplayRole).toString();
    textes << cellules.join(QLatin1Char('\t'));
    for (const QModelIndex& ligne : lignes) {
        cellules.clear();
        for (int j = 0; j < colonnes; ++j)
            cellules << modele->index(ligne.row(), j).data(Qt::DisplayRole).toString();
        textes << cellules.join(QLatin1Char('\t'));
    }
    return textes.join(QLatin1Char('\n')) + QLatin1Char('\n');
}

void PermetCopieLignes(QTreeView* liste) {
    liste->setSelectionMode(QAbstractItemView::ExtendedSelection);
    liste->setSelectionBehavior(QAbstractItemView::SelectRows);

    auto* copier = new QAction(QStringLiteral("&Copier"), liste);
    copier->setObjectName(QStringLiteral("actionCopier"));
    copier->setShortcut(QKeySequence::Copy);
    copier->setShortcutContext(Qt::WidgetShortcut);
    QObject::connect(copier, &QAction::triggered, liste, [liste] { CopieSelection(*liste); });
    auto* toutSelectionner = new QAction(QStringLiteral("&Tout sélectionner"), liste);
    toutSelectionner->setObjectName(QStringLiteral("actionToutSelectionner"));
    toutSelectionner->setShortcut(QKeySequence::SelectAll);
    toutSelectionner->setShortcutContext(Qt::WidgetShortcut);
    QObject::connect(toutSelectionner, &QAction::triggered, liste, &QAbstractItemView::selectAll);
    liste->addAction(copier);
    liste->addAction(toutSelectionner);
    liste->setContextMenuPolicy(Qt::ActionsContextMenu);
}

} // namespace amortix
