#pragma once

class QTreeView;
class QWidget;

namespace amortix {

class ModeleEcheancier;

// Each column as wide as its widest cell, and at least 180 twips wider than its header text in
// the window's font; columns 2 to 7 right-aligned, column 1 left-aligned.
void AjusteLargeurColonnes(QTreeView* liste, ModeleEcheancier& modele, const QWidget* fenetre);

} // namespace amortix
