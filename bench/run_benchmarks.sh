#!/bin/sh
# Builds velk-run and the store benchmark in Release, then times velk-run on generated
# programs of 1 000 to 196 608 statements and runs the store benchmark.
#   bench/run_benchmarks.sh            (build folder: build-release, 5 runs per figure)
#   BUILD=/tmp/b REPEAT=9 bench/run_benchmarks.sh
set -e
ROOT=$(cd "$(dirname "$0")/.." && pwd)
BUILD=${BUILD:-$ROOT/build-release}
REPEAT=${REPEAT:-5}

cmake -S "$ROOT" -B "$BUILD" -G Ninja -DCMAKE_BUILD_TYPE=Release >/dev/null
cmake --build "$BUILD" --target velk-run store_bench

echo
echo "velk-run, median of $REPEAT runs ($(nproc) cores, $(date -u +%Y-%m-%d))"
echo
python3 "$ROOT/bench/time_programs.py" "$BUILD/src/cli/velk-run" --repeat "$REPEAT"

echo
echo "Store alone"
echo
"$BUILD/bench/store_bench" --benchmark_repetitions=3 --benchmark_report_aggregates_only=true
