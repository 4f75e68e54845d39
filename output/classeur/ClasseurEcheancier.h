#pragma once

#include "ContenuEcheancier.h"
#include "ConventionsLocales.h"
#include "Erreur.h"
#include "FeuilleClasseur.h"

#include <QString>
#include <optional>
#include <span>

class QIODevice;

namespace amortix {

// A workbook export that failed: the stage reached ("1" to "14", "15-1", "15-2", "15-3", "16"), shown
// for debugging, and the error.
struct EchecClasseur {
    QString etape;
    Erreur erreur;
};

// Our own error numbers; libxlsxwriter's failures keep theirs.
inline constexpr int ErreurIncompatibiliteType = 13; // a text that should be a number
inline constexpr int ErreurAccesFichier = 75;        // a file or folder that cannot be made or written

// The schedule on screen as a workbook of one sheet, "Amortix": the header, the loan's summary,
// the cost of the credit and every row, formatted for reading and printing. The amounts are read
// from the texts with `conventions`, the way the window reads its fields; a text that is not a
// number stops the export at its stage. Nothing is recomputed. `suivantes` are written after it, in
// order (the financing plan's combined schedule).
//
// The file at `chemin` is made at the last stage only; if that stage fails, the file may be left
// incomplete.
std::optional<EchecClasseur> EcritClasseur(const ContenuEcheancier& contenu, const QString& strEnteteExcel,
                                           bool blnTEGDansExcel, const ConventionsLocales& conventions,
                                           const QString& chemin,
                                           std::span<const FeuilleClasseur* const> suivantes = {});

// The same workbook written into `destination`, open for writing. Nothing reaches it unless the
// whole workbook was made.
std::optional<EchecClasseur> EcritClasseur(const ContenuEcheancier& contenu, const QString& strEnteteExcel,
                                           bool blnTEGDansExcel, const ConventionsLocales& conventions,
                                           QIODevice& destination,
                                           std::span<const FeuilleClasseur* const> suivantes = {});

// The workbook saved as the user's file at `chemin`, which is replaced only by a complete workbook: a
// failure leaves the file there untouched. The window's export and amortix-cli both save this way.
std::optional<EchecClasseur> EnregistreClasseur(const ContenuEcheancier& contenu,
                                                const QString& strEnteteExcel, bool blnTEGDansExcel,
                                                const ConventionsLocales& conventions, const QString& chemin,
                                                std::span<const FeuilleClasseur* const> suivantes = {});

} // namespace amortix
