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
    // The failure boxes of the export and the printout end with the probable cause.
    QString texte(const QString& cause) const { return texte() + QStringLiteral("\r\n\r\n") + cause; }
    // One line, as amortix-cli writes it on its standard error.
    QString ligne() const { return QStringLiteral("Erreur %1 : %2").arg(numero).arg(description); }
    bool operator==(const Erreur&) const = default;
};

} // namespace amortix
