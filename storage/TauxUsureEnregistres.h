#pragma once

#include "Erreur.h"
#include "TauxUsure.h"

#include <QString>
#include <optional>
#include <variant>

namespace amortix {

// The usury ceilings live in the settings folder once the user has typed a new quarter's; until then
// the program uses the table it ships with.
inline const QString NomFichierTauxUsure = QStringLiteral("taux-usure.txt");

// The table shipped with this version of the program.
TableUsure TableUsureFournie();

// A table file read whole, or why not (a file that cannot be read, or a table that is incomplete or
// incorrect: number 1 and its reason).
std::variant<TableUsure, Erreur> LitFichierTauxUsure(const QString& chemin);

// The table to use: the settings folder's when there is one (its reason beside the shipped table when
// it cannot be read), the shipped one otherwise.
struct LectureTauxUsure {
    TableUsure table;
    bool personnalisee = false; // read from the settings folder
    std::optional<Erreur> erreur;
};
LectureTauxUsure LitTauxUsureEnregistres(const QString& chemin);

// Written whole or not at all; a table that `MotifTableIncorrecte` refuses is never written.
std::optional<Erreur> EnregistreTauxUsure(const QString& chemin, const TableUsure& table);

} // namespace amortix
