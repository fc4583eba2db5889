#!/bin/sh
# Installs the dependencies, builds Velk and runs every test.
set -e
cd "$(dirname "$0")"
scripts/install-deps.sh
scripts/build.sh build
cd build
QT_QPA_PLATFORM=offscreen ctest --output-on-failure -j "$(nproc)"
