#!/bin/sh
# Makes the README's pictures of examples/demo.vlk without any display: the main window
# (velk-capture, the window's own grab on Qt's offscreen platform) and the drawing of
# velk-run --png. Needs a build (scripts/build.sh); the build folder may be given.
set -e
cd "$(dirname "$0")/.."
BUILD="${1:-build}"
mkdir -p docs
QT_QPA_PLATFORM=offscreen "$BUILD/src/shell/velk-capture" examples/demo.vlk docs/fenetre.png 900x620
statut=0
"$BUILD/src/cli/velk-run" --png docs/dessin.png --size 640x480 --cadrage examples/demo.vlk || statut=$?
# 1 only says the program has messages; the picture is written all the same.
if [ "$statut" -ge 2 ]; then exit "$statut"; fi
ls -l docs/fenetre.png docs/dessin.png
