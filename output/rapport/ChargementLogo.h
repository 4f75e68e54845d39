#pragma once

#include "Erreur.h"

#include <QImage>
#include <QString>
#include <variant>

namespace amortix {

// A logo is a picture of a few megabytes at most; a larger file is not read.
inline constexpr qint64 TailleMaximaleLogo = 64 << 20;

// The logo at a path, or why it cannot be loaded: no such file, not a regular file, not a picture,
// or a picture too large to be held in memory. The file is read as any user's file is (never a pipe,
// never without a bound), then decoded.
std::variant<QImage, Erreur> ChargeLogo(const QString& chemin);

} // namespace amortix
