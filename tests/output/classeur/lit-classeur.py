#!/usr/bin/python3
"""Reads a workbook with openpyxl, an independent reader, and prints what the tests check as JSON:
lit-classeur.py CLASSEUR.xlsx [FEUILLE], the first sheet (0) unless told otherwise"""
import json
import sys
import zipfile

import openpyxl

MOTS = {"center": "centre", "right": "droite", None: "-", "thin": "fin", "hair": "cheveu"}


def trait(cote):
    if cote is None or cote.style is None:
        return "-"
    automatique = cote.color is None or getattr(cote.color, "auto", False)
    return MOTS.get(cote.style, cote.style) if automatique else cote.style + " (couleur)"


def decrit(objet, valeur=None):
    """One cell in a line, leaving out what a new cell has anyway: its value (a «text» or a number),
    number format, font, alignments and lines, e.g. `10000 | #,##0.00 | Arial 10 gras` or
    `«N°» | Arial 10 gras | centre/centre renvoi | cadre fin`."""
    parties = ["«%s»" % valeur] if isinstance(valeur, str) else [] if valeur is None else ["%.15g" % valeur]
    parties += [objet.number_format] * (objet.number_format != "General")
    f, a = objet.font, objet.alignment
    parties.append("%s %g" % (f.name, f.sz) + " gras" * bool(f.b) + " italique" * bool(f.i) +
                   " souligné" * (f.u == "single"))
    alignements = MOTS.get(a.horizontal, a.horizontal) + "/" + MOTS.get(a.vertical, a.vertical)
    alignements += " renvoi" * bool(a.wrap_text)
    parties += [alignements] * (alignements != "-/-") + ["apostrophe"] * bool(objet.quotePrefix)
    traits = [trait(getattr(objet.border, cote)) for cote in ("left", "top", "bottom", "right")]
    parties += (["cadre fin"] if traits == ["fin"] * 4 else [] if traits == ["-"] * 4
                else ["traits " + "/".join(traits)])
    return " | ".join(parties)


def main(chemin, indice=0):
    classeur = openpyxl.load_workbook(chemin)
    feuille = classeur.worksheets[indice]
    with zipfile.ZipFile(chemin) as archive:
        styles = archive.read("xl/styles.xml").decode("utf-8")
    print(json.dumps({
        "feuilles": classeur.sheetnames,
        "titresLignes": feuille.print_title_rows,
        "titresColonnes": feuille.print_title_cols,
        "fusions": sorted(str(p) for p in feuille.merged_cells.ranges),
        "largeurs": {lettre: d.width for lettre, d in feuille.column_dimensions.items() if d.customWidth},
        "lignes": {str(numero): {"hauteur": d.ht, "style": decrit(d) if d.s else None}
                   for numero, d in feuille.row_dimensions.items()},
        "hauteurParDefaut": feuille.sheet_format.defaultRowHeight,
        "policeParDefaut": classeur._fonts[0].name,
        "stylesXml": styles,
        "derniereLigne": feuille.max_row,
        "cellules": {c.coordinate: {"valeur": c.value, "description": decrit(c, c.value)}
                     for rangee in feuille.iter_rows() for c in rangee if c.value is not None or c.has_style},
    }, ensure_ascii=False))


if __name__ == "__main__":
    main(sys.argv[1], int(sys.argv[2]) if len(sys.argv) > 2 else 0)
