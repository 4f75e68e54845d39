#include "ModalitesEmprunt.h"

#include "Arrondis.h"
#include "LectureNombres.h"
#include "LissageEcheances.h"

#include <algorithm>

namespace amortix {
namespace {

// "1 trimestre", "12 mois", "2 ans".
std::string NomPeriodes(std::int32_t nombre, Frequence frequence) {
    std::string nom(LibelleEcheance(frequence));
    if (nombre == 1 && frequence != Frequence::Mois)
        nom.pop_back();
    return nom;
}

} // namespace

ModalitesOuMotif LitModalites(const ModalitesEmprunt& m, std::int32_t duree, Frequence frequence,
                              const ConventionsLocales& conventions) {
    ModalitesLues lues;
    lues.assurance = m.assurance;
    lues.differe = m.differe;
    if (m.assurance != ModeAssurance::ParEcheance) {
        const auto taux = LitDecimal(m.tauxAssurance, conventions);
        if (!taux)
            return std::string("Le taux d'assurance doit être un pourcentage annuel, par exemple ") +
                   Fmt2(0.36, conventions) + ".";
        if (!(*taux >= 0.0 && *taux <= TauxAssuranceMaximal * 100.0))
            return std::string("Le taux d'assurance doit être compris entre 0 et ") +
                   FormatePourcentage(TauxAssuranceMaximal, 0, conventions) + " par an.";
        lues.tauxAssurance = *taux == 0.0 ? 0.0 : *taux / 100.0;
    }
    if (m.differe != ModeDiffere::Aucun) {
        const auto periodes = LitEntier(m.periodesDiffere, conventions);
        if (!periodes || *periodes < 1)
            return std::string("La durée du différé doit être un nombre entier de périodes, au moins 1.");
        const int maximum = MoisDiffereMaximal / MoisParPeriode(frequence);
        if (*periodes > maximum) {
            std::string motif =
                "Le différé ne peut pas dépasser " + std::to_string(MoisDiffereMaximal) + " mois";
            if (frequence != Frequence::Mois)
                motif += ", soit " + std::to_string(maximum) + " " + std::string(LibelleEcheance(frequence));
            return motif + ".";
        }
        if (*periodes >= duree)
            return "Le différé doit être plus court que la durée de l'emprunt (" + std::to_string(duree) +
                   " " + std::string(LibelleEcheance(frequence)) + ").";
        lues.periodesDiffere = *periodes;
    }
    if (!m.lissage.empty()) {
        auto autres = LitLissage(m.lissage, conventions);
        if (!autres)
            return std::string("Le lissage enregistré avec ce prêt est illisible.");
        if (m.differe != ModeDiffere::Aucun)
            return std::string("Un prêt lissé ne peut pas commencer par un différé.");
        if (autres->size() > static_cast<std::size_t>(std::max(duree, 0)))
            return "Les autres prêts du plan durent plus longtemps que ce prêt (" + std::to_string(duree) +
                   " " + std::string(LibelleEcheance(frequence)) + ").";
        lues.autresMontants = std::move(*autres);
    }
    return lues;
}

double PrimeAssurance(double capital, double tauxAnnuel, int periodesParAn) {
    return Round2(capital * tauxAnnuel / periodesParAn);
}

std::string DecritAssurance(const ModalitesLues& m, const ConventionsLocales& conventions) {
    switch (m.assurance) {
    case ModeAssurance::ParEcheance:
        return {};
    case ModeAssurance::TauxCapitalInitial:
        return FormatePourcentage(m.tauxAssurance, 2, conventions) + " du capital initial";
    case ModeAssurance::TauxCapitalRestant:
        return FormatePourcentage(m.tauxAssurance, 2, conventions) + " du capital restant dû";
    }
    return {};
}

std::string DecritDiffere(const ModalitesLues& m, Frequence frequence) {
    if (m.differe == ModeDiffere::Aucun)
        return {};
    const char* genre = m.differe == ModeDiffere::Partiel ? "différé partiel de " : "différé total de ";
    return genre + std::to_string(m.periodesDiffere) + " " + NomPeriodes(m.periodesDiffere, frequence);
}

} // namespace amortix
