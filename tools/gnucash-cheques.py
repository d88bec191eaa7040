#!/usr/bin/python3
"""Prints cheques from GnuCash itself with the check formats the exporter
writes, and measures where their MICR line lands.

    /usr/bin/python3 tools/gnucash-cheques.py [--build build] [--quick] [--save-pdf FILE]

For each face (Lines 1 to 5) and a few positions on 3-up Letter stock it
writes `--export-settings gnucash --line N` for a MICR line, prints one
cheque through GnuCash 4.13's Print Checks dialog to a PDF with the shared
rig (/work/shared/tools/gnucash-rig, or --rig; 16 to 30 s a cheque), reads
every glyph back from the PDF, sends it through Line N's printer model (sx =
7 in over the face's line, no shift) and checks:
position 1's end 5/16 in from the cheque's right edge, the baseline 3/16 in
above its bottom edge and each character in its cell, all within 0.002 in
(the cheque number, which GnuCash sets at whole points a digit, within the
bound the exporter states); the face and 10 points. It does the same on
each cheque for a remembered printer (--printer) whose placement page read a
scale both ways and a shift, its model worked out here from those readings.
The test faces are
installed for GnuCash from build/tests/fonts (made by ./test); --fonts DIR
takes faces of another folder with its fonts.conf instead (a face whose
descent is no whole number of points lands the same: GnuCash does not round
it).

GnuCash is not one of the project's packages: install the rig's own list
(see its README). Exits 0 when every cheque lands, 1 when one does not, 77
when GnuCash or the rig is missing. Not run by ./test: it takes minutes.
"""
import argparse
import json
import os
import random
import re
import shutil
import subprocess
import sys
import tempfile

POINTS = 72.0
PITCH = 0.125
FIRST_RIGHT = 5 / 16
BASELINE_UP = 3 / 16
TOLERANCE = 0.002
CHEQUE = 3.5            # Letter 3-up
PAPER_WIDTH = 8.5
# The test faces' advances in thousandths of an em (tests/fonts/make_test_fonts.py).
ADVANCES = {1: 880, 2: 890, 3: 900, 4: 910, 5: 920}
POSTSCRIPT = {1: "FerroNSample-Regular", 2: "FerroN2Sample-Regular", 3: "FerroSample-Regular",
              4: "FerroW2Sample-Regular", 5: "FerroWSample-Regular"}
# The rig's book pays cheque number 1001.
BOOK_NUMBER = "1001"
# A remembered printer that prints 1.12 % large both ways, its page shifted:
# what its placement page (middle cheque) read, and Line 2's face, which
# makes up for that scale.
PROFILE = """[General]
version=1

[printer-shifted]
line=2
placement\\bar=7.0787
placement\\cheque=middle
placement\\edge=0.2300
placement\\from=bottom
placement\\right=0.2500
placement\\stock=3.5000
placement\\taken=2026-12-07T20:00:00Z
placement\\vbar=2.0224
queue=shifted
weight=standard
"""
PERSONAL = "layout=us,routing=121000248,onus=4659801C 1001"
BUSINESS = "layout=us,routing=021000021,onus=123456789C,aux=C001001C"


def composed(exporter, env, fields):
    out = subprocess.run([exporter, "--micr-line", fields, "--json"], env=env, capture_output=True,
                         text=True, check=True).stdout
    line = json.loads(out)
    text = line["text"]
    chars = {14 + len(text) - 1 - i: c for i, c in enumerate(text) if c != " "}
    return chars, line["fields"]


def number_positions(fields):
    """The cells the exporter's format gives the cheque number."""
    for f in fields:
        if f["name"] == "auxiliary on-us":
            digits = [f["first"] - i for i, c in enumerate(f["text"]) if c.isdigit()]
            return digits
    for f in fields:
        if f["name"] == "on-us" and "C" in f["text"]:
            after = f["text"][f["text"].rindex("C") + 1:]
            start = f["first"] - f["text"].rindex("C") - 1
            return [start - i for i, c in enumerate(after) if c.isdigit()]
    return []


def check_cheque(pdf, measure, line, position, chars, number_cells, model):
    runs = json.loads(subprocess.run([sys.executable, measure, pdf, "--json"], capture_output=True,
                                     text=True, check=True).stdout)["runs"]
    advance = ADVANCES[line] / 100.0  # points at 10 points
    sx, sy, ox, oy = model
    faults = []
    printed = {}
    residuals = []
    number = [0.0]
    ends = []
    baselines = []
    # The number's digits at whole points: the last in its cell, each other
    # off by the difference of that pitch on paper from 0.125 in.
    number_bound = (len(number_cells) - 1) * abs(round(advance) * sx / POINTS - PITCH) + TOLERANCE
    for run in runs:
        font = re.sub(r"^[A-Z]{6}\+", "", run["font"])
        if font != POSTSCRIPT[line]:
            faults.append("text in %s, not %s" % (run["font"], POSTSCRIPT[line]))
        if abs(run["size"] - 10) > 0.001:
            faults.append("%s at %.3f pt" % (run["text"], run["size"]))
        for ch, (x, y) in zip(run["text"], run["glyphs"]):
            end = sx * (x + advance) / POINTS + ox
            cells = (PAPER_WIDTH - FIRST_RIGHT - end) / PITCH
            cell = round(cells) + 1
            residual = (cells - round(cells)) * PITCH
            printed[cell] = ch
            if cell in number_cells:
                number.append(abs(residual))
                if abs(residual) > number_bound:
                    faults.append("number digit %s in cell %d off by %.4f in" % (ch, cell, residual))
            else:
                residuals.append(residual)
                ends.append((cell, end))
            baselines.append(sy * y / POINTS + oy)
    wanted = {p: c for p, c in chars.items() if p not in number_cells}
    for i, digit in enumerate(reversed(BOOK_NUMBER)):
        wanted[min(number_cells) + i] = digit
    if printed != wanted:
        faults.append("characters %s, wanted %s" % (sorted(printed.items()), sorted(wanted.items())))
    # Position 1's end from every character's, and the pitch between them.
    ends.sort()
    right = PAPER_WIDTH - sum(end + (cell - 1) * PITCH for cell, end in ends) / len(ends)
    pitches = [(b[1] - a[1]) / (a[0] - b[0]) for a, b in zip(ends, ends[1:]) if a[0] != b[0]]
    bottom = (position + 1) * CHEQUE
    baseline = bottom - sum(baselines) / len(baselines)
    worst = max(abs(r) for r in residuals)
    if abs(right - FIRST_RIGHT) > TOLERANCE:
        faults.append("position 1 ends %.4f in from the right edge" % right)
    if worst > TOLERANCE:
        faults.append("a character %.4f in from its cell" % worst)
    if max(abs(bottom - b - BASELINE_UP) for b in baselines) > TOLERANCE:
        faults.append("baselines %s" % sorted(set(round(bottom - b, 4) for b in baselines)))
    return right, baseline, min(pitches), max(pitches), worst, max(number), faults


def main():
    root = os.path.dirname(os.path.dirname(os.path.abspath(__file__)))
    parser = argparse.ArgumentParser(description=__doc__.split("\n\n")[0])
    parser.add_argument("--build", default=os.path.join(root, "build"))
    parser.add_argument("--rig", default="/work/shared/tools/gnucash-rig")
    parser.add_argument("--quick", action="store_true", help="Line 3 on the top cheque only")
    parser.add_argument("--fonts", help="the faces' folder, with its fonts.conf (default: the build's test faces)")
    parser.add_argument("--save-pdf", help="keep the first cheque's PDF here")
    args = parser.parse_args()
    exporter = os.path.join(args.build, "micr-calibration-page")
    fonts = args.fonts or os.path.join(args.build, "tests", "fonts")
    print_check = os.path.join(args.rig, "print_check.sh")
    if not shutil.which("gnucash") or not os.path.exists(print_check):
        print("gnucash-cheques: GnuCash or the rig (%s) is missing" % args.rig, file=sys.stderr)
        return 77
    if not os.path.exists(exporter) or not os.path.exists(os.path.join(fonts, "fonts.conf")):
        print("gnucash-cheques: build the exporter and the test faces first (./test)", file=sys.stderr)
        return 77

    rig = tempfile.mkdtemp(prefix="micr-gnucash-")
    env = dict(os.environ, RIG=rig, FONTCONFIG_FILE=os.path.join(fonts, "fonts.conf"))
    home = os.path.join(rig, "home")
    checks = os.path.join(home, ".local", "share", "gnucash", "checks")
    face_dir = os.path.join(home, ".local", "share", "fonts")
    os.makedirs(checks)
    os.makedirs(face_dir)
    for name in os.listdir(fonts):
        if name.startswith("Ferro") and name.endswith(".ttf"):
            shutil.copy(os.path.join(fonts, name), face_dir)
    subprocess.run(["fc-cache", "-f", face_dir], env=dict(os.environ, HOME=home), check=True)
    book = os.path.join(rig, "book.gnucash")
    subprocess.run([sys.executable, os.path.join(args.rig, "make_book.py"), book], check=True,
                   stdout=subprocess.DEVNULL)

    config = os.path.join(rig, "config")
    os.makedirs(os.path.join(config, "micr-calibration"))
    with open(os.path.join(config, "micr-calibration", "printers.ini"), "w") as ini:
        ini.write(PROFILE)
    env["XDG_CONFIG_HOME"] = config
    # The shifted printer's model, from what its placement page read.
    sx, sy = 7.0787 / 7, 2.0224 / 2
    shifted = (sx, sy, (PAPER_WIDTH - 0.25) - sx * (PAPER_WIDTH - FIRST_RIGHT),
               (2 * CHEQUE - 0.23) - sy * (2 * CHEQUE - BASELINE_UP))

    runs = [(3, "Top", PERSONAL)] if args.quick else \
        [(line, "Top", PERSONAL) for line in range(1, 6)] + \
        [(1, "Middle", BUSINESS), (5, "Bottom", BUSINESS), (2, "Bottom", PERSONAL), (4, "Middle", BUSINESS)] + \
        [(-2, position, BUSINESS) for position in ("Top", "Middle", "Bottom")]
    failed = 0
    print("line position  right_in baseline_in  pitch_in(min..max)  worst_cell_in  number_in  verdict")
    for n, (line, position, fields) in enumerate(runs):
        for old in os.listdir(checks):
            os.remove(os.path.join(checks, old))
        chk = os.path.join(checks, "micr-test.chk")
        # A negative line: that line's face on the remembered, shifted printer.
        source = ["--printer", "shifted"] if line < 0 else ["--line", str(line)]
        model = shifted if line < 0 else (900.0 / ADVANCES[line], 1, 0, 0)  # the face's line 7 in long
        line = abs(line)
        subprocess.run([exporter, "--export-settings", "gnucash"] + source + ["--micr-line", fields, "-o", chk],
                       env=env, check=True, stderr=subprocess.DEVNULL)
        title = re.search(r"^Title = (.*)$", open(chk).read(), re.M).group(1)
        pdf = os.path.join(rig, "line%d-%s.pdf" % (line, position.lower()))
        # Others may be starting X servers from :91 up at the same time: a
        # display of our own, and another go when one was taken under us.
        for attempt in range(3):
            display = next(d for d in range(random.randint(120, 180), 400)
                           if not os.path.exists("/tmp/.X%d-lock" % d) and not os.path.exists("/tmp/.X11-unix/X%d" % d))
            done = subprocess.run([print_check, book, title, position, pdf], env=dict(env, RIG_DISPLAY=str(display)),
                                  capture_output=True, text=True)
            if done.returncode == 0 or "did not start" not in done.stderr:
                break
        if done.returncode != 0:
            print("%4d %-8s GnuCash did not print: %s" % (line, position, done.stderr.strip().splitlines()[-1:]))
            failed += 1
            continue
        chars, composed_fields = composed(exporter, env, fields)
        index = ["Top", "Middle", "Bottom"].index(position)
        right, baseline, low, high, worst, number, faults = check_cheque(
            pdf, os.path.join(args.rig, "measure.py"), line, index, chars, number_positions(composed_fields), model)
        print("%4s %-8s %9.4f %11.4f  %.4f..%.4f  %13.4f  %9.4f  %s" % (
            line if model[2] == 0 else "%d*" % line, position, right, baseline, low, high, worst, number,
            "lands" if not faults else "; ".join(faults)), flush=True)
        failed += bool(faults)
        if n == 0 and args.save_pdf:
            shutil.copy(pdf, args.save_pdf)
    print("* on a remembered printer, 101.12 % large both ways, its page shifted")
    print("PDFs and the rig's logs in", rig)
    return 1 if failed else 0


if __name__ == "__main__":
    sys.exit(main())
