#pragma once

#include <QDir>
#include <QStandardPaths>
#include <QString>

namespace amortix {

// The file a PDF export first proposes: `nom` in the user's documents folder.
inline QString PdfPropose(const QString& nom) {
    return QDir(QStandardPaths::writableLocation(QStandardPaths::DocumentsLocation)).filePath(nom);
}

inline const QString FiltrePdf = QStringLiteral("Document PDF (*.pdf)");

// The likely cause of a PDF that could not be written, at the end of the failure box.
inline const QString CauseEchecPdf =
    QStringLiteral("Vérifiez que le dossier choisi existe et que vous pouvez y écrire.");

} // namespace amortix
