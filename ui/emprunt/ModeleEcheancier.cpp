#include "ModeleEcheancier.h"

namespace amortix {

int ModeleEcheancier::rowCount(const QModelIndex& parent) const {
    return parent.isValid() ? 0 : static_cast<int>(lignes_.size());
}

int ModeleEcheancier::columnCount(const QModelIndex& parent) const {
    return parent.isValid() ? 0 : NombreColonnes;
}

QString ModeleEcheancier::texte(int ligne, int colonne) const {
    const std::string& cellule =
        lignes_[static_cast<std::size_t>(ligne)].textes[static_cast<std::size_t>(colonne)];
    return QString::fromUtf8(cellule.data(), static_cast<qsizetype>(cellule.size()));
}

QVariant ModeleEcheancier::data(const QModelIndex& index, int role) const {
    if (!index.isValid() || index.row() >= rowCount())
        return {};
    switch (role) {
    case Qt::DisplayRole:
        return texte(index.row(), index.column());
    case Qt::TextAlignmentRole:
        return QVariant::fromValue(alignements_[static_cast<std::size_t>(index.column())] | Qt::AlignVCenter);
    case RoleCle:
        return QString::number(index.row() + 1) + QLatin1Char('A');
    default:
        return {};
    }
}

QVariant ModeleEcheancier::headerData(int section, Qt::Orientation orientation, int role) const {
    if (orientation != Qt::Horizontal || section < 0 || section >= NombreColonnes)
        return QAbstractTableModel::headerData(section, orientation, role);
    if (role == Qt::DisplayRole) {
        const std::string_view entete = EntetesColonnes[static_cast<std::size_t>(section)];
        return QString::fromUtf8(entete.data(), static_cast<qsizetype>(entete.size()));
    }
    if (role == Qt::TextAlignmentRole)
        return QVariant::fromValue(alignements_[static_cast<std::size_t>(section)] | Qt::AlignVCenter);
    return {};
}

bool ModeleEcheancier::setHeaderData(int section, Qt::Orientation orientation, const QVariant& valeur,
                                     int role) {
    if (orientation != Qt::Horizontal || role != Qt::TextAlignmentRole || section < 0 ||
        section >= NombreColonnes)
        return false;
    alignements_[static_cast<std::size_t>(section)] =
        valeur.value<Qt::Alignment>() & Qt::AlignHorizontal_Mask;
    emit headerDataChanged(orientation, section, section);
    if (!lignes_.empty())
        emit dataChanged(index(0, section), index(rowCount() - 1, section), {Qt::TextAlignmentRole});
    return true;
}

void ModeleEcheancier::remplace(std::vector<LigneTableau> lignes) {
    beginResetModel();
    lignes_ = std::move(lignes);
    endResetModel();
}

void ModeleEcheancier::vide() {
    remplace({});
}

} // namespace amortix
