#pragma once

#include <QLocale>
#include <QString>

class QChart;

namespace amortix {

// An empty chart as every chart of the program starts: its title, its numbers in `locale`, its
// legend underneath.
QChart* CreeGraphiqueFrancais(const QString& titre, const QLocale& locale);

} // namespace amortix
