#pragma once

#include "Fichiers.h"

#include <QJsonArray>
#include <QJsonDocument>
#include <QJsonObject>
#include <QString>
#include <QStringList>

// Failures show a read workbook's parts as JSON.
inline void PrintTo(const QJsonObject& objet, std::ostream* flux) {
    *flux << QJsonDocument(objet).toJson(QJsonDocument::Compact).data();
}

namespace amortix {

// Sheet `feuille` as lit-classeur.py prints it; empty when it cannot
// be read. Debian's openpyxl, hence /usr/bin/python3.
inline QJsonObject LitClasseur(const QString& chemin, int feuille = 0) {
    const QStringList arguments{LECTEUR_CLASSEUR, chemin, QString::number(feuille)};
    const QString json = Sortie("/usr/bin/python3", arguments);
    return QJsonDocument::fromJson(json.toUtf8()).object();
}

// A cell in one line, as lit-classeur.py describes it.
inline QString DecritCellule(const QJsonObject& cellule) {
    return cellule["description"].toString();
}

} // namespace amortix
