// mimeapps.list keeps every other line byte for byte and gains ours once; an Exec= command,
// unescaped as a desktop reads it, names the program's path again.
#include "AssociationFichiers.h"
#include "Verifie.h"

#include <QHash>
#include <cstdint>
#include <optional>

using namespace amortix;

namespace {

// What a desktop makes of the value: string escapes, then Exec quoting, then %%.
std::optional<QString> CheminDeLaCommande(const QString& commande) {
    static const QHash<QChar, QChar> echappements = {
        {u'n', u'\n'}, {u't', u'\t'}, {u'r', u'\r'}, {u's', u' '}};
    QString valeur;
    for (qsizetype i = 0; i < commande.size(); ++i) {
        const bool echappe = commande[i] == u'\\' && i + 1 < commande.size();
        i += echappe;
        valeur += echappe ? echappements.value(commande[i], commande[i]) : commande[i];
    }
    if (valeur.startsWith(QLatin1String("env ")))
        valeur = valeur.mid(4);
    if (!valeur.startsWith(u'"') || !valeur.endsWith(QLatin1String("\" %f")))
        return std::nullopt;
    valeur = valeur.mid(1, valeur.size() - 5);
    QString chemin;
    for (qsizetype i = 0; i < valeur.size(); ++i) {
        if (valeur[i] == u'"')
            return std::nullopt; // an unescaped quote would end the argument
        if (valeur[i] == u'%' && (i + 1 == valeur.size() || valeur[i + 1] != u'%'))
            return std::nullopt; // a field code inside the path
        if ((valeur[i] == u'\\' || valeur[i] == u'%') && i + 1 < valeur.size())
            ++i;
        chemin += valeur[i];
    }
    return chemin;
}

} // namespace

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* d, std::size_t n) {
    const QByteArray octets(reinterpret_cast<const char*>(d), qsizetype(n));
    const QByteArray type = "application/x-amortix", appli = "amortix.desktop";
    const QByteArray ligne = type + "=" + appli, fin = AvecApplicationParDefaut(octets, type, appli);
    VERIFIE(fin.endsWith('\n') || fin.endsWith(ligne) || !octets.endsWith('\n'));
    VERIFIE(AvecApplicationParDefaut(fin, type, appli) == fin);
    // Every line of the input is still there, in order, but an older line of ours.
    const QList<QByteArray> apres = fin.split('\n');
    VERIFIE(apres.contains(ligne));
    qsizetype j = 0;
    for (const QByteArray& l : octets.split('\n')) {
        if (const qsizetype egal = l.indexOf('='); egal >= 0 && l.left(egal).trimmed() == type)
            continue;
        while (j < apres.size() && apres[j] != l)
            ++j;
        VERIFIE(j < apres.size() || l.isEmpty());
    }
    const QString chemin = QString::fromUtf8(octets);
    if (const auto commande = CommandeOuverture(chemin)) {
        for (const QChar c : *commande)
            VERIFIE(c.unicode() >= 0x20 && c.unicode() != 0x7F);
        VERIFIE(CheminDeLaCommande(*commande) == chemin);
    }
    return 0;
}
