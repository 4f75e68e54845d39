// The main window's spreadsheet export.
#include "ClasseurEcheancier.h"
#include "ConventionsSysteme.h"
#include "CurseurAttente.h"
#include "DossiersClasseur.h"
#include "ErreursSysteme.h"
#include "frmEmprunt.h"

#include <QDateTime>
#include <QDir>
#include <QStandardPaths>
#include <QTemporaryDir>
#include <optional>

namespace amortix {
namespace {

// The closing sentence of every failure of the export to the spreadsheet application.
const QString CauseExportExcel =
    QStringLiteral("Excel n'est probablement pas installé sur votre ordinateur.");
const QString CauseClasseurNonEnregistre = QStringLiteral("Le classeur n'a pas été enregistré.");

// No spreadsheet application to hand the workbook to: the automation error "cannot create the
// object", which is what users of spreadsheet exports know it by.
constexpr int ErreurAucunTableur = 429;

QString TitreEchec(const EchecClasseur& echec) {
    return TitreAmortix + QStringLiteral(" - Code pour débogage : ") + echec.etape;
}

EchecClasseur Echec(const char* etape, int numero, const QString& description) {
    return {QLatin1String(etape), {numero, description}};
}

QString Natif(const QString& chemin) {
    return QDir::toNativeSeparators(chemin);
}

} // namespace

void frmEmprunt::cmdExportExcel_Click() {
    std::optional<CurseurAttente> attente(std::in_place);
    const auto echoue = [&](const EchecClasseur& echec) {
        attente.reset();
        interactions_.message(this, IconeMessage::Critique, TitreEchec(echec),
                              echec.erreur.texte(CauseExportExcel));
    };

    SupprimeAnciensDossiersClasseur(QDir::tempPath(), QDateTime::currentDateTime().addDays(-1));
    // A folder of its own, so that each export is a new file that nothing else writes over.
    QTemporaryDir dossier(QDir(QDir::tempPath()).filePath(ModeleDossierClasseur));
    if (!dossier.isValid())
        return echoue(Echec("1", ErreurAccesFichier,
                            QStringLiteral("Impossible de créer un dossier temporaire dans « %1 » : %2")
                                .arg(Natif(QDir::tempPath()), EnFrancais(dossier.errorString()))));
    const QString chemin = dossier.filePath(NomClasseurTemporaire);
    if (const auto echec = EnregistreClasseur(ContenuAffiche(), module_.strEnteteExcel,
                                              module_.blnTEGDansExcel, ConventionsDe(QLocale()), chemin))
        return echoue(*echec);

    // The spreadsheet application reads the file once this command is over: the folder stays, until
    // an export a day later clears it.
    dossier.setAutoRemove(false);
    // LibreOffice takes it as a template, so that the user gets a new, untitled workbook to keep or not;
    // any other spreadsheet application opens the file itself.
    const QString soffice = interactions_.programmeDansChemin(QStringLiteral("soffice"));
    const bool ouvert =
        (!soffice.isEmpty() &&
         interactions_.lanceProgramme(soffice, {QStringLiteral("--calc"), QStringLiteral("-n"), chemin})) ||
        interactions_.ouvrirDocument(QUrl::fromLocalFile(chemin));
    if (!ouvert)
        echoue(
            Echec("16", ErreurAucunTableur,
                  QStringLiteral("Aucun tableur n'a pu ouvrir le classeur ; il a été enregistré dans « %1 ».")
                      .arg(Natif(chemin))));
}

void frmEmprunt::mnuExporterClasseur_Click() {
    const QString dossierDocuments = QStandardPaths::writableLocation(QStandardPaths::DocumentsLocation);
    const QString chemin = interactions_.fichierAEnregistrer(
        this, {QStringLiteral("Exporter vers un classeur"),
               QDir(dossierDocuments).filePath(QStringLiteral("Tableau d'amortissement.xlsx")),
               QStringLiteral("Classeur Excel (*.xlsx)")});
    if (chemin.isEmpty())
        return;

    std::optional<CurseurAttente> attente(std::in_place);
    const auto echec = EnregistreClasseur(ContenuAffiche(), module_.strEnteteExcel, module_.blnTEGDansExcel,
                                          ConventionsDe(QLocale()), chemin);
    attente.reset();
    if (echec)
        interactions_.message(this, IconeMessage::Critique, TitreEchec(*echec),
                              echec->erreur.texte(CauseClasseurNonEnregistre));
}

} // namespace amortix
