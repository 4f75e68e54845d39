#pragma once

#include <compare>
#include <string>

namespace amortix {

enum class AlignementHorizontal { Standard, Gauche, Centre, Droite };
enum class AlignementVertical { Bas, Centre, Haut }; // Bas is a new cell's alignment
enum class Trait { Aucun, Fin, Cheveu };             // a thin line, a hairline

// How one cell of a workbook looks: its font, alignment, number format and the four lines around
// it. The font is always Arial, 10 points unless said otherwise: desktops here lack Calibri, and
// Arial 10 has the same 7-pixel digits, which the default column width and the stored widths
// are measured in, so that dates and amounts fit their columns as intended.
struct StyleCellule {
    bool gras = false;
    bool italique = false;
    bool souligne = false; // single underline
    int taillePolice = 10; // points
    AlignementHorizontal horizontal = AlignementHorizontal::Standard;
    AlignementVertical vertical = AlignementVertical::Bas;
    bool renvoiALaLigne = false;
    std::string formatNombre; // empty: the spreadsheet's General format
    // Quote-prefixed: the text stays a text when the cell is edited, as after a leading apostrophe.
    bool texteLitteral = false;
    Trait gauche = Trait::Aucun;
    Trait haut = Trait::Aucun;
    Trait bas = Trait::Aucun;
    Trait droite = Trait::Aucun;

    auto operator<=>(const StyleCellule&) const = default;
};

} // namespace amortix
