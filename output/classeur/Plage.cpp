#include "Plage.h"

#include <cassert>

namespace amortix {
namespace {

// The last column of a sheet (XFD), for whole rows.
constexpr int DerniereColonne = 16384;

struct Reference {
    int ligne = 0;   // 0 when the name has no row
    int colonne = 0; // 0 when it has no column
};

Reference LitReference(std::string_view nom) {
    Reference reference;
    std::size_t i = 0;
    if (i < nom.size() && nom[i] == '$')
        ++i;
    const std::size_t debutLettres = i;
    while (i < nom.size() && nom[i] >= 'A' && nom[i] <= 'Z')
        ++i;
    if (i > debutLettres)
        reference.colonne = LitColonne(nom.substr(debutLettres, i - debutLettres));
    if (i < nom.size() && nom[i] == '$')
        ++i;
    for (; i < nom.size(); ++i) {
        assert(nom[i] >= '0' && nom[i] <= '9');
        reference.ligne = reference.ligne * 10 + (nom[i] - '0');
    }
    return reference;
}

} // namespace

int LitColonne(std::string_view lettres) {
    int colonne = 0;
    for (const char lettre : lettres) {
        assert(lettre >= 'A' && lettre <= 'Z');
        colonne = colonne * 26 + (lettre - 'A' + 1);
    }
    return colonne;
}

Plage LitPlage(std::string_view nom) {
    const std::size_t deuxPoints = nom.find(':');
    const Reference debut = LitReference(nom.substr(0, deuxPoints));
    const Reference fin =
        deuxPoints == std::string_view::npos ? debut : LitReference(nom.substr(deuxPoints + 1));
    Plage plage{debut.ligne, debut.colonne, fin.ligne, fin.colonne};
    if (debut.colonne == 0 && fin.colonne == 0) {
        plage.lignesEntieres = true;
        plage.colonne1 = 1;
        plage.colonne2 = DerniereColonne;
    }
    assert(plage.ligne1 > 0 && plage.colonne1 > 0);
    return plage;
}

} // namespace amortix
