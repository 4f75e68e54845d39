#include "ArgumentsCli.h"

#include "ConventionsSysteme.h"
#include "Frequence.h"

#include <QRegularExpression>
#include <algorithm>
#include <iterator>
#include <string_view>

namespace amortix {
namespace {

enum class Option {
    Montant,
    Duree,
    Frequence,
    Taux,
    Assurance,
    Frais,
    PremiereDate,
    Methode,
    Locale,
    Format,
    Mensualite,
    Classeur,
    Pdf,
    TegDansSorties,
    Apres,
    Rembourse,
    Tout,
    Garde,
    Indemnite,
    TauxAssurance,
    BaseAssurance,
    Differe,
    PeriodesDiffere,
    Revenu,
    Charges,
    Ratio,
    Nature,
    TableUsure,
    Lissage
};

// The commands an option belongs to, as bits.
constexpr unsigned Pour(CommandeCli commande) {
    return 1u << static_cast<unsigned>(commande);
}
// The commands that compute a schedule: from flags or from a document.
constexpr unsigned Echeanciers = Pour(CommandeCli::Echeancier) | Pour(CommandeCli::ExportClasseur) |
                                 Pour(CommandeCli::ImpressionPdf) | Pour(CommandeCli::RemboursementAnticipe);
constexpr unsigned Toutes = ~0u;

struct DefinitionOption {
    std::string_view nom;
    Option option;
    unsigned commandes;
    bool sansValeur = false; // a flag: --all, --teg-in-outputs
};

// Every option of amortix-cli, and who takes it.
constexpr DefinitionOption TableOptions[] = {
    {"--amount", Option::Montant, Echeanciers | Pour(CommandeCli::ValeurManquante)},
    {"--duration", Option::Duree,
     Echeanciers | Pour(CommandeCli::ValeurManquante) | Pour(CommandeCli::Capacite)},
    {"--frequency", Option::Frequence,
     Echeanciers | Pour(CommandeCli::ValeurManquante) | Pour(CommandeCli::Capacite)},
    {"--rate", Option::Taux, Echeanciers | Pour(CommandeCli::ValeurManquante) | Pour(CommandeCli::Capacite)},
    {"--insurance", Option::Assurance, Echeanciers | Pour(CommandeCli::Capacite)},
    {"--fees", Option::Frais, Echeanciers | Pour(CommandeCli::Capacite)},
    {"--first-date", Option::PremiereDate, Echeanciers},
    {"--method", Option::Methode, Echeanciers},
    {"--locale", Option::Locale, Toutes},
    {"--smooth", Option::Lissage, Pour(CommandeCli::Plan)},
    {"--format", Option::Format,
     Pour(CommandeCli::Echeancier) | Pour(CommandeCli::ValeurManquante) | Pour(CommandeCli::Comparaison) |
         Pour(CommandeCli::RemboursementAnticipe) | Pour(CommandeCli::Capacite) | Pour(CommandeCli::Plan)},
    {"--payment", Option::Mensualite, Pour(CommandeCli::ValeurManquante)},
    {"--xlsx", Option::Classeur, Pour(CommandeCli::ExportClasseur) | Pour(CommandeCli::Plan)},
    {"--pdf", Option::Pdf,
     Pour(CommandeCli::ImpressionPdf) | Pour(CommandeCli::Comparaison) | Pour(CommandeCli::Plan)},
    {"--teg-in-outputs", Option::TegDansSorties,
     Pour(CommandeCli::ExportClasseur) | Pour(CommandeCli::ImpressionPdf), true},
    {"--after", Option::Apres, Pour(CommandeCli::RemboursementAnticipe)},
    {"--repay", Option::Rembourse, Pour(CommandeCli::RemboursementAnticipe)},
    {"--all", Option::Tout, Pour(CommandeCli::RemboursementAnticipe), true},
    {"--keep", Option::Garde, Pour(CommandeCli::RemboursementAnticipe)},
    {"--penalty", Option::Indemnite, Pour(CommandeCli::RemboursementAnticipe)},
    {"--insurance-rate", Option::TauxAssurance, Echeanciers | Pour(CommandeCli::Capacite)},
    {"--insurance-base", Option::BaseAssurance, Echeanciers},
    {"--deferral", Option::Differe, Echeanciers},
    {"--deferral-periods", Option::PeriodesDiffere, Echeanciers},
    {"--income", Option::Revenu, Pour(CommandeCli::Capacite)},
    {"--charges", Option::Charges, Pour(CommandeCli::Capacite)},
    {"--ratio", Option::Ratio, Pour(CommandeCli::Capacite)},
    {"--kind", Option::Nature, Pour(CommandeCli::Comparaison)},
    {"--usury-table", Option::TableUsure, Pour(CommandeCli::Comparaison) | Pour(CommandeCli::Capacite)},
};

const DefinitionOption* TrouveOption(const QString& nom) {
    const std::string texte = nom.toStdString();
    const auto trouvee = std::find_if(std::begin(TableOptions), std::end(TableOptions),
                                      [&](const DefinitionOption& d) { return d.nom == texte; });
    return trouvee == std::end(TableOptions) ? nullptr : trouvee;
}

bool CalculeUnEcheancier(CommandeCli commande) {
    return (Echeanciers & Pour(commande)) != 0;
}

std::optional<QDate> LitDateIso(const QString& texte) {
    static const QRegularExpression iso(QStringLiteral("^(\\d{4})-(\\d{2})-(\\d{2})$"));
    const auto correspondance = iso.match(texte);
    if (!correspondance.hasMatch())
        return std::nullopt;
    const QDate date(correspondance.captured(1).toInt(), correspondance.captured(2).toInt(),
                     correspondance.captured(3).toInt());
    if (!date.isValid() || date.year() < 1)
        return std::nullopt;
    return date;
}

std::optional<QLocale> LitLocale(const QString& nom) {
    const QLocale locale(nom);
    // QLocale falls back to "C" for names it does not know.
    if (locale.language() == QLocale::C && nom != QLatin1String("C") && nom != QLatin1String("POSIX"))
        return std::nullopt;
    return locale;
}

} // namespace

QString TexteUsage() {
    return QStringLiteral(
        "Usage :\n"
        "  amortix-cli schedule [--amount T] [--duration T] [--frequency mois|trimestres|semestres|ans]\n"
        "                       [--rate T] [--insurance T] [--fees T] [--first-date AAAA-MM-JJ]\n"
        "                       [--insurance-rate T --insurance-base initial|remaining]\n"
        "                       [--deferral partial|total --deferral-periods N]\n"
        "                       [--method actuariel|proportionnel] [--locale NOM] [--format text|csv|json]\n"
        "  amortix-cli schedule DOCUMENT.amx [--locale NOM] [--format text|csv|json]\n"
        "  amortix-cli solve [--amount T] [--duration T] [--rate T] [--payment T]\n"
        "                    [--frequency mois|trimestres|semestres|ans] [--locale NOM] [--format "
        "text|json]\n"
        "  amortix-cli export --xlsx CLASSEUR.xlsx [DOCUMENT.amx | les options de schedule] "
        "[--teg-in-outputs]\n"
        "  amortix-cli print --pdf RAPPORT.pdf [DOCUMENT.amx | les options de schedule] [--teg-in-outputs]\n"
        "  amortix-cli compare DOCUMENT.amx [DOCUMENT.amx ...] [--kind immobilier|consommation]\n"
        "                      [--usury-table FICHIER] [--locale NOM] [--format text|json]\n"
        "  amortix-cli compare --pdf COMPARAISON.pdf DOCUMENT.amx [DOCUMENT.amx ...]\n"
        "                      [--kind immobilier|consommation] [--usury-table FICHIER] [--locale NOM]\n"
        "  amortix-cli prepay [DOCUMENT.amx | les options de schedule] --after N (--repay T | --all)\n"
        "                     --keep payment|duration [--penalty immobilier|consommation|aucune|T]\n"
        "                     [--format text|json]\n"
        "  amortix-cli capacity --income T [--income T] [--charges T] [--ratio T] --rate T --duration T\n"
        "                       [--frequency mois|ans] [--insurance T | --insurance-rate T] [--fees T]\n"
        "                       [--usury-table FICHIER] [--locale NOM] [--format text|json]\n"
        "  amortix-cli plan --smooth PRINCIPAL.amx DOCUMENT.amx [DOCUMENT.amx ...] [--locale NOM]\n"
        "                   [--format text|json]\n"
        "  amortix-cli plan --smooth PRINCIPAL.amx DOCUMENT.amx [DOCUMENT.amx ...]\n"
        "                   (--xlsx CLASSEUR.xlsx | --pdf PLAN.pdf) [--locale NOM]\n"
        "\n"
        "Chaque T est lu comme la zone correspondante de la fenêtre, dans la langue choisie (par défaut\n"
        "celle de l'environnement). Pour solve, laissez de côté la valeur à retrouver.\n");
}

AnalyseArguments AnalyseArgumentsCli(const QStringList& arguments, const QLocale& localeParDefaut) {
    AnalyseArguments analyse;
    auto refus = [&analyse](const QString& raison) {
        analyse.erreur = raison;
        return analyse;
    };
    if (arguments.isEmpty())
        return refus(QStringLiteral("commande manquante"));

    ArgumentsCli a;
    a.locale = localeParDefaut;
    const QString& commande = arguments.front();
    if (commande == QLatin1String("schedule"))
        a.commande = CommandeCli::Echeancier;
    else if (commande == QLatin1String("solve"))
        a.commande = CommandeCli::ValeurManquante;
    else if (commande == QLatin1String("export"))
        a.commande = CommandeCli::ExportClasseur;
    else if (commande == QLatin1String("print"))
        a.commande = CommandeCli::ImpressionPdf;
    else if (commande == QLatin1String("compare"))
        a.commande = CommandeCli::Comparaison;
    else if (commande == QLatin1String("prepay"))
        a.commande = CommandeCli::RemboursementAnticipe;
    else if (commande == QLatin1String("capacity"))
        a.commande = CommandeCli::Capacite;
    else if (commande == QLatin1String("plan"))
        a.commande = CommandeCli::Plan;
    else if (commande == QLatin1String("--help") || commande == QLatin1String("-h") ||
             commande == QLatin1String("help"))
        a.commande = CommandeCli::Aide;
    else
        return refus(QStringLiteral("commande inconnue : %1").arg(commande));
    if (a.commande == CommandeCli::Aide) {
        analyse.arguments = a;
        return analyse;
    }

    bool champsDonnes = false;
    bool formatDonne = false;
    QString baseAssurance;
    QString differe;
    for (qsizetype i = 1; i < arguments.size(); ++i) {
        QString nom = arguments[i];
        std::optional<QString> valeur;
        if (const qsizetype egal = nom.indexOf(QLatin1Char('='));
            nom.startsWith(QLatin1String("--")) && egal > 0) {
            valeur = nom.mid(egal + 1);
            nom.truncate(egal);
        }
        if (nom == QLatin1String("--help") || nom == QLatin1String("-h")) {
            a.commande = CommandeCli::Aide;
            analyse.arguments = a;
            return analyse;
        }
        if (!nom.startsWith(QLatin1String("--")) && !valeur &&
            (a.commande == CommandeCli::Comparaison || a.commande == CommandeCli::Plan)) {
            a.documents << nom;
            continue;
        }
        if (!nom.startsWith(QLatin1String("--")) && !valeur) {
            if (!CalculeUnEcheancier(a.commande) || !a.document.isEmpty())
                return refus(QStringLiteral("argument inattendu : %1").arg(nom));
            a.document = nom;
            continue;
        }
        const DefinitionOption* option = TrouveOption(nom);
        if (!option || (option->commandes & Pour(a.commande)) == 0)
            return refus(QStringLiteral("option inconnue pour %1 : %2").arg(commande, nom));
        if (option->sansValeur) {
            if (valeur)
                return refus(QStringLiteral("%1 ne prend pas de valeur").arg(nom));
            (option->option == Option::Tout ? a.toutRembourser : a.tegDansSorties) = true;
            continue;
        }
        if (!valeur) {
            if (i + 1 >= arguments.size())
                return refus(QStringLiteral("valeur manquante après %1").arg(nom));
            valeur = arguments[++i];
        }

        switch (option->option) {
        case Option::Montant:
        case Option::Duree:
        case Option::Taux:
        case Option::Assurance:
        case Option::Frais:
        case Option::Frequence:
        case Option::PremiereDate:
        case Option::TauxAssurance:
        case Option::BaseAssurance:
        case Option::Differe:
        case Option::PeriodesDiffere:
            champsDonnes = true;
            break;
        default:
            break;
        }
        switch (option->option) {
        case Option::Montant:
            a.saisie.montant = VersUtf8(*valeur);
            break;
        case Option::Duree:
            a.saisie.duree = VersUtf8(*valeur);
            break;
        case Option::Taux:
            a.saisie.taux = VersUtf8(*valeur);
            break;
        case Option::Assurance:
            a.saisie.assurance = VersUtf8(*valeur);
            break;
        case Option::Frais:
            a.saisie.fraisDossier = VersUtf8(*valeur);
            break;
        case Option::Mensualite:
            a.mensualite = VersUtf8(*valeur);
            break;
        case Option::TauxAssurance:
            a.saisie.modalites.tauxAssurance = VersUtf8(*valeur);
            break;
        case Option::BaseAssurance:
            if (*valeur == QLatin1String("initial"))
                a.saisie.modalites.assurance = ModeAssurance::TauxCapitalInitial;
            else if (*valeur == QLatin1String("remaining"))
                a.saisie.modalites.assurance = ModeAssurance::TauxCapitalRestant;
            else
                return refus(
                    QStringLiteral("--insurance-base attend initial ou remaining : %1").arg(*valeur));
            baseAssurance = *valeur;
            break;
        case Option::Differe:
            if (*valeur == QLatin1String("partial"))
                a.saisie.modalites.differe = ModeDiffere::Partiel;
            else if (*valeur == QLatin1String("total"))
                a.saisie.modalites.differe = ModeDiffere::Total;
            else
                return refus(QStringLiteral("--deferral attend partial ou total : %1").arg(*valeur));
            differe = *valeur;
            break;
        case Option::PeriodesDiffere:
            a.saisie.modalites.periodesDiffere = VersUtf8(*valeur);
            break;
        case Option::Revenu:
            a.revenus.push_back(VersUtf8(*valeur));
            break;
        case Option::Charges:
            a.charges = VersUtf8(*valeur);
            break;
        case Option::Ratio:
            a.ratio = VersUtf8(*valeur);
            break;
        case Option::Nature:
            if (*valeur == QLatin1String("immobilier"))
                a.nature = NatureCredit::Immobilier;
            else if (*valeur == QLatin1String("consommation"))
                a.nature = NatureCredit::Consommation;
            else
                return refus(QStringLiteral("--kind attend immobilier ou consommation : %1").arg(*valeur));
            break;
        case Option::Lissage:
            if (valeur->isEmpty())
                return refus(QStringLiteral("chemin vide après %1").arg(nom));
            a.lissage = *valeur;
            break;
        case Option::TableUsure:
            if (valeur->isEmpty())
                return refus(QStringLiteral("chemin vide après %1").arg(nom));
            a.tableUsure = *valeur;
            break;
        case Option::Frequence: {
            const std::string mot = VersUtf8(*valeur);
            const auto frequence = std::find_if(Frequences.begin(), Frequences.end(),
                                                [&](Frequence f) { return LibelleEcheance(f) == mot; });
            if (frequence == Frequences.end())
                return refus(QStringLiteral("fréquence inconnue : %1 (mois, trimestres, semestres ou ans)")
                                 .arg(*valeur));
            a.saisie.frequence = *frequence;
            break;
        }
        case Option::PremiereDate: {
            const auto date = LitDateIso(*valeur);
            if (!date)
                return refus(QStringLiteral("date invalide : %1 (attendu AAAA-MM-JJ)").arg(*valeur));
            a.saisie.premiereEcheance = VersDateStd(*date);
            a.premiereEcheanceDonnee = true;
            break;
        }
        case Option::Methode:
            if (*valeur == QLatin1String("actuariel"))
                a.tegActuariel = true;
            else if (*valeur == QLatin1String("proportionnel"))
                a.tegActuariel = false;
            else
                return refus(
                    QStringLiteral("méthode inconnue : %1 (actuariel ou proportionnel)").arg(*valeur));
            break;
        case Option::Locale: {
            const auto locale = LitLocale(*valeur);
            if (!locale)
                return refus(QStringLiteral("langue inconnue : %1").arg(*valeur));
            a.locale = *locale;
            break;
        }
        case Option::Classeur:
        case Option::Pdf:
            if (valeur->isEmpty())
                return refus(QStringLiteral("chemin vide après %1").arg(nom));
            // plan writes either; the other commands take only their own.
            if (!a.fichierSortie.isEmpty() && a.sortiePdf != (option->option == Option::Pdf))
                return refus(QStringLiteral("--xlsx et --pdf ne vont pas ensemble"));
            a.fichierSortie = *valeur;
            a.sortiePdf = option->option == Option::Pdf;
            break;
        case Option::TegDansSorties:
        case Option::Tout:
            break;
        case Option::Apres:
            a.apresEcheance = *valeur;
            break;
        case Option::Rembourse:
            a.montantRembourse = *valeur;
            break;
        case Option::Garde:
            if (*valeur != QLatin1String("payment") && *valeur != QLatin1String("duration"))
                return refus(QStringLiteral("--keep attend payment ou duration : %1").arg(*valeur));
            a.garde = *valeur;
            break;
        case Option::Indemnite:
            a.indemnite = *valeur;
            break;
        case Option::Format:
            formatDonne = true;
            if (*valeur == QLatin1String("text"))
                a.format = FormatSortie::Texte;
            else if (*valeur == QLatin1String("json"))
                a.format = FormatSortie::Json;
            else if (*valeur == QLatin1String("csv") && a.commande == CommandeCli::Echeancier)
                a.format = FormatSortie::Csv;
            else
                return refus(QStringLiteral("format inconnu : %1").arg(*valeur));
            break;
        }
    }
    if (a.commande == CommandeCli::Capacite) {
        if (a.revenus.empty() || a.saisie.taux.empty() || a.saisie.duree.empty())
            return refus(QStringLiteral("capacity demande --income, --rate et --duration"));
        if (a.saisie.frequence != Frequence::Mois && a.saisie.frequence != Frequence::Ans)
            return refus(QStringLiteral("capacity compte la durée en mois ou en ans"));
        if (!a.saisie.assurance.empty() && !a.saisie.modalites.tauxAssurance.empty())
            return refus(QStringLiteral("--insurance ou --insurance-rate, pas les deux"));
        analyse.arguments = a;
        return analyse;
    }
    // A rate needs its base and a deferral its length: neither has a default worth guessing.
    if (baseAssurance.isEmpty() != a.saisie.modalites.tauxAssurance.empty())
        return refus(QStringLiteral("--insurance-rate et --insurance-base vont ensemble"));
    if (differe.isEmpty() != a.saisie.modalites.periodesDiffere.empty())
        return refus(QStringLiteral("--deferral et --deferral-periods vont ensemble"));
    if (champsDonnes && !a.document.isEmpty())
        return refus(QStringLiteral("un document ou les valeurs du prêt, pas les deux"));
    if (a.commande == CommandeCli::ExportClasseur && a.fichierSortie.isEmpty())
        return refus(QStringLiteral("export demande --xlsx CLASSEUR.xlsx"));
    if (a.commande == CommandeCli::RemboursementAnticipe) {
        if (a.apresEcheance.isEmpty())
            return refus(QStringLiteral("prepay demande --after N"));
        if (a.toutRembourser == !a.montantRembourse.isEmpty())
            return refus(QStringLiteral("prepay demande --repay MONTANT ou --all, l'un des deux"));
        if (a.garde.isEmpty())
            return refus(QStringLiteral("prepay demande --keep payment ou --keep duration"));
    }
    if (a.commande == CommandeCli::Plan && (a.lissage.isEmpty() || a.documents.isEmpty()))
        return refus(QStringLiteral("plan demande --smooth PRINCIPAL.amx et au moins un autre document"));
    if (a.commande == CommandeCli::Comparaison && a.documents.isEmpty())
        return refus(QStringLiteral("compare demande au moins un document"));
    // compare --pdf writes the page and prints nothing: a format would be left unused.
    if (a.commande == CommandeCli::Comparaison && !a.fichierSortie.isEmpty() && formatDonne)
        return refus(QStringLiteral("--pdf et --format ne vont pas ensemble"));
    if (a.commande == CommandeCli::Plan && !a.fichierSortie.isEmpty() && formatDonne)
        return refus(QStringLiteral("--xlsx, --pdf et --format ne vont pas ensemble"));
    if (a.commande == CommandeCli::ImpressionPdf && a.fichierSortie.isEmpty())
        return refus(QStringLiteral("print demande --pdf RAPPORT.pdf"));
    analyse.arguments = a;
    return analyse;
}

} // namespace amortix
