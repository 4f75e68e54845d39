#pragma once

#include <QWidget>
#include <functional>

class QLabel;
class QTimer;
class QToolButton;

namespace amortix {

// The welcome screen: a picture with the program's name, its version and its credits, shown for
// five seconds or until its arrow is clicked; then the main window comes, once.
class frmAccueil : public QWidget {
    Q_OBJECT

public:
    explicit frmAccueil(std::function<void()> afficheFenetrePrincipale);

    QLabel* Picture1;
    QToolButton* imgFleche;
    QTimer* Timer1;

    void imgFleche_Click();

private:
    std::function<void()> afficheFenetrePrincipale_;
    bool termine_ = false;
};

// The welcome picture: the drawing with the name, the version and the credit line written on it.
QPixmap ImageAccueil();

} // namespace amortix
