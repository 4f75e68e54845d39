#pragma once

#include <QDate>
#include <QLocale>
#include <QStringList>

#include <string>

namespace amortix {

// Exit statuses of amortix-cli.
enum StatutCli { StatutReussi = 0, StatutEchecCalcul = 1, StatutUsage = 2 };

// Runs one amortix-cli command; what it prints goes to `sortie` (results) and `erreurs` (messages
// and usage), both UTF-8. `aujourdhui` stands in for a first payment date left out.
int ExecuteCli(const QStringList& arguments, const QLocale& localeParDefaut, const QDate& aujourdhui,
               std::string& sortie, std::string& erreurs);

} // namespace amortix
