#!/bin/sh
# Configures and builds Velk into build/ (or the folder given as first argument).
set -e
cd "$(dirname "$0")/.."
BUILD="${1:-build}"
shift 2>/dev/null || true
cmake -S . -B "$BUILD" -G Ninja -DCMAKE_BUILD_TYPE=RelWithDebInfo "$@"
cmake --build "$BUILD" -j "$(nproc)"
