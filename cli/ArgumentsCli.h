#pragma once

#include "SaisieEmprunt.h"
#include "TauxUsure.h"

#include <QDate>
#include <QLocale>
#include <QString>
#include <QStringList>
#include <optional>
#include <string>
#include <vector>

namespace amortix {

enum class CommandeCli {
    Echeancier,
    ValeurManquante,
    ExportClasseur,
    ImpressionPdf,
    Comparaison,
    RemboursementAnticipe,
    Capacite,
    Plan,
    Aide
};
enum class FormatSortie { Texte, Csv, Json };

// The command line of amortix-cli, checked. Field values stay texts: they are read later exactly as
// the window reads its fields, in the chosen locale. A flag left out is an empty field.
struct ArgumentsCli {
    CommandeCli commande = CommandeCli::Aide;
    SaisieEmprunt saisie;
    std::string mensualite;
    bool premiereEcheanceDonnee = false; // today when left out
    bool tegActuariel = true;
    QLocale locale;
    FormatSortie format = FormatSortie::Texte;
    QString document;      // a loan document (.amx) to compute instead of the flags
    QStringList documents; // compare: the offers, in order; plan: the loans besides the smoothing one
    QString lissage;       // plan --smooth: the smoothing loan's document
    // prepay: the payment the repayment goes with, the amount (or all of it), what is kept, the
    // penalty's rule or amount; texts read later in the locale.
    QString apresEcheance;
    QString montantRembourse;
    bool toutRembourser = false;
    QString garde; // "payment" or "duration"
    QString indemnite = QStringLiteral("aucune");
    QString fichierSortie;       // --xlsx or --pdf (print's report, compare's page, plan's pages)
    bool sortiePdf = false;      // fichierSortie came with --pdf
    bool tegDansSorties = false; // --teg-in-outputs: the TEG in the workbook or the report
    // capacity: the household, its duration in months or years (--frequency mois|ans) and the loan's
    // rate, insurance and fees from the fields above.
    std::vector<std::string> revenus;
    std::string charges;
    std::string ratio = "35";
    std::optional<NatureCredit> nature; // compare --kind: offers checked against the usury ceilings
    QString tableUsure;                 // --usury-table: ceilings from this file, not the settings
};

struct AnalyseArguments {
    std::optional<ArgumentsCli> arguments;
    QString erreur; // why the command line is refused
};

// `arguments` without the program's name. The locale defaults to `localeParDefaut`.
AnalyseArguments AnalyseArgumentsCli(const QStringList& arguments, const QLocale& localeParDefaut);

QString TexteUsage();

} // namespace amortix
