#!/usr/bin/python3
"""Reads a workbook with openpyxl, an independent reader, and prints what the tests check as JSON:
lit-classeur.py CLASSEUR.xlsx"""
import json
import sys
import zipfile

import openpyxl


def police(font):
    return {"nom": font.name, "taille": font.sz, "gras": bool(font.b), "italique": bool(font.i),
            "souligne": font.u}


def trait(cote):
    if cote is None or cote.style is None:
        return None
    automatique = cote.color is None or getattr(cote.color, "auto", False)
    return cote.style if automatique else cote.style + " (couleur)"


def style(objet):
    a = objet.alignment
    return {"police": police(objet.font), "format": objet.number_format,
            "horizontal": a.horizontal, "vertical": a.vertical, "renvoi": bool(a.wrap_text),
            "apostrophe": bool(objet.quotePrefix),
            "bordures": {"gauche": trait(objet.border.left), "haut": trait(objet.border.top),
                         "bas": trait(objet.border.bottom), "droite": trait(objet.border.right)}}


def main(chemin):
    classeur = openpyxl.load_workbook(chemin)
    feuille = classeur.worksheets[0]
    cellules = {}
    for rangee in feuille.iter_rows():
        for c in rangee:
            if c.value is None and not c.has_style:
                continue
            entree = style(c)
            entree["valeur"] = c.value
            entree["type"] = c.data_type
            cellules[c.coordinate] = entree
    lignes = {}
    for numero, dimension in feuille.row_dimensions.items():
        entree = {"hauteur": dimension.ht}
        if dimension.s:
            entree["style"] = style(dimension)
        lignes[str(numero)] = entree
    with zipfile.ZipFile(chemin) as archive:
        styles = archive.read("xl/styles.xml").decode("utf-8")
    print(json.dumps({
        "feuilles": classeur.sheetnames,
        "titresLignes": feuille.print_title_rows,
        "titresColonnes": feuille.print_title_cols,
        "fusions": sorted(str(p) for p in feuille.merged_cells.ranges),
        "largeurs": {lettre: d.width for lettre, d in feuille.column_dimensions.items() if d.customWidth},
        "lignes": lignes,
        "hauteurParDefaut": feuille.sheet_format.defaultRowHeight,
        "policeParDefaut": classeur._fonts[0].name,
        "stylesXml": styles,
        "derniereLigne": feuille.max_row,
        "cellules": cellules,
    }, ensure_ascii=False))


if __name__ == "__main__":
    main(sys.argv[1])
