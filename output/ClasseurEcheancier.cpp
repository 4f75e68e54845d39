#include "ClasseurEcheancier.h"

#include "ClasseurXlsx.h"
#include "FichierUtilisateur.h"
#include "FeuilleClasseur.h"
#include "LectureNombres.h"

#include <QDir>
#include <QFile>
#include <QTemporaryDir>
#include <array>
#include <string>
#include <vector>

namespace amortix {
namespace {

// The frequency as the summary words it (the list says "ans").
std::string MotEcheance(int index) {
    static constexpr std::array<const char*, 4> mots = {"mois", "trimestres", "semestres", "années"};
    return index >= 0 && index < static_cast<int>(mots.size()) ? mots[static_cast<std::size_t>(index)] : "";
}

std::string Utf8(const QString& texte) {
    return texte.toStdString();
}

QString PasUnNombre(std::string_view texte) {
    return QStringLiteral("Incompatibilité de type : « %1 » n'est pas un nombre.")
        .arg(QString::fromUtf8(texte.data(), static_cast<qsizetype>(texte.size())));
}

} // namespace

ResultatClasseur EcritClasseur(const ContenuEcheancier& contenu, const QString& strEnteteExcel,
                               bool blnTEGDansExcel, const ConventionsLocales& conventions,
                               const QString& chemin) {
    QString etape;
    const auto echec = [&etape](int numero, const QString& description) {
        return ResultatClasseur{false, etape, numero, description};
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
    feuille.largeurColonne("G:G", 14);

    etape = QStringLiteral("4");
    feuille.aligneHorizontalement("A1:G1", AlignementHorizontal::Centre);
    feuille.fusionne("A1:G1");
    feuille.ecrit("A1", Utf8(strEnteteExcel));
    feuille.metEnGras("A1");
    feuille.metEnItalique("A1");

    etape = QStringLiteral("5");
    const std::string montant = Utf8(contenu.montant);
    const std::string duree = Utf8(contenu.duree);
    const std::string taux = Utf8(contenu.taux);
    const std::string assurance = Utf8(contenu.assurance);
    const std::string fraisDossier = Utf8(contenu.fraisDossier);
    feuille.ecrit("C3", "Montant du crédit :");
    const auto dblMontant = LitDecimal(montant, conventions);
    if (!dblMontant)
        return echec(ErreurIncompatibiliteType, PasUnNombre(montant));
    feuille.ecrit("D3", *dblMontant);
    feuille.ecrit("C4", "Amortissement (en " + MotEcheance(contenu.indexEcheance) + ") :");
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
        feuille.ecrit("E5", " TEG: " + Utf8(contenu.tegAffiche));
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
    const std::pair<const char*, const QString*> couts[] = {{"Intérêts :", &contenu.coutInterets},
                                                            {"Assurance :", &contenu.coutAssurance},
                                                            {"Frais de dossier :", &contenu.coutFraisDossier},
                                                            {nullptr, &contenu.coutTotal}};
    int ligneCout = 4;
    for (const auto& [libelle, texte] : couts) {
        const std::string ligne = std::to_string(ligneCout++);
        if (libelle)
            feuille.ecrit("F" + ligne, libelle);
        const std::string cout = Utf8(*texte);
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
            const auto valeur = LitDecimal(ligne[k + 2], conventions);
            if (!valeur)
                return echec(ErreurIncompatibiliteType, PasUnNombre(ligne[k + 2]));
            valeurs[k] = *valeur;
        }
    }
    const std::string derniere = std::to_string(static_cast<long long>(contenu.lignes.size()) + 10);
    feuille.ecritEcheancier(11, contenu.lignes, std::move(montants));

    etape = QStringLiteral("13");
    feuille.aligneHorizontalement("A11:G" + derniere, AlignementHorizontal::Droite);
    feuille.formateNombres("C11:G" + derniere, "#,##0.00");

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
    if (const auto erreur = classeur.ecrit(feuille))
        return echec(erreur->numero, erreur->description);
    return {};
}

ResultatClasseur EcritClasseur(const ContenuEcheancier& contenu, const QString& strEnteteExcel,
                               bool blnTEGDansExcel, const ConventionsLocales& conventions,
                               QIODevice& destination) {
    const QTemporaryDir dossier;
    if (!dossier.isValid())
        return {false, QStringLiteral("1"), ErreurAccesFichier,
                QStringLiteral("Impossible de créer un dossier temporaire dans « %1 » : %2")
                    .arg(QDir::toNativeSeparators(QDir::tempPath()), dossier.errorString())};
    const QString chemin = dossier.filePath(QStringLiteral("Amortix.xlsx"));
    ResultatClasseur resultat = EcritClasseur(contenu, strEnteteExcel, blnTEGDansExcel, conventions, chemin);
    if (!resultat.reussi)
        return resultat;

    QFile fichier(chemin);
    const auto echecCopie = [](const QString& raison) {
        return ResultatClasseur{false, QStringLiteral("16"), ErreurAccesFichier,
                                QStringLiteral("Impossible d'écrire le classeur : %1").arg(raison)};
    };
    if (!fichier.open(QIODevice::ReadOnly))
        return echecCopie(fichier.errorString());
    while (!fichier.atEnd()) {
        const QByteArray morceau = fichier.read(1 << 20);
        if (morceau.isEmpty() && !fichier.atEnd())
            return echecCopie(fichier.errorString());
        if (destination.write(morceau) != morceau.size())
            return echecCopie(destination.errorString());
    }
    return resultat;
}

ResultatClasseur EnregistreClasseur(const ContenuEcheancier& contenu, const QString& strEnteteExcel,
                                    bool blnTEGDansExcel, const ConventionsLocales& conventions,
                                    const QString& chemin) {
    std::optional<ResultatClasseur> classeur;
    const auto erreur = EcritFichierUtilisateur(chemin, [&](QIODevice& destination) -> std::optional<Erreur> {
        classeur = EcritClasseur(contenu, strEnteteExcel, blnTEGDansExcel, conventions, destination);
        if (classeur->reussi)
            return std::nullopt;
        return Erreur{classeur->numero, classeur->description};
    });
    if (classeur && !classeur->reussi)
        return *classeur;
    if (erreur) // the file could not be made (stage 1) or kept (stage 16)
        return {false, QLatin1String(classeur ? "16" : "1"), erreur->numero, erreur->description};
    return {};
}

} // namespace amortix
