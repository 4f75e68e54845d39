// The main window's printed report: print, print preview, PDF.
#include "frmEmprunt.h"

#include "ConventionsSysteme.h"
#include "CurseurAttente.h"
#include "RapportImprime.h"
#include "RapportPdf.h"
#include "Twips.h"

#include <QDir>
#include <QLabel>
#include <QPrinter>
#include <QStandardPaths>

#include <optional>

namespace amortix {
namespace {

const QString CauseEchecImpression =
    QStringLiteral("Vous n'avez probablement aucune imprimante installée sur votre ordinateur.");
const QString CauseEchecPdf =
    QStringLiteral("Vérifiez que le dossier choisi existe et que vous pouvez y écrire.");

QString TexteEchec(const Erreur& erreur, const QString& cause) {
    return QStringLiteral("Erreur ") + QString::number(erreur.numero) + QStringLiteral("\r\n") +
           erreur.description + QStringLiteral("\r\n\r\n") + cause;
}

// The report of what the window shows, with the print header, the TEG option and the logo.
RapportImprime RapportAffiche(const frmEmprunt& fenetre, const Module& module) {
    RapportImprime rapport;
    rapport.contenu = fenetre.ContenuAffiche();
    rapport.strEnteteImpression = module.strEnteteImpression;
    rapport.blnTEGDansExcel = module.blnTEGDansExcel;
    rapport.logo = fenetre.picLogo->pixmap();
    rapport.largeurLogo = Twips(fenetre.picLogo->width());
    return rapport;
}

QString PdfPropose() {
    return QDir(QStandardPaths::writableLocation(QStandardPaths::DocumentsLocation))
        .filePath(QStringLiteral("Tableau d'amortissement.pdf"));
}

} // namespace

void frmEmprunt::cmdImprimer_Click() {
    std::optional<CurseurAttente> attente(std::in_place);
    const RapportImprime rapport = RapportAffiche(*this, module_);
    std::optional<Erreur> erreur = ErreurAucuneImprimante();
    if (const std::unique_ptr<QPrinter> imprimante = interactions_.imprimanteParDefaut())
        erreur = ImprimeRapport(*imprimante, rapport);
    attente.reset();
    if (erreur)
        interactions_.message(this, IconeMessage::Critique, TitreAmortix,
                              TexteEchec(*erreur, CauseEchecImpression));
}

void frmEmprunt::mnuApercuAvantImpression_Click() {
    const RapportImprime rapport = RapportAffiche(*this, module_);
    // Only the last drawing counts: the preview redraws, and printing from there draws once more.
    std::optional<Erreur> erreur;
    interactions_.apercuAvantImpression(this, [&rapport, &erreur](QPrinter& imprimante) {
        const CurseurAttente attente;
        erreur = ImprimeRapport(imprimante, rapport);
    });
    if (erreur)
        interactions_.message(this, IconeMessage::Critique, TitreAmortix,
                              TexteEchec(*erreur, CauseEchecImpression));
}

void frmEmprunt::mnuExporterPdf_Click() {
    const QString chemin = interactions_.fichierAEnregistrer(
        this, {QStringLiteral("Exporter en PDF"), PdfPropose(), QStringLiteral("Document PDF (*.pdf)")});
    if (chemin.isEmpty())
        return;
    std::optional<CurseurAttente> attente(std::in_place);
    const auto erreur = EnregistreRapportPdf(chemin, RapportAffiche(*this, module_));
    attente.reset();
    if (erreur)
        interactions_.message(this, IconeMessage::Critique, TitreAmortix,
                              TexteEchec(*erreur, CauseEchecPdf));
}

} // namespace amortix
