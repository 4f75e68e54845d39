#include "EnregistrementEntetes.h"

namespace amortix {

EnregistrementEntetes EnregistrementEntetesParDefaut() {
    return {QStringLiteral("Tableau d'amortissement réalisé avec Amortix, par l'équipe Amortix - "
                           "https://amortix.example.org"),
            QStringLiteral("Tableau Excel réalisé avec Amortix - https://amortix.example.org"), QString()};
}

} // namespace amortix
