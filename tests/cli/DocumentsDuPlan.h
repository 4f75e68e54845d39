#pragma once

// What the CLI tests share: a run, a line it printed, files in a folder of theirs.
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
inline Execution Execute(const QStringList& a, const QLocale& l = QLocale(QLocale::French)) {
    Execution e;
    e.statut = ExecuteCli(a, l, QDate(2007, 1, 31), Module{}, e.sortie, e.erreurs);
    return e;
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

} // namespace sortiecli

inline QString EcritDansLeDossier(const QTemporaryDir& d, const char* nom, const QByteArray& octets) {
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
    return {EcritDansLeDossier(dossier, "ptz.amx", "40000\r\n240\r\n0\r\n0\r\n" + fin),
            EcritDansLeDossier(dossier, "banque.amx", "160000\r\n300\r\n0\r\n3,5\r\n" + fin)};
}

} // namespace amortix
