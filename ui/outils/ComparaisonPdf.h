#pragma once

#include "ComparaisonOffres.h"
#include "Erreur.h"

#include <QString>
#include <optional>
#include <span>

class QIODevice;

namespace amortix {

// The comparison on one A4 landscape page: the table of the offers (the lowest total cost and the
// lowest TAEG in bold), under it the capital owed of every offer and the yearly repayments of the
// offer `choisie`, drawn as the window draws them. Into `destination`, already open for writing.
std::optional<Erreur> EcritComparaisonPdf(QIODevice& destination, std::span<const OffreNommee> offres,
                                          std::optional<std::size_t> choisie);

// The same into a file, written whole or not at all.
std::optional<Erreur> EnregistreComparaisonPdf(const QString& chemin, std::span<const OffreNommee> offres,
                                               std::optional<std::size_t> choisie);

} // namespace amortix
