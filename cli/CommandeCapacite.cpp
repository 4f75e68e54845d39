#include "CapaciteEmprunt.h"
#include "ChargementReglages.h"
#include "CommandesCli.h"
#include "CommandesSorties.h"
#include "ConventionsSysteme.h"
#include "RenduJson.h"
#include "RenduTexte.h"

namespace amortix {

std::optional<TableUsure> TableUsureDesArguments(const ArgumentsCli& a, const Module& reglages,
                                                 const QDate& aujourdhui, std::string& erreurs) {
    TableUsure table;
    if (a.tableUsure.isEmpty()) {
        Module module = reglages;
        if (const auto erreur = ChargeTauxUsure(module))
            erreurs += "amortix-cli : avertissement : " + VersUtf8(erreur->ligne()) + "\n";
        table = module.tauxUsure;
    } else {
        auto lue = LitFichierTauxUsure(a.tableUsure);
        if (const auto* erreur = std::get_if<Erreur>(&lue)) {
            erreurs += "amortix-cli : la table « " + VersUtf8(a.tableUsure) +
                       " » n'a pas pu être lue : " + VersUtf8(erreur->ligne()) + "\n";
            return std::nullopt;
        }
        table = std::get<TableUsure>(lue);
    }
    if (const auto avis = AvisTablePerimee(table, VersDateStd(aujourdhui)))
        erreurs += "amortix-cli : avertissement : " + *avis + "\n";
    return table;
}

int ExecuteCapacite(const ArgumentsCli& a, const QDate& aujourdhui, const Module& reglages,
                    std::string& sortie, std::string& erreurs) {
    const auto table = TableUsureDesArguments(a, reglages, aujourdhui, erreurs);
    if (!table)
        return StatutEchecCalcul;
    const ConventionsLocales conventions = ConventionsDe(a.locale);
    const SaisieCapacite saisie{.revenus = a.revenus,
                                .charges = a.charges,
                                .ratio = a.ratio,
                                .taux = a.saisie.taux,
                                .duree = a.saisie.duree,
                                .dureeEnAnnees = a.saisie.frequence == Frequence::Ans,
                                .assurance = a.saisie.modalites.tauxAssurance.empty()
                                                 ? a.saisie.assurance
                                                 : a.saisie.modalites.tauxAssurance,
                                .assuranceEnTaux = !a.saisie.modalites.tauxAssurance.empty(),
                                .fraisDossier = a.saisie.fraisDossier};
    const CapaciteOuMotif resultat =
        CalculeCapacite(saisie, VersDateStd(aujourdhui), reglages.blnTEGActuariel, *table, conventions);
    const auto* capacite = std::get_if<CapaciteEmprunt>(&resultat);
    if (a.format == FormatSortie::Json)
        sortie += RenduJsonCapacite(resultat, conventions);
    else if (capacite)
        sortie += RenduTexteCapacite(*capacite, conventions);
    if (capacite)
        return StatutReussi;
    if (a.format != FormatSortie::Json)
        erreurs += "amortix-cli : " + std::get<std::string>(resultat) + "\n";
    return StatutEchecCalcul;
}

} // namespace amortix
