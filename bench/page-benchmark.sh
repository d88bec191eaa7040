#!/usr/bin/env bash
# Times the exporter's 600-dpi PDF page against a bare Qt program drawing the
# same rows, runs alternating, and prints the medians and their ratio.
#   bench/page-benchmark.sh [RUNS]      (default 15; run ./test or ./run once first)
set -euo pipefail
root="$(cd "$(dirname "$0")/.." && pwd)"
build="${MICR_BUILD_DIR:-$root/build}"
runs="${1:-15}"
cmake --build "$build" --target micr-calibration-page bare-page >/dev/null
export QT_QPA_PLATFORM=offscreen
fonts="$build/tests/fonts/fonts.conf"
[ -f "$fonts" ] && export FONTCONFIG_FILE="$fonts"
out="$(mktemp -d)"
trap 'rm -rf "$out"' EXIT

now() { date +%s%N; }
exporter=() bare=()
for ((i = 0; i < runs; i++)); do
    t0=$(now); "$build/micr-calibration-page" --dpi 600 -o "$out/page.pdf" 2>/dev/null; t1=$(now)
    "$build/bare-page" "$out/bare.pdf" 2>/dev/null; t2=$(now)
    exporter+=($(( (t1 - t0) / 1000 ))) bare+=($(( (t2 - t1) / 1000 )))
done
median() { printf '%s\n' "$@" | sort -n | awk '{a[NR]=$1} END {print a[int((NR+1)/2)]}'; }
e=$(median "${exporter[@]}") b=$(median "${bare[@]}")
awk -v e="$e" -v b="$b" -v n="$runs" 'BEGIN {
    printf "exporter, 600-dpi page: %6.1f ms (median of %d)\n", e / 1000, n
    printf "bare Qt, same rows:     %6.1f ms\n", b / 1000
    printf "ratio:                  %6.2f (target: at most 1.25)\n", e / b
}'
