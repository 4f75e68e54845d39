#pragma once

class QTreeView;
class QWidget;

namespace amortix {

class ModeleEcheancier;

// A list of schedule rows as the main window shows them: whole rows selected and copied, nothing
// edited, columns in their order, sized by AjusteLargeurColonnes rather than stretched.
QTreeView* CreeListeEcheancier(QWidget* parent, ModeleEcheancier* modele);

} // namespace amortix
