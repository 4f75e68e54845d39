#pragma once

#include "Fichiers.h"

#include <QJsonArray>
#include <QJsonDocument>
#include <QJsonObject>
#include <QString>
#include <QStringList>

namespace amortix {

// A workbook read back by openpyxl, a reader independent of the writer, as lit-classeur.py prints
// it. Debian's openpyxl, hence /usr/bin/python3 rather than a python3 found first on the PATH.
// Its sheet `feuille`, the first unless told otherwise. An empty object when the workbook cannot be
// read; the script's own error goes to the test's.
inline QJsonObject LitClasseur(const QString& chemin, int feuille = 0) {
    const QString json =
        Sortie(QStringLiteral("/usr/bin/python3"), {LECTEUR_CLASSEUR, chemin, QString::number(feuille)});
    return QJsonDocument::fromJson(json.toUtf8()).object();
}

// One cell in a line as lit-classeur.py describes it, for example `10000 | #,##0.00 | Arial 10 gras`.
inline QString DecritCellule(const QJsonObject& cellule) {
    return cellule[QLatin1String("description")].toString();
}

} // namespace amortix
