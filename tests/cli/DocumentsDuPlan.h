#pragma once

// What the CLI tests share: a command's run, a line of what it printed, the files they write in a
// folder of theirs, among them the worked plan's documents.
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

inline Execution Execute(const QStringList& arguments, const QLocale& locale = QLocale(QLocale::French),
                         const QDate& aujourdhui = QDate(2007, 1, 31)) {
    Execution e;
    e.statut = ExecuteCli(arguments, locale, aujourdhui, Module{}, e.sortie, e.erreurs);
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

// The path of `nom` in `dossier`, written with `octets`.
inline QString EcritDansLeDossier(const QTemporaryDir& dossier, const char* nom, const QByteArray& octets) {
    const QString chemin = dossier.filePath(nom);
    if (!Ecrit(chemin, octets))
        ADD_FAILURE() << "écriture de " << nom;
    return chemin;
}

struct DocumentsDuPlan {
    QString ptz, banque;
};

// A 0 % state loan of 40 000 over 240 months and the main loan, 160 000 at 3,5 % over 300, both
// from 31/01/2007.
inline DocumentsDuPlan EcritDocumentsDuPlan(const QTemporaryDir& dossier) {
    return {EcritDansLeDossier(dossier, "ptz.amx", "40000\r\n240\r\n0\r\n0\r\n0\r\n0\r\n31\r\n1\r\n2007\r\n"),
            EcritDansLeDossier(dossier, "banque.amx",
                               "160000\r\n300\r\n0\r\n3,5\r\n0\r\n0\r\n31\r\n1\r\n2007\r\n")};
}

} // namespace amortix
