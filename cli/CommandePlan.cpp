#include "ClasseurPlan.h"
#include "CommandesCli.h"
#include "CommandesSorties.h"
#include "ConventionsSysteme.h"
#include "DocumentEmprunt.h"
#include "OffresAComparer.h"
#include "PlanFinancement.h"
#include "PlanPdf.h"
#include "RenduJson.h"
#include "RenduTexte.h"

#include <QApplication>
#include <QFileInfo>

namespace amortix {

int ExecutePlan(const ArgumentsCli& a, const Module& reglages, std::string& sortie, std::string& erreurs) {
    const ConventionsLocales conventions = ConventionsDe(a.locale);
    std::vector<PretDuPlan> prets;
    PlanOuMotif resultat;
    for (const QString& document : QStringList{a.lissage} + a.documents) {
        auto lecture = LitDocument(document, conventions);
        const std::string nom = VersUtf8(QFileInfo(document).fileName());
        if (const auto* erreur = std::get_if<Erreur>(&lecture)) {
            // As the comparison says it of a document it cannot read.
            resultat = "« " + nom + " » : " + MotifDocumentIllisible(*erreur);
            break;
        }
        prets.push_back({nom, std::get<SaisieEmprunt>(std::move(lecture))});
    }
    if (prets.size() == 1 + static_cast<std::size_t>(a.documents.size()))
        resultat = CalculePlan(prets, 0, reglages.blnTEGActuariel, conventions);
    const auto* plan = std::get_if<PlanFinancement>(&resultat);
    // --xlsx or --pdf: the workbook or the pages instead of the figures, written only for a plan
    // that could be made.
    if (!a.fichierSortie.isEmpty()) {
        if (!plan) {
            erreurs += "amortix-cli : " + std::get<std::string>(resultat) + "\n";
            return StatutEchecCalcul;
        }
        if (a.sortiePdf) {
            if (!qobject_cast<QApplication*>(QCoreApplication::instance())) {
                erreurs += "amortix-cli : plan --pdf demande une application graphique\n";
                return StatutUsage;
            }
            const auto erreur = EnregistrePlanPdf(a.fichierSortie, *plan, a.locale);
            if (!erreur)
                return StatutReussi;
            erreurs += "amortix-cli : " + VersUtf8(erreur->ligne()) + "\n";
            return StatutEchecCalcul;
        }
        const auto echec =
            EnregistreClasseurPlan(*plan, reglages.strEnteteExcel, conventions, a.fichierSortie);
        if (!echec)
            return StatutReussi;
        erreurs += LigneEchecClasseur(*echec);
        return StatutEchecCalcul;
    }
    if (a.format == FormatSortie::Json)
        sortie += RenduJsonPlan(resultat, conventions);
    else if (plan)
        sortie += RenduTextePlan(*plan, conventions);
    if (plan)
        return StatutReussi;
    if (a.format != FormatSortie::Json)
        erreurs += "amortix-cli : " + std::get<std::string>(resultat) + "\n";
    return StatutEchecCalcul;
}

} // namespace amortix
