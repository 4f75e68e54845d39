#include "Interactions.h"
#include "Module.h"
#include "frmEmprunt.h"

#include <QApplication>

#include <clocale>

int main(int argc, char* argv[]) {
    QApplication application(argc, argv);
    // Nothing of ours may follow the C library's numeric locale.
    std::setlocale(LC_NUMERIC, "C");
    QApplication::setApplicationName(QStringLiteral("Amortix"));

    amortix::Module module;
    amortix::InteractionsBureau interactions;
    auto* fenetre = new amortix::frmEmprunt(module, interactions);
    fenetre->setAttribute(Qt::WA_DeleteOnClose);
    fenetre->show();
    return QApplication::exec();
}
