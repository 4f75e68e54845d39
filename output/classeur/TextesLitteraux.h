#pragma once

#include <QString>

namespace amortix {

// libxlsxwriter cannot quote-prefix a format (a cell in it keeps its text as a text when edited, as
// after a leading apostrophe typed in the spreadsheet). Such a format is made with this reading
// order, left to right, which no other format of the program uses and which changes nothing for
// digits and slashes; MarqueTextesLitteraux then turns it into the quote prefix.
inline constexpr unsigned char MarqueTexteLitteral = 1;

// Rewrites the styles part of the .xlsx file at `chemin`: every cell format carrying the mark above
// loses it and is quote-prefixed instead. False when the file cannot be read, holds no marked
// format, or cannot be written again (it may then be cut).
bool MarqueTextesLitteraux(const QString& chemin);

} // namespace amortix
