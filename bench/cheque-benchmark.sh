#!/usr/bin/env bash
# Times checking a one-page cheque file (micr-calibration-page cheque FILE:
# poppler reads the text, renders the page for drawings and the MICR line's
# ink) against poppler's own pdftotext -bbox reading the same file's words,
# runs alternating, and prints the medians. PDF and PostScript (through
# Ghostscript) alike.
#   bench/cheque-benchmark.sh [RUNS]    (default 15; run ./test or ./run once first)
set -euo pipefail
root="$(cd "$(dirname "$0")/.." && pwd)"
build="${MICR_BUILD_DIR:-$root/build}"
runs="${1:-15}"
cmake --build "$build" --target micr-calibration-page >/dev/null
export QT_QPA_PLATFORM=offscreen
fonts="$build/tests/fonts/fonts.conf"
[ -f "$fonts" ] && export FONTCONFIG_FILE="$fonts"
out="$(mktemp -d)"
trap 'rm -rf "$out"' EXIT

now() { date +%s%N; }
median() { printf '%s\n' "$@" | sort -n | awk '{a[NR]=$1} END {print a[int((NR+1)/2)]}'; }
for file in "$root/tests/data/weasyprint.pdf" "$root/tests/data/freecheck.ps"; do
    checked=() bare=()
    for ((i = 0; i < runs; i++)); do
        t0=$(now); "$build/micr-calibration-page" --check-cheque "$file" >/dev/null 2>&1 || true; t1=$(now)
        case "$file" in
            *.pdf) pdftotext -bbox "$file" "$out/words.html" 2>/dev/null ;;
            *) ps2pdf "$file" "$out/cheque.pdf" && pdftotext -bbox "$out/cheque.pdf" "$out/words.html" ;;
        esac
        t2=$(now)
        checked+=($(( (t1 - t0) / 1000 ))) bare+=($(( (t2 - t1) / 1000 )))
    done
    c=$(median "${checked[@]}") b=$(median "${bare[@]}")
    awk -v c="$c" -v b="$b" -v n="$runs" -v f="$(basename "$file")" 'BEGIN {
        printf "%s: checked in %6.1f ms (median of %d; target: under 500 ms)\n", f, c / 1000, n
        printf "%s  poppler reading its words: %6.1f ms\n", sprintf("%" length(f) "s", ""), b / 1000
    }'
done
