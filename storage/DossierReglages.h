#pragma once

#include <QString>

namespace amortix {

// Where the settings files live: the program's own folder when it can be written to and is not one of
// the system's (a copy of Amortix carried on a stick keeps its settings with it, while a program
// installed under /usr, /opt… run by root must not leave files there that no package owns),
// otherwise the user's configuration folder ($XDG_CONFIG_HOME/amortix, created when needed).
QString ChoisitDossierReglages(const QString& dossierProgramme, const QString& dossierConfiguration);

// The system's own folders: /usr, /bin, /sbin, /lib*, /opt, /etc and what lies below them.
bool EstDossierSysteme(const QString& dossier);

// The same decision for this run: the executable's folder and ~/.config/amortix.
QString DossierReglages();

} // namespace amortix
