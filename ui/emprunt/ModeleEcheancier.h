#pragma once

#include "TableauAmortissement.h"

#include <QAbstractTableModel>
#include <array>
#include <vector>

namespace amortix {

// The rows of the schedule list, held as the texts the computation produced. Each row also has a
// key, its number followed by "A" (role RoleCle). Column alignments are header data, set by
// AjusteLargeurColonnes, and apply to the column's cells.
class ModeleEcheancier : public QAbstractTableModel {
public:
    static constexpr int RoleCle = Qt::UserRole;

    using QAbstractTableModel::QAbstractTableModel;

    int rowCount(const QModelIndex& parent = {}) const override;
    int columnCount(const QModelIndex& parent = {}) const override;
    QVariant data(const QModelIndex& index, int role) const override;
    QVariant headerData(int section, Qt::Orientation orientation, int role) const override;
    bool setHeaderData(int section, Qt::Orientation orientation, const QVariant& valeur, int role) override;

    void remplace(std::vector<LigneTableau> lignes);
    void vide();
    const std::vector<LigneTableau>& lignes() const { return lignes_; }
    // The text of a cell as shown.
    QString texte(int ligne, int colonne) const;

private:
    std::vector<LigneTableau> lignes_;
    std::array<Qt::Alignment, NombreColonnes> alignements_{};
};

} // namespace amortix
