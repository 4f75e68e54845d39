#include "CalculEmprunt.h"
#include "ConventionsSysteme.h"
#include "InteractionsScriptees.h"
#include "frmRemboursementAnticipe.h"

#include <QAbstractItemModel>
#include <QApplication>
#include <QLineEdit>
#include <QPushButton>
#include <QRadioButton>
#include <QSpinBox>
#include <QTreeView>
#include <benchmark/benchmark.h>

using namespace amortix;

// A 30-year monthly loan repaid in part with payment 60, the instalment lowered: the 300 new rows
// computed, listed with fitted columns, the summary and the chart of 660 points redrawn.
static void BM_Remboursement360Lignes(benchmark::State& state) {
    InteractionsScriptees interactions;
    frmRemboursementAnticipe fenetre(CalculeEmprunt({"200000", "360", "3,5", "30", "800", Frequence::Mois,
                                                     std::chrono::year{2020} / std::chrono::January / 31},
                                                    false, ConventionsDe(QLocale())),
                                     interactions);
    fenetre.show();
    fenetre.findChild<QSpinBox*>(QStringLiteral("spnNumeroEcheance"))->setValue(60);
    fenetre.findChild<QLineEdit*>(QStringLiteral("txtMontantRembourse"))->setText(QStringLiteral("30000"));
    fenetre.findChild<QRadioButton*>(QStringLiteral("optReduireEcheance"))->setChecked(true);
    fenetre.findChild<QRadioButton*>(QStringLiteral("optCreditImmobilier"))->setChecked(true);
    auto* calculer = fenetre.findChild<QPushButton*>(QStringLiteral("cmdCalculer"));
    for (auto _ : state) {
        calculer->click();
        fenetre.repaint();
        QApplication::processEvents();
    }
    if (fenetre.findChild<QTreeView*>(QStringLiteral("lvwListe"))->model()->rowCount() != 300 ||
        !interactions.messages.empty())
        state.SkipWithError("le remboursement n'a pas été calculé");
}
BENCHMARK(BM_Remboursement360Lignes)->Unit(benchmark::kMillisecond);
