#pragma once

#include <QString>

namespace amortix {

// A failure of a settings or document file, as the warning boxes show it: "Erreur " + numero, a
// line break, then the description.
struct ErreurFichier {
    int numero = 0;
    QString description;
    QString texte() const { return QStringLiteral("Erreur %1\r\n%2").arg(numero).arg(description); }
};

} // namespace amortix
