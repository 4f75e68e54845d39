#pragma once

#include "ErreurFichier.h"

#include <QFileDevice>

namespace amortix {

// A file failure as the user reads it: the device's error code and, in French, what could not be
// done to which file, followed by the system's own words.
ErreurFichier ErreurDe(const QFileDevice& fichier);

} // namespace amortix
