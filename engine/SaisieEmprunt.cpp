#include "SaisieEmprunt.h"

#include "Arrondis.h"
#include "LectureNombres.h"

namespace amortix {

std::optional<SaisieLue> LitSaisie(const SaisieEmprunt& saisie, const ConventionsLocales& conventions) {
    const std::string assurance = EstVide(saisie.assurance) ? "0" : saisie.assurance;
    const std::string frais = EstVide(saisie.fraisDossier) ? "0" : saisie.fraisDossier;

    const auto duree = LitEntier(saisie.duree, conventions);
    if (!duree)
        return std::nullopt;
    const auto montant = LitDecimal(saisie.montant, conventions);
    if (!montant)
        return std::nullopt;
    const auto taux = LitDecimal(saisie.taux, conventions);
    if (!taux)
        return std::nullopt;
    const auto valeurAssurance = LitDecimal(assurance, conventions);
    if (!valeurAssurance)
        return std::nullopt;
    const auto valeurFrais = LitDecimal(frais, conventions);
    if (!valeurFrais)
        return std::nullopt;

    SaisieLue lecture;
    ParametresEmprunt& p = lecture.parametres;
    p.duree = *duree;
    p.montant = *montant;
    p.tauxAnnuel = *taux == 0.0 ? 0.0 : *taux / 100.0;
    p.assurance = *valeurAssurance;
    p.fraisDossier = *valeurFrais;
    p.frequence = saisie.frequence;
    p.premiereEcheance = saisie.premiereEcheance;

    lecture.champsReecrits = saisie;
    lecture.champsReecrits.montant = Fmt2(p.montant, conventions);
    lecture.champsReecrits.taux = Fmt2(p.tauxAnnuel * 100.0, conventions);
    lecture.champsReecrits.assurance = Fmt2(p.assurance, conventions);
    lecture.champsReecrits.fraisDossier = Fmt2(p.fraisDossier, conventions);
    return lecture;
}

} // namespace amortix
