#include "CommandesCli.h"

#include "ArgumentsCli.h"
#include "CalculEmprunt.h"
#include "CalculValeurManquante.h"
#include "ChargementReglages.h"
#include "CommandesSorties.h"
#include "ConventionsSysteme.h"
#include "Dates.h"
#include "DocumentEmprunt.h"
#include "DossierReglages.h"
#include "MessagesSaisie.h"
#include "RenduCsv.h"
#include "RenduJson.h"
#include "RenduTexte.h"

namespace amortix {
namespace {

int Echeancier(const ArgumentsCli& a, const QDate& aujourdhui, std::string& sortie, std::string& erreurs) {
    const auto saisie = SaisieDesArguments(a, aujourdhui, erreurs);
    if (!saisie)
        return StatutEchecCalcul;
    const ConventionsLocales conventions = ConventionsDe(a.locale);
    const EmpruntCalcule calcul = CalculeEmprunt(*saisie, a.tegActuariel, conventions);
    const std::string date = FormateDateCourte(saisie->premiereEcheance, conventions);
    switch (a.format) {
    case FormatSortie::Json:
        sortie += RenduJsonEcheancier(calcul, date, conventions);
        break;
    case FormatSortie::Csv:
        sortie += RenduCsv(calcul.tableau.lignes, conventions);
        break;
    case FormatSortie::Texte:
        sortie += RenduTexteEcheancier(calcul, date);
        break;
    }
    if (calcul.reussi())
        return StatutReussi;
    if (a.format != FormatSortie::Json)
        erreurs += MotifEchec(calcul) + "\n";
    return StatutEchecCalcul;
}

// export and print: the computation must reach the end of its schedule, as the window enables
// these outputs only then.
int Sortie(const ArgumentsCli& a, const QDate& aujourdhui, const Module& reglages, std::string& sortie,
           std::string& erreurs) {
    const auto saisie = SaisieDesArguments(a, aujourdhui, erreurs);
    if (!saisie)
        return StatutEchecCalcul;
    const EmpruntCalcule calcul = CalculeEmprunt(*saisie, a.tegActuariel, ConventionsDe(a.locale));
    if (!calcul.tableauComplet()) {
        erreurs += MotifEchec(calcul) + "\n";
        return StatutEchecCalcul;
    }
    Module module = reglages;
    module.blnTEGDansExcel = module.blnTEGDansExcel || a.tegDansSorties;
    module.blnTEGActuariel = a.tegActuariel;
    return a.commande == CommandeCli::ExportClasseur
               ? ExecuteExportClasseur(a, calcul, module, sortie, erreurs)
               : ExecuteImpressionPdf(a, calcul, module, sortie, erreurs);
}

int Resolution(const ArgumentsCli& a, std::string& sortie, std::string& erreurs) {
    const ConventionsLocales conventions = ConventionsDe(a.locale);
    const auto resultat = CalculeValeurManquante(
        {a.saisie.montant, a.saisie.duree, a.saisie.taux, a.mensualite}, a.saisie.frequence, conventions);
    const bool trouvee = resultat.issue == IssueValeurManquante::Trouvee;
    if (a.format == FormatSortie::Json) {
        sortie += RenduJsonValeurManquante(resultat);
    } else {
        sortie += RenduTexteValeurManquante(resultat, a.saisie.frequence);
        if (const auto message = MessageValeurManquante(resultat); !trouvee && message)
            erreurs += *message + "\n";
    }
    return trouvee ? StatutReussi : StatutEchecCalcul;
}

} // namespace

std::optional<SaisieEmprunt> SaisieDesArguments(const ArgumentsCli& a, const QDate& aujourdhui,
                                                std::string& erreurs) {
    if (a.document.isEmpty()) {
        SaisieEmprunt saisie = a.saisie;
        if (!a.premiereEcheanceDonnee)
            saisie.premiereEcheance = VersDateStd(aujourdhui);
        return saisie;
    }
    auto lecture = LitDocument(a.document, ConventionsDe(a.locale));
    if (const auto* erreur = std::get_if<Erreur>(&lecture)) {
        erreurs += "amortix-cli : le document « " + VersUtf8(a.document) +
                   " » n'a pas pu être ouvert : " + VersUtf8(erreur->description) + "\n";
        return std::nullopt;
    }
    return std::get<SaisieEmprunt>(std::move(lecture));
}

Module ReglagesEnregistres(std::string& erreurs) {
    Module module;
    module.dossierReglages = DossierReglages();
    // The warnings the window would show, so that a broken settings file is never ignored silently.
    for (const auto& erreur : {ChargeOptions(module, false), ChargeEntetes(module)})
        if (erreur)
            erreurs += "amortix-cli : avertissement : " + VersUtf8(erreur->ligne()) + "\n";
    return module;
}

int ExecuteCli(const QStringList& arguments, const QLocale& localeParDefaut, const QDate& aujourdhui,
               const Module& reglages, std::string& sortie, std::string& erreurs) {
    const AnalyseArguments analyse = AnalyseArgumentsCli(arguments, localeParDefaut);
    if (!analyse.arguments) {
        erreurs += "amortix-cli : " + VersUtf8(analyse.erreur) + "\n\n" + VersUtf8(TexteUsage());
        return StatutUsage;
    }
    const ArgumentsCli& a = *analyse.arguments;
    switch (a.commande) {
    case CommandeCli::Aide:
        sortie += VersUtf8(TexteUsage());
        return StatutReussi;
    case CommandeCli::Echeancier:
        return Echeancier(a, aujourdhui, sortie, erreurs);
    case CommandeCli::ValeurManquante:
        return Resolution(a, sortie, erreurs);
    case CommandeCli::ExportClasseur:
    case CommandeCli::ImpressionPdf:
        return Sortie(a, aujourdhui, reglages, sortie, erreurs);
    case CommandeCli::Comparaison:
        return ExecuteComparaison(a, aujourdhui, reglages, sortie, erreurs);
    case CommandeCli::Capacite:
        return ExecuteCapacite(a, aujourdhui, reglages, sortie, erreurs);
    case CommandeCli::Plan:
        return ExecutePlan(a, reglages, sortie, erreurs);
    case CommandeCli::RemboursementAnticipe:
        return ExecuteRemboursementAnticipe(a, aujourdhui, sortie, erreurs);
    }
    return StatutUsage;
}

} // namespace amortix
