#pragma once

#include "Interactions.h"
#include "Module.h"

#include <QSize>
#include <QStringList>

namespace amortix {

enum class PremiereFenetre { Aucune, Accueil, Principale };

// The start-up: on a screen 640 pixels wide or less, asks whether to go on (No: no window at all);
// reads the options into the settings; then the welcome screen, or the main window at once when the
// welcome screen is turned off or a document was named on the command line.
PremiereFenetre Demarre(Module& module, Interactions& interactions, const QSize& ecran, bool ligneDeCommande);

QString QuestionResolution(const QSize& ecran);

// The command line as one text: the arguments after the program's name, joined by single spaces, so
// that a path with spaces given unquoted still names one document.
QString LigneDeCommande(const QStringList& arguments);

} // namespace amortix
