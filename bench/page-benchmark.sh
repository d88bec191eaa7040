#!/usr/bin/env bash
# Times the exporter's 600-dpi PDF page against a bare Qt program drawing the
# same rows, runs alternating, and prints the medians and their ratios: the
# clock, and the CPU time each used, which a busy machine disturbs far less.
#   bench/page-benchmark.sh [RUNS]      (default 15; run ./test or ./run once first)
set -euo pipefail
root="$(cd "$(dirname "$0")/.." && pwd)"
build="${MICR_BUILD_DIR:-$root/build}"
runs="${1:-15}"
cmake --build "$build" --target micr-calibration-page bare-page >/dev/null
export QT_QPA_PLATFORM=offscreen
fonts="$build/tests/fonts/fonts.conf"
[ -f "$fonts" ] && export FONTCONFIG_FILE="$fonts"
exec /usr/bin/python3 - "$build" "$runs" <<'PY'
import os, statistics, subprocess, sys, tempfile, time

build, runs = sys.argv[1], int(sys.argv[2])

def once(command):
    start = time.perf_counter()
    process = subprocess.Popen(command, stderr=subprocess.DEVNULL)
    _, status, usage = os.wait4(process.pid, 0)
    elapsed = time.perf_counter() - start
    if status != 0:
        raise SystemExit(f"{command[0]} failed")
    return elapsed * 1000, (usage.ru_utime + usage.ru_stime) * 1000

with tempfile.TemporaryDirectory() as out:
    exporter, bare = [], []
    for _ in range(runs):
        exporter.append(once([os.path.join(build, "micr-calibration-page"), "--dpi", "600",
                              "-o", os.path.join(out, "page.pdf")]))
        bare.append(once([os.path.join(build, "bare-page"), os.path.join(out, "bare.pdf")]))

e_ms, e_cpu = (statistics.median(run[i] for run in exporter) for i in range(2))
b_ms, b_cpu = (statistics.median(run[i] for run in bare) for i in range(2))
print(f"{'':24}{'clock':>12}{'CPU time':>12}   (medians of {runs})")
print(f"{'exporter, 600-dpi page':24}{e_ms:9.1f} ms{e_cpu:9.1f} ms")
print(f"{'bare Qt, same rows':24}{b_ms:9.1f} ms{b_cpu:9.1f} ms")
print(f"{'ratio':24}{e_ms / b_ms:12.2f}{e_cpu / b_cpu:12.2f}   (target: at most 0.65)")
PY
