#include "ClasseurXlsx.h"

#include "LocaleNumeriqueC.h"
#include "TextesLitteraux.h"

#include <QDir>
#include <map>
#include <set>
#include <xlsxwriter.h>

namespace amortix {
namespace {

constexpr const char* PoliceClasseur = "Arial";
// The height of a row in Arial 10, as the spreadsheet gives it (libxlsxwriter's default is Calibri's).
constexpr double HauteurLigneArial10 = 12.75;

uint8_t TraitXlsx(Trait trait) {
    switch (trait) {
    case Trait::Aucun:
        return LXW_BORDER_NONE;
    case Trait::Fin:
        return LXW_BORDER_THIN;
    case Trait::Cheveu:
        return LXW_BORDER_HAIR;
    }
    return LXW_BORDER_NONE;
}

// One libxlsxwriter format per distinct look, made on first use.
class Formats {
public:
    explicit Formats(lxw_workbook* classeur) : classeur_(classeur) {}

    lxw_format* operator()(const StyleCellule& style) {
        const auto trouve = formats_.find(style);
        if (trouve != formats_.end())
            return trouve->second;
        lxw_format* format = workbook_add_format(classeur_);
        if (!format)
            return nullptr;
        format_set_font_name(format, PoliceClasseur);
        format_set_font_size(format, style.taillePolice);
        if (style.gras)
            format_set_bold(format);
        if (style.italique)
            format_set_italic(format);
        if (style.souligne)
            format_set_underline(format, LXW_UNDERLINE_SINGLE);
        switch (style.horizontal) {
        case AlignementHorizontal::Standard:
            break;
        case AlignementHorizontal::Gauche:
            format_set_align(format, LXW_ALIGN_LEFT);
            break;
        case AlignementHorizontal::Centre:
            format_set_align(format, LXW_ALIGN_CENTER);
            break;
        case AlignementHorizontal::Droite:
            format_set_align(format, LXW_ALIGN_RIGHT);
            break;
        }
        switch (style.vertical) {
        case AlignementVertical::Bas:
            break;
        case AlignementVertical::Centre:
            format_set_align(format, LXW_ALIGN_VERTICAL_CENTER);
            break;
        case AlignementVertical::Haut:
            format_set_align(format, LXW_ALIGN_VERTICAL_TOP);
            break;
        }
        if (style.renvoiALaLigne)
            format_set_text_wrap(format);
        if (style.texteLitteral) {
            format_set_reading_order(format, MarqueTexteLitteral);
            texteLitteral_ = true;
        }

        if (!style.formatNombre.empty())
            format_set_num_format(format, style.formatNombre.c_str());
        // Lines keep the automatic colour, the library's default.
        format_set_left(format, TraitXlsx(style.gauche));
        format_set_top(format, TraitXlsx(style.haut));
        format_set_bottom(format, TraitXlsx(style.bas));
        format_set_right(format, TraitXlsx(style.droite));
        formats_.emplace(style, format);
        return format;
    }

    bool texteLitteral() const { return texteLitteral_; }

private:
    lxw_workbook* classeur_;
    std::map<StyleCellule, lxw_format*> formats_;
    bool texteLitteral_ = false;
};

lxw_error EcritCellule(lxw_worksheet* feuille, int ligne, int colonne, const ValeurCellule& valeur,
                       lxw_format* format) {
    const auto r = static_cast<lxw_row_t>(ligne - 1);
    const auto c = static_cast<lxw_col_t>(colonne - 1);
    if (const auto* texte = std::get_if<std::string>(&valeur))
        return worksheet_write_string(feuille, r, c, texte->c_str(), format);
    if (const auto* nombre = std::get_if<double>(&valeur))
        return worksheet_write_number(feuille, r, c, *nombre, format);
    return worksheet_write_blank(feuille, r, c, format);
}

} // namespace

ClasseurXlsx::ClasseurXlsx(const QString& chemin) : chemin_(chemin) {
    // Rows go to a temporary file as they are written, so that a long schedule neither fills the
    // memory nor slows down; it asks for the rows in order, which ecrit follows.
    lxw_workbook_options options{};
    options.constant_memory = LXW_TRUE;
    const QByteArray cheminLocal = QFile::encodeName(chemin);
    classeur_ = workbook_new_opt(cheminLocal.constData(), &options);
}

ClasseurXlsx::~ClasseurXlsx() {
    if (classeur_)
        lxw_workbook_free(classeur_);
}

std::optional<Erreur> ClasseurXlsx::ecrit(std::span<const FeuilleClasseur* const> feuilles) {
    if (!classeur_)
        return ErreurMemoire();
    const LocaleNumeriqueC localeC;
    bool textesLitteraux = false;
    for (const FeuilleClasseur* feuille : feuilles) {
        bool litteraux = false;
        if (const int erreur = remplit(*feuille, litteraux); erreur != LXW_NO_ERROR)
            return ErreurDe(erreur, chemin_);
        textesLitteraux = textesLitteraux || litteraux;
    }
    const lxw_error erreur = workbook_close(std::exchange(classeur_, nullptr));
    if (erreur != LXW_NO_ERROR)
        return ErreurDe(erreur, chemin_);
    if (textesLitteraux && !MarqueTextesLitteraux(chemin_))
        return ErreurDe(LXW_ERROR_ZIP_FILE_OPERATION, chemin_);
    return std::nullopt;
}

int ClasseurXlsx::remplit(const FeuilleClasseur& feuille, bool& textesLitteraux) {
    const char* nom = feuille.nom().empty() ? nullptr : feuille.nom().c_str();
    if (nom) {
        if (const lxw_error erreur = workbook_validate_sheet_name(classeur_, nom); erreur != LXW_NO_ERROR)
            return erreur;
    }
    lxw_worksheet* ws = workbook_add_worksheet(classeur_, nom);
    if (!ws)
        return LXW_ERROR_CREATING_TMPFILE;
    // The workbook's own font (empty cells, the default column width) is the first format's.
    lxw_format* parDefaut = STAILQ_FIRST(classeur_->formats);
    format_set_font_name(parDefaut, PoliceClasseur);
    format_set_font_size(parDefaut, StyleCellule{}.taillePolice);
    Formats formats(classeur_);
    worksheet_set_default_row(ws, HauteurLigneArial10, LXW_FALSE);

    for (const auto& [colonne, largeur] : feuille.largeurs()) {
        const auto c = static_cast<lxw_col_t>(colonne - 1);
        if (const lxw_error erreur = worksheet_set_column(ws, c, c, largeur, nullptr); erreur != LXW_NO_ERROR)
            return erreur;
    }

    std::set<int> lignes;
    for (const auto& entree : feuille.lignes())
        lignes.insert(entree.first);
    for (const auto& entree : feuille.cellules())
        lignes.insert(entree.first.first);

    const auto ecritLigne = [&](int ligne) -> lxw_error {
        if (const auto trouvee = feuille.lignes().find(ligne); trouvee != feuille.lignes().end()) {
            const LigneFeuille& l = trouvee->second;
            lxw_format* format = nullptr;
            if (l.style && !(format = formats(*l.style)))
                return LXW_ERROR_MEMORY_MALLOC_FAILED;
            if (const lxw_error erreur = worksheet_set_row(ws, static_cast<lxw_row_t>(ligne - 1),
                                                           l.hauteur.value_or(HauteurLigneArial10), format);
                erreur != LXW_NO_ERROR)
                return erreur;
        }
        const auto& cellules = feuille.cellules();
        for (auto it = cellules.lower_bound({ligne, 0}); it != cellules.end() && it->first.first == ligne;
             ++it) {
            const int colonne = it->first.second;
            lxw_format* format = formats(it->second.style);
            if (!format)
                return LXW_ERROR_MEMORY_MALLOC_FAILED;
            // A merge writes its first cell and blanks over the others, which then get their own look.
            for (const Plage& fusion : feuille.fusions()) {
                if (fusion.ligne1 != ligne || fusion.colonne1 != colonne)
                    continue;
                const auto* texte = std::get_if<std::string>(&it->second.valeur);
                const lxw_error erreur = worksheet_merge_range(
                    ws, static_cast<lxw_row_t>(ligne - 1), static_cast<lxw_col_t>(colonne - 1),
                    static_cast<lxw_row_t>(fusion.ligne2 - 1), static_cast<lxw_col_t>(fusion.colonne2 - 1),
                    texte ? texte->c_str() : "", format);
                if (erreur != LXW_NO_ERROR)
                    return erreur;
            }
            if (const lxw_error erreur = EcritCellule(ws, ligne, colonne, it->second.valeur, format);
                erreur != LXW_NO_ERROR)
                return erreur;
        }
        return LXW_NO_ERROR;
    };

    const BlocEcheancier& bloc = feuille.echeancier();
    auto suivante = lignes.begin();
    for (; suivante != lignes.end() && (bloc.nombreDeLignes() == 0 || *suivante < bloc.premiereLigne);
         ++suivante)
        if (const lxw_error erreur = ecritLigne(*suivante); erreur != LXW_NO_ERROR)
            return erreur;

    if (bloc.nombreDeLignes() > 0) {
        std::array<std::array<lxw_format*, BlocEcheancier::Colonnes>, 4> formatsBloc{};
        for (std::size_t variante = 0; variante < formatsBloc.size(); ++variante)
            for (std::size_t colonne = 0; colonne < BlocEcheancier::Colonnes; ++colonne)
                if (!(formatsBloc[variante][colonne] = formats(bloc.styles[variante][colonne])))
                    return LXW_ERROR_MEMORY_MALLOC_FAILED;
        for (int i = 0; i < bloc.nombreDeLignes(); ++i) {
            const int ligne = bloc.premiereLigne + i;
            const auto r = static_cast<lxw_row_t>(ligne - 1);
            const auto& f = formatsBloc[static_cast<std::size_t>(
                BlocEcheancier::Variante(ligne == bloc.premiereLigne, ligne == bloc.derniereLigne()))];
            const LigneTableau& textes = bloc.textes[static_cast<std::size_t>(i)];
            lxw_error erreur = worksheet_write_string(ws, r, 0, textes[Colonne::Numero].c_str(), f[0]);
            if (erreur == LXW_NO_ERROR)
                erreur = worksheet_write_string(ws, r, 1, textes[Colonne::Date].c_str(), f[1]);
            const auto& montants = bloc.montants[static_cast<std::size_t>(i)];
            for (std::size_t k = 0; k < montants.size() && erreur == LXW_NO_ERROR; ++k)
                erreur = worksheet_write_number(ws, r, static_cast<lxw_col_t>(k + 2), montants[k], f[k + 2]);
            if (erreur != LXW_NO_ERROR)
                return erreur;
        }
        for (; suivante != lignes.end(); ++suivante)
            if (const lxw_error erreur = ecritLigne(*suivante); erreur != LXW_NO_ERROR)
                return erreur;
    }

    // Printed titles never stop a workbook: a spreadsheet without any printer refuses them too.
    if (!feuille.lignesTitres().empty()) {
        const Plage titres = LitPlage(feuille.lignesTitres());
        worksheet_repeat_rows(ws, static_cast<lxw_row_t>(titres.ligne1 - 1),
                              static_cast<lxw_row_t>(titres.ligne2 - 1));
    }
    if (!feuille.colonnesTitres().empty()) {
        const Plage titres = LitPlage(feuille.colonnesTitres());
        worksheet_repeat_columns(ws, static_cast<lxw_col_t>(titres.colonne1 - 1),
                                 static_cast<lxw_col_t>(titres.colonne2 - 1));
    }
    textesLitteraux = formats.texteLitteral();
    return LXW_NO_ERROR;
}

Erreur ClasseurXlsx::ErreurMemoire() {
    return ErreurDe(LXW_ERROR_MEMORY_MALLOC_FAILED, QString());
}

Erreur ClasseurXlsx::ErreurDe(int numero, const QString& chemin) {
    QString description;
    switch (numero) {
    case LXW_ERROR_MEMORY_MALLOC_FAILED:
        description = QStringLiteral("Mémoire insuffisante.");
        break;
    case LXW_ERROR_CREATING_XLSX_FILE:
        description =
            QStringLiteral("Impossible de créer le fichier « %1 ».").arg(QDir::toNativeSeparators(chemin));
        break;
    case LXW_ERROR_CREATING_TMPFILE:
    case LXW_ERROR_READING_TMPFILE:
        description =
            QStringLiteral("Impossible d'utiliser un fichier temporaire (le disque est peut-être plein).");
        break;
    case LXW_ERROR_ZIP_FILE_OPERATION:
    case LXW_ERROR_ZIP_PARAMETER_ERROR:
    case LXW_ERROR_ZIP_BAD_ZIP_FILE:
    case LXW_ERROR_ZIP_INTERNAL_ERROR:
    case LXW_ERROR_ZIP_FILE_ADD:
    case LXW_ERROR_ZIP_CLOSE:
        description = QStringLiteral("Impossible d'écrire le fichier « %1 » (le disque est peut-être plein).")
                          .arg(QDir::toNativeSeparators(chemin));
        break;
    case LXW_ERROR_MAX_STRING_LENGTH_EXCEEDED:
        description = QStringLiteral("Un texte dépasse les 32 767 caractères d'une cellule.");
        break;
    case LXW_ERROR_WORKSHEET_INDEX_OUT_OF_RANGE:
        description = QStringLiteral("Le tableau dépasse les lignes ou les colonnes d'une feuille.");
        break;
    default:
        description = QStringLiteral("Erreur de libxlsxwriter : %1")
                          .arg(QString::fromUtf8(lxw_strerror(static_cast<lxw_error>(numero))));
        break;
    }
    return {numero, description};
}

} // namespace amortix
