#pragma once

#include <QByteArray>
#include <QFile>
#include <QString>

namespace amortix {

// A file's bytes for a test to compare; "absent" when it cannot be read.
inline QByteArray Contenu(const QString& chemin) {
    QFile fichier(chemin);
    return fichier.open(QIODevice::ReadOnly) ? fichier.readAll() : QByteArray("absent");
}

// Writes a whole file for a test; false when it could not.
inline bool Ecrit(const QString& chemin, const QByteArray& octets) {
    QFile fichier(chemin);
    return fichier.open(QIODevice::WriteOnly | QIODevice::Truncate) && fichier.write(octets) == octets.size();
}

} // namespace amortix
