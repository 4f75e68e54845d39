#include "CalculValeurManquante.h"

#include "Arrondis.h"
#include "LectureNombres.h"
#include "SolveursValeurManquante.h"

namespace amortix {

RechercheValeurManquante CalculeValeurManquante(const std::array<std::string, 4>& champs, Frequence frequence,
                                                const ConventionsLocales& conventions) {
    RechercheValeurManquante resultat;
    resultat.champs = champs;

    int vides = 0;
    int indexVide = -1;
    for (int i = 0; i < 4; ++i) {
        if (EstVide(champs[i])) {
            ++vides;
            indexVide = i;
        }
    }
    if (vides == 0) {
        resultat.issue = IssueValeurManquante::AucuneZoneVide;
        return resultat;
    }
    if (vides > 1) {
        resultat.issue = IssueValeurManquante::PlusieursZonesVides;
        return resultat;
    }

    auto echec = [&resultat] {
        resultat.issue = IssueValeurManquante::Echec;
        return resultat;
    };

    // The numbers go on as read, unrounded; only the fields show them rounded.
    double montant = 0.0, taux = 0.0, mensualite = 0.0;
    std::int32_t duree = 0;
    const auto vide = static_cast<Grandeur>(indexVide);
    if (vide != Grandeur::Montant) {
        const auto valeur = LitDecimal(champs[0], conventions);
        if (!valeur)
            return echec();
        montant = *valeur;
        resultat.champs[0] = Fmt2(montant, conventions);
    }
    if (vide != Grandeur::Duree) {
        const auto valeur = LitEntier(champs[1], conventions);
        if (!valeur)
            return echec();
        duree = *valeur;
        resultat.champs[1] = std::to_string(duree);
    }
    if (vide != Grandeur::Taux) {
        const auto valeur = LitDecimal(champs[2], conventions);
        if (!valeur)
            return echec();
        taux = *valeur / 100.0;
        resultat.champs[2] = Fmt2(taux * 100.0, conventions);
    }
    if (vide != Grandeur::Mensualite) {
        const auto valeur = LitDecimal(champs[3], conventions);
        if (!valeur)
            return echec();
        mensualite = *valeur;
        resultat.champs[3] = Fmt2(mensualite, conventions);
    }

    ResultatSolveur solveur;
    switch (vide) {
    case Grandeur::Montant:
        solveur = Calcul_Montant(duree, taux, mensualite, frequence, conventions);
        break;
    case Grandeur::Duree:
        solveur = Calcul_Duree(montant, taux, mensualite, frequence, conventions);
        break;
    case Grandeur::Taux:
        solveur = Calcul_Taux(montant, duree, mensualite, frequence, conventions);
        break;
    case Grandeur::Mensualite:
        solveur = Calcul_Mensualite(montant, duree, taux, frequence, conventions);
        break;
    }
    if (!solveur.reussi)
        return echec();
    for (int i = 0; i < 4; ++i)
        if (solveur.champs[i])
            resultat.champs[i] = *solveur.champs[i];
    resultat.message = solveur.message;
    resultat.issue = IssueValeurManquante::Trouvee;
    return resultat;
}

} // namespace amortix
