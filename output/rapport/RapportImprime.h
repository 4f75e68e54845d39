#pragma once

#include "ContenuEcheancier.h"
#include "Erreur.h"

#include <QPixmap>
#include <QString>
#include <optional>

class QPagedPaintDevice;

namespace amortix {

// What the printed report shows: the window's texts, the print header, whether the rate line
// carries the TEG, and the logo.
struct RapportImprime {
    ContenuEcheancier contenu;
    QString strEnteteImpression;
    bool blnTEGDansExcel = false;
    QPixmap logo;        // picLogo's picture; null when there is none
    int largeurLogo = 0; // the width of picLogo, in twips
};

inline constexpr int NumeroErreurImprimante = 482;
inline constexpr int NumeroAucuneImprimante = 484;

Erreur ErreurAucuneImprimante();

// The report of what is shown, as the window and amortix-cli both make it: the logo at its own size
// (15 twips a pixel), placed by its width.
RapportImprime ComposeRapport(const ContenuEcheancier& contenu, const QString& strEnteteImpression,
                              bool blnTEGDansExcel, const QPixmap& logo);

// Draws the report on the device (a printer, a PDF writer, a preview) as one document, in the
// device's own page size and margins. Stops at the first failure of the device.
std::optional<Erreur> ImprimeRapport(QPagedPaintDevice& page, const RapportImprime& rapport);

} // namespace amortix
