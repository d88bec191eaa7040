"""Makes the cheque files the tests read, as cheque-printing programs make
them, with the test faces of tests/fonts/make_test_fonts.py only:

    /usr/bin/python3 make_cheque_files.py TEST_FONTS_DIR

- freecheck.ps: PostScript as FreeCheck writes it ("%!", no document
  structure comments), with its sample configuration's MICR size (12 pt)
  and anchor: the line starts at the transit symbol's left edge 5.6875 in
  from the cheque's right edge, its baseline 0.25 in above the bottom edge,
  on the top cheque of Letter stock, with the cheque's outline that
  FreeCheck draws. The face is embedded as a Type 42 font.
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
    # As FreeCheck's own output: "%!" and no document structure, its
    # definitions from the configuration, the cheque's outline ("boxes
    # around the checks") and DrawMICR: the line starts 5.6875 in left of
    # the cheque's right edge, 0.25 in up, moved by the tweaks. One cheque,
    # the top one of Letter stock (its bottom 7.5 in above the paper's).
    ps = ["%!", "/inch {72 mul} def", "<< /PageSize [612 792] >> setpagedevice",
          type42(os.path.join(fonts, "FerroSample.ttf"), "FerroSample-Regular"),
          "/MICRFontName /FerroSample-Regular def", "/MICRFontSize {12} def",
          "/TransitSymbol (A) def", "/OnUsSymbol (C) def", "/MICRVerTweak {0} def", "/MICRHorTweak {0} def",
          "/CheckWidth {8.5 inch} def", "/CheckHeight {3.5 inch} def", "/RoutingNumber (021000021) def",
          "/AccountNumber (123456789) def", "/LineWidth {0.3} def",
          "0 7.5 inch translate", "LineWidth setlinewidth",
          "newpath 0 0 moveto CheckWidth 0 lineto CheckWidth CheckHeight lineto 0 CheckHeight lineto 0 0 lineto",
          "/Helvetica findfont 11 scalefont setfont 0.5 inch 2.3 inch moveto (PAY TO THE ORDER OF) show",
          "CheckWidth 0.25 inch moveto -5.6875 inch 0 inch rmoveto MICRHorTweak MICRVerTweak rmoveto",
          "save MICRFontName findfont MICRFontSize scalefont setfont",
          "TransitSymbol show RoutingNumber show TransitSymbol show ( ) show",
          "12 AccountNumber length sub {( ) show} repeat AccountNumber show OnUsSymbol show restore",
          "stroke showpage", ""]
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
