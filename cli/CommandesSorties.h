#pragma once

#include "ArgumentsCli.h"
#include "CalculEmprunt.h"
#include "ClasseurEcheancier.h"
#include "Module.h"

#include <QDate>
#include <optional>
#include <string>

namespace amortix {

// amortix-cli export: the workbook of the computed schedule, written to a.fichierSortie.
int ExecuteExportClasseur(const ArgumentsCli& a, const EmpruntCalcule& calcul, const Module& module,
                          std::string& sortie, std::string& erreurs);

// A workbook that could not be written, as amortix-cli reports it: its number, stage and reason.
std::string LigneEchecClasseur(const EchecClasseur& echec);

// amortix-cli print: the printed report of the computed schedule, as a PDF file at a.fichierSortie.
int ExecuteImpressionPdf(const ArgumentsCli& a, const EmpruntCalcule& calcul, const Module& module,
                         std::string& sortie, std::string& erreurs);

// amortix-cli compare: the documents' offers side by side, the TEG as the stored options show it;
// with --pdf, the comparison window's page of them at a.fichierSortie instead.
int ExecuteComparaison(const ArgumentsCli& a, const QDate& aujourdhui, const Module& reglages,
                       std::string& sortie, std::string& erreurs);

// amortix-cli prepay: an early repayment on the loan of the flags or of a document.
int ExecuteRemboursementAnticipe(const ArgumentsCli& a, const QDate& aujourdhui, std::string& sortie,
                                 std::string& erreurs);

// amortix-cli capacity: the largest loan the household's budget allows, checked against the usury
// ceilings.
int ExecuteCapacite(const ArgumentsCli& a, const QDate& aujourdhui, const Module& reglages,
                    std::string& sortie, std::string& erreurs);

// amortix-cli plan: the smoothing loan's document and the others, as one financing plan.
int ExecutePlan(const ArgumentsCli& a, const Module& reglages, std::string& sortie, std::string& erreurs);

// The usury ceilings: --usury-table's file, or the settings'; nothing, with the reason, for a file
// that cannot be read whole. A table whose quarter is over adds a warning.
std::optional<TableUsure> TableUsureDesArguments(const ArgumentsCli& a, const Module& reglages,
                                                 const QDate& aujourdhui, std::string& erreurs);

// The fields as the window would hold them: from the flags, or from a loan document (checked whole,
// as the window opens it); nothing, with the reason in `erreurs`, for a document that cannot be read.
std::optional<SaisieEmprunt> SaisieDesArguments(const ArgumentsCli& a, const QDate& aujourdhui,
                                                std::string& erreurs);

} // namespace amortix
