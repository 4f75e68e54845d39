#pragma once

#include "RapportImprime.h"

#include <QPageLayout>
#include <optional>

class QIODevice;

namespace amortix {

// The default printer's paper and margins; nothing when no printer is set up.
std::optional<QPageLayout> MiseEnPageImprimanteParDefaut();

// The sheet a PDF report is laid out on: the default printer's, so that the file paginates as the
// printed report and its preview; without a printer, A4 (Letter where the locale measures in
// inches) with 1 cm margins.
QPageLayout MiseEnPagePdf(const std::optional<QPageLayout>& imprimanteParDefaut);

// The report as a PDF document into `destination`, already open for writing, on `miseEnPage`.
std::optional<Erreur> EcritRapportPdf(QIODevice& destination, const RapportImprime& rapport,
                                      const QPageLayout& miseEnPage);

// The same into a file, on the sheet MiseEnPagePdf gives, replaced only once the whole document is
// written: on a failure the file already there stays as it was.
std::optional<Erreur> EnregistreRapportPdf(const QString& chemin, const RapportImprime& rapport);

} // namespace amortix
