#!/usr/bin/env python3
"""Damaged cheque files, made with fixed seeds from the committed ones (bytes
flipped, numbers made huge, cut short), each checked by the exporter: none
may crash it, hang it, run past the reader's 10 s or grow past 1 GB, and
each exits 0, 1 or 2, a refusal naming the file.
  cheque_fuzz_test.py EXPORTER SOURCE_DIR FONTS_CONF"""
import concurrent.futures
import os
import random
import re
import subprocess
import sys
import tempfile
import threading
import time

exporter, source, fonts = sys.argv[1:4]
COPIES_EACH = 60
# The reader's limits, and what the exporter adds to them to start and answer.
LIMIT_SECONDS = 10 + 2
LIMIT_KB = 1 << 20
HUGE = [b"99999999999", b"-99999999999", b"4294967296", b"1e308", b"0", b"-0.000001"]
NUMBER = re.compile(rb"-?\d+(?:\.\d+)?")


def mutate(data, rng):
    kind = rng.choice(["flip", "numbers", "cut", "cut-marked"])
    data = bytearray(data)
    if kind == "flip":
        for _ in range(rng.randint(1, 12)):
            data[rng.randrange(len(data))] ^= rng.randrange(1, 256)
    elif kind == "numbers":
        numbers = list(NUMBER.finditer(bytes(data)))
        for match in sorted(rng.sample(numbers, min(len(numbers), rng.randint(1, 6))),
                            key=lambda m: m.start(), reverse=True):
            data[match.start():match.end()] = rng.choice(HUGE)
    else:
        del data[rng.randrange(1, len(data)):]
        if kind == "cut-marked":  # past the end-of-file check, into the parser's repairs
            data += b"\n%%EOF\n"
    return kind, bytes(data)


def run(path):
    env = dict(os.environ, QT_QPA_PLATFORM="offscreen", FONTCONFIG_FILE=fonts, CUPS_SERVER="/nonexistent")
    with tempfile.TemporaryFile() as out:
        start = time.monotonic()
        process = subprocess.Popen([exporter, "cheque", path], stdout=out, stderr=subprocess.STDOUT, env=env)
        # A hang is killed, and shows as a signal.
        timer = threading.Timer(3 * LIMIT_SECONDS, process.kill)
        timer.start()
        # The exporter's usage takes in the reader it waited for: the larger peak.
        _, status, usage = os.wait4(process.pid, 0)
        timer.cancel()
        process.returncode = os.waitstatus_to_exitcode(status)
        seconds = time.monotonic() - start
        out.seek(0)
        return path, process.returncode, usage.ru_maxrss, seconds, out.read()


def main():
    originals = sorted(f for f in os.listdir(os.path.join(source, "tests", "data")) if f.endswith((".pdf", ".ps")))
    failures, statuses, slowest, largest = [], {}, 0.0, 0
    with tempfile.TemporaryDirectory() as folder:
        paths = []
        for index, name in enumerate(originals):
            data = open(os.path.join(source, "tests", "data", name), "rb").read()
            rng = random.Random(1000 + index)
            for copy in range(COPIES_EACH):
                kind, mutated = mutate(data, rng)
                stem, suffix = os.path.splitext(name)
                path = os.path.join(folder, f"{stem}-{copy:03d}-{kind}{suffix}")
                with open(path, "wb") as out:
                    out.write(mutated)
                paths.append(path)
        start = time.monotonic()
        with concurrent.futures.ThreadPoolExecutor(max_workers=2) as pool:
            for path, status, kb, seconds, output in pool.map(run, paths):
                statuses[status] = statuses.get(status, 0) + 1
                slowest, largest = max(slowest, seconds), max(largest, kb)
                name = os.path.basename(path)
                if status not in (0, 1, 2):
                    failures.append(f"{name}: exit status {status}: {output[-300:]!r}")
                elif seconds > LIMIT_SECONDS:
                    failures.append(f"{name}: {seconds:.1f} s")
                elif kb > LIMIT_KB:
                    failures.append(f"{name}: {kb} kB")
                elif status == 2 and name.encode() not in output:
                    failures.append(f"{name}: refused without naming the file: {output[-300:]!r}")
        print(f"{len(paths)} damaged files in {time.monotonic() - start:.1f} s; exit statuses {statuses}; "
              f"slowest {slowest:.1f} s, largest {largest // 1024} MB")
    for failure in failures:
        print("FAIL", failure)
    return 1 if failures else 0


sys.exit(main())
