#include "RapportPdf.h"

#include "FichierUtilisateur.h"

#include <QLocale>
#include <QPdfWriter>
#include <QPrinter>
#include <QPrinterInfo>

namespace amortix {
namespace {

constexpr double MargeMillimetres = 10.0;
// Device units in twips: the report's own unit.
constexpr int ResolutionPdf = 1440;

} // namespace

std::optional<QPageLayout> MiseEnPageImprimanteParDefaut() {
    const QPrinterInfo imprimante = QPrinterInfo::defaultPrinter();
    if (imprimante.isNull())
        return std::nullopt;
    const QPrinter printer(imprimante, QPrinter::HighResolution);
    return printer.pageLayout();
}

QPageLayout MiseEnPagePdf(const std::optional<QPageLayout>& imprimanteParDefaut) {
    if (imprimanteParDefaut && imprimanteParDefaut->isValid())
        return *imprimanteParDefaut;
    const QPageSize format(QLocale().measurementSystem() == QLocale::ImperialUSSystem ? QPageSize::Letter
                                                                                      : QPageSize::A4);
    return QPageLayout(format, QPageLayout::Portrait,
                       QMarginsF(MargeMillimetres, MargeMillimetres, MargeMillimetres, MargeMillimetres),
                       QPageLayout::Millimeter);
}

std::optional<Erreur> EcritRapportPdf(QIODevice& destination, const RapportImprime& rapport,
                                      const QPageLayout& miseEnPage) {
    QPdfWriter pdf(&destination);
    pdf.setTitle(QStringLiteral("Tableau d'amortissement"));
    pdf.setCreator(QStringLiteral("Amortix"));
    pdf.setResolution(ResolutionPdf);
    pdf.setPageLayout(miseEnPage);
    return ImprimeRapport(pdf, rapport);
}

std::optional<Erreur> EnregistreRapportPdf(const QString& chemin, const RapportImprime& rapport) {
    const QPageLayout miseEnPage = MiseEnPagePdf(MiseEnPageImprimanteParDefaut());
    return EcritFichierUtilisateur(
        chemin, [&](QIODevice& destination) { return EcritRapportPdf(destination, rapport, miseEnPage); });
}

} // namespace amortix
