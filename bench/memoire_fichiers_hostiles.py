#!/usr/bin/env python3
"""Peak memory of velk-run on hostile files, against the bound 3 x file size + 150 MB.

    memoire_fichiers_hostiles.py VELK_RUN [--mib 64] [--json]

Two files of the size given (and twice that for the second, as in the reliability
target): one of faulty lines only (each raises a message), one of bare line ends only
(nothing to execute, but every line counts). Prints a Markdown table: file, size, lines,
messages written, wall time, peak resident memory of the child (wait4) and the bound.
Exits 1 when a run goes past its bound.
"""
import argparse
import os
import subprocess
import sys
import tempfile
import time

ENTETE = b"Programme VELK Version 1.0 \r\n\r\n\r\n"


def ecrit_fichiers(dossier, mib):
    fautives = os.path.join(dossier, "fautives.vlk")
    with open(fautives, "wb") as f:
        f.write(ENTETE)
        # "x" alone is a syntax error: one message per line, two bytes a line.
        bloc = b"x\n" * (1 << 19)
        for _ in range(mib):
            f.write(bloc)
    fins = os.path.join(dossier, "fins_de_ligne.vlk")
    with open(fins, "wb") as f:
        bloc = b"\n" * (1 << 20)
        for _ in range(2 * mib):
            f.write(bloc)
    return [fautives, fins]


def mesure(velk_run, fichier, json):
    commande = [velk_run] + (["--json"] if json else []) + [fichier]
    debut = time.perf_counter()
    with open(os.devnull, "wb") as nul:
        sortie = subprocess.Popen(commande, stdout=subprocess.PIPE, stderr=nul)
        messages = 0
        for ligne in sortie.stdout:
            if ligne.startswith(b"(") or ligne.startswith(b'"('):
                messages += 1
        _, statut, usage = os.wait4(sortie.pid, 0)
    return (time.perf_counter() - debut, usage.ru_maxrss / 1024.0,
            os.waitstatus_to_exitcode(statut), messages)


def main():
    p = argparse.ArgumentParser(description=__doc__.splitlines()[0])
    p.add_argument("velk_run")
    p.add_argument("--mib", type=int, default=64)
    p.add_argument("--json", action="store_true")
    a = p.parse_args()
    depasse = False
    with tempfile.TemporaryDirectory() as dossier:
        print("| file | size | lines | messages | exit | wall | peak memory | bound |")
        print("|---|---:|---:|---:|---:|---:|---:|---:|")
        for fichier in ecrit_fichiers(dossier, a.mib):
            taille = os.path.getsize(fichier) / (1 << 20)
            with open(fichier, "rb") as f:
                lignes = sum(bloc.count(b"\n") for bloc in iter(lambda: f.read(1 << 24), b""))
            duree, pic, code, messages = mesure(a.velk_run, fichier, a.json)
            borne = 3 * taille + 150 * 1e6 / (1 << 20)
            depasse |= pic > borne
            print(f"| {os.path.basename(fichier)} | {taille:.0f} MiB | {lignes} | {messages} "
                  f"| {code} | {duree:.1f} s | {pic:.0f} MiB | {borne:.0f} MiB |")
    sys.exit(1 if depasse else 0)


if __name__ == "__main__":
    main()
