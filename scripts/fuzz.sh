#!/usr/bin/env bash
# Builds the libFuzzer targets of fuzz/ in build-fuzz/ (clang++, address and
# undefined-behaviour sanitizers, storage and identifier code only) and runs
# each for the given number of seconds (default 20), starting from its seed
# corpus in fuzz/corpus/<target>/. New inputs found go to build-fuzz/corpus/,
# never into the repository; a crash stops the script with the input saved
# as build-fuzz/crash-<target>-*.
set -euo pipefail
cd "$(dirname "$0")/.."
secondi="${1:-20}"
cxx="${CXX_FUZZ:-clang++}"
if ! command -v "$cxx" >/dev/null; then
  echo "fuzz: $cxx not found (Debian: clang, libclang-rt-14-dev)" >&2
  exit 1
fi

cmake -S . -B build-fuzz -G Ninja -DPRATOVIA_FUZZ=ON -DCMAKE_BUILD_TYPE=RelWithDebInfo \
  -DCMAKE_CXX_COMPILER="$cxx" >/dev/null
cmake --build build-fuzz -j2

export ASAN_OPTIONS="${ASAN_OPTIONS:-detect_leaks=1}"
export UBSAN_OPTIONS="${UBSAN_OPTIONS:-print_stacktrace=1:halt_on_error=1}"
export QT_LOGGING_RULES="*.debug=false"
# The record-file and INI targets write a file per input: in memory they run
# tens of times faster than on a disk folder.
if [ -z "${TMPDIR:-}" ] && [ -d /dev/shm ] && [ -w /dev/shm ]; then export TMPDIR=/dev/shm; fi
for seme in fuzz/corpus/*/; do
  t="$(basename "$seme")"
  nuovi="build-fuzz/corpus/$t"
  mkdir -p "$nuovi"
  echo "fuzz: $t for ${secondi}s"
  log="build-fuzz/$t.log"
  rc=0
  build-fuzz/fuzz/"$t" -seed="${PRATOVIA_FUZZ_SEED:-1}" -max_total_time="$secondi" -timeout=10 -rss_limit_mb=2048 -print_final_stats=1 \
    -artifact_prefix="build-fuzz/crash-$t-" "$nuovi" "$seme" >"$log" 2>&1 || rc=$?
  grep -E "^(#[0-9]+.*DONE|stat::number_of_executed_units)" "$log" || true
  if [ "$rc" -ne 0 ]; then
    tail -n 60 "$log" >&2
    echo "fuzz: $t failed; the input is in build-fuzz/crash-$t-*" >&2
    exit 1
  fi
done
echo "fuzz: every target ran ${secondi}s without a finding"
