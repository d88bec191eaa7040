#!/usr/bin/env bash
# Times measuring a 600-dpi Letter scan of the placement page (a model
# scan: tests/scan_model.cpp prints and scans the page), whole as the user
# runs it (micr-calibration-page place --scan, which starts the helper) and
# the helper alone, and prints the medians.
#   bench/scan-benchmark.sh [RUNS]    (default 9; run ./test once first)
set -euo pipefail
root="$(cd "$(dirname "$0")/.." && pwd)"
build="${MICR_BUILD_DIR:-$root/build}"
runs="${1:-9}"
cmake --build "$build" --target micr-calibration-page micr-calibration-scan scan-model >/dev/null
export QT_QPA_PLATFORM=offscreen
fonts="$build/tests/fonts/fonts.conf"
[ -f "$fonts" ] && export FONTCONFIG_FILE="$fonts"
out="$(mktemp -d)"
trap 'rm -rf "$out"' EXIT
"$build/tests/scan-model" "$out/scan.png"

now() { date +%s%N; }
median() { printf '%s\n' "$@" | sort -n | awk '{a[NR]=$1} END {print a[int((NR+1)/2)]}'; }
whole=() helper=()
for ((i = 0; i < runs; i++)); do
    t0=$(now); "$build/micr-calibration-page" place --scan "$out/scan.png" >/dev/null 2>&1 || true; t1=$(now)
    "$build/micr-calibration-scan" place "$out/scan.png" >/dev/null; t2=$(now)
    whole+=($(( (t1 - t0) / 1000 ))) helper+=($(( (t2 - t1) / 1000 )))
done
"$build/micr-calibration-scan" place "$out/scan.png" --timing 2>&1 >/dev/null | sed 's/^/  the helper: /'
awk -v w="$(median "${whole[@]}")" -v h="$(median "${helper[@]}")" -v n="$runs" 'BEGIN {
    printf "600-dpi Letter scan: measured in %6.1f ms (median of %d; target: under 1000 ms)\n", w / 1000, n
    printf "  the helper alone (decoding the PNG included): %6.1f ms\n", h / 1000
}'
