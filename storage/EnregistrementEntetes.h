#pragma once

#include <QString>

namespace amortix {

// The three texts of the header settings store: the printed report's header, the workbook's header
// and the logo's path.
struct EnregistrementEntetes {
    QString enteteImpression;
    QString enteteExcel;
    QString cheminImage;
    bool operator==(const EnregistrementEntetes&) const = default;
};

// The record used while the store holds none.
EnregistrementEntetes EnregistrementEntetesParDefaut();

} // namespace amortix
