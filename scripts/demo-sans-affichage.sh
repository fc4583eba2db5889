#!/bin/sh
# The sample program without a window, for start.sh on a machine with no display: says so,
# runs examples/demo.vlk with velk-run, prints its messages and draws all its elements into
# demo.png next to the README. With --sans-annonce the first line is left out (velk itself
# has just said it). Exit 0 when the picture is written, 2 otherwise.
cd "$(dirname "$0")/.." || exit 2
if [ "$1" != "--sans-annonce" ]; then
  echo "Pas d'affichage graphique : Velk s'ouvre dans une session graphique. Démonstration sans fenêtre :"
fi
programme=examples/demo.vlk
image="$(pwd)/demo.png"
runner=build/src/cli/velk-run
if [ ! -x "$runner" ]; then
  echo "velk-run est introuvable ($runner) : lancez d'abord scripts/build.sh." >&2
  exit 2
fi
messages=$("$runner" --png "$image" --cadrage "$programme")
statut=$?
# velk-run: 0 without messages, 1 with messages, 2 when it could not run or draw.
if [ "$statut" -ge 2 ]; then
  echo "La démonstration n'a pas pu s'exécuter (velk-run : code $statut)." >&2
  exit 2
fi
if [ -z "$messages" ]; then
  echo "$programme exécuté sans message."
else
  echo "$programme exécuté, messages :"
  printf '%s\n' "$messages"
fi
echo "Dessin de tous les éléments : $image"
