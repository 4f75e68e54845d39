#pragma once

#include <QJsonArray>
#include <QJsonDocument>
#include <QJsonObject>
#include <QProcess>
#include <QString>
#include <QStringList>
#include <map>
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
    if (!lecteur.waitForFinished(120000) || lecteur.exitStatus() != QProcess::NormalExit ||
        lecteur.exitCode() != 0) {
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
    static const std::map<QString, QString> mots = {
        {"center", "centre"}, {"right", "droite"}, {"", "-"}, {"thin", "fin"}, {"hair", "cheveu"}};
    const auto mot = [](const QJsonValue& v) {
        const auto trouve = mots.find(v.toString());
        return trouve == mots.end() ? v.toString() : trouve->second;
    };
    QStringList parties;
    const QJsonValue valeur = cellule[QLatin1String("valeur")];
    if (valeur.isString())
        parties << QStringLiteral("«%1»").arg(valeur.toString());
    else if (valeur.isDouble())
        parties << QString::number(valeur.toDouble(), 'g', 15);
    if (const QString format = cellule[QLatin1String("format")].toString();
        format != QLatin1String("General"))
        parties << format;
    const QJsonObject police = cellule[QLatin1String("police")].toObject();
    QString textePolice = QStringLiteral("%1 %2")
                              .arg(police[QLatin1String("nom")].toString())
                              .arg(police[QLatin1String("taille")].toDouble());
    for (const auto& [cle, texte] : {std::pair{"gras", " gras"}, std::pair{"italique", " italique"}})
        if (police[QLatin1String(cle)].toBool())
            textePolice += QLatin1String(texte);
    if (police[QLatin1String("souligne")].toString() == QLatin1String("single"))
        textePolice += QStringLiteral(" souligné");
    parties << textePolice;
    QString alignements = mot(cellule[QLatin1String("horizontal")]) + QLatin1Char('/') +
                          mot(cellule[QLatin1String("vertical")]);
    if (cellule[QLatin1String("renvoi")].toBool())
        alignements += QStringLiteral(" renvoi");
    if (alignements != QLatin1String("-/-"))
        parties << alignements;
    if (cellule[QLatin1String("apostrophe")].toBool())
        parties << QStringLiteral("apostrophe");
    const QJsonObject bordures = cellule[QLatin1String("bordures")].toObject();
    QStringList traits;
    for (const char* cote : {"gauche", "haut", "bas", "droite"})
        traits << mot(bordures[QLatin1String(cote)]);
    if (traits == QStringList{"fin", "fin", "fin", "fin"})
        parties << QStringLiteral("cadre fin");
    else if (traits != QStringList{"-", "-", "-", "-"})
        parties << QStringLiteral("traits ") + traits.join(QLatin1Char('/'));
    return parties.join(QStringLiteral(" | "));
}

} // namespace amortix
