#!/usr/bin/env bash
# Builds the .vtl decoder fuzzer with clang in its own build folder and runs it
# for SECONDS on a copy of the committed corpus (the corpus itself is never
# changed). A crash fails the script and leaves its input in
# <build>/fuzz-run/crashes/: copy it to tests/files/regressions/ so the unit
# tests replay it for good.
#
#   fuzz/run.sh SECONDS        (build folder: build-fuzz, or $VANTREL_FUZZ_BUILD)
set -euo pipefail

seconds=${1:?usage: fuzz/run.sh SECONDS}
here=$(cd "$(dirname "${BASH_SOURCE[0]}")" && pwd)
root=$(dirname "$here")
build=${VANTREL_FUZZ_BUILD:-$root/build-fuzz}

cmake -S "$root" -B "$build" -DCMAKE_CXX_COMPILER=clang++ -DCMAKE_BUILD_TYPE=RelWithDebInfo \
  -DVANTREL_FUZZ=ON -DVANTREL_GUI=OFF -DVANTREL_TESTS=OFF -DVANTREL_BENCH=OFF >/dev/null
cmake --build "$build" --target vtl_decode_fuzzer -j2

work=$build/fuzz-run
rm -rf "$work"
mkdir -p "$work/corpus" "$work/crashes"
cp "$here"/corpus/* "$work/corpus/"

# No input may make the decoder ask for more than it was given: a 64 MB
# allocation limit catches any that trusts a length field.
"$build/fuzz/vtl_decode_fuzzer" "$work/corpus" \
  -max_total_time="$seconds" -max_len=4096 -timeout=10 \
  -rss_limit_mb=1024 -malloc_limit_mb=64 \
  -artifact_prefix="$work/crashes/" -print_final_stats=1
