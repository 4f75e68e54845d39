#!/bin/sh
# Draws the first page of an exported workbook into a PNG file, to look at it; needs LibreOffice
# (Debian libreoffice-calc) and pdftoppm:
#   scripts/apercu-classeur.sh [build] [dossier]
set -eu
build="${1:-build}"
dossier="${2:-captures}"
mkdir -p "$dossier"
dossier=$(cd "$dossier" && pwd)
"$build/app/amortix-cli" export --xlsx "$dossier/classeur.xlsx" --amount 100000 --duration 240 --rate 4 \
    --insurance 20 --fees 500 --first-date 2027-01-31 --locale fr_FR --teg-in-outputs
# A profile of its own, so that a LibreOffice already open is left alone.
profil=$(mktemp -d)
soffice -env:UserInstallation="file://$profil" --headless --convert-to pdf --outdir "$dossier" \
    "$dossier/classeur.xlsx" >/dev/null
rm -rf "$profil"
pdftoppm -r 100 -png -f 1 -l 1 "$dossier/classeur.pdf" "$dossier/classeur"
ls "$dossier"/classeur*
