#!/bin/sh
# amortix-cli facing what is not a plain file: a full output, pipes and devices as documents, settings
# and logo, devices as outputs, a full disk. Each must be refused or reported at once, with exit
# status 1 and nothing lost. Usage: fichiers-non-ordinaires.sh AMORTIX-CLI
set -u
cli="$1"
tmp=$(mktemp -d)
trap 'umount -l "$tmp/plein" 2>/dev/null; rm -rf "$tmp"' EXIT
pret="--amount 10000 --duration 12 --rate 6 --first-date 2007-01-31 --locale fr_FR"
echec() { echo "ÉCHEC : $*" >&2; cat "$tmp/err" >&2 2>/dev/null; exit 1; }
# Bounded: a pipe that blocked or a device read without end would stop here, not hang the suite.
# The address sanitizer reserves terabytes of shadow memory at start, so under it only time bounds.
if [ -n "${ASAN_OPTIONS-}" ]; then
    borne() { timeout 20 "$@"; }
else
    borne() { (ulimit -v 4000000; timeout 20 "$@"); }
fi

# A full standard output is a failure, not a success.
borne "$cli" schedule $pret > /dev/full 2>"$tmp/err"
[ $? -eq 1 ] || echec "schedule > /dev/full"
grep -q "la sortie n'a pas pu être écrite : plus d'espace disponible sur le disque" "$tmp/err" || echec "message de sortie pleine"

# A pipe or an endless device as the document: refused at once.
mkfifo "$tmp/tube.amx"
ln -s /dev/zero "$tmp/zero.amx"
for d in tube zero; do
    borne "$cli" schedule "$tmp/$d.amx" 2>"$tmp/err"
    [ $? -eq 1 ] || echec "document $d"
    grep -q "pas un fichier ordinaire" "$tmp/err" || echec "raison du document $d"
done

# A portable copy keeps its settings beside it: pipes there, and a logo that is a pipe, are warned
# about and the report is made all the same.
mkdir "$tmp/bin"
cp "$cli" "$tmp/bin/amortix-cli"
mkfifo "$tmp/bin/options.bin" "$tmp/logo.png"
printf '%-255s%-255s%-255s' "En-tete" "Classeur" "$tmp/logo.png" > "$tmp/bin/entetes.bin"
borne "$tmp/bin/amortix-cli" print --pdf "$tmp/r.pdf" $pret 2>"$tmp/err"
[ $? -eq 0 ] || echec "rapport avec réglages spéciaux"
grep -q "avertissement : Erreur 5 : Le fichier « $tmp/bin/options.bin » n'a pas pu être lu : c'est un tube nommé" "$tmp/err" \
    || echec "avertissement options.bin"
grep -q "sans logo : Erreur 5 : Le fichier « $tmp/logo.png »" "$tmp/err" || echec "avertissement logo"
rm "$tmp/bin/entetes.bin" && mkfifo "$tmp/bin/entetes.bin"
borne "$tmp/bin/amortix-cli" export --xlsx "$tmp/c.xlsx" $pret 2>"$tmp/err"
[ $? -eq 0 ] || echec "classeur avec réglages spéciaux"
grep -q "« $tmp/bin/entetes.bin » n'a pas pu être lu" "$tmp/err" || echec "avertissement entetes.bin"

if [ "$(id -u)" -ne 0 ]; then
    echo "périphériques et disque plein : ces cas demandent root (mknod, tmpfs)"
    exit 77
fi

# A device as the output stays a device.
mknod "$tmp/peripherique" c 1 3
for sortie in "print --pdf" "export --xlsx"; do
    borne "$cli" $sortie "$tmp/peripherique" $pret 2>"$tmp/err"
    [ $? -eq 1 ] || echec "$sortie vers un périphérique"
    [ -c "$tmp/peripherique" ] || echec "$sortie a remplacé le périphérique"
done

# A full disk: the old files stay whole, no temporary file is left.
mkdir "$tmp/plein"
mount -t tmpfs -o size=64k tmpfs "$tmp/plein" || { echo "tmpfs ne peut pas être monté"; exit 77; }
printf 'ancien classeur' > "$tmp/plein/c.xlsx"
printf 'ancien rapport' > "$tmp/plein/r.pdf"
dd if=/dev/zero of="$tmp/plein/.bouchon" bs=1k 2>/dev/null
for sortie in "print --pdf r.pdf" "export --xlsx c.xlsx"; do
    set -- $sortie
    borne "$cli" "$1" "$2" "$tmp/plein/$3" --amount 10000 --duration 1 --rate 6 2>"$tmp/err"
    [ $? -eq 1 ] || echec "$1 sur un disque plein"
    grep -q "plus d'espace disponible sur le disque" "$tmp/err" || echec "raison de $1 sur un disque plein"
done
[ "$(cat "$tmp/plein/c.xlsx")" = "ancien classeur" ] || echec "classeur perdu"
[ "$(cat "$tmp/plein/r.pdf")" = "ancien rapport" ] || echec "rapport perdu"
[ "$(ls "$tmp/plein")" = "$(printf 'c.xlsx\nr.pdf')" ] || echec "fichier temporaire laissé : $(ls "$tmp/plein")"
exit 0
