#!/usr/bin/env bash
# Start-up cost: time from exec to the wizard window's first paint, and peak
# memory, against a bare Qt program showing a window with as many widgets.
# Runs alternate; medians and ratios are printed, and the CPU time each
# program used until then, which a busy machine disturbs far less than the
# clock. Uses Xvfb when it is there.
#   bench/startup-benchmark.sh [RUNS [LOCALE...]]
# (RUNS default 15; run ./test or ./run once first.) Each LOCALE (C,
# fr_CA.UTF-8, en_CA.UTF-8) is the wizard's LANG, with LANGUAGE, LC_ALL and
# LC_MESSAGES unset; their runs are interleaved with the bare window's, so a
# busy machine slows them alike. Without one the wizard runs in the caller's
# locale.
set -euo pipefail
root="$(cd "$(dirname "$0")/.." && pwd)"
build="${MICR_BUILD_DIR:-$root/build}"
cmake --build "$build" --target micr-calibration bare-window >/dev/null
exec /usr/bin/python3 - "$build" "${1:-15}" "${@:2}" <<'PY'
import os, shutil, statistics, subprocess, sys, time

build, runs, locales = sys.argv[1], int(sys.argv[2]), sys.argv[3:]
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

def in_locale(locale):
    if locale is None:
        return env
    chosen = {k: v for k, v in env.items() if k not in ("LANGUAGE", "LC_ALL", "LC_MESSAGES")}
    chosen["LANG"] = locale
    return chosen

def once(program, environment):
    start = time.perf_counter()
    process = subprocess.Popen([program], cwd=build, env=environment, stderr=subprocess.PIPE, text=True)
    for line in process.stderr:
        if line.startswith("first-paint"):
            elapsed = time.perf_counter() - start
            kb = int(line.split("=")[1])
            process.stderr.close()
            _, _, usage = os.wait4(process.pid, 0)
            process.returncode = 0
            return elapsed * 1000, kb, (usage.ru_utime + usage.ru_stime) * 1000
    raise SystemExit(f"{program} never painted")

names = locales or [None]
wizard = {name: [] for name in names}
bare = []
try:
    for _ in range(runs):
        for name in names:
            wizard[name].append(once(os.path.join(build, "micr-calibration"), in_locale(name)))
            bare.append(once(os.path.join(build, "bare-window"), env))
finally:
    if xvfb:
        xvfb.terminate()
def medians(samples):
    return [statistics.median(sample[i] for sample in samples) for i in range(3)]

b_ms, b_kb, b_cpu = medians(bare)
print(f"{'':26}{'first paint':>14}{'peak memory':>14}{'CPU time':>14}")
for name in names:
    w_ms, w_kb, w_cpu = medians(wizard[name])
    label = "wizard" if name is None else f"wizard, LANG={name}"
    print(f"{label:26}{w_ms:11.1f} ms{w_kb / 1024:11.1f} MB{w_cpu:11.1f} ms")
print(f"{'bare Qt window':26}{b_ms:11.1f} ms{b_kb / 1024:11.1f} MB{b_cpu:11.1f} ms")
for name in names:
    w_ms, w_kb, w_cpu = medians(wizard[name])
    label = "ratio" if name is None else f"ratio, LANG={name}"
    print(f"{label:26}{w_ms / b_ms:14.2f}{w_kb / b_kb:14.3f}{w_cpu / b_cpu:14.2f}"
          f"   (medians of {runs})")
print(f"{'target: at most':26}{1.05:14.2f}{1.07:14.3f}")
PY
