#pragma once

#include "EnregistrementEntetes.h"
#include "Erreur.h"

#include <QString>
#include <optional>

namespace amortix {

// The header settings store: one record of 765 bytes in the file "entetes.bin" beside options.bin,
// three fields of 255 single-byte characters (Windows-1252), each filled up with spaces: the print
// header, the workbook header, the logo's path. No header, separator or terminator.
inline const QString NomStockEntetes = QStringLiteral("entetes.bin");
inline constexpr int LongueurChampEntete = 255;
inline constexpr int LongueurEnregistrementEntetes = 3 * LongueurChampEntete;

struct LectureEntetes {
    EnregistrementEntetes enregistrement; // trimmed; the default record while none is stored
    std::optional<Erreur> erreur;         // a store that exists but cannot be read
};

LectureEntetes LitEnregistrementEntetes(const QString& chemin);

// The record held by the store's first bytes; the default record when they are fewer than a record.
EnregistrementEntetes AnalyseEnregistrementEntetes(const QByteArray& octets);
QByteArray OctetsEnregistrementEntetes(const EnregistrementEntetes& entetes);

// The record as the store keeps it and gives it back: each text cut to 255 characters, in the
// store's code page, without the spaces around it.
EnregistrementEntetes TelQueStocke(const EnregistrementEntetes& entetes);

// Writes the whole record at offset 0, each text cut to 255 characters or filled with spaces; bytes
// beyond the record, if any, stay.
std::optional<Erreur> EcritEnregistrementEntetes(const QString& chemin, const EnregistrementEntetes& entetes);

} // namespace amortix
