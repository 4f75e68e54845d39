#pragma once

#include "ErreurFichier.h"

#include <QImage>
#include <QString>

#include <variant>

namespace amortix {

// The picture at a path, or why it cannot be loaded (no such file, not a picture).
std::variant<QImage, ErreurFichier> ChargeImage(const QString& chemin);

} // namespace amortix
