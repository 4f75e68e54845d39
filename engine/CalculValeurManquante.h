#pragma once

#include "ConventionsLocales.h"
#include "Frequence.h"

#include <array>
#include <optional>
#include <string>

namespace amortix {

enum class IssueValeurManquante {
    Trouvee,             // the empty field was filled; the loan can be handed over
    AucuneZoneVide,      // nothing to look for; nothing changed
    PlusieursZonesVides, // too much to look for; nothing changed
    Echec,               // a field that is not a number, or a solver that failed
};

struct RechercheValeurManquante {
    IssueValeurManquante issue = IssueValeurManquante::Echec;
    std::array<std::string, 4> champs;  // amount, duration, rate, payment afterwards
    std::optional<std::string> message; // the solver's explanation, when it kept the closest value
};

// The compute of the missing-value window: exactly one of the four fields must be empty (blanks
// count as empty); the three others are read and rewritten ("0.00", a whole duration), then the
// solver of the empty one fills it. On a failure the fields already rewritten keep their new text.
RechercheValeurManquante CalculeValeurManquante(const std::array<std::string, 4>& champs, Frequence frequence,
                                                const ConventionsLocales& conventions);

} // namespace amortix
