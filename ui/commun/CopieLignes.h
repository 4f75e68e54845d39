#pragma once

#include <QString>

class QTreeView;

namespace amortix {

// Lets the user copy a list's rows into a spreadsheet or a mail: several rows selectable (Shift,
// Ctrl), Ctrl+A selects them all, Ctrl+C copies, and the context menu offers "Copier" and "Tout
// sélectionner".
void PermetCopieLignes(QTreeView* liste);

// The selected rows in the list's order, as tab-separated text under the column headings, one line
// per row; empty without a selection.
QString TexteLignesSelectionnees(const QTreeView& liste);

} // namespace amortix
