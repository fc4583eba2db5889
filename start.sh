#!/bin/sh
# Installs the dependencies, builds Velk and starts it on the sample program.
set -e
cd "$(dirname "$0")"
scripts/install-deps.sh
scripts/build.sh build
if [ -x build/src/shell/velk ]; then
  exec build/src/shell/velk examples/demo.vlk
else
  exec build/src/cli/velk-run --json examples/demo.vlk
fi
