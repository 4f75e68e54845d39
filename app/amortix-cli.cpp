#include "CommandesCli.h"
#include "ErreursSysteme.h"

#include <QDate>
#include <QGuiApplication>
#include <QLocale>
#include <cerrno>
#include <clocale>
#include <cstdio>
#include <memory>
#include <optional>
#include <string>
#include <string_view>

namespace {

// Writes all of `texte` and flushes it; the system's reason when it could not (a full disk, a closed
// pipe), so that a cut output never ends with success.
std::optional<int> Ecrit(std::FILE* flux, const std::string& texte) {
    errno = 0;
    if (std::fwrite(texte.data(), 1, texte.size(), flux) != texte.size() || std::fflush(flux) != 0 ||
        std::ferror(flux))
        return errno != 0 ? errno : EIO;
    return std::nullopt;
}

} // namespace

int main(int argc, char* argv[]) {
    const std::string_view commande = argc > 1 ? argv[1] : "";
    // Only the printed report needs a graphical application, for its fonts, and never a display.
    std::unique_ptr<QCoreApplication> application;
    if (commande == "print") {
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
    // The stored settings matter only to the workbook and the report.
    const amortix::Module reglages = commande == "export" || commande == "print"
                                         ? amortix::ReglagesEnregistres(erreurs)
                                         : amortix::Module{};
    int statut =
        amortix::ExecuteCli(arguments, QLocale::system(), QDate::currentDate(), reglages, sortie, erreurs);
    if (const auto cause = Ecrit(stdout, sortie)) {
        erreurs += "amortix-cli : la sortie n'a pas pu être écrite : " +
                   amortix::DescriptionErreurSysteme(*cause).toStdString() + "\n";
        statut = amortix::StatutEchecCalcul;
    }
    Ecrit(stderr, erreurs);
    return statut;
}
