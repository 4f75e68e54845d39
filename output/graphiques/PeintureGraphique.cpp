#include "PeintureGraphique.h"

#include <QChart>
#include <QGraphicsScene>

namespace amortix {

void PeintGraphique(QPainter& peintre, std::unique_ptr<QChart> graphique, const QSizeF& taille,
                    const QRectF& cible) {
    // The scene holds the chart, and deletes it with itself.
    QGraphicsScene scene;
    QChart* seul = graphique.release();
    scene.addItem(seul);
    seul->resize(taille);
    const QRectF source(QPointF(), taille);
    scene.setSceneRect(source);
    scene.render(&peintre, cible, source);
}

} // namespace amortix
