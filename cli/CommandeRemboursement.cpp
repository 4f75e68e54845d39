#include "CommandesCli.h"
#include "CommandesSorties.h"
#include "ConventionsSysteme.h"
#include "LectureNombres.h"
#include "MessagesSaisie.h"
#include "RemboursementAnticipe.h"
#include "RenduJson.h"
#include "RenduTexte.h"

namespace amortix {
namespace {

// The repayment asked on the command line, its texts read in the locale as the window reads its
// fields; a text that is no number becomes a value the engine refuses with its own message.
DemandeRemboursement Demande(const ArgumentsCli& a, const ConventionsLocales& conventions) {
    DemandeRemboursement demande;
    demande.numeroEcheance = LitEntier(VersUtf8(a.apresEcheance), conventions).value_or(0);
    if (!a.toutRembourser)
        demande.montant = LitDecimal(VersUtf8(a.montantRembourse), conventions).value_or(0.0);
    demande.choix = a.garde == QLatin1String("payment") ? ChoixRemboursement::ReduireDuree
                                                        : ChoixRemboursement::ReduireEcheance;
    if (a.indemnite == QLatin1String("immobilier"))
        demande.indemnite.regle = RegleIndemnite::CreditImmobilier;
    else if (a.indemnite == QLatin1String("consommation"))
        demande.indemnite.regle = RegleIndemnite::CreditConsommation;
    else if (a.indemnite != QLatin1String("aucune")) {
        demande.indemnite.regle = RegleIndemnite::MontantSaisi;
        demande.indemnite.montantSaisi = LitDecimal(VersUtf8(a.indemnite), conventions).value_or(-1.0);
    }
    return demande;
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
