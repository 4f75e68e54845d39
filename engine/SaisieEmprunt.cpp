#include "SaisieEmprunt.h"

#include "Arrondis.h"
#include "LectureNombres.h"

namespace amortix {

std::optional<SaisieLue> LitSaisie(const SaisieEmprunt& saisie, const ConventionsLocales& conventions) {
    const bool assuranceSaisie = saisie.modalites.assurance == ModeAssurance::ParEcheance;
    const std::string assurance = !assuranceSaisie || EstVide(saisie.assurance) ? "0" : saisie.assurance;
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
    const auto modalites = LitModalites(saisie.modalites, *duree, saisie.frequence, conventions);
    if (!std::holds_alternative<ModalitesLues>(modalites))
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
    p.modalites = std::get<ModalitesLues>(modalites);
    if (!assuranceSaisie)
        p.assurance = PrimeAssurance(p.montant, p.modalites.tauxAssurance, PeriodesParAn(p.frequence));

    lecture.champsReecrits = saisie;
    lecture.champsReecrits.montant = Fmt2(p.montant, conventions);
    lecture.champsReecrits.taux = Fmt2(p.tauxAnnuel * 100.0, conventions);
    lecture.champsReecrits.assurance = Fmt2(p.assurance, conventions);
    lecture.champsReecrits.fraisDossier = Fmt2(p.fraisDossier, conventions);
    if (!assuranceSaisie)
        lecture.champsReecrits.modalites.tauxAssurance = Fmt2(p.modalites.tauxAssurance * 100.0, conventions);
    if (p.modalites.differe != ModeDiffere::Aucun)
        lecture.champsReecrits.modalites.periodesDiffere = std::to_string(p.modalites.periodesDiffere);
    return lecture;
}

std::string MotifModalites(const SaisieEmprunt& saisie, const ConventionsLocales& conventions) {
    const auto duree = LitEntier(saisie.duree, conventions);
    if (!duree)
        return {};
    const auto modalites = LitModalites(saisie.modalites, *duree, saisie.frequence, conventions);
    if (const auto* motif = std::get_if<std::string>(&modalites))
        return *motif;
    return {};
}

} // namespace amortix
