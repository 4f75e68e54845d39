#!/usr/bin/python3
"""lit-classeur.py CLASSEUR.xlsx [FEUILLE]: what the tests check of a sheet, as JSON, read by
openpyxl, a reader independent of the writer"""
import json
import sys
import zipfile

import openpyxl

MOTS = {"center": "centre", "right": "droite", None: "-", "thin": "fin", "hair": "cheveu"}


def mot(x):
    return MOTS.get(x, x)


def trait(c):
    if c is None or c.style is None:
        return "-"
    auto = c.color is None or getattr(c.color, "auto", False)
    return mot(c.style) if auto else c.style + " (couleur)"


def decrit(o, v=None):
    """One line of what a new cell lacks: `10000 | #,##0.00 | Arial 10 gras`."""
    p = [] if v is None else ["«%s»" % v if isinstance(v, str) else "%.15g" % v]
    p += [o.number_format] * (o.number_format != "General")
    f, a, b = o.font, o.alignment, o.border
    p.append("%s %g" % (f.name, f.sz) + " gras" * bool(f.b) + " italique" * bool(f.i) +
             " souligné" * (f.u == "single"))
    al = mot(a.horizontal) + "/" + mot(a.vertical) + " renvoi" * bool(a.wrap_text)
    p += [al] * (al != "-/-") + ["apostrophe"] * bool(o.quotePrefix)
    t = "/".join(trait(x) for x in (b.left, b.top, b.bottom, b.right))
    p += [{"fin/fin/fin/fin": "cadre fin"}.get(t, "traits " + t)] * (t != "-/-/-/-")
    return " | ".join(p)


def main(chemin, indice=0):
    livre = openpyxl.load_workbook(chemin)
    f = livre.worksheets[int(indice)]
    with zipfile.ZipFile(chemin) as z:
        calibri = b"Calibri" in z.read("xl/styles.xml")
    print(json.dumps(dict(
        feuilles=livre.sheetnames,
        titresLignes=f.print_title_rows,
        titresColonnes=f.print_title_cols,
        fusions=sorted(str(p) for p in f.merged_cells.ranges),
        largeurs={k: d.width for k, d in f.column_dimensions.items() if d.customWidth},
        lignes={str(n): dict(hauteur=d.ht, style=decrit(d) if d.s else None)
                for n, d in f.row_dimensions.items()},
        hauteurParDefaut=f.sheet_format.defaultRowHeight,
        policeParDefaut=livre._fonts[0].name,
        stylesCalibri=calibri,
        derniereLigne=f.max_row,
        cellules={c.coordinate: dict(valeur=c.value, description=decrit(c, c.value))
                  for r in f.iter_rows() for c in r if c.value is not None or c.has_style},
    ), ensure_ascii=False))


if __name__ == "__main__":
    main(*sys.argv[1:])
