#pragma once

#include "ConventionsLocales.h"
#include "Frequence.h"
#include "ModalitesEmprunt.h"

#include <chrono>
#include <cstdint>
#include <optional>
#include <string>

namespace amortix {

// A loan's inputs as typed: the texts of the main window's fields, its frequency and its first
// payment date, and the insurance kind and deferral chosen beside them. The window, loan documents,
// amortix-cli and the outputs all carry this one value.
struct SaisieEmprunt {
    std::string montant;                   // txtMontant
    std::string duree;                     // txtMensualite: a number of periods, not of months
    std::string taux;                      // txtTaux, a percentage
    std::string assurance;                 // txtAssurance, per payment
    std::string fraisDossier;              // txtFraisDossier
    Frequence frequence = Frequence::Mois; // cboEcheance
    std::chrono::year_month_day premiereEcheance{std::chrono::year{2000}, std::chrono::January,
                                                 std::chrono::day{1}};
    ModalitesEmprunt modalites{};
    bool operator==(const SaisieEmprunt&) const = default;
};

// The loan as numbers.
struct ParametresEmprunt {
    double montant = 0.0;      // M
    double tauxAnnuel = 0.0;   // r, a fraction: 5 % is 0.05
    double assurance = 0.0;    // A; with a rate on the capital, the first row's premium
    double fraisDossier = 0.0; // F
    std::int32_t duree = 0;    // n
    Frequence frequence = Frequence::Mois;
    std::chrono::year_month_day premiereEcheance;
    ModalitesLues modalites{};
};

struct SaisieLue {
    ParametresEmprunt parametres;
    SaisieEmprunt champsReecrits; // the four decimal fields and the insurance rate in format "0.00"
};

// Reads the fields in their order; nothing when one of them is incomplete or incorrect. Insurance
// and fees left blank count as 0; a rate equal to 0 is exactly 0. The numbers go on as read: a rate
// typed 5,125 is used at 5.125 % while its field then shows 5,13. With an insurance rate, the
// "Assurance" field is not read but rewritten with the first row's premium.
std::optional<SaisieLue> LitSaisie(const SaisieEmprunt& saisie, const ConventionsLocales& conventions);

// Why the insurance rate or the deferral of fields that read otherwise cannot apply; empty when they
// can, or when the fields themselves are incorrect.
std::string MotifModalites(const SaisieEmprunt& saisie, const ConventionsLocales& conventions);

} // namespace amortix
