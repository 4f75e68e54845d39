#pragma once

#include "Erreur.h"
#include "FeuilleClasseur.h"

#include <QString>
#include <optional>
#include <span>

struct lxw_workbook;

namespace amortix {

// An .xlsx file made by libxlsxwriter from one FeuilleClasseur. Nothing reaches the disk before
// `ecrit`; a workbook dropped before that leaves no file behind.
class ClasseurXlsx {
public:
    explicit ClasseurXlsx(const QString& chemin);
    ~ClasseurXlsx();
    ClasseurXlsx(const ClasseurXlsx&) = delete;
    ClasseurXlsx& operator=(const ClasseurXlsx&) = delete;

    // False when libxlsxwriter could not even start a workbook (no memory).
    bool pret() const { return classeur_ != nullptr; }
    // Writes the sheets in order, then the file, once; the first error met, if any. When the file
    // itself fails, what it holds is unspecified.
    std::optional<Erreur> ecrit(std::span<const FeuilleClasseur* const> feuilles);
    std::optional<Erreur> ecrit(const FeuilleClasseur& feuille) {
        const FeuilleClasseur* seule = &feuille;
        return ecrit(std::span(&seule, 1));
    }

    // libxlsxwriter's error `numero` met while making the file at `chemin`, described in French.
    static Erreur ErreurDe(int numero, const QString& chemin);
    static Erreur ErreurMemoire();

private:
    // `textesLitteraux`: whether a cell format is to be quote-prefixed once the file is made.
    int remplit(const FeuilleClasseur& feuille, bool& textesLitteraux);

    QString chemin_;
    lxw_workbook* classeur_;
};

} // namespace amortix
