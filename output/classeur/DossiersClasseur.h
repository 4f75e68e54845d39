#pragma once

#include <QDateTime>
#include <QString>

namespace amortix {

// The export to the spreadsheet application writes each workbook in a folder of its own under the
// temporary folder ("amortix-XXXXXX/Amortix.xlsx"), which the application reads after the export is
// over, so that the program cannot remove it then.
inline const QString ModeleDossierClasseur = QStringLiteral("amortix-XXXXXX");
inline const QString NomClasseurTemporaire = QStringLiteral("Amortix.xlsx");

// Removes such folders of this user's older than `limite`: only those that hold nothing but their
// workbook, never through a link. The newest ones stay, as the application may still have them open.
void SupprimeAnciensDossiersClasseur(const QString& dossierTemporaire, const QDateTime& limite);

} // namespace amortix
