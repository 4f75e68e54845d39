#pragma once

#include <locale.h>

namespace amortix {

// The "C" locale for the calling thread while the object lives. libxlsxwriter prints numbers with
// printf, which follows the C library's locale: under a French one it would write "28,5" into the
// XML and spoil the workbook. The process's own locale is left alone.
class LocaleNumeriqueC {
public:
    LocaleNumeriqueC() : locale_(newlocale(LC_ALL_MASK, "C", static_cast<locale_t>(nullptr))) {
        if (locale_)
            precedente_ = uselocale(locale_);
    }
    ~LocaleNumeriqueC() {
        if (locale_) {
            uselocale(precedente_);
            freelocale(locale_);
        }
    }
    LocaleNumeriqueC(const LocaleNumeriqueC&) = delete;
    LocaleNumeriqueC& operator=(const LocaleNumeriqueC&) = delete;

private:
    locale_t locale_;
    locale_t precedente_ = LC_GLOBAL_LOCALE;
};

} // namespace amortix
