"""Where a cheque file's MICR line really lands, measured on a 1200-dpi
raster (pdftoppm), not from the program's reading of the file:

    /usr/bin/python3 tools/measure_cheque_raster.py FILE PAGE CHEQUE_BOTTOM_IN FACE.ttf LAST_CHAR ZOOM

Prints right_in (where position 1's end lands from the paper's right edge,
the line's last character taken as belonging in position 14) and
baseline_in (above CHEQUE_BOTTOM_IN). The baseline is the lowest row of
glyph ink (rows inked across the whole line, a border or rule, left out);
the last glyph's right end is its rightmost ink plus the face's right side
bearing, and the pitch is the face's advance at 10 pt times ZOOM."""
import subprocess
import sys

import numpy
from fontTools.ttLib import TTFont

DPI = 1200


def main():
    path, page, bottom, face, last, zoom = sys.argv[1:7]
    page, bottom, zoom = int(page), float(bottom), float(zoom)
    font = TTFont(face)
    glyph = font.getBestCmap()[ord(last)]
    advance, lsb = font["hmtx"][glyph]
    units = font["head"].unitsPerEm
    x_max = font["glyf"][glyph].xMax
    scale = 10 / 72 * zoom / units
    top = bottom - 0.6
    raw = subprocess.run(["pdftoppm", "-gray", "-r", str(DPI), "-f", str(page), "-l", str(page),
                          "-y", str(int(top * DPI)), "-H", str(int(0.6 * DPI))] + [path], capture_output=True,
                         check=True).stdout
    # PGM: "P5\nW H\n255\n" then the pixels.
    header = raw.split(b"\n", 3)
    width, height = map(int, header[1].split())
    ink = 255 - numpy.frombuffer(header[3][:width * height], dtype=numpy.uint8).reshape(height, width).astype(float)
    y0 = int(top * DPI) / DPI
    paper_width = width / DPI
    dark = ink > 128
    rows = dark.sum(axis=1)
    span = dark.any(axis=0).sum()
    glyph_rows = [y for y in range(height) if 0 < rows[y] < 0.6 * span]
    base_row = max(glyph_rows)
    # Sub-pixel: the edge row's coverage.
    baseline = y0 + (base_row + 1) / DPI
    zone = dark[base_row - int(0.08 * DPI):base_row - int(0.01 * DPI)]
    below = dark[base_row + int(0.006 * DPI)]
    columns = [x for x in range(width) if zone[:, x].any() and not below[x]]
    ink_right = (max(columns) + 1) / DPI
    glyph_right = ink_right + (advance - x_max) * scale
    right = paper_width - glyph_right - 13 * advance * scale
    print(f"right_in {right:.4f} baseline_in {bottom - baseline:.4f}")


if __name__ == "__main__":
    main()
