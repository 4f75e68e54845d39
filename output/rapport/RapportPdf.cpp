#include "RapportPdf.h"

#include "FichierUtilisateur.h"

#include <QLocale>
#include <QPageLayout>
#include <QPdfWriter>

namespace amortix {
namespace {

constexpr double MargeMillimetres = 10.0;
// Device units in twips: the report's own unit.
constexpr int ResolutionPdf = 1440;

QPageSize FormatParDefaut() {
    return QPageSize(QLocale().measurementSystem() == QLocale::ImperialUSSystem ? QPageSize::Letter
                                                                                : QPageSize::A4);
}

} // namespace

std::optional<Erreur> EcritRapportPdf(QIODevice& destination, const RapportImprime& rapport) {
    QPdfWriter pdf(&destination);
    pdf.setTitle(QStringLiteral("Tableau d'amortissement"));
    pdf.setCreator(QStringLiteral("Amortix"));
    pdf.setResolution(ResolutionPdf);
    pdf.setPageLayout(
        QPageLayout(FormatParDefaut(), QPageLayout::Portrait,
                    QMarginsF(MargeMillimetres, MargeMillimetres, MargeMillimetres, MargeMillimetres),
                    QPageLayout::Millimeter));
    return ImprimeRapport(pdf, rapport);
}

std::optional<Erreur> EnregistreRapportPdf(const QString& chemin, const RapportImprime& rapport) {
    return EcritFichierUtilisateur(
        chemin, [&rapport](QIODevice& destination) { return EcritRapportPdf(destination, rapport); });
}

} // namespace amortix
