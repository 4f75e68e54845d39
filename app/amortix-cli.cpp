#include "CommandesCli.h"

#include <QDate>
#include <QGuiApplication>
#include <QLocale>

#include <clocale>
#include <cstdio>
#include <memory>
#include <string_view>

int main(int argc, char* argv[]) {
    // Only the printed report needs a graphical application, for its fonts, and never a display.
    std::unique_ptr<QCoreApplication> application;
    if (argc > 1 && std::string_view(argv[1]) == "print") {
        if (qEnvironmentVariableIsEmpty("QT_QPA_PLATFORM"))
            qputenv("QT_QPA_PLATFORM", "offscreen");
        application = std::make_unique<QGuiApplication>(argc, argv);
    } else {
        application = std::make_unique<QCoreApplication>(argc, argv);
    }
    // Nothing of ours may follow the C library's numeric locale.
    std::setlocale(LC_NUMERIC, "C");

    QStringList arguments = QCoreApplication::arguments();
    arguments.removeFirst();
    std::string sortie;
    std::string erreurs;
    const int statut =
        amortix::ExecuteCli(arguments, QLocale::system(), QDate::currentDate(), amortix::ReglagesEnregistres(), sortie,
                            erreurs);
    std::fwrite(sortie.data(), 1, sortie.size(), stdout);
    std::fwrite(erreurs.data(), 1, erreurs.size(), stderr);
    return statut;
}
