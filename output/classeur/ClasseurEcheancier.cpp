#include "ClasseurEcheancier.h"

#include "ClasseurXlsx.h"
#include "ConventionsSysteme.h"
#include "ErreursSysteme.h"
#include "FeuilleClasseur.h"
#include "FichierUtilisateur.h"
#include "LectureNombres.h"

#include <QDir>
#include <QTemporaryDir>
#include <array>
#include <limits>
#include <string>
#include <vector>

namespace amortix {
namespace {

QString PasUnNombre(std::string_view texte) {
    return QStringLiteral("Incompatibilité de type : « %1 » n'est pas un nombre.").arg(DepuisUtf8(texte));
}

} // namespace

std::optional<EchecClasseur> EcritClasseur(const ContenuEcheancier& contenu, const QString& strEnteteExcel,
                                           bool blnTEGDansExcel, const ConventionsLocales& conventions,
                                           const QString& chemin,
                                           std::span<const FeuilleClasseur* const> suivantes) {
    QString etape;
    const auto echec = [&etape](int numero, const QString& description) {
        return std::optional<EchecClasseur>({etape, {numero, description}});
    };

    etape = QStringLiteral("1");
    ClasseurXlsx classeur(chemin);
    if (!classeur.pret()) {
        const Erreur erreur = ClasseurXlsx::ErreurMemoire();
        return echec(erreur.numero, erreur.description);
    }

    etape = QStringLiteral("2");
    FeuilleClasseur feuille;

    etape = QStringLiteral("3");
    feuille.largeurColonne("A:A", 4);
    // Wider than the default 8.43: B holds a date text of ten characters, D an amount of 100 000,00
    // and more, E the heading "Assurance" unbroken and the TEG text beside the rate, which cannot
    // spill over the cost labels, and F those labels, which cannot spill over the TEG text.
    feuille.largeurColonne("B:B", 10.5);
    feuille.largeurColonne("D:D", 11);
    feuille.largeurColonne("E:E", 12.5);
    feuille.largeurColonne("F:F", 12);
    feuille.largeurColonne("G:G", 14);

    etape = QStringLiteral("4");
    feuille.aligneHorizontalement("A1:G1", AlignementHorizontal::Centre);
    feuille.fusionne("A1:G1");
    feuille.ecrit("A1", VersUtf8(strEnteteExcel));
    feuille.metEnGras("A1");
    feuille.metEnItalique("A1");

    etape = QStringLiteral("5");
    const SaisieEmprunt& saisie = contenu.saisie;
    const std::string& montant = saisie.montant;
    const std::string& duree = saisie.duree;
    const std::string& taux = saisie.taux;
    const std::string& assurance = saisie.assurance;
    const std::string& fraisDossier = saisie.fraisDossier;
    feuille.ecrit("C3", "Montant du crédit :");
    const auto dblMontant = LitDecimal(montant, conventions);
    if (!dblMontant)
        return echec(ErreurIncompatibiliteType, PasUnNombre(montant));
    feuille.ecrit("D3", *dblMontant);
    feuille.ecrit("C4", "Amortissement (en " + std::string(MotClasseur(saisie.frequence)) + ") :");
    const auto lngDuree = LitEntier(duree, conventions);
    if (!lngDuree)
        return echec(ErreurIncompatibiliteType, PasUnNombre(duree));
    feuille.ecrit("D4", static_cast<double>(*lngDuree));
    feuille.ecrit("C5", "Taux d'intérêt :");
    const auto dblTaux = LitDecimal(taux, conventions);
    if (!dblTaux)
        return echec(ErreurIncompatibiliteType, PasUnNombre(taux));
    feuille.ecrit("D5", *dblTaux / 100);
    feuille.formateNombres("D5", "0.00%");
    feuille.ecrit("C6", "Assurance (fixe par éch.) :");
    const auto dblAssurance = LitDecimal(assurance, conventions);
    if (!dblAssurance)
        return echec(ErreurIncompatibiliteType, PasUnNombre(assurance));
    feuille.ecrit("D6", *dblAssurance);
    feuille.ecrit("C7", "Frais de dossier :");
    const auto dblFraisDossier = LitDecimal(fraisDossier, conventions);
    if (!dblFraisDossier)
        return echec(ErreurIncompatibiliteType, PasUnNombre(fraisDossier));
    feuille.ecrit("D7", *dblFraisDossier);
    if (blnTEGDansExcel) {
        // The text begins with a blank, to stand apart from the rate beside it.
        feuille.ecrit("E5", " TEG: " + contenu.tegAffiche);
        feuille.changeTaillePolice("E5", 8);
        feuille.aligneVerticalement("E5", AlignementVertical::Centre);
    }

    etape = QStringLiteral("6");
    feuille.aligneHorizontalement("C3:C7", AlignementHorizontal::Droite);

    etape = QStringLiteral("7");
    feuille.fusionne("F3:G3");
    feuille.aligneHorizontalement("F3", AlignementHorizontal::Centre);
    feuille.souligne("F3");
    feuille.ecrit("F3", "Coût du crédit");
    // F7 stays empty: the total stands alone under the line drawn at stage 9.
    const std::pair<const char*, const std::string*> couts[] = {
        {"Intérêts :", &contenu.couts.interets},
        {"Assurance :", &contenu.couts.assurance},
        {"Frais de dossier :", &contenu.couts.fraisDossier},
        {nullptr, &contenu.couts.total}};
    int ligneCout = 4;
    for (const auto& [libelle, texte] : couts) {
        const std::string ligne = std::to_string(ligneCout++);
        if (libelle)
            feuille.ecrit("F" + ligne, libelle);
        const std::string& cout = *texte;
        const auto valeur = LitDecimal(cout, conventions);
        if (!valeur)
            return echec(ErreurIncompatibiliteType, PasUnNombre(cout));
        feuille.ecrit("G" + ligne, *valeur);
    }

    etape = QStringLiteral("8");
    feuille.aligneHorizontalement("F4:F6", AlignementHorizontal::Droite);
    feuille.formateNombres("D3", "#,##0.00");
    feuille.formateNombres("D4", "0");
    feuille.formateNombres("D6:D7", "#,##0.00");
    feuille.metEnGras("D3:D7");
    feuille.formateNombres("G4:G7", "#,##0.00");
    feuille.metEnGras("G4:G7");

    etape = QStringLiteral("9");
    feuille.trace("G6", Bord::Bas, Trait::Fin);

    etape = QStringLiteral("10");
    static constexpr std::array<const char*, 7> entetes = {
        "N°", "Date", "Montant échéance", "Intérêts", "Assurance", "Capital amorti", "Capital restant dû"};
    for (std::size_t colonne = 0; colonne < entetes.size(); ++colonne)
        feuille.ecrit(std::string(1, static_cast<char>('A' + colonne)) + "10", entetes[colonne]);
    feuille.aligneHorizontalement("A9:G9", AlignementHorizontal::Centre);
    feuille.fusionne("A9:G9");
    feuille.ecrit("A9", "TABLEAU D'AMORTISSEMENT");
    feuille.metEnGras("A9");
    feuille.hauteurLignes("10:10", 28.5);
    feuille.aligneVerticalement("10:10", AlignementVertical::Centre);
    feuille.metEnGras("10:10");
    feuille.renvoieALaLigne("10:10");

    etape = QStringLiteral("11");
    feuille.aligneHorizontalement("A10:G10", AlignementHorizontal::Centre);

    etape = QStringLiteral("12");
    // Columns A and B are the list's texts: the payment number, and the date exactly as the list
    // shows it rather than a date value. Columns C to G are the amounts, as numbers.
    std::vector<std::array<double, 5>> montants;
    montants.reserve(contenu.lignes.size());
    for (const LigneTableau& ligne : contenu.lignes) {
        std::array<double, 5>& valeurs = montants.emplace_back();
        for (std::size_t k = 0; k < valeurs.size(); ++k) {
            const std::string& texte = ligne[ColonnesMontants[k]];
            const auto valeur = LitDecimal(texte, conventions);
            if (!valeur)
                return echec(ErreurIncompatibiliteType, PasUnNombre(texte));
            valeurs[k] = *valeur;
        }
    }
    const std::string derniere = std::to_string(static_cast<long long>(contenu.lignes.size()) + 10);
    feuille.ecritEcheancier(11, contenu.lignes, std::move(montants));

    etape = QStringLiteral("13");
    feuille.aligneHorizontalement("A11:G" + derniere, AlignementHorizontal::Droite);
    feuille.formateNombres("C11:G" + derniere, "#,##0.00");
    // The dates are the list's texts: a spreadsheet must not turn them into dates when edited.
    feuille.gardeEnTexte("B11:B" + derniere);

    etape = QStringLiteral("14");
    for (const Bord bord : {Bord::Gauche, Bord::Haut, Bord::Bas, Bord::Droite, Bord::InterieurVertical})
        feuille.trace("A10:G10", bord, Trait::Fin);
    for (const Bord bord : {Bord::Gauche, Bord::Haut, Bord::Bas, Bord::Droite, Bord::InterieurVertical})
        feuille.trace("A11:G" + derniere, bord, Trait::Fin);
    feuille.trace("A11:G" + derniere, Bord::InterieurHorizontal, Trait::Cheveu);

    // The printed titles cannot fail here: they are set when the file is made, which ignores their
    // failures.
    etape = QStringLiteral("15-1");
    feuille.repeteLignes("$10:$10");
    etape = QStringLiteral("15-2");
    feuille.repeteColonnes("");

    etape = QStringLiteral("15-3");
    feuille.nomme("Amortix");

    etape = QStringLiteral("16");
    std::vector<const FeuilleClasseur*> feuilles = {&feuille};
    feuilles.insert(feuilles.end(), suivantes.begin(), suivantes.end());
    if (const auto erreur = classeur.ecrit(feuilles))
        return echec(erreur->numero, erreur->description);
    return std::nullopt;
}

std::optional<EchecClasseur> EcritClasseur(const ContenuEcheancier& contenu, const QString& strEnteteExcel,
                                           bool blnTEGDansExcel, const ConventionsLocales& conventions,
                                           QIODevice& destination,
                                           std::span<const FeuilleClasseur* const> suivantes) {
    const auto echec = [](const char* etape, const QString& description) {
        return std::optional<EchecClasseur>({QLatin1String(etape), {ErreurAccesFichier, description}});
    };
    const QTemporaryDir dossier;
    if (!dossier.isValid())
        return echec("1",
                     QStringLiteral("Impossible de créer un dossier temporaire dans « %1 » : %2")
                         .arg(QDir::toNativeSeparators(QDir::tempPath()), EnFrancais(dossier.errorString())));
    const QString chemin = dossier.filePath(QStringLiteral("Amortix.xlsx"));
    if (auto echecClasseur =
            EcritClasseur(contenu, strEnteteExcel, blnTEGDansExcel, conventions, chemin, suivantes))
        return echecClasseur;

    // libxlsxwriter makes a file of its own; it is copied whole into the destination.
    const FichierLu fichier = LitFichierUtilisateur(chemin, std::numeric_limits<qint64>::max() / 2);
    if (fichier.erreur)
        return echec("16", fichier.erreur->description);
    if (destination.write(fichier.octets) != fichier.octets.size())
        return echec("16", QStringLiteral("Impossible d'écrire le classeur : %1")
                               .arg(EnFrancais(destination.errorString())));
    return std::nullopt;
}

std::optional<EchecClasseur> EnregistreClasseur(const ContenuEcheancier& contenu,
                                                const QString& strEnteteExcel, bool blnTEGDansExcel,
                                                const ConventionsLocales& conventions, const QString& chemin,
                                                std::span<const FeuilleClasseur* const> suivantes) {
    std::optional<EchecClasseur> classeur;
    bool ecrit = false;
    const auto erreur = EcritFichierUtilisateur(chemin, [&](QIODevice& destination) -> std::optional<Erreur> {
        ecrit = true;
        classeur =
            EcritClasseur(contenu, strEnteteExcel, blnTEGDansExcel, conventions, destination, suivantes);
        return classeur ? std::optional(classeur->erreur) : std::nullopt;
    });
    if (classeur)
        return classeur;
    if (erreur) // the file could not be made (stage 1) or kept (stage 16)
        return EchecClasseur{QLatin1String(ecrit ? "16" : "1"), *erreur};
    return std::nullopt;
}

} // namespace amortix
