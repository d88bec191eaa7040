#!/usr/bin/env python3
"""The reader's limits, one row each: a file or a reader that breaks them is
refused by the exporter with exit 2, naming the file and why, within the
reader's 10 s (and the exporter's start), never a hang.
  reader_limits_test.py EXPORTER SOURCE_DIR FONTS_CONF SANITIZED
(SANITIZED 1: AddressSanitizer's shadow memory rules out a memory limit, so
that row is left out.)"""
import os
import shutil
import stat
import subprocess
import sys
import tempfile
import time

exporter, source, fonts = sys.argv[1:4]
sanitized = sys.argv[4:5] == ["1"]
LIMIT_SECONDS = 10
SLACK_SECONDS = 3


def pdf(media_box, content):
    """A one-page PDF with Helvetica, its cross-reference table right."""
    objects = [b"<< /Type /Catalog /Pages 2 0 R >>",
               b"<< /Type /Pages /Kids [3 0 R] /Count 1 >>",
               b"<< /Type /Page /Parent 2 0 R /MediaBox [" + media_box + b"] /Contents 4 0 R"
               b" /Resources << /Font << /F1 5 0 R >> >> >>",
               b"<< /Length %d >>\nstream\n" % len(content) + content + b"\nendstream",
               b"<< /Type /Font /Subtype /Type1 /BaseFont /Helvetica >>"]
    out = bytearray(b"%PDF-1.4\n")
    offsets = []
    for number, body in enumerate(objects, 1):
        offsets.append(len(out))
        out += b"%d 0 obj\n" % number + body + b"\nendobj\n"
    xref = len(out)
    out += b"xref\n0 %d\n0000000000 65535 f \n" % (len(objects) + 1)
    out += b"".join(b"%010d 00000 n \n" % offset for offset in offsets)
    out += b"trailer\n<< /Size %d /Root 1 0 R >>\nstartxref\n%d\n%%%%EOF\n" % (len(objects) + 1, xref)
    return bytes(out)


def reader(folder, name, body):
    """A stand-in reader program that misbehaves as `body` says."""
    path = os.path.join(folder, name)
    with open(path, "w") as out:
        out.write("#!/bin/sh\n" + body + "\n")
    os.chmod(path, os.stat(path).st_mode | stat.S_IXUSR)
    return path


def main():
    weasyprint = os.path.join(source, "tests", "data", "weasyprint.pdf")
    text = b"BT /F1 10 Tf 72 72 Td (A1234) Tj ET"
    with tempfile.TemporaryDirectory() as folder:
        def made(name, data):
            path = os.path.join(folder, name)
            with open(path, "wb") as out:
                out.write(data)
            return path

        # name, file, reader program (None: this build's), what the refusal says
        rows = [
            ("word 1e11 pt wide", made("wide-word.pdf", pdf(b"0 0 612 792",
                                                            b"BT /F1 100000000000 Tf 72 72 Td (A1234) Tj ET")),
             None, "sized beyond any paper"),
            ("page a mile high", made("huge-page.pdf", pdf(b"0 0 612 4561920", text)), None,
             "sized beyond any paper"),
            # PostScript reaches the reader as Ghostscript's PDF, and is bounded there too.
            ("PostScript word 1e11 pt wide",
             made("wide-word.ps", b"%!PS-Adobe-3.0\n/Helvetica findfont 100000000000 scalefont setfont\n"
                                  b"72 72 moveto (A1234) show showpage\n%%EOF\n"),
             None, "sized beyond any paper"),
            ("reader crashes", weasyprint, reader(folder, "crashes", "kill -SEGV $$"), "stopped the reader"),
            ("reader hangs", weasyprint, reader(folder, "hangs", "exec sleep 60"),
             f"still being read after {LIMIT_SECONDS} s"),
            # Without the memory limit the 2 GB would be granted, and no answer would come.
            ("reader past 1 GB", weasyprint,
             reader(folder, "grows", f"exec {sys.executable} -c 'import sys\ntry: bytearray(2 << 30)\n"
                                     "except MemoryError: sys.exit(3)'"),
             "more than 1024 MB"),
            ("no reader", weasyprint, os.path.join(folder, "none"), "is not installed"),
        ]
        if sanitized:
            rows = [row for row in rows if row[0] != "reader past 1 GB"]
        if not shutil.which("gs"):
            rows = [row for row in rows if not row[1].endswith(".ps")]
        failures = 0
        for name, path, program, said in rows:
            env = dict(os.environ, QT_QPA_PLATFORM="offscreen", FONTCONFIG_FILE=fonts, CUPS_SERVER="/nonexistent")
            if program:
                env["MICR_CALIBRATION_READER"] = program
            start = time.monotonic()
            run = subprocess.run([exporter, "cheque", path], capture_output=True, text=True, env=env,
                                 timeout=3 * LIMIT_SECONDS)
            seconds = time.monotonic() - start
            output = run.stdout + run.stderr
            good = (run.returncode == 2 and os.path.basename(path) in output and said in output
                    and seconds <= LIMIT_SECONDS + SLACK_SECONDS)
            print(f"{'ok' if good else 'FAIL'} {name}: exit {run.returncode} in {seconds:.1f} s: {output.strip()}")
            failures += not good
    return 1 if failures else 0


sys.exit(main())
