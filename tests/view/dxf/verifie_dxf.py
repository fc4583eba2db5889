#!/usr/bin/env python3
"""Reads a DXF file written by Velk back with ezdxf, an independent reader, and compares it
with the entities a JSON file expects.

Usage: verifie_dxf.py FICHIER.dxf ATTENDU.json [COMMANDE...]
With a command, it is run first (it writes the file). Exit code 0 when everything matches.

ATTENDU.json holds {"entites": [...]} in file order, each entity with "type" (POINT, LINE,
CIRCLE, ARC), "couche", "couleur", "xy" (the point, the two ends of a line in either order,
or the centre), "rayon" and "angles" (degrees) where they apply, and optionally "ecart"
(the largest difference allowed, 1e-9 by default; 0 asks for the very same double)."""
import json
import math
import subprocess
import sys

try:
    import ezdxf
except ImportError:
    print("python3-ezdxf manquant pour %s : scripts/install-deps.sh l'installe." % sys.executable)
    sys.exit(1)


def echec(message):
    print("DXF refusé : " + message)
    sys.exit(1)


def proches(a, b, ecart):
    return all(abs(x - y) <= ecart for x, y in zip(a, b)) and len(a) == len(b)


def valeurs(entite):
    genre = entite.dxftype()
    if genre == "POINT":
        p = entite.dxf.location
        return [p.x, p.y], [p.z]
    if genre == "LINE":
        a, b = entite.dxf.start, entite.dxf.end
        return [a.x, a.y, b.x, b.y], [a.z, b.z]
    c = entite.dxf.center
    return [c.x, c.y], [c.z]


def compare(numero, trouvee, attendue):
    nom = "entité %d (%s)" % (numero, attendue["type"])
    if trouvee.dxftype() != attendue["type"]:
        echec("%s : lu %s" % (nom, trouvee.dxftype()))
    if trouvee.dxf.layer != attendue["couche"]:
        echec("%s : calque %r au lieu de %r" % (nom, trouvee.dxf.layer, attendue["couche"]))
    if trouvee.dxf.color != attendue["couleur"]:
        echec("%s : couleur %d au lieu de %d" % (nom, trouvee.dxf.color, attendue["couleur"]))
    ecart = attendue.get("ecart", 1e-9)
    xy, z = valeurs(trouvee)
    voulu = attendue["xy"]
    if any(v != 0 for v in z):
        echec("%s : z non nul %r" % (nom, z))
    ok = proches(xy, voulu, ecart)
    if not ok and attendue["type"] == "LINE":
        ok = proches(xy, voulu[2:] + voulu[:2], ecart)
    if not ok:
        echec("%s : coordonnées %r au lieu de %r" % (nom, xy, voulu))
    if "rayon" in attendue and not proches([trouvee.dxf.radius], [attendue["rayon"]], ecart):
        echec("%s : rayon %r au lieu de %r" % (nom, trouvee.dxf.radius, attendue["rayon"]))
    if "angles" in attendue:
        lus = [trouvee.dxf.start_angle, trouvee.dxf.end_angle]
        if not proches(lus, attendue["angles"], 1e-9):
            echec("%s : angles %r au lieu de %r" % (nom, lus, attendue["angles"]))


def main():
    if len(sys.argv) < 3:
        print(__doc__)
        return 2
    fichier, attendu = sys.argv[1], sys.argv[2]
    if len(sys.argv) > 3:
        r = subprocess.run(sys.argv[3:])
        if r.returncode not in (0, 1):
            echec("la commande a échoué (code %d) : %s" % (r.returncode, " ".join(sys.argv[3:])))
    with open(attendu, encoding="utf-8") as f:
        entites = json.load(f)["entites"]
    doc = ezdxf.readfile(fichier)
    if doc.dxfversion != "AC1009":
        echec("version %s au lieu de AC1009 (R12)" % doc.dxfversion)
    audit = doc.audit()
    if audit.has_errors or audit.has_fixes:
        for e in audit.errors + audit.fixes:
            print("audit : %s" % e.message)
        echec("l'audit d'ezdxf signale %d erreur(s) et %d correction(s)"
              % (len(audit.errors), len(audit.fixes)))
    lues = list(doc.modelspace())
    if len(lues) != len(entites):
        echec("%d entités au lieu de %d : %s" % (len(lues), len(entites),
                                                 [e.dxftype() for e in lues]))
    for numero, (trouvee, attendue) in enumerate(zip(lues, entites)):
        compare(numero, trouvee, attendue)
    calques = {c.dxf.name for c in doc.layers}
    for e in lues:
        if e.dxf.layer not in calques:
            echec("calque %r absent de la table des calques" % e.dxf.layer)
    if not all(math.isfinite(v) for e in lues for v in valeurs(e)[0]):
        echec("coordonnée non finie")
    print("DXF conforme : %d entités, calques %s" % (len(lues), sorted(calques)))
    return 0


if __name__ == "__main__":
    sys.exit(main())
