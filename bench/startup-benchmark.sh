#!/usr/bin/env bash
# Start-up cost: time from exec to the wizard window's first paint, and peak
# memory, against a bare Qt program showing a window with as many widgets.
# Runs alternate; medians and ratios are printed. Uses Xvfb when it is there.
#   bench/startup-benchmark.sh [RUNS]      (default 15; run ./test or ./run once first)
set -euo pipefail
root="$(cd "$(dirname "$0")/.." && pwd)"
build="${MICR_BUILD_DIR:-$root/build}"
cmake --build "$build" --target micr-calibration bare-window >/dev/null
exec /usr/bin/python3 - "$build" "${1:-15}" <<'PY'
import os, shutil, statistics, subprocess, sys, tempfile, time

build, runs = sys.argv[1], int(sys.argv[2])
env = dict(os.environ, MICR_STARTUP_TRACE="exit", CUPS_SERVER="/nonexistent")
xvfb = None
if shutil.which("Xvfb"):
    read_fd, write_fd = os.pipe()
    xvfb = subprocess.Popen(["Xvfb", "-displayfd", str(write_fd), "-nolisten", "tcp"], pass_fds=(write_fd,),
                            stderr=subprocess.DEVNULL)
    os.close(write_fd)
    env["DISPLAY"] = ":" + os.fdopen(read_fd).readline().strip()
else:
    env["QT_QPA_PLATFORM"] = "offscreen"

def once(program):
    start = time.perf_counter()
    process = subprocess.Popen([program], cwd=build, env=env, stderr=subprocess.PIPE, text=True)
    for line in process.stderr:
        if line.startswith("first-paint"):
            elapsed = time.perf_counter() - start
            kb = int(line.split("=")[1])
            process.wait()
            return elapsed * 1000, kb
    raise SystemExit(f"{program} never painted")

wizard, bare = [], []
try:
    for _ in range(runs):
        wizard.append(once(os.path.join(build, "micr-calibration")))
        bare.append(once(os.path.join(build, "bare-window")))
finally:
    if xvfb:
        xvfb.terminate()
w_ms, b_ms = statistics.median(t for t, _ in wizard), statistics.median(t for t, _ in bare)
w_kb, b_kb = statistics.median(k for _, k in wizard), statistics.median(k for _, k in bare)
print(f"{'':22}{'first paint':>14}{'peak memory':>14}")
print(f"{'wizard':22}{w_ms:11.1f} ms{w_kb / 1024:11.1f} MB")
print(f"{'bare Qt window':22}{b_ms:11.1f} ms{b_kb / 1024:11.1f} MB")
print(f"{'ratio':22}{w_ms / b_ms:14.2f}{w_kb / b_kb:14.2f}   (target: at most 1.2; medians of {runs})")
PY
