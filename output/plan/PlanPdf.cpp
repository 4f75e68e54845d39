#include "PlanPdf.h"

#include "Arrondis.h"
#include "ConventionsSysteme.h"
#include "FichierUtilisateur.h"
#include "GraphiquePlan.h"
#include "PagesGraphiquesPdf.h"
#include "PeintureGraphique.h"
#include "RapportImprime.h"

#include <QChart>
#include <QPainter>
#include <QPdfWriter>
#include <algorithm>
#include <memory>
#include <numeric>
#include <vector>

namespace amortix {
namespace {

constexpr double TaillePolice = 8.0;
// The chart is drawn at this size, then fitted into the page's width.
constexpr QSize TailleGraphique(720, 360);

// A table drawn row by row: the cells' widths, left to right from `gauche`, framed in grey.
class Tableau {
public:
    Tableau(QPainter& peintre, int gauche, std::vector<int> largeurs)
        : peintre_(peintre), gauche_(gauche), largeurs_(std::move(largeurs)),
          hauteur_(QFontMetrics(PolicePage(TaillePolice, true)).height() * 3 / 2) {}

    int hauteur() const { return hauteur_; }

    // One row at `y`: headings centred in bold on grey, figures right-aligned, the first
    // `aGauche` cells left-aligned.
    void rangee(int y, const QStringList& textes, bool entete, int aGauche = 0) {
        const int largeur = std::accumulate(largeurs_.begin(), largeurs_.end(), 0);
        if (entete)
            peintre_.fillRect(QRect(gauche_, y, largeur, hauteur_), QColor(230, 230, 230));
        peintre_.setFont(PolicePage(TaillePolice, entete));
        const int marge = QFontMetrics(peintre_.font()).averageCharWidth();
        int x = gauche_;
        for (std::size_t i = 0; i < largeurs_.size(); ++i) {
            const QRect cellule(x, y, largeurs_[i], hauteur_);
            const Qt::Alignment alignement = entete                          ? Qt::AlignHCenter
                                             : static_cast<int>(i) < aGauche ? Qt::AlignLeft
                                                                             : Qt::AlignRight;
            const QRect interieur = cellule.adjusted(marge, 0, -marge, 0);
            peintre_.setPen(Qt::black);
            peintre_.drawText(
                interieur, static_cast<int>(alignement | Qt::AlignVCenter),
                QFontMetrics(peintre_.font())
                    .elidedText(textes.value(static_cast<qsizetype>(i)), Qt::ElideRight, interieur.width()));
            peintre_.setPen(QPen(Qt::gray, 0));
            peintre_.drawRect(cellule);
            x += largeurs_[i];
        }
        peintre_.setPen(Qt::black);
    }

private:
    QPainter& peintre_;
    int gauche_;
    std::vector<int> largeurs_;
    int hauteur_;
};

// The width of the widest text, in bold, with a margin on each side.
int Largeur(const QStringList& textes) {
    const QFontMetrics mesure(PolicePage(TaillePolice, true));
    int largeur = 0;
    for (const QString& texte : textes)
        largeur = std::max(largeur, mesure.horizontalAdvance(texte));
    return largeur + 2 * mesure.averageCharWidth();
}

// Widths: the first columns as their texts need, the rest sharing what is left, at most `plafond`.
std::vector<int> Largeurs(std::vector<int> premieres, std::size_t autres, int disponible, int plafond) {
    const int pris = std::accumulate(premieres.begin(), premieres.end(), 0);
    const int part = autres == 0 ? 0 : std::min(plafond, (disponible - pris) / static_cast<int>(autres));
    premieres.insert(premieres.end(), autres, part);
    return premieres;
}

} // namespace

std::optional<Erreur> EcritPlanPdf(QIODevice& destination, const PlanFinancement& plan,
                                   const QLocale& locale) {
    const ConventionsLocales conventions = ConventionsDe(locale);
    QPdfWriter pdf(&destination);
    MetEnPageGraphique(pdf, QStringLiteral("Plan de financement"), QPageLayout::Portrait);
    QPainter peintre;
    if (!peintre.begin(&pdf))
        return Erreur{NumeroErreurImprimante, QStringLiteral("Le document PDF n'a pas pu commencer.")};
    const QRect page(0, 0, pdf.width(), pdf.height());

    int y = DessineTitrePage(peintre, page, QStringLiteral("Plan de financement"));

    // The figures, as the window's "Résultat".
    const QStringList libelles = {QStringLiteral("Échéance totale, hors assurance :"),
                                  QStringLiteral("Échéance totale, assurance comprise :"),
                                  QStringLiteral("Coût total du plan :"), QStringLiteral("TAEG du plan :")};
    const QStringList valeurs = {DepuisUtf8(Fmt2(plan.palier, conventions)),
                                 DepuisUtf8(Fmt2(plan.palierAvecAssurance, conventions)),
                                 DepuisUtf8(plan.coutTotal.total), DepuisUtf8(plan.taeg.value_or("-"))};
    Tableau resume(peintre, page.left(), {Largeur(libelles), Largeur(valeurs)});
    for (qsizetype i = 0; i < libelles.size(); ++i, y += resume.hauteur())
        resume.rangee(y, {libelles[i], valeurs[i]}, false, 1);
    y += EspacePage;

    // The costs, one row per loan and the plan's.
    std::vector<CoutsPret> couts = plan.couts;
    couts.push_back({"Total", plan.coutTotal});
    QStringList noms = {QStringLiteral("Prêt")};
    for (const CoutsPret& c : couts)
        noms << DepuisUtf8(c.nom);
    Tableau tableCouts(peintre, page.left(), Largeurs({Largeur(noms)}, 4, page.width(), page.width() / 6));
    tableCouts.rangee(y,
                      {QStringLiteral("Prêt"), QStringLiteral("Intérêts"), QStringLiteral("Assurance"),
                       QStringLiteral("Frais"), QStringLiteral("Coût")},
                      true);
    y += tableCouts.hauteur();
    for (const CoutsPret& c : couts) {
        tableCouts.rangee(y,
                          {DepuisUtf8(c.nom), DepuisUtf8(c.couts.interets), DepuisUtf8(c.couts.assurance),
                           DepuisUtf8(c.couts.fraisDossier), DepuisUtf8(c.couts.total)},
                          false, 1);
        y += tableCouts.hauteur();
    }
    y += EspacePage;

    QSize taille = TailleGraphique;
    taille.scale(QSize(page.width(), page.bottom() - y), Qt::KeepAspectRatio);
    PeintGraphique(peintre, std::unique_ptr<QChart>(CreeGraphiquePlan(&plan, locale)), TailleGraphique,
                   QRectF(QPointF(page.left(), y), taille));

    // Every period, from the next page, the heading on top of each.
    QStringList entetes = {QStringLiteral("N°"), QStringLiteral("Date")};
    for (const PretDuPlan& pret : plan.prets)
        entetes << DepuisUtf8(pret.nom);
    entetes << QStringLiteral("Total");
    const QString derniereDate = plan.periodes.empty() ? QString() : DepuisUtf8(plan.periodes.back().date);
    Tableau periodes(peintre, page.left(),
                     Largeurs({Largeur({QStringLiteral("00000")}), Largeur({derniereDate})},
                              plan.prets.size() + 1, page.width(), page.width() / 5));
    y = page.bottom();
    for (const PeriodePlan& periode : plan.periodes) {
        if (y + periodes.hauteur() > page.bottom()) {
            if (!pdf.newPage())
                return Erreur{NumeroErreurImprimante,
                              QStringLiteral("Le document PDF n'a pas pu continuer.")};
            y = page.top();
            periodes.rangee(y, entetes, true);
            y += periodes.hauteur();
        }
        QStringList rangee = {QString::number(periode.numero), DepuisUtf8(periode.date)};
        for (const std::string& montant : periode.montants)
            rangee << DepuisUtf8(montant);
        rangee << DepuisUtf8(periode.total);
        periodes.rangee(y, rangee, false);
        y += periodes.hauteur();
    }
    if (!peintre.end())
        return Erreur{NumeroErreurImprimante, QStringLiteral("Le document PDF n'a pas pu être terminé.")};
    return std::nullopt;
}

std::optional<Erreur> EnregistrePlanPdf(const QString& chemin, const PlanFinancement& plan,
                                        const QLocale& locale) {
    return EcritFichierUtilisateur(
        chemin, [&](QIODevice& destination) { return EcritPlanPdf(destination, plan, locale); });
}

} // namespace amortix
