#pragma once

#include "Erreur.h"

#include <QString>
#include <optional>

namespace amortix {

inline const QString NomFichierOptions = QStringLiteral("options.bin");

// The three options, one ASCII digit each at offsets 0, 1 and 2. The defaults are asymmetric: only
// "1" turns the TEG on in the outputs, only "0" turns the welcome screen off, only "2" chooses the
// proportional TEG, so that a missing, empty or odd file means: no TEG in the outputs, welcome
// screen, actuarial TEG.
struct Options {
    bool tegDansSorties = false;
    bool afficheEcranAccueil = true;
    bool tegActuariel = true;
    bool operator==(const Options&) const = default;
};

// The options held by the first bytes of the file.
Options AnalyseOptions(const QByteArray& octets);

// Reads the options file; a missing one gives the defaults and, at start-up, is created empty. A file
// that exists but cannot be read (not a regular file, unreadable, too large) gives the defaults and
// the reason, which the program shows as a warning: the settings never stop it.
struct LectureOptions {
    Options options;
    std::optional<Erreur> erreur;
};
LectureOptions LitOptions(const QString& chemin, bool creeSiAbsent);

// Writes the three bytes at offset 0; bytes beyond them, if any, stay.
std::optional<Erreur> EcritOptions(const QString& chemin, const Options& options);

} // namespace amortix
