#include "TauxUsure.h"

#include "Arrondis.h"
#include "Dates.h"
#include "LectureNombres.h"

#include <charconv>
#include <cmath>

namespace amortix {
namespace {

struct DescriptionCategorie {
    std::string_view cle;
    std::string_view libelle;
};

// In the order of CategorieUsure.
constexpr std::array<DescriptionCategorie, NombreCategoriesUsure> Descriptions = {{
    {"immobilier-moins-de-10-ans", "immobilier, moins de 10 ans"},
    {"immobilier-10-a-20-ans", "immobilier, de 10 à moins de 20 ans"},
    {"immobilier-20-ans-et-plus", "immobilier, 20 ans et plus"},
    {"immobilier-taux-variable", "immobilier, taux variable"},
    {"pret-relais", "prêt relais"},
    {"consommation-jusqua-3000", "consommation, jusqu'à 3 000 €"},
    {"consommation-3000-a-6000", "consommation, de 3 000 à 6 000 €"},
    {"consommation-plus-de-6000", "consommation, plus de 6 000 €"},
}};

constexpr std::string_view CleTrimestre = "trimestre";

std::optional<int> LitChiffres(std::string_view texte) {
    int valeur = 0;
    const auto [fin, erreur] = std::from_chars(texte.data(), texte.data() + texte.size(), valeur);
    if (erreur != std::errc() || fin != texte.data() + texte.size() || texte.empty() || texte.front() == '-')
        return std::nullopt;
    return valeur;
}

std::optional<std::chrono::year_month_day> LitDateIso(std::string_view texte) {
    if (texte.size() != 10 || texte[4] != '-' || texte[7] != '-')
        return std::nullopt;
    const auto annee = LitChiffres(texte.substr(0, 4));
    const auto mois = LitChiffres(texte.substr(5, 2));
    const auto jour = LitChiffres(texte.substr(8, 2));
    if (!annee || !mois || !jour)
        return std::nullopt;
    const std::chrono::year_month_day date{std::chrono::year{*annee},
                                           std::chrono::month{static_cast<unsigned>(*mois)},
                                           std::chrono::day{static_cast<unsigned>(*jour)}};
    return date.ok() ? std::optional(date) : std::nullopt;
}

// A percentage with a point and at most two decimals: "5.13", "23.5", "6".
std::optional<double> LitPourcentage(std::string_view texte) {
    const std::size_t point = texte.find('.');
    const std::string_view entiers = texte.substr(0, point);
    const std::string_view decimales =
        point == std::string_view::npos ? std::string_view() : texte.substr(point + 1);
    const auto partieEntiere = LitChiffres(entiers);
    if (!partieEntiere || decimales.size() > 2 || (point != std::string_view::npos && decimales.empty()))
        return std::nullopt;
    int centiemes = 0;
    if (!decimales.empty()) {
        const auto chiffres = LitChiffres(decimales);
        if (!chiffres)
            return std::nullopt;
        centiemes = decimales.size() == 1 ? *chiffres * 10 : *chiffres;
    }
    return *partieEntiere + centiemes / 100.0;
}

} // namespace

std::string_view CleCategorie(CategorieUsure categorie) {
    return Descriptions[static_cast<std::size_t>(categorie)].cle;
}

std::string_view LibelleCategorie(CategorieUsure categorie) {
    return Descriptions[static_cast<std::size_t>(categorie)].libelle;
}

CategorieUsure CategorieDuPret(NatureCredit nature, double montant, std::int32_t dureeMois) {
    if (nature == NatureCredit::Consommation) {
        if (montant <= 3000.0)
            return CategorieUsure::ConsommationJusqua3000;
        return montant <= 6000.0 ? CategorieUsure::Consommation3000A6000
                                 : CategorieUsure::ConsommationPlusDe6000;
    }
    if (dureeMois < 120)
        return CategorieUsure::ImmobilierMoinsDe10Ans;
    return dureeMois < 240 ? CategorieUsure::Immobilier10A20Ans : CategorieUsure::Immobilier20AnsEtPlus;
}

VerificationUsure VerifieUsure(const TableUsure& table, NatureCredit nature, double montant,
                               std::int32_t dureeMois, double taeg) {
    VerificationUsure verification;
    verification.trimestre = table.debut;
    verification.categorie = CategorieDuPret(nature, montant, dureeMois);
    verification.plafond = table.plafond(verification.categorie);
    // In hundredths of a percent, the TAEG as its text shows it.
    const long long taegAffiche = std::llround(ArrondiAffiche(taeg * 100.0, 2) * 100.0);
    verification.depasse = taegAffiche > std::llround(verification.plafond * 100.0);
    return verification;
}

std::string DecritPlafond(const VerificationUsure& verification, const ConventionsLocales& conventions) {
    return FormatePourcentage(verification.plafond / 100.0, 2, conventions) + " (" +
           std::string(LibelleCategorie(verification.categorie)) + ")";
}

std::string DecritTrimestre(std::chrono::year_month_day debut) {
    const unsigned numero = (static_cast<unsigned>(debut.month()) - 1) / 3 + 1;
    return std::to_string(numero) + (numero == 1 ? "er" : "e") + " trimestre " +
           std::to_string(static_cast<int>(debut.year()));
}

std::chrono::year_month_day FinTrimestre(std::chrono::year_month_day debut) {
    const std::chrono::year_month suivant =
        std::chrono::year_month{debut.year(), debut.month()} + std::chrono::months{3};
    return std::chrono::year_month_day{suivant / std::chrono::day{1}};
}

std::optional<std::string> AvisTablePerimee(const TableUsure& table, std::chrono::year_month_day aujourdhui) {
    if (std::chrono::sys_days{aujourdhui} < std::chrono::sys_days{FinTrimestre(table.debut)})
        return std::nullopt;
    return "Les taux d'usure datent du " + DecritTrimestre(table.debut) +
           " : saisissez ceux du trimestre en cours dans Outils → Options → Taux d'usure.";
}

std::optional<std::string> MotifTableIncorrecte(const TableUsure& table) {
    const unsigned mois = static_cast<unsigned>(table.debut.month());
    if (!table.debut.ok() || static_cast<unsigned>(table.debut.day()) != 1 || (mois - 1) % 3 != 0)
        return "La date de validité doit être le premier jour d'un trimestre (1er janvier, 1er avril, "
               "1er juillet ou 1er octobre).";
    for (const CategorieUsure categorie : CategoriesUsure)
        if (const double plafond = table.plafond(categorie); !(plafond > 0.0 && plafond < 100.0))
            return "Le taux d'usure « " + std::string(LibelleCategorie(categorie)) +
                   " » doit être compris entre 0 et 100 %.";
    return std::nullopt;
}

TableOuMotif LitTableUsure(std::string_view texte) {
    TableUsure table;
    std::array<bool, NombreCategoriesUsure> lus{};
    bool trimestreLu = false;
    int numeroLigne = 0;
    const auto refus = [&numeroLigne](std::string_view raison) {
        return TableOuMotif("La table des taux d'usure est incorrecte à la ligne " +
                            std::to_string(numeroLigne) + " : " + std::string(raison) + ".");
    };
    while (!texte.empty()) {
        ++numeroLigne;
        const std::size_t finLigne = texte.find('\n');
        std::string_view ligne = texte.substr(0, finLigne);
        if (ligne.ends_with('\r'))
            ligne.remove_suffix(1);
        ligne = SansBlancs(ligne);
        texte.remove_prefix(finLigne == std::string_view::npos ? texte.size() : finLigne + 1);
        if (ligne.empty() || ligne.front() == '#')
            continue;
        const std::size_t egal = ligne.find('=');
        if (egal == std::string_view::npos)
            return refus("« clé=valeur » attendu");
        const std::string_view cle = SansBlancs(ligne.substr(0, egal));
        const std::string_view valeur = SansBlancs(ligne.substr(egal + 1));
        if (cle == CleTrimestre) {
            const auto date = LitDateIso(valeur);
            if (trimestreLu)
                return refus("trimestre donné deux fois");
            if (!date)
                return refus("date AAAA-MM-JJ attendue");
            table.debut = *date;
            trimestreLu = true;
            continue;
        }
        std::size_t i = 0;
        while (i < NombreCategoriesUsure && Descriptions[i].cle != cle)
            ++i;
        if (i == NombreCategoriesUsure)
            return refus("catégorie inconnue « " + std::string(cle) + " »");
        if (lus[i])
            return refus("catégorie donnée deux fois");
        const auto plafond = LitPourcentage(valeur);
        if (!plafond)
            return refus("pourcentage attendu, avec un point et au plus deux décimales");
        table.plafonds[i] = *plafond;
        lus[i] = true;
    }
    if (!trimestreLu)
        return TableOuMotif(std::string("La table des taux d'usure ne donne pas son trimestre."));
    for (std::size_t i = 0; i < NombreCategoriesUsure; ++i)
        if (!lus[i])
            return TableOuMotif("La table des taux d'usure ne donne pas le taux « " +
                                std::string(Descriptions[i].libelle) + " ».");
    if (auto motif = MotifTableIncorrecte(table))
        return TableOuMotif(std::move(*motif));
    return table;
}

std::string EcritTableUsure(const TableUsure& table) {
    std::string texte = "# Taux d'usure des prêts aux particuliers, en pourcentage, pour un trimestre\n";
    texte += std::string(CleTrimestre) + "=" + FormateDateIso(table.debut) + "\n";
    const ConventionsLocales point{
        .separateurDecimal = ".", .separateurGroupes = "", .signeMoins = "-", .formatDateCourt = {}};
    for (std::size_t i = 0; i < NombreCategoriesUsure; ++i)
        texte +=
            std::string(Descriptions[i].cle) + "=" + FormateDecimales(table.plafonds[i], 2, point) + "\n";
    return texte;
}

} // namespace amortix
