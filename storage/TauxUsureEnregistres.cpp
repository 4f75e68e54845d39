#include "TauxUsureEnregistres.h"

#include "ConventionsSysteme.h"
#include "FichierUtilisateur.h"

#include <QFile>

namespace amortix {

TableUsure TableUsureFournie() {
    QFile fichier(QStringLiteral(":/donnees/taux-usure.txt"));
    const QByteArray octets = fichier.open(QIODevice::ReadOnly) ? fichier.readAll() : QByteArray();
    const auto lue = LitTableUsure(octets.toStdString());
    // The shipped table is checked by the tests; a build without it is broken.
    if (!std::holds_alternative<TableUsure>(lue))
        qFatal("taux-usure.txt : %s", std::get<std::string>(lue).c_str());
    return std::get<TableUsure>(lue);
}

std::variant<TableUsure, Erreur> LitFichierTauxUsure(const QString& chemin) {
    const FichierLu fichier = LitFichierUtilisateur(chemin, TailleMaximaleFichierAmortix);
    if (fichier.erreur)
        return *fichier.erreur;
    auto lue = LitTableUsure(fichier.octets.toStdString());
    if (auto* motif = std::get_if<std::string>(&lue))
        return Erreur{ErreurLecture, DepuisUtf8(*motif)};
    return std::get<TableUsure>(lue);
}

LectureTauxUsure LitTauxUsureEnregistres(const QString& chemin) {
    LectureTauxUsure lecture{TableUsureFournie(), false, std::nullopt};
    if (chemin.isEmpty() || !QFile::exists(chemin))
        return lecture;
    auto lue = LitFichierTauxUsure(chemin);
    if (auto* erreur = std::get_if<Erreur>(&lue)) {
        lecture.erreur = std::move(*erreur);
        return lecture;
    }
    lecture.table = std::get<TableUsure>(lue);
    lecture.personnalisee = true;
    return lecture;
}

std::optional<Erreur> EnregistreTauxUsure(const QString& chemin, const TableUsure& table) {
    if (const auto motif = MotifTableIncorrecte(table))
        return Erreur{ErreurEcriture, DepuisUtf8(*motif)};
    return EcritFichierUtilisateur(chemin, QByteArray::fromStdString(EcritTableUsure(table)));
}

} // namespace amortix
