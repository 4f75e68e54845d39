#pragma once

#include <QJsonArray>
#include <QJsonDocument>
#include <QJsonObject>
#include <QProcess>
#include <QString>
#include <QStringList>
#include <ostream>

// Test failures show texts as texts.
inline void PrintTo(const QString& texte, std::ostream* flux) {
    *flux << '"' << texte.toStdString() << '"';
}

namespace amortix {

// A workbook read back by openpyxl, a reader independent of the writer, as lit-classeur.py prints
// it. Debian's openpyxl, hence /usr/bin/python3 rather than a python3 found first on the PATH.
// An empty object when the workbook cannot be read; `erreurs` then says why.
inline QJsonObject LitClasseur(const QString& chemin, QString* erreurs = nullptr) {
    QProcess lecteur;
    lecteur.start(QStringLiteral("/usr/bin/python3"), {QStringLiteral(LECTEUR_CLASSEUR), chemin});
    const bool fini = lecteur.waitForFinished(120000);
    if (!fini || lecteur.exitStatus() != QProcess::NormalExit || lecteur.exitCode() != 0) {
        if (erreurs)
            *erreurs = QString::fromUtf8(lecteur.readAllStandardError()) + lecteur.errorString();
        return {};
    }
    return QJsonDocument::fromJson(lecteur.readAllStandardOutput()).object();
}

// One cell in a line, leaving out what a new cell has anyway: its value (a «text» or a number),
// number format, font, alignments and lines. For example
// `10000 | #,##0.00 | Arial 10 gras` or `«N°» | Arial 10 gras | centre/centre renvoi | cadre fin`.
inline QString DecritCellule(const QJsonObject& cellule) {
    QStringList parties;
    const QJsonValue valeur = cellule[QLatin1String("valeur")];
    if (valeur.isString())
        parties << QStringLiteral("«%1»").arg(valeur.toString());
    else if (valeur.isDouble())
        parties << QString::number(valeur.toDouble(), 'g', 15);
    const QString format = cellule[QLatin1String("format")].toString();
    if (format != QLatin1String("General"))
        parties << format;
    const QJsonObject police = cellule[QLatin1String("police")].toObject();
    QString textePolice = QStringLiteral("%1 %2")
                              .arg(police[QLatin1String("nom")].toString())
                              .arg(police[QLatin1String("taille")].toDouble());
    if (police[QLatin1String("gras")].toBool())
        textePolice += QStringLiteral(" gras");
    if (police[QLatin1String("italique")].toBool())
        textePolice += QStringLiteral(" italique");
    if (police[QLatin1String("souligne")].toString() == QLatin1String("single"))
        textePolice += QStringLiteral(" souligné");
    parties << textePolice;
    const auto alignement = [&](const char* cle) {
        const QString a = cellule[QLatin1String(cle)].toString();
        return a == QLatin1String("center")  ? QStringLiteral("centre")
               : a == QLatin1String("right") ? QStringLiteral("droite")
               : a.isEmpty()                 ? QStringLiteral("-")
                                             : a;
    };
    QString alignements = alignement("horizontal") + QLatin1Char('/') + alignement("vertical");
    if (cellule[QLatin1String("renvoi")].toBool())
        alignements += QStringLiteral(" renvoi");
    if (alignements != QLatin1String("-/-"))
        parties << alignements;
    const QJsonObject bordures = cellule[QLatin1String("bordures")].toObject();
    QStringList traits;
    for (const char* cote : {"gauche", "haut", "bas", "droite"}) {
        const QString t = bordures[QLatin1String(cote)].toString();
        traits << (t == QLatin1String("thin")   ? QStringLiteral("fin")
                   : t == QLatin1String("hair") ? QStringLiteral("cheveu")
                   : t.isEmpty()                ? QStringLiteral("-")
                                                : t);
    }
    if (traits == QStringList{"fin", "fin", "fin", "fin"})
        parties << QStringLiteral("cadre fin");
    else if (traits != QStringList{"-", "-", "-", "-"})
        parties << QStringLiteral("traits ") + traits.join(QLatin1Char('/'));
    return parties.join(QStringLiteral(" | "));
}

} // namespace amortix
