#pragma once

#include <QString>

namespace amortix {

// The system's error descriptions in French. The C library and Qt describe their failures in English
// unless the system carries translations; the common ones are ours, the others pass unchanged.
QString DescriptionErreurSysteme(int numeroErrno);

// The same for a description already made by Qt or the C library ("No space left on device").
QString EnFrancais(const QString& descriptionSysteme);

} // namespace amortix
