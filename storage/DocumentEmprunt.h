#pragma once

#include "ConventionsLocales.h"
#include "Erreur.h"
#include "SaisieEmprunt.h"

#include <QDate>
#include <QString>
#include <optional>
#include <variant>

namespace amortix {

// A loan document (.amx) keeps the inputs of one loan, not its schedule: nine lines, each ended by
// CR LF — the amount and duration texts as the fields show them, the index of the frequency entry,
// the rate, insurance and fees texts, then the first payment's day, month and year as integers.
// Single-byte characters in Windows-1252. A loan whose insurance is a rate or that starts with a
// deferral adds "key=value" lines after the ninth: "assurance-capital-initial=0,36" or
// "assurance-capital-restant=0,36", "differe-partiel=12" or "differe-total=12".

inline const QString FiltreDocuments = QStringLiteral("Fichier Amortix (*.amx)");

QByteArray OctetsDocument(const SaisieEmprunt& saisie);

// Writes the whole document, or nothing: the previous file stays whole when writing fails.
std::optional<Erreur> EnregistreDocument(const QString& chemin, const SaisieEmprunt& saisie);

// The document, or why it cannot be opened. It is checked whole before anything uses it: nine lines
// at least (a line ends at CR LF, CR or LF; later lines are read only when all are ours), a frequency entry 0
// to 3, and a real date from 1601 to 9999. Lines 3, 7, 8 and 9 are read as the window reads a duration: in
// the locale, blanks around, a decimal part taken to the nearest integer.
std::variant<SaisieEmprunt, QString> AnalyseDocument(const QByteArray& octets,
                                                     const ConventionsLocales& conventions);
// Read from a file: a file that cannot be read keeps its error's number; a document that is not
// whole is error 1 (ErreurLecture) with the reason above.
std::variant<SaisieEmprunt, Erreur> LitDocument(const QString& chemin, const ConventionsLocales& conventions);

} // namespace amortix
