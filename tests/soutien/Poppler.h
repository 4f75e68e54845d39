#pragma once

// Reads a PDF back through poppler-utils, as a reader of the file would see it.
#include "Fichiers.h"

#include <QImage>
#include <QRegularExpression>
#include <QString>
#include <QStringList>
#include <QTemporaryDir>
#include <vector>

namespace amortix::poppler {

// pdftotext -layout, each line's runs of spaces made one, empty lines dropped.
inline QStringList Lignes(const QString& pdf) {
    static const QRegularExpression espaces(QStringLiteral("\\s+"));
    QStringList lignes;
    for (QString ligne : Sortie("pdftotext", {"-layout", pdf, "-"}).split(QLatin1Char('\n')))
        if (ligne = ligne.replace(espaces, QStringLiteral(" ")).trimmed(); !ligne.isEmpty())
            lignes << ligne;
    return lignes;
}

// A word of pdftotext -bbox, its box in twips from the page's top-left corner.
struct Mot {
    QString texte;
    double gauche, haut, droite, bas;
    bool operator==(const Mot&) const = default;
};

struct Page {
    double largeur, hauteur; // twips
    std::vector<Mot> mots;
};

inline std::vector<Page> Pages(const QString& pdf) {
    static const QRegularExpression balise(QStringLiteral(
        R"re(<page width="([0-9.]+)" height="([0-9.]+)">|<word xMin="([0-9.]+)" yMin="([0-9.]+)" )re"
        R"re(xMax="([0-9.]+)" yMax="([0-9.]+)">([^<]*)</word>)re"));
    const auto twips = [](const QString& points) { return points.toDouble() * 20.0; };
    std::vector<Page> pages;
    const QString html = Sortie("pdftotext", {"-bbox", pdf, "-"});
    for (const QRegularExpressionMatch& m : balise.globalMatch(html)) {
        if (!m.captured(1).isEmpty()) {
            pages.push_back({twips(m.captured(1)), twips(m.captured(2)), {}});
            continue;
        }
        QString texte = m.captured(7);
        for (const auto& [entite, caractere] :
             {std::pair{"&apos;", "'"}, {"&quot;", "\""}, {"&lt;", "<"}, {"&gt;", ">"}, {"&amp;", "&"}})
            texte.replace(QLatin1String(entite), QLatin1String(caractere));
        if (!pages.empty())
            pages.back().mots.push_back({texte, twips(m.captured(3)), twips(m.captured(4)),
                                         twips(m.captured(5)), twips(m.captured(6))});
    }
    return pages;
}

// The pictures that pdfimages lists, one line each below the heading and its dashes.
inline int NombreImages(const QString& pdf) {
    return static_cast<int>(Sortie("pdfimages", {"-list", pdf}).count(QLatin1Char('\n'))) - 2;
}

// One page drawn by pdftoppm, at `parPouce` pixels per inch.
inline QImage Image(const QString& pdf, int page, int parPouce) {
    QTemporaryDir dossier;
    const QString prefixe = dossier.filePath(QStringLiteral("page")), numero = QString::number(page);
    Sortie("pdftoppm", {"-r", QString::number(parPouce), "-f", numero, "-l", numero, "-singlefile", "-png",
                        pdf, prefixe});
    return QImage(prefixe + QStringLiteral(".png"));
}

} // namespace amortix::poppler
