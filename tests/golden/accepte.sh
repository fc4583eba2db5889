#!/bin/sh
# Accepts reviewed runner outputs as new references: NAME.out becomes NAME.json.
#   tests/golden/accepte.sh            lists the outputs waiting for review
#   tests/golden/accepte.sh demo ...   accepts the named ones
#   tests/golden/accepte.sh --tous     accepts every waiting output
set -e
cd "$(dirname "$0")"
if [ $# -eq 0 ]; then
    ls ./*.out 2>/dev/null || echo "Aucune sortie en attente."
    exit 0
fi
if [ "$1" = "--tous" ]; then
    set -- $(ls ./*.out 2>/dev/null | sed 's|^\./||; s|\.out$||')
fi
for nom in "$@"; do
    nom=${nom%.out}
    nom=${nom%.json}
    if [ ! -f "$nom.out" ]; then
        echo "Pas de sortie $nom.out" >&2
        exit 1
    fi
    mv "$nom.out" "$nom.json"
    echo "Référence $nom.json acceptée."
done
