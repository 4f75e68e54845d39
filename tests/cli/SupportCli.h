#pragma once

// The CLI tests' helpers: runs, what they printed, files.
#include "CommandesCli.h"
#include "Fichiers.h"

#include <QTemporaryDir>
#include <gtest/gtest.h>

namespace amortix {

namespace sortiecli {

struct Execution {
    int statut;
    std::string sortie, erreurs;
};

// Run as on 31/01/2007, the worked example's first date.
inline Execution Execute(const QStringList& a, const QLocale& l = QLocale(QLocale::French),
                         const Module& reglages = {}) {
    Execution e;
    e.statut = ExecuteCli(a, l, QDate(2007, 1, 31), reglages, e.sortie, e.erreurs);
    return e;
}

// A command line without files, its arguments split at spaces.
inline Execution Lance(const QString& ligne, const QLocale& l = QLocale(QLocale::French)) {
    return Execute(ligne.split(' ', Qt::SkipEmptyParts), l);
}

// From the first `debut` to the end of its line, its final comma cut.
inline std::string Depuis(const std::string& texte, const std::string& debut) {
    const auto i = texte.find(debut);
    if (i == std::string::npos)
        return "(absent)";
    std::string suite = texte.substr(i, texte.find('\n', i + 1) - i);
    if (suite.ends_with(','))
        suite.pop_back();
    return suite;
}

// The first value of `cle` in a JSON text, a string without its quotes.
inline std::string Champ(const std::string& json, const std::string& cle) {
    const auto i = json.find('"' + cle + "\": ");
    if (i == std::string::npos)
        return "(absent)";
    const auto v = i + cle.size() + 4;
    if (json[v] == '"')
        return json.substr(v + 1, json.find('"', v + 1) - v - 1);
    return json.substr(v, json.find_first_of(",}\n", v) - v);
}

} // namespace sortiecli

inline QString Fichier(const QTemporaryDir& d, const char* nom, const QByteArray& octets) {
    QString chemin = d.filePath(nom);
    if (!Ecrit(chemin, octets))
        ADD_FAILURE() << "écriture de " << nom;
    return chemin;
}

struct DocumentsDuPlan {
    QString ptz, banque;
};

// 40 000 at 0 % over 240 months and 160 000 at 3,5 % over 300, from 31/01/2007.
inline DocumentsDuPlan EcritDocumentsDuPlan(const QTemporaryDir& dossier) {
    const QByteArray fin = "0\r\n0\r\n31\r\n1\r\n2007\r\n";
    return {Fichier(dossier, "ptz.amx", "40000\r\n240\r\n0\r\n0\r\n" + fin),
            Fichier(dossier, "banque.amx", "160000\r\n300\r\n0\r\n3,5\r\n" + fin)};
}

} // namespace amortix
