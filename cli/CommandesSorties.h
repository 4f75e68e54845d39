#pragma once

#include "ArgumentsCli.h"
#include "CalculEmprunt.h"
#include "Module.h"

#include <string>

namespace amortix {

// amortix-cli export: the workbook of the computed schedule, written to a.fichierSortie.
int ExecuteExportClasseur(const ArgumentsCli& a, const EmpruntCalcule& calcul, const Module& module,
                          std::string& sortie, std::string& erreurs);

// amortix-cli print: the printed report of the computed schedule, as a PDF file at a.fichierSortie.
int ExecuteImpressionPdf(const ArgumentsCli& a, const EmpruntCalcule& calcul, const Module& module,
                         std::string& sortie, std::string& erreurs);

} // namespace amortix
