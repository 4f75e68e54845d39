#include "RenduJson.h"

#include "Arrondis.h"
#include "ComparaisonOffres.h"
#include "Dates.h"
#include "Frequence.h"
#include "MessagesSaisie.h"

#include <array>
#include <cstdio>

namespace amortix {
namespace {

void AjouteChaine(std::string& json, std::string_view texte) {
    json += '"';
    for (const char c : texte) {
        switch (c) {
        case '"':
            json += "\\\"";
            break;
        case '\\':
            json += "\\\\";
            break;
        case '\n':
            json += "\\n";
            break;
        case '\r':
            json += "\\r";
            break;
        case '\t':
            json += "\\t";
            break;
        default:
            if (static_cast<unsigned char>(c) < 0x20) {
                char echappement[8];
                std::snprintf(echappement, sizeof echappement, "\\u%04x", static_cast<unsigned>(c));
                json += echappement;
            } else {
                json += c;
            }
        }
    }
    json += '"';
}

void AjouteChaineOuNull(std::string& json, const std::optional<std::string>& texte);

// {"category", "ceiling", "quarter", "over"}: the quarter as its first day, AAAA-MM-JJ.
void AjouteUsure(std::string& json, const VerificationUsure& usure, const ConventionsLocales& conventions) {
    json += "{\"category\": ";
    AjouteChaine(json, CleCategorie(usure.categorie));
    json += ", \"ceiling\": ";
    AjouteChaine(json, FormatePourcentage(usure.plafond / 100.0, 2, conventions));
    json += ", \"quarter\": ";
    AjouteChaine(json, FormateDateIso(usure.trimestre));
    json += usure.depasse ? ", \"over\": true}" : ", \"over\": false}";
}

void AjouteChaineOuNull(std::string& json, const std::optional<std::string>& texte) {
    if (texte)
        AjouteChaine(json, *texte);
    else
        json += "null";
}

// {"a": "…", "b": "…"} from pairs of names and texts.
void AjouteObjet(std::string& json,
                 std::initializer_list<std::pair<std::string_view, std::string_view>> champs) {
    json += '{';
    bool premier = true;
    for (const auto& [nom, valeur] : champs) {
        if (!premier)
            json += ", ";
        premier = false;
        AjouteChaine(json, nom);
        json += ": ";
        AjouteChaine(json, valeur);
    }
    json += '}';
}

// [["1", "31/01/2007", …], …]: each row's seven texts.
void AjouteLignesTableau(std::string& json, std::span<const LigneTableau> lignes) {
    json += '[';
    bool premiereLigne = true;
    for (const LigneTableau& ligne : lignes) {
        json += premiereLigne ? "\n  [" : ",\n  [";
        premiereLigne = false;
        bool premiereCellule = true;
        for (const std::string& cellule : ligne.textes) {
            if (!premiereCellule)
                json += ", ";
            premiereCellule = false;
            AjouteChaine(json, cellule);
        }
        json += ']';
    }
    json += premiereLigne ? "]" : "\n ]";
}

} // namespace

std::string RenduJsonEcheancier(const EmpruntCalcule& calcul, const std::string& premiereEcheance,
                                const ConventionsLocales& conventions) {
    const SaisieEmprunt& c = calcul.champs;
    const std::string_view frequence = LibelleEcheance(c.frequence);
    std::string json;
    json.reserve(256 + calcul.tableau.lignes.size() * 96);
    json += "{\"inputs\": ";
    AjouteObjet(json, {{"amount", c.montant},
                       {"duration", c.duree},
                       {"frequency", frequence},
                       {"rate", c.taux},
                       {"insurance", c.assurance},
                       {"fees", c.fraisDossier},
                       {"first_date", premiereEcheance}});
    // Only a loan with an insurance rate or a deferral says so: every other output stays as it was.
    if (!c.modalites.parDefaut()) {
        const ModalitesEmprunt& m = c.modalites;
        json += ",\n \"insurance_rate\": ";
        AjouteChaineOuNull(json, m.assurance == ModeAssurance::ParEcheance ? std::nullopt
                                                                           : std::optional(m.tauxAssurance));
        json += ", \"insurance_base\": ";
        AjouteChaineOuNull(json, m.assurance == ModeAssurance::TauxCapitalInitial ? std::optional("initial")
                                 : m.assurance == ModeAssurance::TauxCapitalRestant
                                     ? std::optional("remaining")
                                     : std::nullopt);
        json += ",\n \"deferral\": ";
        AjouteChaineOuNull(json, m.differe == ModeDiffere::Partiel ? std::optional("partial")
                                 : m.differe == ModeDiffere::Total ? std::optional("total")
                                                                   : std::nullopt);
        json += ", \"deferral_periods\": ";
        AjouteChaineOuNull(json,
                           m.differe == ModeDiffere::Aucun ? std::nullopt : std::optional(m.periodesDiffere));
    }
    json += ",\n \"costs\": ";
    if (const auto& couts = calcul.tableau.couts)
        AjouteObjet(json, {{"total", couts->total},
                           {"interest", couts->interets},
                           {"insurance", couts->assurance},
                           {"fees", couts->fraisDossier}});
    else
        json += "null";
    json += ",\n \"teg\": ";
    if (const auto& teg = calcul.textesTEG)
        AjouteObjet(json, {{"period", teg->periode},
                           {"proportional", teg->proportionnel},
                           {"actuarial", teg->actuariel},
                           {"shown", calcul.tegAffiche}});
    else
        json += "null";
    // The legal rates, beside the TEG the options choose.
    const TextesTAEG taeg = TAEGDuCalcul(calcul, conventions);
    json += ",\n \"taeg\": ";
    AjouteChaineOuNull(json, taeg.taeg);
    json += ", \"taeg_without_insurance\": ";
    AjouteChaineOuNull(json, taeg.taegHorsAssurance);
    json += ", \"taea\": ";
    AjouteChaineOuNull(json, taeg.taea);
    json += ",\n \"rows\": ";
    AjouteLignesTableau(json, calcul.tableau.lignes);
    json += ",\n \"error\": ";
    AjouteChaineOuNull(json, calcul.reussi() ? std::nullopt : std::optional(MotifEchec(calcul)));
    json += "}\n";
    return json;
}

std::string RenduJsonValeurManquante(const RechercheValeurManquante& resultat) {
    const bool erreur = resultat.issue != IssueValeurManquante::Trouvee;
    const std::optional<std::string> message = MessageValeurManquante(resultat);
    std::string json = "{\"fields\": ";
    AjouteObjet(json, {{"amount", resultat.champs[0]},
                       {"duration", resultat.champs[1]},
                       {"rate", resultat.champs[2]},
                       {"payment", resultat.champs[3]}});
    json += ",\n \"message\": ";
    AjouteChaineOuNull(json, erreur ? std::nullopt : message);
    json += ",\n \"error\": ";
    AjouteChaineOuNull(json, erreur ? message : std::nullopt);
    json += "}\n";
    return json;
}

std::string RenduJsonComparaison(std::span<const OffreNommee> offres, const ConventionsLocales& conventions) {
    std::string json = "{\"offers\": [";
    for (std::size_t i = 0; i < offres.size(); ++i) {
        const OffreNommee& o = offres[i];
        json += i == 0 ? "\n  {\"document\": " : ",\n  {\"document\": ";
        AjouteChaine(json, o.nom);
        const auto champ = [&json](std::string_view nom, const std::optional<std::string>& valeur) {
            json += ", ";
            AjouteChaine(json, nom);
            json += ": ";
            AjouteChaineOuNull(json, valeur);
        };
        const OffreComparee* c = o.offre ? &*o.offre : nullptr;
        const auto texte = [c](auto extrait) {
            return c ? std::optional<std::string>(extrait(*c)) : std::nullopt;
        };
        champ("amount", texte([](const OffreComparee& x) { return x.champs.montant; }));
        champ("duration", texte([](const OffreComparee& x) { return x.champs.duree; }));
        champ("frequency",
              texte([](const OffreComparee& x) { return std::string(LibelleEcheance(x.champs.frequence)); }));
        champ("rate", texte([](const OffreComparee& x) { return x.champs.taux; }));
        champ("insurance", texte([](const OffreComparee& x) { return x.champs.assurance; }));
        champ("fees", texte([](const OffreComparee& x) { return x.champs.fraisDossier; }));
        champ("payment", texte([](const OffreComparee& x) { return x.echeance; }));
        champ("last_payment", texte([](const OffreComparee& x) { return x.derniereEcheance; }));
        champ("last_date", texte([](const OffreComparee& x) { return x.dateDerniere; }));
        champ("total_repaid", texte([](const OffreComparee& x) { return x.totalRembourse; }));
        champ("total_cost", texte([](const OffreComparee& x) { return x.couts.total; }));
        champ("interest", texte([](const OffreComparee& x) { return x.couts.interets; }));
        champ("insurance_cost", texte([](const OffreComparee& x) { return x.couts.assurance; }));
        champ("teg", c ? c->teg : std::nullopt);
        champ("taeg", c ? c->taeg.taeg : std::nullopt);
        champ("taeg_without_insurance", c ? c->taeg.taegHorsAssurance : std::nullopt);
        champ("taea", c ? c->taeg.taea : std::nullopt);
        champ("error", c ? std::nullopt : std::optional(o.erreur));
        if (o.usure) {
            json += ", \"usury\": ";
            AjouteUsure(json, *o.usure, conventions);
        }
        json += '}';
    }
    json += offres.empty() ? "]" : "\n ]";
    const MeilleuresOffres meilleures = TrouveMeilleuresOffres(offres);
    const auto indice = [&json](std::string_view nom, std::optional<std::size_t> i) {
        json += ",\n ";
        AjouteChaine(json, nom);
        json += ": ";
        json += i ? std::to_string(*i) : "null";
    };
    indice("cheapest", meilleures.moinsChere);
    indice("lowest_taeg", meilleures.plusPetitTAEG);
    json += "}\n";
    return json;
}

std::string RenduJsonCapacite(const CapaciteOuMotif& resultat, const ConventionsLocales& conventions) {
    const auto* c = std::get_if<CapaciteEmprunt>(&resultat);
    constexpr std::array<std::pair<LigneCapacite, std::string_view>, 7> noms = {{
        {LigneCapacite::Budget, "budget"},
        {LigneCapacite::Montant, "amount"},
        {LigneCapacite::Echeance, "payment"},
        {LigneCapacite::TauxEndettement, "debt_ratio"},
        {LigneCapacite::ResteAVivre, "rest_to_live"},
        {LigneCapacite::CoutTotal, "total_cost"},
        {LigneCapacite::TAEG, "taeg"},
    }};
    std::string json = "{";
    for (const auto& [ligne, nom] : noms) {
        json += json.size() > 1 ? ", " : "";
        AjouteChaine(json, nom);
        json += ": ";
        AjouteChaineOuNull(json, c ? std::optional(TexteCapacite(ligne, *c, conventions)) : std::nullopt);
    }
    json += ",\n \"over_25_years\": ";
    json += c ? (c->plusDe25Ans ? "true" : "false") : "null";
    json += ",\n \"by_duration\": ";
    if (c) {
        json += '[';
        for (const MontantParDuree& parDuree : c->parDuree) {
            json += json.back() == '[' ? "{\"years\": " : ", {\"years\": ";
            json += std::to_string(parDuree.annees) + ", \"amount\": ";
            AjouteChaine(json, Fmt2(parDuree.montant, conventions));
            json += '}';
        }
        json += ']';
    } else {
        json += "null";
    }
    json += ",\n \"usury\": ";
    if (c && c->usure)
        AjouteUsure(json, *c->usure, conventions);
    else
        json += "null";
    json += ",\n \"error\": ";
    const auto* motif = std::get_if<std::string>(&resultat);
    AjouteChaineOuNull(json, motif ? std::optional(*motif) : std::nullopt);
    json += "}\n";
    return json;
}

std::string RenduJsonPlan(const PlanOuMotif& resultat, const ConventionsLocales& conventions) {
    const auto* plan = std::get_if<PlanFinancement>(&resultat);
    std::string json = "{\"level\": ";
    AjouteChaineOuNull(json, plan ? std::optional(Fmt2(plan->palier, conventions)) : std::nullopt);
    json += ", \"level_with_insurance\": ";
    AjouteChaineOuNull(json,
                       plan ? std::optional(Fmt2(plan->palierAvecAssurance, conventions)) : std::nullopt);
    json += ",\n \"loans\": ";
    if (plan) {
        json += '[';
        for (std::size_t i = 0; i < plan->prets.size(); ++i) {
            json += i == 0 ? "\n {\"name\": " : ",\n {\"name\": ";
            AjouteChaine(json, plan->prets[i].nom);
            json += ", \"rows\": ";
            AjouteLignesTableau(json, plan->lignes[i]);
            json += '}';
        }
        json += "]";
    } else {
        json += "null";
    }
    json += ",\n \"totals\": ";
    if (plan) {
        json += '[';
        for (const PeriodePlan& periode : plan->periodes) {
            json += periode.numero == 1 ? "\n  [" : ",\n  [";
            json += std::to_string(periode.numero) + ", ";
            AjouteChaine(json, periode.date);
            json += ", ";
            AjouteChaine(json, periode.total);
            json += ']';
        }
        json += plan->periodes.empty() ? "]" : "\n ]";
    } else {
        json += "null";
    }
    json += ",\n \"total_cost\": ";
    AjouteChaineOuNull(json, plan ? std::optional(plan->coutTotal.total) : std::nullopt);
    json += ", \"taeg\": ";
    AjouteChaineOuNull(json, plan ? plan->taeg : std::nullopt);
    json += ",\n \"error\": ";
    const auto* motif = std::get_if<std::string>(&resultat);
    AjouteChaineOuNull(json, motif ? std::optional(*motif) : std::nullopt);
    json += "}\n";
    return json;
}

std::string RenduJsonRemboursement(const RemboursementOuMotif& resultat) {
    const auto* r = std::get_if<RemboursementAnticipe>(&resultat);
    std::string json = "{";
    bool premier = true;
    const auto champ = [&](std::string_view nom, const std::optional<std::string>& valeur) {
        json += premier ? "" : ", ";
        premier = false;
        AjouteChaine(json, nom);
        json += ": ";
        AjouteChaineOuNull(json, valeur);
    };
    const auto texte = [r](std::string TextesRemboursement::*membre) {
        return r ? std::optional<std::string>(r->textes.*membre) : std::nullopt;
    };
    champ("remaining_before", texte(&TextesRemboursement::restantAvant));
    champ("repaid", texte(&TextesRemboursement::rembourse));
    champ("penalty", texte(&TextesRemboursement::indemnite));
    json += ",\n \"rows\": ";
    if (r)
        AjouteLignesTableau(json, r->lignes);
    else
        json += "null";
    json += ",\n \"last_number\": " + (r ? std::to_string(r->numeroDerniere) : std::string("null"));
    premier = false;
    champ("last_date", texte(&TextesRemboursement::dateDerniere));
    champ("new_payment", texte(&TextesRemboursement::nouvelleEcheance));
    champ("interest_saved", texte(&TextesRemboursement::interetsEconomises));
    champ("insurance_saved", texte(&TextesRemboursement::assuranceEconomisee));
    champ("net_saving", texte(&TextesRemboursement::economieNette));
    champ("error", r ? std::nullopt : std::optional(std::get<std::string>(resultat)));
    json += "}\n";
    return json;
}

} // namespace amortix
