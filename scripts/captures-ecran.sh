#!/bin/sh
# Draws every window into PNG files under a virtual X display, to look at them:
#   scripts/captures-ecran.sh [build] [dossier]
set -eu
build="${1:-build}"
dossier="${2:-captures}"
mkdir -p "$dossier"
xvfb-run -a -s "-screen 0 1280x1024x24" "$build/tests/captures-ecran" "$dossier"
# The first two pages of the printed report.
pdftoppm -r 100 -f 1 -l 2 -png "$dossier/rapport.pdf" "$dossier/rapport"
# The comparison of offers, on its one page.
pdftoppm -r 100 -singlefile -png "$dossier/comparaison.pdf" "$dossier/comparaison"
ls "$dossier"
