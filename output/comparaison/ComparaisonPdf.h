#pragma once

#include "ComparaisonOffres.h"
#include "Erreur.h"

#include <QLocale>
#include <QString>
#include <optional>
#include <span>

class QIODevice;

namespace amortix {

// The comparison on one A4 landscape page: the table of the offers (the lowest total cost and the
// lowest TAEG in bold; the usury ceilings of offers checked against them, a TAEG over its ceiling in
// red), `avisUsure` under it when not empty (the ceilings' quarter is over), then the capital owed of
// every offer and the yearly repayments of the offer `choisie`, drawn as the window draws them, their
// amounts in `locale`. Into `destination`, already open for writing. The charts are Qt Charts: this
// needs a QApplication, never a display.
std::optional<Erreur> EcritComparaisonPdf(QIODevice& destination, std::span<const OffreNommee> offres,
                                          std::optional<std::size_t> choisie, const QLocale& locale,
                                          const QString& avisUsure);

// The same into a file, written whole or not at all.
std::optional<Erreur> EnregistreComparaisonPdf(const QString& chemin, std::span<const OffreNommee> offres,
                                               std::optional<std::size_t> choisie, const QLocale& locale,
                                               const QString& avisUsure);

} // namespace amortix
