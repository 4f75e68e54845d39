#include "RapportPdf.h"

#include <QDir>
#include <QLocale>
#include <QPageLayout>
#include <QPdfWriter>
#include <QSaveFile>

namespace amortix {
namespace {

constexpr double MargeMillimetres = 10.0;
// Device units in twips: the report's own unit.
constexpr int ResolutionPdf = 1440;

QPageSize FormatParDefaut() {
    return QPageSize(QLocale().measurementSystem() == QLocale::ImperialUSSystem ? QPageSize::Letter
                                                                                : QPageSize::A4);
}

ErreurImpression ErreurFichier(const QSaveFile& fichier, const QString& chemin) {
    return {static_cast<int>(fichier.error()),
            QStringLiteral("Le fichier « %1 » n'a pas pu être écrit : %2")
                .arg(QDir::toNativeSeparators(chemin), fichier.errorString())};
}

} // namespace

std::optional<ErreurImpression> EcritRapportPdf(QIODevice& destination, const RapportImprime& rapport) {
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

std::optional<ErreurImpression> EnregistreRapportPdf(const QString& chemin, const RapportImprime& rapport) {
    QSaveFile fichier(chemin);
    if (!fichier.open(QIODevice::WriteOnly))
        return ErreurFichier(fichier, chemin);
    if (auto erreur = EcritRapportPdf(fichier, rapport)) {
        fichier.cancelWriting();
        return erreur;
    }
    if (!fichier.commit())
        return ErreurFichier(fichier, chemin);
    return std::nullopt;
}

} // namespace amortix
