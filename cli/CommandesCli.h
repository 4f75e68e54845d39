#pragma once

#include "Module.h"

#include <QDate>
#include <QLocale>
#include <QStringList>
#include <string>

namespace amortix {

// Exit statuses of amortix-cli.
enum StatutCli { StatutReussi = 0, StatutEchecCalcul = 1, StatutUsage = 2 };

// Runs one amortix-cli command; what it prints goes to `sortie` (results) and `erreurs` (messages
// and usage), both UTF-8. `aujourdhui` stands in for a first payment date left out; `reglages` are
// the user's stored settings, which the workbook and the report follow as the window's do.
int ExecuteCli(const QStringList& arguments, const QLocale& localeParDefaut, const QDate& aujourdhui,
               const Module& reglages, std::string& sortie, std::string& erreurs);

// The settings the window would use on this computer: the options and the report headers, read
// without creating any file. A settings file that exists but cannot be read adds its warning to
// `erreurs` and leaves the defaults.
Module ReglagesEnregistres(std::string& erreurs);

} // namespace amortix
