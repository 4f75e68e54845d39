#pragma once

#include "Erreur.h"
#include "PlanFinancement.h"

#include <QLocale>
#include <QString>
#include <optional>

class QIODevice;

namespace amortix {

// The financing plan as the window shows it, on A4 pages: its figures (the level, insurance
// excluded and included, the plan's total cost and TAEG), the costs of each loan and of the plan,
// the chart of each loan's share, then every period with each loan's amount and the total, its
// heading repeated on every page; amounts in `locale`. Into `destination`, open for writing. The
// chart is Qt Charts: this needs a QApplication, never a display.
std::optional<Erreur> EcritPlanPdf(QIODevice& destination, const PlanFinancement& plan,
                                   const QLocale& locale);

// The same into a file, written whole or not at all.
std::optional<Erreur> EnregistrePlanPdf(const QString& chemin, const PlanFinancement& plan,
                                        const QLocale& locale);

} // namespace amortix
