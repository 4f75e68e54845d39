// The main window's loan documents: open, save, and the document named at start-up.
#include "ConventionsSysteme.h"
#include "DocumentEmprunt.h"
#include "RetourneCheminLong.h"
#include "frmEmprunt.h"

#include <QFileInfo>

namespace amortix {
namespace {

QString TitreDocument(const QString& chemin) {
    return QFileInfo(chemin).fileName() + QStringLiteral(" - Amortix");
}

QString Phrase(QString texte) {
    if (!texte.isEmpty())
        texte[0] = texte[0].toUpper();
    return texte;
}

} // namespace

void frmEmprunt::mnuEnregistrerSous_Click() {
    // The dialog asks before replacing a file and adds no extension to the name typed.
    const QString chemin = interactions_.fichierAEnregistrer(
        this, {QStringLiteral("Enregistrer sous"), fichierDialogue_, FiltreDocuments});
    if (chemin.isEmpty())
        return;
    fichierDialogue_ = chemin;
    if (const auto erreur = EnregistreDocument(chemin, SaisieAffichee())) {
        // Never silent: the user must not believe the loan was kept.
        interactions_.message(this, IconeMessage::Avertissement, TitreAmortix,
                              QStringLiteral("Le document « %1 » n'a pas pu être enregistré.\r\n%2")
                                  .arg(QFileInfo(chemin).fileName(), erreur->texte()));
        return;
    }
    setWindowTitle(TitreDocument(chemin));
}

void frmEmprunt::mnuOuvrir_Click() {
    const QString chemin =
        interactions_.fichierAOuvrir(this, {QStringLiteral("Ouvrir"), fichierDialogue_, FiltreDocuments});
    if (chemin.isEmpty())
        return;
    fichierDialogue_ = chemin;
    if (const auto raison = OuvrirFichier(chemin))
        SignaleDocumentIllisible(QFileInfo(chemin).fileName(), *raison);
}

std::optional<QString> frmEmprunt::OuvrirFichier(const QString& strNomCompletFichier) {
    // The whole document is checked before any field changes: a bad one changes nothing.
    const auto lecture = LitDocument(strNomCompletFichier, ConventionsDe(QLocale()));
    if (const auto* erreur = std::get_if<Erreur>(&lecture))
        return erreur->description;
    AfficheSaisie(std::get<SaisieEmprunt>(lecture));
    cmdCalculer_Click();
    setWindowTitle(TitreDocument(strNomCompletFichier));
    return std::nullopt;
}

void frmEmprunt::OuvreLigneDeCommande(const QString& ligneDeCommande) {
    const QString chemin = RetourneCheminLong(ligneDeCommande);
    const QString nom = QFileInfo(ligneDeCommande).fileName();
    if (chemin.isEmpty())
        return SignaleDocumentIllisible(
            nom.isEmpty() ? ligneDeCommande : nom,
            QStringLiteral("ce fichier est introuvable : %1").arg(ligneDeCommande));
    fichierDialogue_ = chemin;
    if (const auto raison = OuvrirFichier(chemin))
        SignaleDocumentIllisible(nom, *raison);
}

void frmEmprunt::SignaleDocumentIllisible(const QString& nom, const QString& raison) {
    interactions_.message(
        this, IconeMessage::Avertissement, TitreAmortix,
        QStringLiteral("Le document « %1 » n'a pas pu être ouvert.\r\n%2").arg(nom, Phrase(raison)));
}

} // namespace amortix
