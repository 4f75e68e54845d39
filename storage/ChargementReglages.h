#pragma once

#include "Erreur.h"
#include "Module.h"

#include <optional>

namespace amortix {

// The stored settings into the module, as the start-up, the main window and amortix-cli all read
// them. A file that exists but cannot be read leaves the defaults and gives its reason, for a warning.
// The start-up creates a missing options file empty; amortix-cli creates nothing.
std::optional<Erreur> ChargeOptions(Module& module, bool creeSiAbsent);
std::optional<Erreur> ChargeEntetes(Module& module);
std::optional<Erreur> ChargeTauxUsure(Module& module);

} // namespace amortix
