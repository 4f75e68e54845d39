#pragma once

#include <QString>

namespace amortix {

// A failure as the user reads it: a number and a French description naming what failed and why.
// Every reader and writer of the program reports its failures this way.
struct Erreur {
    int numero = 0;
    QString description;
    // The warning boxes' text: "Erreur " + numero, a line break, the description.
    QString texte() const { return QStringLiteral("Erreur %1\r\n%2").arg(numero).arg(description); }
    bool operator==(const Erreur&) const = default;
};

} // namespace amortix
