#include "LectureNombres.h"

#include <charconv>
#include <limits>
#include <string>

namespace amortix {
namespace {

constexpr std::string_view blancs[] = {" ", "\t", "\u00a0", "\u202f", "\u2009"};

std::size_t LongueurBlanc(std::string_view texte, std::size_t position) {
    for (std::string_view b : blancs)
        if (texte.substr(position, b.size()) == b)
            return b.size();
    return 0;
}

std::size_t LongueurBlancFinal(std::string_view texte) {
    for (std::string_view b : blancs)
        if (texte.size() >= b.size() && texte.substr(texte.size() - b.size()) == b)
            return b.size();
    return 0;
}

bool EstBlanc(std::string_view separateur) {
    return separateur.size() == LongueurBlanc(separateur, 0) && !separateur.empty();
}

bool EstChiffre(char c) {
    return c >= '0' && c <= '9';
}

// A number as read: the sign and the decimal digits on each side of the separator.
struct NombreDecimal {
    bool negatif = false;
    std::string entiers;
    std::string decimales;
};

std::optional<NombreDecimal> Analyse(std::string_view texte, const ConventionsLocales& conventions) {
    texte = SansBlancs(texte);
    NombreDecimal nombre;
    for (std::string_view signe :
         {std::string_view(conventions.signeMoins), std::string_view("-"), std::string_view("\u2212")}) {
        if (!signe.empty() && texte.starts_with(signe)) {
            nombre.negatif = true;
            texte.remove_prefix(signe.size());
            break;
        }
    }
    if (!nombre.negatif && texte.starts_with('+'))
        texte.remove_prefix(1);

    // Any blank serves as a group separator where the locale groups with a blank: French users
    // type a plain space, Qt writes U+202F.
    const std::string_view groupes = conventions.separateurGroupes;
    const bool groupesBlancs = EstBlanc(groupes);
    const std::string_view separateur = conventions.separateurDecimal;

    std::size_t i = 0;
    std::size_t chiffresDuGroupe = 0;
    bool groupe = false;
    while (i < texte.size()) {
        if (EstChiffre(texte[i])) {
            nombre.entiers += texte[i];
            ++chiffresDuGroupe;
            ++i;
            continue;
        }
        if (texte.substr(i).starts_with(separateur))
            break;
        std::size_t longueur = 0;
        if (groupesBlancs)
            longueur = LongueurBlanc(texte, i);
        else if (!groupes.empty() && texte.substr(i).starts_with(groupes))
            longueur = groupes.size();
        if (longueur == 0)
            return std::nullopt;
        // Groups of three after the first group of one to three digits.
        if (chiffresDuGroupe == 0 || chiffresDuGroupe > 3 || (groupe && chiffresDuGroupe != 3))
            return std::nullopt;
        groupe = true;
        chiffresDuGroupe = 0;
        i += longueur;
    }
    if (groupe && chiffresDuGroupe != 3)
        return std::nullopt;

    if (i < texte.size()) {
        i += separateur.size();
        while (i < texte.size() && EstChiffre(texte[i]))
            nombre.decimales += texte[i++];
        if (i != texte.size())
            return std::nullopt;
    }
    if (nombre.entiers.empty() && nombre.decimales.empty())
        return std::nullopt;
    return nombre;
}

bool QueDesZeros(std::string_view chiffres) {
    return chiffres.find_first_not_of('0') == std::string_view::npos;
}

} // namespace

std::string_view SansBlancs(std::string_view texte) {
    while (std::size_t n = LongueurBlanc(texte, 0))
        texte.remove_prefix(n);
    while (std::size_t n = LongueurBlancFinal(texte))
        texte.remove_suffix(n);
    return texte;
}

bool EstVide(std::string_view texte) {
    return SansBlancs(texte).empty();
}

std::optional<double> LitDecimal(std::string_view texte, const ConventionsLocales& conventions) {
    const auto nombre = Analyse(texte, conventions);
    if (!nombre)
        return std::nullopt;
    if (QueDesZeros(nombre->entiers) && QueDesZeros(nombre->decimales))
        return nombre->negatif ? -0.0 : 0.0;

    std::string chiffres = nombre->entiers.empty() ? "0" : nombre->entiers;
    if (!nombre->decimales.empty())
        chiffres += "." + nombre->decimales;
    double valeur = 0.0;
    const auto [fin, erreur] = std::from_chars(chiffres.data(), chiffres.data() + chiffres.size(), valeur);
    if (fin != chiffres.data() + chiffres.size())
        return std::nullopt;
    if (erreur == std::errc::result_out_of_range) {
        // Too small to tell from zero is zero; too large is no number.
        if (!QueDesZeros(nombre->entiers))
            return std::nullopt;
        valeur = 0.0;
    } else if (erreur != std::errc()) {
        return std::nullopt;
    }
    return nombre->negatif ? -valeur : valeur;
}

std::optional<std::int32_t> LitEntier(std::string_view texte, const ConventionsLocales& conventions) {
    const auto nombre = Analyse(texte, conventions);
    if (!nombre)
        return std::nullopt;

    // Round on the decimal digits themselves, so that no binary approximation decides a half.
    std::string_view entiers = nombre->entiers;
    while (entiers.size() > 1 && entiers.front() == '0')
        entiers.remove_prefix(1);
    if (entiers.size() > 10)
        return std::nullopt;
    std::int64_t valeur = 0;
    for (char c : entiers)
        valeur = valeur * 10 + (c - '0');

    const std::string_view decimales = nombre->decimales;
    if (!decimales.empty()) {
        const char premier = decimales.front();
        const bool resteNonNul = !QueDesZeros(decimales.substr(1));
        if (premier > '5' || (premier == '5' && (resteNonNul || valeur % 2 == 1)))
            ++valeur;
    }
    if (nombre->negatif)
        valeur = -valeur;
    if (valeur < std::numeric_limits<std::int32_t>::min() ||
        valeur > std::numeric_limits<std::int32_t>::max())
        return std::nullopt;
    return static_cast<std::int32_t>(valeur);
}

} // namespace amortix
