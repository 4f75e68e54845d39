#pragma once

#include "Plage.h"
#include "StyleCellule.h"
#include "TableauAmortissement.h"

#include <array>
#include <map>
#include <optional>
#include <span>
#include <string>
#include <string_view>
#include <utility>
#include <variant>
#include <vector>

namespace amortix {

// A cell holds nothing, a text or a number.
using ValeurCellule = std::variant<std::monostate, std::string, double>;

struct CelluleFeuille {
    ValeurCellule valeur;
    StyleCellule style;
};

// The lines a range can draw: its four edges and the lines between its cells.
enum class Bord { Gauche, Haut, Bas, Droite, InterieurVertical, InterieurHorizontal };

struct LigneFeuille {
    std::optional<double> hauteur;     // points
    std::optional<StyleCellule> style; // the look of the whole row, empty cells included
};

// The schedule's rows, held compactly because there may be a hundred thousand of them: columns A
// and B are the list's texts as they are, C to G the amounts read from them. A cell's look depends
// only on its column and on whether its row is the first or the last of the block.
struct BlocEcheancier {
    static constexpr int Colonnes = 7;
    int premiereLigne = 0;
    std::span<const LigneTableau> textes; // not owned
    std::vector<std::array<double, 5>> montants;
    std::array<std::array<StyleCellule, Colonnes>, 4> styles{};

    int nombreDeLignes() const { return static_cast<int>(montants.size()); }
    int derniereLigne() const { return premiereLigne + nombreDeLignes() - 1; }
    bool contientLigne(int ligne) const { return ligne >= premiereLigne && ligne <= derniereLigne(); }
    static int Variante(bool premiere, bool derniere) { return (premiere ? 1 : 0) + (derniere ? 2 : 0); }
};

// One worksheet as a spreadsheet user would build it: values put into cells, then ranges
// formatted, merged and framed, each operation changing only what it names, the way a spreadsheet
// application applies it. Nothing is written anywhere; ClasseurXlsx makes the file.
class FeuilleClasseur {
public:
    void nomme(std::string nom) { nom_ = std::move(nom); }
    void largeurColonne(std::string_view colonne, double largeur); // "A:A", in characters
    void hauteurLignes(std::string_view lignes, double hauteur);   // "10:10", in points

    void ecrit(std::string_view cellule, ValeurCellule valeur);
    // The schedule from `premiereLigne` down, one row per list row.
    void ecritEcheancier(int premiereLigne, std::span<const LigneTableau> textes,
                         std::vector<std::array<double, 5>> montants);

    // A merge keeps its first cell's value; every merged range here lies on one row.
    void fusionne(std::string_view plage);
    void aligneHorizontalement(std::string_view plage, AlignementHorizontal alignement);
    void aligneVerticalement(std::string_view plage, AlignementVertical alignement);
    void metEnGras(std::string_view plage);
    void metEnItalique(std::string_view plage);
    void souligne(std::string_view plage);
    void changeTaillePolice(std::string_view plage, int points);
    void renvoieALaLigne(std::string_view plage);
    void formateNombres(std::string_view plage, std::string_view format);
    void gardeEnTexte(std::string_view plage); // quote-prefixed, as texts typed after an apostrophe
    void trace(std::string_view plage, Bord bord, Trait trait);

    // The rows and columns printed again at the top and left of every page ("$10:$10"; empty: none).
    void repeteLignes(std::string lignes) { lignesTitres_ = std::move(lignes); }
    void repeteColonnes(std::string colonnes) { colonnesTitres_ = std::move(colonnes); }

    const std::string& nom() const { return nom_; }
    const std::map<int, double>& largeurs() const { return largeurs_; }
    const std::map<int, LigneFeuille>& lignes() const { return lignes_; }
    // The cells outside the schedule, by (row, column).
    const std::map<std::pair<int, int>, CelluleFeuille>& cellules() const { return cellules_; }
    const std::vector<Plage>& fusions() const { return fusions_; }
    const BlocEcheancier& echeancier() const { return echeancier_; }
    const std::string& lignesTitres() const { return lignesTitres_; }
    const std::string& colonnesTitres() const { return colonnesTitres_; }

private:
    struct Position {
        bool premiereLigne = false;
        bool derniereLigne = false;
        bool premiereColonne = false;
        bool derniereColonne = false;
    };
    template <typename Modification> void modifie(std::string_view nom, Modification modification);
    CelluleFeuille& cellule(int ligne, int colonne);

    std::string nom_;
    std::map<int, double> largeurs_;
    std::map<int, LigneFeuille> lignes_;
    std::map<std::pair<int, int>, CelluleFeuille> cellules_;
    std::vector<Plage> fusions_;
    BlocEcheancier echeancier_;
    std::string lignesTitres_;
    std::string colonnesTitres_;
};

} // namespace amortix
