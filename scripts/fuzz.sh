#!/bin/sh
# Builds the libFuzzer targets of fuzz/ with clang under address and undefined-behaviour
# sanitizers (into build-fuzz/, or $VELK_FUZZ_BUILD) and runs each one for a given time.
#   scripts/fuzz.sh [SECONDS] [TARGET...]     default: 60 seconds, every target
# Each target starts from its seed corpus in fuzz/corpus/ (the program target also from
# examples/) and grows a working corpus in the build folder. A crash leaves its input in
# build-fuzz/artefacts/ and makes the script fail. One summary line per target: executions,
# corpus entries and coverage.
set -e
cd "$(dirname "$0")/.."
DUREE="${1:-60}"
[ $# -gt 0 ] && shift
CIBLES="${*:-programme decodage nombres saisie clics coloration}"
BUILD="${VELK_FUZZ_BUILD:-build-fuzz}"

CC=clang CXX=clang++ cmake -S . -B "$BUILD" -G Ninja -DCMAKE_BUILD_TYPE=RelWithDebInfo \
  -DVELK_CORE_ONLY=ON -DVELK_SANITIZE=ON -DVELK_FUZZ=ON -DVELK_TESTS=OFF -DVELK_BENCH=OFF \
  >/dev/null
set --
for c in $CIBLES; do set -- "$@" "fuzz_$c"; done
cmake --build "$BUILD" -j "$(nproc)" --target "$@"

mkdir -p "$BUILD/artefacts"
export ASAN_OPTIONS="detect_leaks=1:allocator_may_return_null=1"
export UBSAN_OPTIONS="print_stacktrace=1:halt_on_error=1"
echec=0
for c in $CIBLES; do
  corpus="$BUILD/corpus/$c"
  mkdir -p "$corpus"
  seeds="fuzz/corpus/$c"
  [ "$c" = programme ] && seeds="$seeds examples"
  journal="$BUILD/fuzz_$c.log"
  # -max_len: programs are short texts; the number target builds long runs itself.
  # A fixed seed (VELK_FUZZ_SEED, 1 by default) makes a CI run repeatable on the same machine.
  if "$BUILD/fuzz/fuzz_$c" "$corpus" $seeds -dict=fuzz/velk.dict -max_total_time="$DUREE" \
      -seed="${VELK_FUZZ_SEED:-1}" \
      -max_len=8192 -timeout=20 -rss_limit_mb=2560 -print_final_stats=1 \
      -artifact_prefix="$BUILD/artefacts/${c}-" >"$journal" 2>&1; then
    etat="ok"
  else
    etat="FAILED (see $journal)"
    echec=1
  fi
  executions=$(sed -n 's/^stat::number_of_executed_units: *//p' "$journal" | tail -1)
  couverture=$(grep -o 'cov: [0-9]*' "$journal" | tail -1 | cut -d' ' -f2)
  entrees=$(ls "$corpus" | wc -l)
  echo "fuzz_$c: $etat, ${executions:-?} executions in $DUREE s, corpus $entrees inputs, coverage ${couverture:-?} edges"
done
exit $echec
