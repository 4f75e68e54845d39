#!/bin/sh
# verifie-page-manuel.sh PAGE NOM
# The manual page as lintian reads it: groff and man without a single warning, and a NOM line that
# lexgrog turns into the whatis entry "NOM - ...".
page=$1
nom=$2
avertissements=$(
    groff -man -ww -z -K utf8 "$page" 2>&1
    LC_ALL=C.UTF-8 MANWIDTH=80 man --warnings -E UTF-8 -l -Tutf8 -Z "$page" 2>&1 >/dev/null
)
if [ -n "$avertissements" ]; then
    echo "$avertissements" >&2
    exit 1
fi
lexgrog "$page" | grep -q ": \"$nom - " || { lexgrog "$page" >&2; exit 1; }
