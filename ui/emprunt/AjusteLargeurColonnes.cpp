#include "AjusteLargeurColonnes.h"

#include "ModeleEcheancier.h"
#include "Twips.h"

#include <QFontMetricsF>
#include <QHeaderView>
#include <QStyle>
#include <QTreeView>
#include <array>
#include <cmath>
#include <unordered_map>

namespace amortix {
namespace {

// The widest of many texts. A schedule of 96 000 rows holds more than half a million texts, far
// too many to shape one by one: each is measured as the sum of its characters' advances (digits,
// separators and signs do not kern), and only the widest is then shaped for the exact width.
class PlusLargeTexte {
public:
    explicit PlusLargeTexte(const QFont& police) : metriques_(police), metriquesEntieres_(police) {
        ascii_.fill(-1.0);
    }

    void mesure(std::string_view utf8) {
        double total = 0.0;
        for (std::size_t i = 0; i < utf8.size();) {
            const auto octet = static_cast<unsigned char>(utf8[i]);
            const std::size_t longueur = octet < 0x80 ? 1 : octet >= 0xF0 ? 4 : octet >= 0xE0 ? 3 : 2;
            total += octet < 0x80 ? avance(octet) : avanceAutre(utf8.substr(i, longueur));
            i += longueur;
        }
        if (total > largeur_) {
            largeur_ = total;
            texte_ = utf8;
        }
    }

    int largeur() const {
        if (largeur_ <= 0.0)
            return 0;
        const int exacte = metriquesEntieres_.horizontalAdvance(
            QString::fromUtf8(texte_.data(), static_cast<qsizetype>(texte_.size())));
        return std::max(exacte, static_cast<int>(std::ceil(largeur_)));
    }

private:
    double avance(unsigned char code) {
        double& mesure = ascii_[code];
        if (mesure < 0.0)
            mesure = metriques_.horizontalAdvance(QChar(code));
        return mesure;
    }

    // A character beyond ASCII, as the locale's separators may be.
    double avanceAutre(std::string_view caractere) {
        const std::string cle(caractere);
        const auto trouve = autres_.find(cle);
        if (trouve != autres_.end())
            return trouve->second;
        return autres_[cle] = metriques_.horizontalAdvance(
                   QString::fromUtf8(cle.data(), static_cast<qsizetype>(cle.size())));
    }

    QFontMetricsF metriques_;
    QFontMetrics metriquesEntieres_;
    std::array<double, 128> ascii_{};
    std::unordered_map<std::string, double> autres_;
    double largeur_ = 0.0;
    std::string texte_;
};

} // namespace

void AjusteLargeurColonnes(QTreeView* liste, ModeleEcheancier& modele, const QWidget* fenetre) {
    const QFontMetrics police = fenetre->fontMetrics();
    // The margins an item view leaves on each side of a cell's text.
    const int marges = 2 * (liste->style()->pixelMetric(QStyle::PM_FocusFrameHMargin, nullptr, liste) + 1);
    const bool vide = modele.lignes().empty();

    for (int j = 0; j < modele.columnCount(); ++j) {
        PlusLargeTexte cellules(liste->font());
        for (const LigneTableau& ligne : modele.lignes())
            cellules.mesure(std::string_view(ligne.textes[static_cast<std::size_t>(j)]));
        int largeur = vide ? 0 : cellules.largeur() + marges;
        const int entete =
            police.horizontalAdvance(modele.headerData(j, Qt::Horizontal, Qt::DisplayRole).toString());
        if (entete + Pixels(180) > largeur)
            largeur = entete + Pixels(180);
        liste->header()->resizeSection(j, largeur);
    }
    for (int j = 0; j < modele.columnCount(); ++j)
        modele.setHeaderData(j, Qt::Horizontal, QVariant::fromValue(j == 0 ? Qt::AlignLeft : Qt::AlignRight),
                             Qt::TextAlignmentRole);
}

} // namespace amortix
