#pragma once

#include "RemboursementAnticipe.h"

#include <array>
#include <string>
#include <string_view>

namespace amortix {

// The summary of an early repayment, one labelled figure a line, as the window and amortix-cli
// show it.
inline constexpr std::array<std::string_view, 8> LibellesResumeRemboursement = {
    "Capital restant dû avant le remboursement :",
    "Capital remboursé :",
    "Indemnité :",
    "Dernière échéance :",
    "Nouvelle échéance :",
    "Intérêts économisés :",
    "Assurance économisée :",
    "Économie nette :"};

// The figures beside those labels, in their order; the last payment as its number and date.
std::array<std::string, 8> ValeursResumeRemboursement(const RemboursementAnticipe& remboursement);

} // namespace amortix
