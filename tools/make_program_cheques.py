"""Makes cheque files as real programs write them, with this program's test
faces only (tests/fonts/make_test_fonts.py), into tests/data/programs/:

    FONTCONFIG_FILE=build/tests/fonts/fonts.conf \\
        /usr/bin/python3 tools/make_program_cheques.py build/tests/fonts

It needs LibreOffice (soffice), Chromium, Ghostscript (gs, ps2write),
poppler-utils (pdftops) and qpdf (with fix-qdf); none of them is needed to run the tests,
which read the committed files. Each file holds a MICR line in Ferro Sample
at 10 pt placed as a user of that program would place it; where it really
lands is measured on a 1200-dpi raster (pdftoppm), not taken from here.

- libreoffice-frame.pdf: a Letter page, the line in a frame with a bottom
  border just under it (top cheque).
- libreoffice-a4-page2.pdf: A4, two pages, the line on page 2's middle
  cheque.
- chromium-outline.pdf: Letter, the line in a box with a CSS outline.
- chromium-97.pdf: the same page zoomed to 97 %.
- chromium-ps2write.ps, libreoffice-pdftops.ps: PostScript made from the
  PDFs as print queues make it, its glyphs without characters: pdftops keeps
  the face's glyphs under its name, with codes in the order of first use
  and no character map; ps2write makes 1-bit pictures of them in a Type 3
  font with no name.
- rotated-page.pdf: chromium-outline.pdf turned alone (qpdf --rotate=+90).
- rotated-content.pdf: chromium-outline.pdf authored on a landscape page
  (792 x 612 pt) with its content turned a quarter, shown upright by /Rotate
  90, as a program that lays out in landscape writes a portrait cheque.
- shapes.pdf: the line converted to curves (Ghostscript -dNoOutputFonts).
"""
import os
import re
import shutil
import subprocess
import sys
import tempfile

HERE = os.path.dirname(os.path.abspath(__file__))
OUT = os.path.join(HERE, "..", "tests", "data", "programs")
US_LINE = "A021000021A         123456789C"
SCALED_LINE = "A121000248A      4659801C 1001"

FODT = """<?xml version="1.0" encoding="UTF-8"?>
<office:document xmlns:office="urn:oasis:names:tc:opendocument:xmlns:office:1.0"
 xmlns:style="urn:oasis:names:tc:opendocument:xmlns:style:1.0"
 xmlns:text="urn:oasis:names:tc:opendocument:xmlns:text:1.0"
 xmlns:draw="urn:oasis:names:tc:opendocument:xmlns:drawing:1.0"
 xmlns:fo="urn:oasis:names:tc:opendocument:xmlns:xsl-fo-compatible:1.0"
 xmlns:svg="urn:oasis:names:tc:opendocument:xmlns:svg-compatible:1.0"
 office:version="1.3" office:mimetype="application/vnd.oasis.opendocument.text">
 <office:font-face-decls>
  <style:font-face style:name="Ferro Sample" svg:font-family="'Ferro Sample'"/>
 </office:font-face-decls>
 <office:automatic-styles>
  <style:page-layout style:name="pm1">
   <style:page-layout-properties fo:page-width="{width}" fo:page-height="{height}"
    fo:margin-top="0.5in" fo:margin-bottom="0.5in" fo:margin-left="0.5in" fo:margin-right="0.5in"/>
  </style:page-layout>
  <style:style style:name="fr1" style:family="graphic">
   <style:graphic-properties fo:border-bottom="0.5pt solid #000000" fo:border-top="none" fo:border-left="none"
    fo:border-right="none" fo:padding="0in" fo:padding-bottom="0.02in" style:wrap="none"
    style:vertical-pos="from-top" style:vertical-rel="page" style:horizontal-pos="from-left"
    style:horizontal-rel="page" draw:fill="none" fo:background-color="transparent"/>
  </style:style>
  <style:style style:name="P1" style:family="paragraph">
   <style:paragraph-properties fo:margin-top="0in" fo:margin-bottom="0in" fo:text-align="end"/>
   <style:text-properties style:font-name="Ferro Sample" fo:font-size="10pt"/>
  </style:style>
 </office:automatic-styles>
 <office:master-styles>
  <style:master-page style:name="Standard" style:page-layout-name="pm1"/>
 </office:master-styles>
 <office:body><office:text>
  {pages}
 </office:text></office:body>
</office:document>
"""

FRAME = """<text:p><draw:frame draw:style-name="fr1" draw:name="micr{n}" text:anchor-type="page"
   text:anchor-page-number="{page}" svg:x="{x}in" svg:y="{y}in" svg:width="{w}in" draw:z-index="0">
   <draw:text-box fo:min-height="0.1in"><text:p text:style-name="P1">{line}</text:p></draw:text-box>
  </draw:frame></text:p>"""


def libreoffice(work):
    # Letter, top cheque: the frame's right edge where position 14's end
    # belongs (8.5 - 5/16 - 13/8 in), its bottom 3/16 in above 3.5 in.
    pages = FRAME.format(n=1, page=1, x=8.5 - 0.3125 - 1.625 - 4.5, y=3.5 - 0.1875 - 0.16, w=4.5, line=odf_spaces(US_LINE))
    write_fodt(work, "libreoffice-frame", "8.5in", "11in", pages)
    # A4, page 2's middle cheque (99 mm each): a page break before it.
    a4w = 210 / 25.4
    second = FRAME.format(n=1, page=2, x=a4w - 0.3125 - 1.625 - 4.5, y=2 * 99 / 25.4 - 0.1875 - 0.16, w=4.5,
                          line=odf_spaces(US_LINE))
    pages = ('<text:p>Page one: no cheque.</text:p>'
             '<text:p text:style-name="Break">x</text:p>' + second)
    write_fodt(work, "libreoffice-a4-page2", "210mm", "297mm", pages, page_break=True)


def odf_spaces(line):
    # ODF collapses a run of spaces into one unless it is written as text:s.
    return re.sub(r" {2,}", lambda run: ' <text:s text:c="%d"/>' % (len(run.group(0)) - 1), line)


def write_fodt(work, name, width, height, pages, page_break=False):
    text = FODT.replace("{width}", width).replace("{height}", height).replace("{pages}", pages)
    if page_break:
        text = text.replace('<style:style style:name="P1"', '<style:style style:name="Break" style:family="paragraph">'
                            '<style:paragraph-properties fo:break-before="page"/></style:style>'
                            '<style:style style:name="P1"')
    path = os.path.join(work, name + ".fodt")
    with open(path, "w") as out:
        out.write(text)
    subprocess.run(["soffice", "--headless", "-env:UserInstallation=file://" + work + "/profile",
                    "--convert-to", "pdf", "--outdir", OUT, path], check=True, stdout=subprocess.DEVNULL)


HTML = """<!DOCTYPE html><html><head><style>
@page {{ size: 8.5in 11in; margin: 0 }}
html, body {{ margin: 0 }}
body {{ zoom: {zoom} }}
div.micr {{ position: absolute; right: {right}in; top: {top}in; font: 10pt 'Ferro Sample'; white-space: pre;
           outline: 0.5pt solid black; outline-offset: 1pt; line-height: 1 }}
</style></head><body><div class="micr">{line}</div></body></html>"""


def chromium(work, name, line, zoom):
    # The box's right edge where position 14's end belongs on the top cheque.
    path = os.path.join(work, name + ".html")
    with open(path, "w") as out:
        out.write(HTML.format(zoom=zoom, right=0.3125 + 1.625, top=3.5 - 0.1875 - 0.11, line=line))
    subprocess.run(["chromium", "--headless", "--no-sandbox", "--disable-gpu", "--no-pdf-header-footer",
                    "--print-to-pdf=" + os.path.join(OUT, name + ".pdf"), "file://" + path], check=True,
                   stdout=subprocess.DEVNULL, stderr=subprocess.DEVNULL)


def ghostscript(work):
    gs = ["gs", "-q", "-dSAFER", "-dBATCH", "-dNOPAUSE"]
    subprocess.run(gs + ["-sDEVICE=ps2write", "-sOutputFile=" + os.path.join(OUT, "chromium-ps2write.ps"),
                         os.path.join(OUT, "chromium-outline.pdf")], check=True)
    subprocess.run(["pdftops", os.path.join(OUT, "libreoffice-frame.pdf"), os.path.join(OUT, "libreoffice-pdftops.ps")],
                   check=True)
    subprocess.run(gs + ["-sDEVICE=pdfwrite", "-dNoOutputFonts", "-sOutputFile=" + os.path.join(OUT, "shapes.pdf"),
                         os.path.join(OUT, "chromium-outline.pdf")], check=True)
    subprocess.run(["qpdf", "--rotate=+90", os.path.join(OUT, "chromium-outline.pdf"),
                    os.path.join(OUT, "rotated-page.pdf")], check=True)


def content_rotated(work):
    # Shown turned a quarter clockwise, the landscape page's point (u, v) lands
    # at (v, 792 - u) of the portrait page: the content is drawn through the
    # inverse, (x, y) -> (792 - y, x).
    qdf = os.path.join(work, "rotated-content.qdf")
    subprocess.run(["qpdf", "--qdf", "--object-streams=disable", os.path.join(OUT, "chromium-outline.pdf"), qdf],
                   check=True)
    with open(qdf, "rb") as source:
        text = source.read()
    portrait = re.compile(rb"/MediaBox \[\s*0\s+0\s+612\s+792\s*\]")
    assert len(portrait.findall(text)) == 1
    text = portrait.sub(b"/MediaBox [ 0 0 792 612 ] /Rotate 90", text)
    contents = re.search(rb"%% Contents for page 1\n.*?\nstream\n(.*?)\nendstream", text, re.S)
    turned = b"q 0 1 -1 0 792 0 cm\n" + contents.group(1) + b"\nQ"
    text = text[:contents.start(1)] + turned + text[contents.end(1):]
    with open(qdf, "wb") as out:
        out.write(text)
    fixed = os.path.join(work, "rotated-content-fixed.qdf")
    with open(fixed, "wb") as out:
        subprocess.run(["fix-qdf", qdf], check=True, stdout=out)
    subprocess.run(["qpdf", "--object-streams=generate", fixed, os.path.join(OUT, "rotated-content.pdf")], check=True)


def main():
    os.makedirs(OUT, exist_ok=True)
    with tempfile.TemporaryDirectory() as work:
        libreoffice(work)
        chromium(work, "chromium-outline", US_LINE, 1)
        chromium(work, "chromium-97", SCALED_LINE, 0.97)
        ghostscript(work)
        content_rotated(work)


if __name__ == "__main__":
    main()
