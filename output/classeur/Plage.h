#pragma once

#include <string_view>

namespace amortix {

// A block of cells as a spreadsheet names it: one cell "C3", a rectangle "A1:G1", or whole rows
// "10:10"; "$" signs are allowed. Rows and columns count from 1 (column A is 1).
struct Plage {
    int ligne1 = 1;
    int colonne1 = 1;
    int ligne2 = 1;
    int colonne2 = 1;
    bool lignesEntieres = false;
};

// The names used here are the program's own constants: a malformed one is a programming error.
Plage LitPlage(std::string_view nom);

// The column of a name made of letters ("A" is 1, "AA" is 27).
int LitColonne(std::string_view lettres);

} // namespace amortix
