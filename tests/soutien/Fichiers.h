#pragma once

#include <QByteArray>
#include <QFile>
#include <QProcess>
#include <QString>
#include <QStringList>
#include <ostream>

// Test failures show texts as texts.
inline void PrintTo(const QString& texte, std::ostream* flux) {
    *flux << '"' << texte.toStdString() << '"';
}

namespace amortix {

// A file's bytes for a test to compare; "absent" when it cannot be read.
inline QByteArray Contenu(const QString& chemin) {
    QFile fichier(chemin);
    return fichier.open(QIODevice::ReadOnly) ? fichier.readAll() : QByteArray("absent");
}

// Writes a whole file for a test, flushed so that a full disk shows here; false when it could not.
inline bool Ecrit(const QString& chemin, const QByteArray& octets) {
    QFile fichier(chemin);
    return fichier.open(QIODevice::WriteOnly | QIODevice::Truncate) &&
           fichier.write(octets) == octets.size() && fichier.flush();
}

// What a program prints on its standard output, its errors going to the test's; empty when it fails.
inline QString Sortie(const QString& programme, const QStringList& arguments) {
    QProcess processus;
    processus.setProcessChannelMode(QProcess::ForwardedErrorChannel);
    processus.start(programme, arguments);
    if (!processus.waitForFinished(120000) || processus.exitStatus() != QProcess::NormalExit ||
        processus.exitCode() != 0)
        return {};
    return QString::fromUtf8(processus.readAllStandardOutput());
}

} // namespace amortix
