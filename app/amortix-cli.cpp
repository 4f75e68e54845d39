#include "CommandesCli.h"
#include "ErreursSysteme.h"
#include "TraductionsQt.h"

#include <QApplication>
#include <QDate>
#include <QDir>
#include <QLocale>
#include <cerrno>
#include <clocale>
#include <cstdio>
#include <cstdlib>
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

// Qt wants a private runtime folder for the report's fonts and warns on stderr when the session has
// none (a cron job, ssh, a container); one of ours is made for the run and removed afterwards.
class DossierExecution {
public:
    DossierExecution() {
        if (!qEnvironmentVariableIsEmpty("XDG_RUNTIME_DIR"))
            return;
        char modele[] = "/tmp/amortix-cli-XXXXXX";
        if (const char* dossier = mkdtemp(modele)) { // made with mode 0700, as Qt requires
            chemin_ = QString::fromLocal8Bit(dossier);
            qputenv("XDG_RUNTIME_DIR", dossier);
        }
    }
    ~DossierExecution() {
        if (!chemin_.isEmpty())
            QDir(chemin_).removeRecursively();
    }
    DossierExecution(const DossierExecution&) = delete;
    DossierExecution& operator=(const DossierExecution&) = delete;

private:
    QString chemin_;
};

// compare and plan write their pages only when asked for them (--pdf FILE or --pdf=FILE).
bool DemandeUnePage(int argc, char* argv[]) {
    for (int i = 2; i < argc; ++i)
        if (const std::string_view argument = argv[i]; argument == "--pdf" || argument.starts_with("--pdf="))
            return true;
    return false;
}

} // namespace

int main(int argc, char* argv[]) {
    const std::string_view commande = argc > 1 ? argv[1] : "";
    // Only the PDFs need a graphical application, never a display: the printed report for its fonts,
    // the comparison's and the plan's pages also for their charts, which stand on Qt Widgets.
    const bool pagesAGraphiques = (commande == "compare" || commande == "plan") && DemandeUnePage(argc, argv);
    std::optional<DossierExecution> dossierExecution; // outlives the application
    std::unique_ptr<QCoreApplication> application;
    if (commande == "print" || pagesAGraphiques) {
        dossierExecution.emplace();
        if (qEnvironmentVariableIsEmpty("QT_QPA_PLATFORM"))
            qputenv("QT_QPA_PLATFORM", "offscreen");
        if (pagesAGraphiques)
            application = std::make_unique<QApplication>(argc, argv);
        else
            application = std::make_unique<QGuiApplication>(argc, argv);
    } else {
        application = std::make_unique<QCoreApplication>(argc, argv);
    }
    // Nothing of ours may follow the C library's numeric locale.
    std::setlocale(LC_NUMERIC, "C");
    amortix::ChargeTraductionsQt(*application);

    QStringList arguments = QCoreApplication::arguments();
    arguments.removeFirst();
    std::string sortie;
    std::string erreurs;
    // The stored settings matter only to the workbook, the report and the comparison's TEG.
    const amortix::Module reglages = commande == "export" || commande == "print" || commande == "compare"
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
