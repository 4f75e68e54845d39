#pragma once

#include <QFont>

namespace amortix {

// The family of every PDF the program writes, the printed report and the comparison alike: Arial,
// else Liberation Sans, drawn to Arial's widths (fonts-liberation, which the package depends on).
// Bold or not; the size and the rest are the caller's.
QFont PolicePdf(bool gras);

} // namespace amortix
