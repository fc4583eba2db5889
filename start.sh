#!/bin/sh
# Installs the dependencies, builds Velk and starts it on the sample program. Without a
# display, it runs the sample program without a window and draws it into demo.png.
set -e
cd "$(dirname "$0")"
scripts/install-deps.sh
scripts/build.sh build
if [ ! -x build/src/shell/velk ]; then
  exec build/src/cli/velk-run --json examples/demo.vlk
fi
if [ -z "$QT_QPA_PLATFORM" ] && [ -z "$DISPLAY" ] && [ -z "$WAYLAND_DISPLAY" ]; then
  exec scripts/demo-sans-affichage.sh
fi
set +e
build/src/shell/velk examples/demo.vlk
statut=$?
# 2: velk could not connect to the display and has said so.
if [ "$statut" -eq 2 ]; then
  exec scripts/demo-sans-affichage.sh --sans-annonce
fi
exit "$statut"
