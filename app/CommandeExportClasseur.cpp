#include "CommandesCli.h"
#include "CommandesSorties.h"

namespace amortix {

int ExecuteExportClasseur(const ArgumentsCli&, const CalculEmprunt&, const Module&, std::string&, std::string& erreurs) {
    erreurs += "amortix-cli : export n'est pas encore disponible\n";
    return StatutUsage;
}

} // namespace amortix
