#include "ArgumentsCli.h"

#include "ConventionsSysteme.h"
#include "Frequence.h"

#include <QRegularExpression>
#include <algorithm>
#include <map>

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
    PeriodesDiffere
};

const std::map<QString, Option>& OptionsConnues() {
    static const std::map<QString, Option> options = {{"--amount", Option::Montant},
                                                      {"--duration", Option::Duree},
                                                      {"--frequency", Option::Frequence},
                                                      {"--rate", Option::Taux},
                                                      {"--insurance", Option::Assurance},
                                                      {"--fees", Option::Frais},
                                                      {"--first-date", Option::PremiereDate},
                                                      {"--method", Option::Methode},
                                                      {"--locale", Option::Locale},
                                                      {"--format", Option::Format},
                                                      {"--payment", Option::Mensualite},
                                                      {"--xlsx", Option::Classeur},
                                                      {"--pdf", Option::Pdf},
                                                      {"--teg-in-outputs", Option::TegDansSorties},
                                                      {"--after", Option::Apres},
                                                      {"--repay", Option::Rembourse},
                                                      {"--all", Option::Tout},
                                                      {"--keep", Option::Garde},
                                                      {"--penalty", Option::Indemnite},
                                                      {"--insurance-rate", Option::TauxAssurance},
                                                      {"--insurance-base", Option::BaseAssurance},
                                                      {"--deferral", Option::Differe},
                                                      {"--deferral-periods", Option::PeriodesDiffere}};
    return options;
}

// The commands that compute a schedule: from flags or from a document.
bool CalculeUnEcheancier(CommandeCli commande) {
    return commande == CommandeCli::Echeancier || commande == CommandeCli::ExportClasseur ||
           commande == CommandeCli::ImpressionPdf || commande == CommandeCli::RemboursementAnticipe;
}

bool Accepte(CommandeCli commande, Option option) {
    switch (option) {
    case Option::Locale:
        return true;
    case Option::Montant:
    case Option::Duree:
    case Option::Frequence:
    case Option::Taux:
        return commande != CommandeCli::Comparaison;
    case Option::Format:
        return commande == CommandeCli::Echeancier || commande == CommandeCli::ValeurManquante ||
               commande == CommandeCli::Comparaison || commande == CommandeCli::RemboursementAnticipe;
    case Option::Apres:
    case Option::Rembourse:
    case Option::Tout:
    case Option::Garde:
    case Option::Indemnite:
        return commande == CommandeCli::RemboursementAnticipe;
    case Option::Assurance:
    case Option::Frais:
    case Option::PremiereDate:
    case Option::Methode:
    case Option::TauxAssurance:
    case Option::BaseAssurance:
    case Option::Differe:
    case Option::PeriodesDiffere:
        return CalculeUnEcheancier(commande);
    case Option::Mensualite:
        return commande == CommandeCli::ValeurManquante;
    case Option::Classeur:
        return commande == CommandeCli::ExportClasseur;
    case Option::Pdf:
        return commande == CommandeCli::ImpressionPdf || commande == CommandeCli::Comparaison;
    case Option::TegDansSorties:
        return commande == CommandeCli::ExportClasseur || commande == CommandeCli::ImpressionPdf;
    }
    return false;
}

bool SansValeur(Option option) {
    return option == Option::TegDansSorties || option == Option::Tout;
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
        "  amortix-cli compare DOCUMENT.amx [DOCUMENT.amx ...] [--locale NOM] [--format text|json]\n"
        "  amortix-cli compare --pdf COMPARAISON.pdf DOCUMENT.amx [DOCUMENT.amx ...] [--locale NOM]\n"
        "  amortix-cli prepay [DOCUMENT.amx | les options de schedule] --after N (--repay T | --all)\n"
        "                     --keep payment|duration [--penalty immobilier|consommation|aucune|T]\n"
        "                     [--format text|json]\n"
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
        if (!nom.startsWith(QLatin1String("--")) && !valeur && a.commande == CommandeCli::Comparaison) {
            a.documents << nom;
            continue;
        }
        if (!nom.startsWith(QLatin1String("--")) && !valeur) {
            if (!CalculeUnEcheancier(a.commande) || !a.document.isEmpty())
                return refus(QStringLiteral("argument inattendu : %1").arg(nom));
            a.document = nom;
            continue;
        }
        const auto option = OptionsConnues().find(nom);
        if (option == OptionsConnues().end() || !Accepte(a.commande, option->second))
            return refus(QStringLiteral("option inconnue pour %1 : %2").arg(commande, nom));
        if (SansValeur(option->second)) {
            if (valeur)
                return refus(QStringLiteral("%1 ne prend pas de valeur").arg(nom));
            (option->second == Option::Tout ? a.toutRembourser : a.tegDansSorties) = true;
            continue;
        }
        if (!valeur) {
            if (i + 1 >= arguments.size())
                return refus(QStringLiteral("valeur manquante après %1").arg(nom));
            valeur = arguments[++i];
        }

        switch (option->second) {
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
        switch (option->second) {
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
            a.fichierSortie = *valeur;
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
    if (a.commande == CommandeCli::Comparaison && a.documents.isEmpty())
        return refus(QStringLiteral("compare demande au moins un document"));
    // compare --pdf writes the page and prints nothing: a format would be left unused.
    if (a.commande == CommandeCli::Comparaison && !a.fichierSortie.isEmpty() && formatDonne)
        return refus(QStringLiteral("--pdf et --format ne vont pas ensemble"));
    if (a.commande == CommandeCli::ImpressionPdf && a.fichierSortie.isEmpty())
        return refus(QStringLiteral("print demande --pdf RAPPORT.pdf"));
    analyse.arguments = a;
    return analyse;
}

} // namespace amortix
