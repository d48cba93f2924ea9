#!/usr/bin/env bash
# Peak memory and speed of `vantrel-cli batch` over a large CSV: generates
# ROWS designs (cycling through the rows of tests/fixtures/calc/batch-in.csv),
# runs batch IN -o OUT under /usr/bin/time -v and prints the rows, the
# elapsed time, the rows per second and the maximum resident set size.
#
#   bench/batch_memory.sh [ROWS] [vantrel-cli]   (defaults: 1000000, build/bin/vantrel-cli)
set -euo pipefail

rows=${1:-1000000}
here=$(cd "$(dirname "${BASH_SOURCE[0]}")" && pwd)
root=$(dirname "$here")
cli=${2:-$root/build/bin/vantrel-cli}
work=$(mktemp -d "${TMPDIR:-/tmp}/vantrel-batch-memory-XXXXXX")
trap 'rm -rf "$work"' EXIT

designs=$root/tests/fixtures/calc/batch-in.csv
{
  head -n 1 "$designs"
  tail -n +2 "$designs" | awk -v rows="$rows" '
    { line[n++] = $0 }
    END { for (i = 0; i < rows; ++i) print line[i % n] }'
} >"$work/in.csv"

status=0
/usr/bin/time -v "$cli" batch "$work/in.csv" -o "$work/out.csv" 2>"$work/time.txt" || status=$?
seconds=$(awk -F': ' '/Elapsed \(wall clock\)/ { n = split($2, p, ":"); s = 0;
  for (i = 1; i <= n; ++i) s = s * 60 + p[i]; print s }' "$work/time.txt")
peak=$(awk -F': ' '/Maximum resident set size/ { print $2 }' "$work/time.txt")
echo "rows:           $rows ($(du -m "$work/in.csv" | cut -f1) MB in, $(wc -l <"$work/out.csv") lines out)"
echo "exit status:    $status"
rate=$(awk -v r="$rows" -v s="$seconds" 'BEGIN { printf "%.0f", (s > 0 ? r / s : 0) }')
echo "elapsed:        $seconds s ($rate rows/s)"
echo "peak memory:    $((peak / 1024)) MB (maximum resident set size $peak KB)"
