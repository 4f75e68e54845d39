#pragma once

#include "ConventionsLocales.h"
#include "Frequence.h"

#include <array>
#include <cstdint>
#include <optional>
#include <string>

namespace amortix {

// The four quantities of the missing-value window, in the order of its fields.
enum class Grandeur { Montant = 0, Duree = 1, Taux = 2, Mensualite = 3 };

// What a solver writes: new texts for some of the four fields, and at most one message.
struct ResultatSolveur {
    bool reussi = false;
    std::array<std::optional<std::string>, 4> champs; // indexed by Grandeur
    std::optional<std::string> message;
    int tours = 0; // rounds of the rate search
    std::optional<std::string>& champ(Grandeur g) { return champs[static_cast<int>(g)]; }
};

// The solvers take the numbers as typed (unrounded), the rate as a fraction, and the frequency. Rate and
// duration are searched over displayed values (0,01 % and whole periods); when no such value gives the
// entered payment to the cent, the closest one is kept, the payment is re-adjusted and the message explains
// it. A failure writes no field.
ResultatSolveur Calcul_Mensualite(double dblMontant, std::int32_t lngNbMois, double dblTaux,
                                  Frequence frequence, const ConventionsLocales& conventions);
ResultatSolveur Calcul_Montant(std::int32_t lngNbMois, double dblTaux, double dblMensualite,
                               Frequence frequence, const ConventionsLocales& conventions);
ResultatSolveur Calcul_Taux(double dblMontant, std::int32_t lngNbMois, double dblMensualite,
                            Frequence frequence, const ConventionsLocales& conventions);
ResultatSolveur Calcul_Duree(double dblMontant, double dblTaux, double dblMensualite, Frequence frequence,
                             const ConventionsLocales& conventions);

} // namespace amortix
