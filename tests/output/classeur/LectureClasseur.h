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

// Sheet `feuille` of a workbook read back by openpyxl, a reader
// independent of the writer, as lit-classeur.py prints it; empty when it
// cannot be read. Debian's openpyxl, hence /usr/bin/python3.
inline QJsonObject LitClasseur(const QString& chemin, int feuille = 0) {
    const QString n = QString::number(feuille);
    const QString json = Sortie("/usr/bin/python3", {LECTEUR_CLASSEUR, chemin, n});
    return QJsonDocument::fromJson(json.toUtf8()).object();
}

// A cell in one line, for example `10000 | #,##0.00 | Arial 10 gras`.
inline QString DecritCellule(const QJsonObject& cellule) {
    return cellule["description"].toString();
}

} // namespace amortix
