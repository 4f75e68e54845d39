#include "CommandesCli.h"

#include <QCoreApplication>
#include <QDate>
#include <QLocale>

#include <clocale>
#include <cstdio>

int main(int argc, char* argv[]) {
    QCoreApplication application(argc, argv);
    // Nothing of ours may follow the C library's numeric locale.
    std::setlocale(LC_NUMERIC, "C");

    QStringList arguments = QCoreApplication::arguments();
    arguments.removeFirst();
    std::string sortie;
    std::string erreurs;
    const int statut =
        amortix::ExecuteCli(arguments, QLocale::system(), QDate::currentDate(), sortie, erreurs);
    std::fwrite(sortie.data(), 1, sortie.size(), stdout);
    std::fwrite(erreurs.data(), 1, erreurs.size(), stderr);
    return statut;
}
