#pragma once

#include "RapportImprime.h"

class QIODevice;

namespace amortix {

// The report as a PDF document into `destination`, already open for writing, on the sheet a
// printer would offer by default: A4 (Letter where the locale measures in inches), 1 cm margins.
std::optional<Erreur> EcritRapportPdf(QIODevice& destination, const RapportImprime& rapport);

// The same into a file, replaced only once the whole document is written: on a failure the file
// already there stays as it was.
std::optional<Erreur> EnregistreRapportPdf(const QString& chemin, const RapportImprime& rapport);

} // namespace amortix
