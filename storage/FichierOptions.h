#pragma once

#include "ErreurFichier.h"

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

// Reads the options file, creating it empty when it is missing, as the program always has. A file
// that cannot be read gives the defaults: the settings never stop the program.
Options LitOptions(const QString& chemin);

// Writes the three bytes at offset 0; bytes beyond them, if any, stay.
std::optional<ErreurFichier> EcritOptions(const QString& chemin, const Options& options);

} // namespace amortix
