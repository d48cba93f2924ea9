#!/usr/bin/env bash
# Builds the fuzzers with clang in their own build folder and runs each for
# SECONDS on a copy of its committed corpus (the corpus itself is never
# changed): the .vtl decoder on fuzz/corpus/, the CSV reader on
# fuzz/csv_corpus/. A crash fails the script and leaves its input in
# <build>/fuzz-run/NAME/crashes/: a .vtl one goes to tests/files/regressions/
# so the unit tests replay it for good; a CSV one becomes a row of
# tests/files/csv_table_test.cpp.
#
#   fuzz/run.sh SECONDS        (build folder: build-fuzz, or $VANTREL_FUZZ_BUILD)
set -euo pipefail

seconds=${1:?usage: fuzz/run.sh SECONDS}
here=$(cd "$(dirname "${BASH_SOURCE[0]}")" && pwd)
root=$(dirname "$here")
build=${VANTREL_FUZZ_BUILD:-$root/build-fuzz}

cmake -S "$root" -B "$build" -DCMAKE_CXX_COMPILER=clang++ -DCMAKE_BUILD_TYPE=RelWithDebInfo \
  -DVANTREL_FUZZ=ON -DVANTREL_GUI=OFF -DVANTREL_TESTS=OFF -DVANTREL_BENCH=OFF >/dev/null
cmake --build "$build" --target vtl_decode_fuzzer csv_fuzzer -j2

# run NAME CORPUS: NAME's fuzzer on a copy of CORPUS. No input may make the
# code ask for more than it was given: a 64 MB allocation limit catches any
# that trusts a length field or holds more than a row.
run() {
  local work=$build/fuzz-run/$1
  rm -rf "$work"
  mkdir -p "$work/corpus" "$work/crashes"
  cp "$2"/* "$work/corpus/"
  "$build/fuzz/$1" "$work/corpus" \
    -max_total_time="$seconds" -max_len=4096 -timeout=10 \
    -rss_limit_mb=1024 -malloc_limit_mb=64 \
    -artifact_prefix="$work/crashes/" -print_final_stats=1
}

run vtl_decode_fuzzer "$here/corpus"
run csv_fuzzer "$here/csv_corpus"
