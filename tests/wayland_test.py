"""The program on Wayland: under a headless weston it starts and paints its
first window with nothing on stderr, and every dialog, the measurements and
the placement window show with nothing on stderr either (their own widget
checks, run on the wayland platform). Exits 77 (skipped) where weston or
Qt's Wayland platform is not installed.
    wayland_test.py PROGRAM TST_DIALOGS TST_WIZARD FONTS_CONF"""
import glob
import os
import shutil
import subprocess
import sys
import tempfile
import time

PROGRAM, DIALOG_TESTS, WIZARD_TESTS, FONTS_CONF = sys.argv[1:5]
failures = []


def check(condition, message):
    print(("PASS " if condition else "FAIL ") + message)
    if not condition:
        failures.append(message)


# Qt 6.4's Wayland client can free a window's frame callback twice when the
# window hides while the compositor answers its last frame (a race between its
# event thread and the main thread, mended in QtWayland 6.5): libwayland then
# aborts on a reference count, or the event thread wakes a freed condition.
# It is Qt's, not the dialogs', so a run that crashed in Qt's Wayland event
# thread is run again, at most twice; any other failure counts at once.
def CrashedInWaylandEventThread(output):
    if "wl_proxy_unref: Assertion" in output:
        return True
    threads = output.split("\nThread ")
    return any(block.split("\n", 1)[0].find("WaylandEventThr") >= 0 and "<signal handler called>" in block
               for block in threads[1:])


def ShowUnderWayland(program, functions, env, runtime):
    for attempt in range(3):
        shown = subprocess.run([program, *functions], env=env, capture_output=True, text=True, timeout=300,
                               cwd=runtime)
        if shown.returncode == 0 or not CrashedInWaylandEventThread(shown.stdout + shown.stderr):
            break
        print(f"Qt 6.4's frame callback race aborted {os.path.basename(program)}: run again")
    return shown


def main():
    if not shutil.which("weston") or not glob.glob("/usr/lib/*/qt6/plugins/platforms/libqwayland*.so"):
        print("weston or qt6-wayland is not installed")
        return 77
    runtime = tempfile.mkdtemp(prefix="micr-wayland-")
    os.chmod(runtime, 0o700)
    env = {k: v for k, v in os.environ.items() if k not in ("DISPLAY", "QT_QPA_PLATFORM", "WAYLAND_DISPLAY")}
    env.update(XDG_RUNTIME_DIR=runtime, XDG_CONFIG_HOME=os.path.join(runtime, "config"), WAYLAND_DISPLAY="micr-test",
               QT_QPA_PLATFORM="wayland",
               FONTCONFIG_FILE=FONTS_CONF, CUPS_SERVER=os.path.join(runtime, "no-cups.sock"),
               # Headless weston has no seat, and Qt 6.4's Wayland text-input
               # context then reads a missing input device when a line edit
               # draws its cursor: no input method here.
               QT_IM_MODULE="none")
    weston = subprocess.Popen(["weston", "--backend=headless-backend.so", "--socket=micr-test", "--idle-time=0"],
                              env=env, stdout=subprocess.DEVNULL, stderr=subprocess.DEVNULL)
    try:
        deadline = time.monotonic() + 20
        while not os.path.exists(os.path.join(runtime, "micr-test")) and time.monotonic() < deadline:
            time.sleep(0.1)
        check(os.path.exists(os.path.join(runtime, "micr-test")), "weston runs headless")

        started = subprocess.run([PROGRAM], env=dict(env, MICR_STARTUP_TRACE="exit"), capture_output=True,
                                 text=True, timeout=60, cwd=runtime)
        lines = started.stderr.splitlines()
        check(started.returncode == 0 and any(line.startswith("first-paint") for line in lines),
              f"the wizard starts and paints: status {started.returncode}")
        noise = [line for line in lines if not line.startswith("first-paint")]
        check(not noise, f"nothing else on stderr: {noise}")

        for program, functions, what in (
                (DIALOG_TESTS, ["controls", "dialogsAreTheSameObjectsEachTime", "launches"], "every dialog"),
                (WIZARD_TESTS, ["measurementsOkOnlyForAFace", "placementWindow"],
                 "the measurements and placement windows")):
            shown = ShowUnderWayland(program, functions, env, runtime)
            check(shown.returncode == 0, f"{what} show: " + shown.stdout[-400:] + shown.stderr[-400:])
            noise = [line for line in shown.stdout.splitlines() + shown.stderr.splitlines()
                     if line.startswith(("QWARN", "QDEBUG", "qt.", "Warning", "QSystemTrayIcon"))]
            check(not noise, f"nothing on stderr while {what} show: {noise[:5]}")
    finally:
        weston.terminate()
        weston.wait(timeout=10)
        shutil.rmtree(runtime, ignore_errors=True)
    print(f"{len(failures)} failed")
    return 1 if failures else 0


if __name__ == "__main__":
    sys.exit(main())
