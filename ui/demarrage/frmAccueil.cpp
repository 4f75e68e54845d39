#include "frmAccueil.h"

#include "Controles.h"

#include <QCoreApplication>
#include <QIcon>
#include <QLabel>
#include <QPainter>
#include <QScreen>
#include <QTimer>
#include <QToolButton>

namespace amortix {

QPixmap ImageAccueil() {
    QPixmap image = QIcon(QStringLiteral(":/icones/accueil.svg")).pixmap(QSize(335, 224));
    QPainter peintre(&image);
    peintre.setRenderHint(QPainter::TextAntialiasing);

    QFont nom(QStringLiteral("Arial"));
    nom.setPixelSize(34);
    nom.setBold(true);
    peintre.setFont(nom);
    peintre.setPen(Qt::white);
    peintre.drawText(QRect(14, 4, 220, 50), Qt::AlignLeft | Qt::AlignVCenter, QStringLiteral("Amortix"));

    QFont petit(QStringLiteral("Arial"));
    petit.setPixelSize(11);
    peintre.setFont(petit);
    peintre.drawText(QRect(180, 8, 145, 20), Qt::AlignRight | Qt::AlignVCenter,
                     QStringLiteral("Version %1").arg(QCoreApplication::applicationVersion()));
    peintre.drawText(QRect(120, 30, 205, 20), Qt::AlignRight | Qt::AlignVCenter,
                     QStringLiteral("Calcul de prêts à taux fixe"));

    // The credit line on a light strip, readable over the figures.
    peintre.fillRect(QRect(0, 199, 236, 21), QColor(255, 255, 255, 215));
    peintre.setPen(QColor(0x26, 0x32, 0x38));
    petit.setPixelSize(10);
    peintre.setFont(petit);
    peintre.drawText(QRect(10, 200, 280, 18), Qt::AlignLeft | Qt::AlignVCenter,
                     QStringLiteral("Conçu et réalisé par l'équipe Amortix"));
    return image;
}

frmAccueil::frmAccueil(std::function<void()> afficheFenetrePrincipale)
    : QWidget(nullptr, Qt::SplashScreen | Qt::FramelessWindowHint),
      afficheFenetrePrincipale_(std::move(afficheFenetrePrincipale)) {
    setObjectName(QStringLiteral("frmAccueil"));
    setWindowTitle(QStringLiteral("Amortix"));
    setFixedSize(Pixels(5010), Pixels(3345));

    Picture1 = Place(new QLabel(this), "Picture1", 0, 0, Twips(335), Twips(224));
    Picture1->setPixmap(ImageAccueil());

    imgFleche = Place(new QToolButton(this), "imgFleche", 4500, 2910, 555, 435);
    imgFleche->setIcon(QIcon(QStringLiteral(":/icones/fleche.svg")));
    imgFleche->setIconSize(imgFleche->size());
    imgFleche->setAutoRaise(true);
    imgFleche->setCursor(Qt::PointingHandCursor);
    imgFleche->setToolTip(QStringLiteral("Continuer"));
    imgFleche->setAccessibleName(QStringLiteral("Continuer"));
    imgFleche->setStyleSheet(QStringLiteral("QToolButton { border: none; background: transparent; }"));
    connect(imgFleche, &QToolButton::clicked, this, &frmAccueil::imgFleche_Click);

    Timer1 = new QTimer(this);
    Timer1->setObjectName(QStringLiteral("Timer1"));
    Timer1->setSingleShot(true);
    Timer1->setInterval(5000);
    connect(Timer1, &QTimer::timeout, this, &frmAccueil::imgFleche_Click);
    Timer1->start();

    if (const QScreen* ecran = screen())
        move(ecran->availableGeometry().center() - rect().center());
}

void frmAccueil::imgFleche_Click() {
    if (termine_)
        return;
    termine_ = true;
    Timer1->stop();
    afficheFenetrePrincipale_();
    close();
    deleteLater();
}

} // namespace amortix
