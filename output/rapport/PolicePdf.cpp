#include "PolicePdf.h"

#include <QStringList>

namespace amortix {

QFont PolicePdf(bool gras) {
    QFont police;
    police.setFamilies({QStringLiteral("Arial"), QStringLiteral("Liberation Sans")});
    police.setBold(gras);
    return police;
}

} // namespace amortix
