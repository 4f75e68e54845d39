#include "ConventionsSysteme.h"

namespace amortix {

ConventionsLocales ConventionsDe(const QLocale& locale) {
    ConventionsLocales conventions;
    conventions.separateurDecimal = VersUtf8(locale.decimalPoint());
    conventions.separateurGroupes = VersUtf8(locale.groupSeparator());
    conventions.signeMoins = VersUtf8(locale.negativeSign());
    conventions.formatDateCourt = AnalyseFormatDate(VersUtf8(locale.dateFormat(QLocale::ShortFormat)));
    return conventions;
}

} // namespace amortix
