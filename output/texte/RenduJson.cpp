#include "RenduJson.h"

#include "Frequence.h"
#include "MessagesSaisie.h"

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

} // namespace

std::string RenduJsonEcheancier(const EmpruntCalcule& calcul, const std::string& premiereEcheance) {
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
    json += ",\n \"rows\": [";
    bool premiereLigne = true;
    for (const LigneTableau& ligne : calcul.tableau.lignes) {
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
    json += ",\n \"error\": ";
    AjouteChaineOuNull(json,
                       calcul.reussi() ? std::nullopt : std::optional(std::string(MessageSaisieIncorrecte)));
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

} // namespace amortix
