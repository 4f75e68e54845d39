#pragma once

#include "ConventionsLocales.h"

#include <QDate>
#include <QLocale>
#include <QString>
#include <chrono>
#include <string>

namespace amortix {

// The conventions of a Qt locale: its decimal separator, group separator, minus sign and short
// date format (years always written with four digits).
ConventionsLocales ConventionsDe(const QLocale& locale);

inline std::string VersUtf8(const QString& texte) {
    return texte.toStdString();
}
inline QString DepuisUtf8(std::string_view texte) {
    return QString::fromUtf8(texte.data(), static_cast<qsizetype>(texte.size()));
}

// Qt and the standard calendar meet through the day count: QDate counts Julian days, std::chrono
// counts days from 1970-01-01, which is Julian day 2440588.
inline std::chrono::year_month_day VersDateStd(const QDate& date) {
    return std::chrono::year_month_day{
        std::chrono::sys_days{std::chrono::days{date.toJulianDay() - 2440588}}};
}
inline QDate VersQDate(const std::chrono::year_month_day& date) {
    return QDate::fromJulianDay(std::chrono::sys_days{date}.time_since_epoch().count() + 2440588);
}

} // namespace amortix
