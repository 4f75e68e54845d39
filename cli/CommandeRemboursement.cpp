#include "CommandesCli.h"
#include "CommandesSorties.h"
#include "ConventionsSysteme.h"
#include "LectureNombres.h"
#include "MessagesSaisie.h"
#include "RemboursementAnticipe.h"
#include "RenduJson.h"
#include "RenduTexte.h"
#include "SaisieRemboursement.h"

namespace amortix {
namespace {

// The repayment asked on the command line, its texts read in the locale as the window reads its
// fields.
DemandeRemboursement Demande(const ArgumentsCli& a, const ConventionsLocales& conventions) {
    SaisieRemboursement saisie;
    saisie.numeroEcheance = LitEntier(VersUtf8(a.apresEcheance), conventions).value_or(0);
    if (!a.toutRembourser)
        saisie.montant = VersUtf8(a.montantRembourse);
    saisie.choix = a.garde == QLatin1String("payment") ? ChoixRemboursement::ReduireDuree
                                                       : ChoixRemboursement::ReduireEcheance;
    if (a.indemnite == QLatin1String("immobilier"))
        saisie.regleIndemnite = RegleIndemnite::CreditImmobilier;
    else if (a.indemnite == QLatin1String("consommation"))
        saisie.regleIndemnite = RegleIndemnite::CreditConsommation;
    else if (a.indemnite != QLatin1String("aucune")) {
        saisie.regleIndemnite = RegleIndemnite::MontantSaisi;
        saisie.indemniteSaisie = VersUtf8(a.indemnite);
    }
    return LitSaisieRemboursement(saisie, conventions);
}

} // namespace

int ExecuteRemboursementAnticipe(const ArgumentsCli& a, const QDate& aujourdhui, std::string& sortie,
                                 std::string& erreurs) {
    const auto saisie = SaisieDesArguments(a, aujourdhui, erreurs);
    if (!saisie)
        return StatutEchecCalcul;
    const ConventionsLocales conventions = ConventionsDe(a.locale);
    const EmpruntCalcule calcul = CalculeEmprunt(*saisie, a.tegActuariel, conventions);
    const RemboursementOuMotif resultat =
        CalculeRemboursementAnticipe(calcul, Demande(a, conventions), conventions);
    const auto* motif = std::get_if<std::string>(&resultat);
    if (a.format == FormatSortie::Json)
        sortie += RenduJsonRemboursement(resultat);
    else if (motif)
        erreurs += *motif + "\n";
    else
        sortie += RenduTexteRemboursement(std::get<RemboursementAnticipe>(resultat));
    return motif ? StatutEchecCalcul : StatutReussi;
}

} // namespace amortix
