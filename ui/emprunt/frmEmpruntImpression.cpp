// The main window's printed report: print, print preview, PDF.
#include "ConventionsSysteme.h"
#include "CurseurAttente.h"
#include "DestinationPdf.h"
#include "RapportImprime.h"
#include "RapportPdf.h"
#include "frmEmprunt.h"

#include <QLabel>
#include <QPrinter>
#include <optional>

namespace amortix {
namespace {

const QString CauseEchecImpression =
    QStringLiteral("Vous n'avez probablement aucune imprimante installée sur votre ordinateur.");

} // namespace

// The report of what the window shows, with the print header, the TEG option and picLogo's logo.
RapportImprime frmEmprunt::RapportAffiche() const {
    return ComposeRapport(ContenuAffiche(), module_.strEnteteImpression, module_.blnTEGDansExcel,
                          picLogo->pixmap());
}

void frmEmprunt::cmdImprimer_Click() {
    std::optional<CurseurAttente> attente(std::in_place);
    const RapportImprime rapport = RapportAffiche();
    std::optional<Erreur> erreur = ErreurAucuneImprimante();
    if (const std::unique_ptr<QPrinter> imprimante = interactions_.imprimanteParDefaut())
        erreur = ImprimeRapport(*imprimante, rapport);
    attente.reset();
    if (erreur)
        interactions_.message(this, IconeMessage::Critique, TitreAmortix,
                              erreur->texte(CauseEchecImpression));
}

void frmEmprunt::mnuApercuAvantImpression_Click() {
    const RapportImprime rapport = RapportAffiche();
    // Only the last drawing counts: the preview redraws, and printing from there draws once more.
    std::optional<Erreur> erreur;
    interactions_.apercuAvantImpression(this, [&rapport, &erreur](QPrinter& imprimante) {
        const CurseurAttente attente;
        erreur = ImprimeRapport(imprimante, rapport);
    });
    if (erreur)
        interactions_.message(this, IconeMessage::Critique, TitreAmortix,
                              erreur->texte(CauseEchecImpression));
}

void frmEmprunt::mnuExporterPdf_Click() {
    const QString chemin = interactions_.fichierAEnregistrer(
        this, {QStringLiteral("Exporter en PDF"), PdfPropose(QStringLiteral("Tableau d'amortissement.pdf")),
               FiltrePdf});
    if (chemin.isEmpty())
        return;
    std::optional<CurseurAttente> attente(std::in_place);
    const auto erreur = EnregistreRapportPdf(chemin, RapportAffiche());
    attente.reset();
    if (erreur)
        interactions_.message(this, IconeMessage::Critique, TitreAmortix, erreur->texte(CauseEchecPdf));
}

} // namespace amortix
