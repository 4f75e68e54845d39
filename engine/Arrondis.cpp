#include "Arrondis.h"

#include <array>
#include <charconv>
#include <cmath>
#include <cstdint>

namespace amortix {
namespace {

enum class Mode { PairLePlusProche, LoinDeZero };

// |x| as decimal digits: the integer part and the given number of decimals, both as whole
// numbers when they fit, rounded by the mode.
struct Decimal {
    bool negatif = false;
    std::string entiers;   // at least "0"
    std::string decimales; // exactly the number asked for
};

// Slow and exact: the 15 significant digits of x, rounded at the asked position on the text.
Decimal ArrondiTexte(double x, int decimales, Mode mode) {
    Decimal resultat;
    resultat.negatif = std::signbit(x);
    std::array<char, 40> tampon{};
    const auto fin = std::to_chars(tampon.data(), tampon.data() + tampon.size(), std::fabs(x),
                                   std::chars_format::scientific, 14)
                         .ptr;
    // "d.ddddddddddddddde±XX": fifteen digits whose first stands at 10^exposant.
    const std::string_view texte(tampon.data(), fin - tampon.data());
    const std::size_t e = texte.find('e');
    std::string chiffres;
    chiffres += texte[0];
    chiffres.append(texte.substr(2, e - 2));
    int exposant = 0;
    std::from_chars(texte.data() + e + (texte[e + 1] == '+' ? 2 : 1), texte.data() + texte.size(), exposant);

    // Digits of the value aligned so that position p (from 0) stands at 10^(exposant - p).
    // Keep the digits down to 10^-decimales; the first digit dropped decides.
    const int garder = exposant + 1 + decimales; // how many of the digits are kept
    std::string gardes;
    bool arrondirVersLeHaut = false;
    if (garder <= 0) {
        gardes = "0";
        if (garder == 0) {
            const char suivant = chiffres[0];
            const bool reste = chiffres.find_first_not_of('0', 1) != std::string::npos;
            arrondirVersLeHaut = suivant > '5' || (suivant == '5' && (reste || mode == Mode::LoinDeZero));
        }
    } else if (garder >= static_cast<int>(chiffres.size())) {
        gardes = chiffres + std::string(garder - chiffres.size(), '0');
    } else {
        gardes = chiffres.substr(0, garder);
        const char suivant = chiffres[garder];
        const bool reste = chiffres.find_first_not_of('0', garder + 1) != std::string::npos;
        const bool impair = (gardes.back() - '0') % 2 == 1;
        arrondirVersLeHaut =
            suivant > '5' || (suivant == '5' && (reste || mode == Mode::LoinDeZero || impair));
    }
    if (arrondirVersLeHaut) {
        int i = static_cast<int>(gardes.size()) - 1;
        while (i >= 0 && gardes[i] == '9')
            gardes[i--] = '0';
        if (i < 0)
            gardes.insert(gardes.begin(), '1');
        else
            ++gardes[i];
    }
    if (static_cast<int>(gardes.size()) <= decimales)
        gardes.insert(0, decimales + 1 - gardes.size(), '0');
    resultat.entiers = gardes.substr(0, gardes.size() - decimales);
    resultat.decimales = gardes.substr(gardes.size() - decimales);
    const std::size_t premier = resultat.entiers.find_first_not_of('0');
    resultat.entiers = premier == std::string::npos ? "0" : resultat.entiers.substr(premier);
    return resultat;
}

constexpr double puissancesDeDix[] = {1, 10, 100, 1e3, 1e4, 1e5, 1e6, 1e7, 1e8};

// Fast path: |x| × 10^decimales as a whole number, when the binary value is far enough from a
// half that 15 significant digits cannot tell another story. Returns false when unsure.
bool ArrondiRapide(double x, int decimales, Mode, std::int64_t& unites) {
    if (decimales < 0 || decimales > 8)
        return false;
    // Below 1e11 units, 15 significant digits stray less than 5e-4 of a unit from the binary
    // value, so a fraction more than 1e-3 away from a half rounds the same either way.
    const double y = std::fabs(x) * puissancesDeDix[decimales];
    if (!(y < 1e11))
        return false;
    const double plancher = std::floor(y);
    const double fraction = y - plancher;
    if (std::fabs(fraction - 0.5) < 1e-3)
        return false;
    unites = static_cast<std::int64_t>(plancher) + (fraction > 0.5 ? 1 : 0);
    return true;
}

double ValeurDe(const Decimal& d) {
    std::string texte = d.entiers + "." + d.decimales;
    double valeur = 0.0;
    std::from_chars(texte.data(), texte.data() + texte.size(), valeur);
    return d.negatif ? -valeur : valeur;
}

double Arrondi(double x, int decimales, Mode mode) {
    if (!std::isfinite(x))
        return x;
    std::int64_t unites = 0;
    if (ArrondiRapide(x, decimales, mode, unites)) {
        // A whole number divided by a power of ten is the double nearest to the decimal, as
        // reading its text would give.
        const double valeur = static_cast<double>(unites) / puissancesDeDix[decimales];
        return std::signbit(x) ? -valeur : valeur;
    }
    return ValeurDe(ArrondiTexte(x, decimales, mode));
}

} // namespace

double Round2(double x) {
    return Arrondi(x, 2, Mode::PairLePlusProche);
}

double ArrondiAffiche(double x, int decimales) {
    return Arrondi(x, decimales, Mode::LoinDeZero);
}

std::string FormateDecimales(double x, int decimales, const ConventionsLocales& conventions) {
    Decimal d;
    std::int64_t unites = 0;
    if (ArrondiRapide(x, decimales, Mode::LoinDeZero, unites)) {
        d.negatif = std::signbit(x);
        std::array<char, 24> tampon{};
        const auto fin = std::to_chars(tampon.data(), tampon.data() + tampon.size(), unites).ptr;
        std::string chiffres(tampon.data(), fin);
        if (static_cast<int>(chiffres.size()) <= decimales)
            chiffres.insert(0, decimales + 1 - chiffres.size(), '0');
        d.entiers = chiffres.substr(0, chiffres.size() - decimales);
        d.decimales = chiffres.substr(chiffres.size() - decimales);
    } else {
        d = ArrondiTexte(x, decimales, Mode::LoinDeZero);
    }
    const bool zero = d.entiers == "0" && d.decimales.find_first_not_of('0') == std::string::npos;
    std::string texte;
    texte.reserve(d.entiers.size() + d.decimales.size() + 4);
    if (d.negatif && !zero)
        texte += conventions.signeMoins;
    texte += d.entiers;
    if (decimales > 0) {
        texte += conventions.separateurDecimal;
        texte += d.decimales;
    }
    return texte;
}

std::string FormatePourcentage(double x, int decimales, const ConventionsLocales& conventions) {
    return FormateDecimales(x * 100.0, decimales, conventions) + " %";
}

} // namespace amortix
