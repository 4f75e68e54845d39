#include "SolveursValeurManquante.h"

#include "Annuite.h"
#include "Arrondis.h"
#include "Frequence.h"

#include <cmath>
#include <functional>
#include <limits>

namespace amortix {
namespace {

double Arrondi4(double x) {
    return ArrondiAffiche(x, 4);
}

// The payment at (r, n) to the cent, as its field would show it.
std::optional<double> PaiementCentime(double montant, double taux, std::int32_t n, int k) {
    const auto paiement = PaiementSolveur(montant, taux, k, n);
    if (!paiement)
        return std::nullopt;
    return ArrondiAffiche(*paiement, 2);
}

std::string MessageReajustement(double ancien, double nouveau, const ConventionsLocales& c) {
    return "\r\nLa mensualité a donc été réajustée pour en tenir compte passant ainsi de " + Fmt2(ancien, c) +
           " à " + Fmt2(nouveau, c) + ".";
}

// The first n of [debut, fin] for which `arret` holds, provided it holds from some n on; nothing
// when it does not hold at `fin`. Galloping from `debut` keeps the cost logarithmic in the distance
// to the answer.
std::optional<std::int64_t> PremierArret(std::int64_t debut, std::int64_t fin,
                                         const std::function<bool(std::int64_t)>& arret) {
    if (debut > fin)
        return std::nullopt;
    if (arret(debut))
        return debut;
    std::int64_t faux = debut;
    std::int64_t pas = 1;
    std::int64_t vrai = 0;
    for (;;) {
        const std::int64_t essai = faux + std::min(pas, fin - faux);
        if (arret(essai)) {
            vrai = essai;
            break;
        }
        if (essai == fin)
            return std::nullopt;
        faux = essai;
        pas *= 2;
    }
    while (vrai - faux > 1) {
        const std::int64_t milieu = faux + (vrai - faux) / 2;
        (arret(milieu) ? vrai : faux) = milieu;
    }
    return vrai;
}

} // namespace

ResultatSolveur Calcul_Mensualite(double dblMontant, std::int32_t lngNbMois, double dblTaux,
                                  Frequence frequence, const ConventionsLocales& conventions) {
    ResultatSolveur resultat;
    const auto paiement = PaiementSolveur(dblMontant, dblTaux, PeriodesParAn(frequence), lngNbMois);
    if (!paiement)
        return resultat;
    resultat.champ(Grandeur::Mensualite) = Fmt2(*paiement, conventions);
    resultat.reussi = true;
    return resultat;
}

ResultatSolveur Calcul_Montant(std::int32_t lngNbMois, double dblTaux, double dblMensualite,
                               Frequence frequence, const ConventionsLocales& conventions) {
    ResultatSolveur resultat;
    if (dblTaux == 0.0) {
        // Without interest the payments only share the amount out.
        const double montant = dblMensualite * static_cast<double>(lngNbMois);
        if (!EstFini(montant))
            return resultat;
        resultat.champ(Grandeur::Montant) = Fmt2(montant, conventions);
        resultat.reussi = true;
        return resultat;
    }
    const int k = PeriodesParAn(frequence);
    const double i = dblTaux / k;
    const double q = std::pow(1.0 + i, static_cast<double>(lngNbMois));
    const double diviseur = q * i;
    if (!EstFini(i) || !EstFini(q) || diviseur == 0.0 || !EstFini(diviseur))
        return resultat;
    const double montant = dblMensualite * (q - 1.0) / diviseur;
    if (!EstFini(montant))
        return resultat;
    resultat.champ(Grandeur::Montant) = Fmt2(montant, conventions);
    resultat.reussi = true;
    return resultat;
}

ResultatSolveur Calcul_Taux(double dblMontant, std::int32_t lngNbMois, double dblMensualite,
                            Frequence frequence, const ConventionsLocales& conventions) {
    ResultatSolveur resultat;
    const int k = PeriodesParAn(frequence);
    double taux = 0.5;
    double bas = 0.0;
    double haut = 1.0;
    double paiement = 0.0;
    // The bounds meet within 14 rounds; the guard only makes sure that the loop ends.
    constexpr int toursMaximum = 64;
    do {
        const auto centime = PaiementCentime(dblMontant, taux, lngNbMois, k);
        if (!centime || ++resultat.tours > toursMaximum)
            return resultat;
        paiement = *centime;
        if (paiement > dblMensualite) {
            haut = taux;
            taux = Arrondi4((taux + bas) / 2.0);
        } else if (paiement < dblMensualite) {
            bas = taux;
            taux = Arrondi4((taux + haut) / 2.0);
        }
    } while (paiement != dblMensualite && Arrondi4(haut - bas) != 0.0001);

    if (paiement == dblMensualite) {
        resultat.champ(Grandeur::Taux) = Fmt2(taux * 100.0, conventions);
        resultat.reussi = true;
        return resultat;
    }

    const auto paiementBas = PaiementCentime(dblMontant, bas, lngNbMois, k);
    const auto paiementHaut = PaiementCentime(dblMontant, haut, lngNbMois, k);
    if (!paiementBas || !paiementHaut)
        return resultat;
    // The search never tries 0 itself: an interest-free payment is found here, exactly. A payment
    // below the amount shared out would need a negative rate.
    if (bas == 0.0 && *paiementBas == dblMensualite) {
        resultat.champ(Grandeur::Taux) = Fmt2(0.0, conventions);
        resultat.reussi = true;
        return resultat;
    }
    if (bas == 0.0 && *paiementBas > dblMensualite)
        return resultat;
    // Signed differences: on a tie, and whenever the lower bound overshoots, the higher rate wins.
    const double ecartBas = Arrondi4(dblMensualite - *paiementBas);
    const double ecartHaut = Arrondi4(*paiementHaut - dblMensualite);
    taux = ecartBas < ecartHaut ? bas : haut;
    const auto ajuste = PaiementCentime(dblMontant, taux, lngNbMois, k);
    if (!ajuste)
        return resultat;
    resultat.champ(Grandeur::Mensualite) = Fmt2(*ajuste, conventions);
    resultat.champ(Grandeur::Taux) = Fmt2(taux * 100.0, conventions);
    resultat.message = "Le taux le plus proche de la réalité est de : " + Fmt2(taux * 100.0, conventions) +
                       "%" + MessageReajustement(dblMensualite, *ajuste, conventions);
    resultat.reussi = true;
    return resultat;
}

ResultatSolveur Calcul_Duree(double dblMontant, double dblTaux, double dblMensualite, Frequence frequence,
                             const ConventionsLocales& conventions) {
    ResultatSolveur resultat;
    const int k = PeriodesParAn(frequence);
    const double quotient = dblMontant / dblMensualite;
    if (!EstFini(quotient))
        return resultat;
    const double depart = std::trunc(quotient) - 1.0;
    constexpr double plusPetit = std::numeric_limits<std::int32_t>::min();
    constexpr double plusGrand = std::numeric_limits<std::int32_t>::max();
    if (depart < plusPetit || depart > plusGrand)
        return resultat;
    // A negative periodic factor makes the payments alternate in sign: no duration fits such a rate.
    if (!(1.0 + dblTaux / k > 0.0))
        return resultat;

    // Durations are tried upwards from depart + 1 until the payment at n is no longer above the
    // entered one, or until the arithmetic fails (zero periods, an overflowing power). Both are
    // monotonic in n on each side of zero, so the first stop is found by bisection rather than by a
    // scan that could last billions of periods when the payment never covers the interest.
    auto arret = [&](std::int64_t n) {
        const auto centime = PaiementCentime(dblMontant, dblTaux, static_cast<std::int32_t>(n), k);
        return !centime || !(dblMensualite < *centime);
    };
    const std::int64_t premier = static_cast<std::int64_t>(depart) + 1;
    std::optional<std::int64_t> n = PremierArret(premier, -1, arret);
    if (!n && premier <= 0)
        return resultat; // zero periods: a division by zero
    if (!n)
        n = PremierArret(std::max<std::int64_t>(premier, 1), std::numeric_limits<std::int32_t>::max(), arret);
    if (!n)
        return resultat; // the period counter would overflow

    const auto duree = static_cast<std::int32_t>(*n);
    const auto paiementN = PaiementCentime(dblMontant, dblTaux, duree, k);
    if (!paiementN)
        return resultat;
    if (*paiementN == dblMensualite) {
        resultat.champ(Grandeur::Duree) = std::to_string(duree);
        resultat.reussi = true;
        return resultat;
    }
    if (duree == std::numeric_limits<std::int32_t>::min())
        return resultat;
    const auto paiementN1 = PaiementCentime(dblMontant, dblTaux, duree - 1, k);
    if (!paiementN1)
        return resultat;
    const double ecartN = Arrondi4(dblMensualite - *paiementN);
    const double ecartN1 = Arrondi4(*paiementN1 - dblMensualite);
    const std::int32_t choisie = ecartN < ecartN1 ? duree : duree - 1;
    const auto ajuste = PaiementCentime(dblMontant, dblTaux, choisie, k);
    if (!ajuste)
        return resultat;
    resultat.champ(Grandeur::Mensualite) = Fmt2(*ajuste, conventions);
    resultat.champ(Grandeur::Duree) = std::to_string(choisie);
    const std::string_view libelle = LibelleEcheance(frequence);
    resultat.message = "La durée la plus proche de la réalité est de : " + std::to_string(choisie) + " " +
                       std::string(libelle) + "." + MessageReajustement(dblMensualite, *ajuste, conventions);
    resultat.reussi = true;
    return resultat;
}

} // namespace amortix
