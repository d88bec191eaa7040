"""Where a cheque file's MICR line really lands, measured on a 1200-dpi
raster, not from the program's reading of the file:

    /usr/bin/python3 tools/measure_cheque_raster.py FILE PAGE CHEQUE_BOTTOM_IN FACE.ttf LAST_CHAR ZOOM [TURNS]

A PDF is rendered by pdftoppm, PostScript by Ghostscript, each as it is
shown (a /Rotate applied); TURNS clockwise quarter turns then stand the
line upright (3 for a page shown turned a quarter clockwise, as
qpdf --rotate=+90 leaves it).

Prints right_in (where position 1's end lands from the paper's right edge,
the line's last character taken as belonging in position 14) and
baseline_in (above CHEQUE_BOTTOM_IN). Only glyph ink counts: a patch of
touching ink wider than two characters (a frame's border, an outline round
the line, a rule) is set aside. The baseline is the lowest row of glyph
ink; the last glyph's right end is its rightmost ink plus the face's right
side bearing, and the pitch is the face's advance at 10 pt times ZOOM."""
import subprocess
import sys

import numpy
from fontTools.ttLib import TTFont
from scipy import ndimage

DPI = 1200
# The strip above the cheque's bottom edge that holds the MICR line.
STRIP_IN = 0.6


def read_pnm(raw):
    # P5: "P5", width, height and 255, each line perhaps a "#" comment
    # (Ghostscript writes one), then one byte a pixel.
    fields, at = [], 0
    while len(fields) < 4:
        end = raw.index(b"\n", at)
        line = raw[at:end]
        at = end + 1
        if not line.startswith(b"#"):
            fields += line.split()
    width, height = int(fields[1]), int(fields[2])
    return numpy.frombuffer(raw[at:at + width * height], dtype=numpy.uint8).reshape(height, width)


def render(path, page):
    if path.endswith(".ps"):
        raw = subprocess.run(["gs", "-q", "-dSAFER", "-dBATCH", "-dNOPAUSE", "-sDEVICE=pgmraw", f"-r{DPI}",
                              "-dTextAlphaBits=4", "-dGraphicsAlphaBits=4", f"-dFirstPage={page}",
                              f"-dLastPage={page}", "-sOutputFile=-", path], capture_output=True, check=True).stdout
    else:
        raw = subprocess.run(["pdftoppm", "-gray", "-r", str(DPI), "-f", str(page), "-l", str(page), path],
                             capture_output=True, check=True).stdout
    return read_pnm(raw)


def main():
    path, page, bottom, face, last, zoom = sys.argv[1:7]
    turns = int(sys.argv[7]) if len(sys.argv) > 7 else 0
    page, bottom, zoom = int(page), float(bottom), float(zoom)
    font = TTFont(face)
    glyph = font.getBestCmap()[ord(last)]
    advance, _ = font["hmtx"][glyph]
    units = font["head"].unitsPerEm
    x_max = font["glyf"][glyph].xMax
    scale = 10 / 72 * zoom / units

    # numpy turns anticlockwise; -turns turns clockwise.
    image = numpy.rot90(render(path, page), -turns)
    top = int(round((bottom - STRIP_IN) * DPI))
    strip = image[top:int(round(bottom * DPI))]
    paper_width = image.shape[1] / DPI

    dark = strip < 128
    labels, count = ndimage.label(dark, structure=numpy.ones((3, 3)))
    widest = 2 * advance * scale * DPI
    glyphs = numpy.zeros_like(dark)
    for index, found in enumerate(ndimage.find_objects(labels), start=1):
        if found[1].stop - found[1].start <= widest:
            glyphs[found] |= labels[found] == index
    rows = numpy.nonzero(glyphs.any(axis=1))[0]
    columns = numpy.nonzero(glyphs.any(axis=0))[0]
    baseline = (top + rows.max() + 1) / DPI
    glyph_right = (columns.max() + 1) / DPI + (advance - x_max) * scale
    right = paper_width - glyph_right - 13 * advance * scale
    print(f"right_in {right:.4f} baseline_in {bottom - baseline:.4f}")


if __name__ == "__main__":
    main()
