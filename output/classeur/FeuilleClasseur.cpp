#include "FeuilleClasseur.h"

#include <cassert>

namespace amortix {

void FeuilleClasseur::largeurColonne(std::string_view colonne, double largeur) {
    largeurs_[LitColonne(colonne.substr(0, colonne.find(':')))] = largeur;
}

void FeuilleClasseur::hauteurLignes(std::string_view lignes, double hauteur) {
    const Plage plage = LitPlage(lignes);
    for (int ligne = plage.ligne1; ligne <= plage.ligne2; ++ligne)
        lignes_[ligne].hauteur = hauteur;
}

// A cell met for the first time takes the look of its row, as in a spreadsheet.
CelluleFeuille& FeuilleClasseur::cellule(int ligne, int colonne) {
    assert(!echeancier_.contientLigne(ligne));
    const auto [position, nouvelle] = cellules_.try_emplace({ligne, colonne});
    if (nouvelle) {
        const auto styleLigne = lignes_.find(ligne);
        if (styleLigne != lignes_.end() && styleLigne->second.style)
            position->second.style = *styleLigne->second.style;
    }
    return position->second;
}

void FeuilleClasseur::ecrit(std::string_view nom, ValeurCellule valeur) {
    const Plage plage = LitPlage(nom);
    cellule(plage.ligne1, plage.colonne1).valeur = std::move(valeur);
}

void FeuilleClasseur::ecritEcheancier(int premiereLigne, std::span<const LigneTableau> textes,
                                      std::vector<std::array<double, 5>> montants) {
    assert(textes.size() == montants.size());
    echeancier_.premiereLigne = premiereLigne;
    echeancier_.textes = textes;
    echeancier_.montants = std::move(montants);
}

// Applies a change to every cell of a range, telling it where the cell lies in the range. Whole
// rows change the rows' own look and the cells already in them; the schedule's rows change through
// their column styles, so a range over them must span all of them.
template <typename Modification>
void FeuilleClasseur::modifie(std::string_view nom, Modification modification) {
    const Plage plage = LitPlage(nom);
    if (plage.lignesEntieres) {
        for (int ligne = plage.ligne1; ligne <= plage.ligne2; ++ligne) {
            LigneFeuille& styleLigne = lignes_[ligne];
            if (!styleLigne.style)
                styleLigne.style.emplace();
            modification(*styleLigne.style, Position{});
            for (auto it = cellules_.lower_bound({ligne, 0});
                 it != cellules_.end() && it->first.first == ligne; ++it)
                modification(it->second.style, Position{});
        }
        return;
    }
    if (plage.ligne2 < plage.ligne1)
        return;
    const BlocEcheancier& bloc = echeancier_;
    if (bloc.nombreDeLignes() > 0 && plage.ligne2 >= bloc.premiereLigne &&
        plage.ligne1 <= bloc.derniereLigne()) {
        assert(plage.ligne1 == bloc.premiereLigne && plage.ligne2 == bloc.derniereLigne());
        assert(plage.colonne2 <= BlocEcheancier::Colonnes);
        for (const bool premiere : {false, true})
            for (const bool derniere : {false, true})
                for (int colonne = plage.colonne1; colonne <= plage.colonne2; ++colonne)
                    modification(
                        echeancier_.styles[BlocEcheancier::Variante(premiere, derniere)][colonne - 1],
                        Position{premiere, derniere, colonne == plage.colonne1, colonne == plage.colonne2});
        return;
    }
    for (int ligne = plage.ligne1; ligne <= plage.ligne2; ++ligne)
        for (int colonne = plage.colonne1; colonne <= plage.colonne2; ++colonne)
            modification(cellule(ligne, colonne).style,
                         Position{ligne == plage.ligne1, ligne == plage.ligne2, colonne == plage.colonne1,
                                  colonne == plage.colonne2});
}

void FeuilleClasseur::fusionne(std::string_view nom) {
    const Plage plage = LitPlage(nom);
    assert(plage.ligne1 == plage.ligne2 && !plage.lignesEntieres);
    fusions_.push_back(plage);
    // Every merged cell is written, so that it shows its own look rather than the first one's.
    modifie(nom, [](StyleCellule&, Position) {});
}

void FeuilleClasseur::aligneHorizontalement(std::string_view plage, AlignementHorizontal alignement) {
    modifie(plage, [alignement](StyleCellule& style, Position) { style.horizontal = alignement; });
}

void FeuilleClasseur::aligneVerticalement(std::string_view plage, AlignementVertical alignement) {
    modifie(plage, [alignement](StyleCellule& style, Position) { style.vertical = alignement; });
}

void FeuilleClasseur::metEnGras(std::string_view plage) {
    modifie(plage, [](StyleCellule& style, Position) { style.gras = true; });
}

void FeuilleClasseur::metEnItalique(std::string_view plage) {
    modifie(plage, [](StyleCellule& style, Position) { style.italique = true; });
}

void FeuilleClasseur::souligne(std::string_view plage) {
    modifie(plage, [](StyleCellule& style, Position) { style.souligne = true; });
}

void FeuilleClasseur::changeTaillePolice(std::string_view plage, int points) {
    modifie(plage, [points](StyleCellule& style, Position) { style.taillePolice = points; });
}

void FeuilleClasseur::renvoieALaLigne(std::string_view plage) {
    modifie(plage, [](StyleCellule& style, Position) { style.renvoiALaLigne = true; });
}

void FeuilleClasseur::formateNombres(std::string_view plage, std::string_view format) {
    modifie(plage, [format](StyleCellule& style, Position) { style.formatNombre = format; });
}

void FeuilleClasseur::gardeEnTexte(std::string_view plage) {
    modifie(plage, [](StyleCellule& style, Position) { style.texteLitteral = true; });
}

void FeuilleClasseur::trace(std::string_view plage, Bord bord, Trait trait) {
    modifie(plage, [bord, trait](StyleCellule& style, Position p) {
        switch (bord) {
        case Bord::Gauche:
            if (p.premiereColonne)
                style.gauche = trait;
            break;
        case Bord::Haut:
            if (p.premiereLigne)
                style.haut = trait;
            break;
        case Bord::Bas:
            if (p.derniereLigne)
                style.bas = trait;
            break;
        case Bord::Droite:
            if (p.derniereColonne)
                style.droite = trait;
            break;
        case Bord::InterieurVertical:
            if (!p.premiereColonne)
                style.gauche = trait;
            if (!p.derniereColonne)
                style.droite = trait;
            break;
        case Bord::InterieurHorizontal:
            if (!p.premiereLigne)
                style.haut = trait;
            if (!p.derniereLigne)
                style.bas = trait;
            break;
        }
    });
}

} // namespace amortix
