"""Makes the cheque files the tests read, as cheque-printing programs make
them, with the test faces of tests/fonts/make_test_fonts.py only:

    /usr/bin/python3 make_cheque_files.py TEST_FONTS_DIR

- freecheck.ps: PostScript as FreeCheck writes it, with its sample
  configuration's MICR size (12 pt) and anchor: the line starts at the
  transit symbol's left edge 5.6875 in from the cheque's right edge, its
  baseline 0.25 in above the bottom edge, on the top cheque of Letter stock.
  The face is embedded as a Type 42 font, and the line is one `show`.
- weasyprint.pdf, wkhtmltopdf.pdf: cheque.html through each converter at
  its default zoom (WeasyPrint prints CSS inches as inches; wkhtmltopdf
  shrinks the page to fit its own idea of the paper).

Run it with FONTCONFIG_FILE set to the test faces' fonts.conf so that the
converters find Ferro Sample."""
import os
import shutil
import subprocess
import sys

from fontTools.ttLib import TTFont

HERE = os.path.dirname(os.path.abspath(__file__))
LINE = "A021000021A         123456789C"
NAMES = {" ": "space", ":": "colon", ";": "semicolon", "<": "less", "=": "equal"}
DIGITS = ["zero", "one", "two", "three", "four", "five", "six", "seven", "eight", "nine"]


def glyph_name(c):
    return DIGITS[int(c)] if c.isdigit() else NAMES.get(c, c)


def type42(path, ps_name):
    data = open(path, "rb").read()
    font = TTFont(path)
    cmap = font.getBestCmap()
    chars = "0123456789ABCD:;<= "
    out = [f"%%BeginResource: font {ps_name}", "12 dict begin", f"/FontName /{ps_name} def",
           "/FontType 42 def", "/FontMatrix [1 0 0 1 0 0] def", "/FontBBox [0 -0.2 1 0.8] def",
           "/PaintType 0 def", "/Encoding 256 array 0 1 255 {1 index exch /.notdef put} for"]
    out += [f"dup {ord(c)} /{glyph_name(c)} put" for c in chars]
    out += ["readonly def", f"/CharStrings {len(chars) + 1} dict dup begin", "/.notdef 0 def"]
    out += [f"/{glyph_name(c)} {font.getGlyphID(cmap[ord(c)])} def" for c in chars]
    out += ["end readonly def", "/sfnts [<"]
    hexdata = data.hex()
    out += [hexdata[i:i + 64] for i in range(0, len(hexdata), 64)]
    out += ["00>] def", "FontName currentdict end definefont pop", "%%EndResource"]
    return "\n".join(out)


def freecheck(fonts):
    size = 12
    left = (8.5 - 5.6875) * 72
    baseline = (11 - 3.5 + 0.25) * 72
    ps = ["%!PS-Adobe-3.0", "%%Creator: make_cheque_files.py, as FreeCheck writes cheques",
          "%%BoundingBox: 0 0 612 792", "%%Pages: 1", "%%EndComments", "%%BeginProlog",
          type42(os.path.join(fonts, "FerroSample.ttf"), "FerroSample-Regular"), "%%EndProlog",
          "%%Page: 1 1", "<< /PageSize [612 792] >> setpagedevice",
          "/Helvetica findfont 11 scalefont setfont 36 684 moveto (Pay to the order of) show",
          f"/FerroSample-Regular findfont {size} scalefont setfont",
          f"{left:.4f} {baseline:.4f} moveto ({LINE}) show",
          "showpage", "%%Trailer", "%%EOF", ""]
    with open(os.path.join(HERE, "freecheck.ps"), "w") as out:
        out.write("\n".join(ps))


def converters(fonts, work):
    shutil.copy(os.path.join(HERE, "cheque.html"), work)
    shutil.copy(os.path.join(fonts, "FerroSample.ttf"), work)
    html = os.path.join(work, "cheque.html")
    subprocess.run(["weasyprint", html, os.path.join(HERE, "weasyprint.pdf")], check=True)
    # wkhtmltopdf says "network error" for the font's file URL, yet uses it.
    subprocess.run(["xvfb-run", "-a", "wkhtmltopdf", "--quiet", "-s", "Letter", "-T", "0", "-B", "0",
                    "-L", "0", "-R", "0", html, os.path.join(HERE, "wkhtmltopdf.pdf")])


def main():
    fonts = os.path.abspath(sys.argv[1])
    freecheck(fonts)
    work = os.path.join(os.environ.get("TMPDIR", "/tmp"), "micr-cheque-files")
    os.makedirs(work, exist_ok=True)
    converters(fonts, work)


if __name__ == "__main__":
    main()
