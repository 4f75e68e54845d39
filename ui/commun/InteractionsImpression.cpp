// The printing part of the real interactions: the default printer and the preview dialog.
#include "Interactions.h"

#include <QPrintPreviewDialog>
#include <QPrinter>
#include <QPrinterInfo>
#include <QScreen>
#include <QWidget>

namespace amortix {

std::unique_ptr<QPrinter> InteractionsBureau::imprimanteParDefaut() {
    const QPrinterInfo imprimante = QPrinterInfo::defaultPrinter();
    if (imprimante.isNull())
        return nullptr;
    // At the printer's own resolution: lines are counted in its dots.
    auto systeme = std::make_unique<QPrinter>(imprimante, QPrinter::HighResolution);
    systeme->setDocName(QStringLiteral("Tableau d'amortissement"));
    return systeme;
}

void InteractionsBureau::apercuAvantImpression(QWidget* parent,
                                               const std::function<void(QPrinter&)>& dessine) {
    QPrinter imprimante(QPrinter::HighResolution);
    imprimante.setDocName(QStringLiteral("Tableau d'amortissement"));
    QPrintPreviewDialog apercu(&imprimante, parent);
    apercu.setWindowTitle(QStringLiteral("Aperçu avant impression"));
    // Large enough to read a page.
    if (const QScreen* ecran = parent ? parent->screen() : nullptr)
        apercu.resize(ecran->availableSize() * 4 / 5);
    QObject::connect(&apercu, &QPrintPreviewDialog::paintRequested, &apercu,
                     [&dessine](QPrinter* page) { dessine(*page); });
    apercu.exec();
}

} // namespace amortix
