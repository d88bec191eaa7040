"""Makes the test faces: the ten MICR faces and eight security faces under
the family names the program uses, with known advances, and a fontconfig
file that adds them to the system's fonts.

    /usr/bin/python3 make_test_fonts.py OUTPUT_DIR

Every MICR glyph, the space included, advances by the face's one width;
the bar '|' is a stroke at the very left of its cell, so the left edges of
the two bars of a marks row stand exactly 56 advances apart."""
import os
import sys

from fontTools.fontBuilder import FontBuilder
from fontTools.pens.ttGlyphPen import TTGlyphPen

UNITS_PER_EM = 1000
ASCENT = 800
DESCENT = 200

# Advances in thousandths of an em; the base face, 0.9 em, is 0.125 inch at 10 points.
MICR_ADVANCES = {1: 880, 2: 890, 3: 900, 4: 910, 5: 920}
MICR_NAMES = {1: "N", 2: "N2", 3: "", 4: "W2", 5: "W"}
BAR_WIDTH = 100
SECURITY_FACES = ["Warden1a", "Warden2a", "Warden3a", "Warden4a", "Warden5a", "Warden6a",
                  "Warden21a", "Warden22a"]
SECURITY_ADVANCE = 600


def rectangles(boxes):
    pen = TTGlyphPen(None)
    for x0, y0, x1, y1 in boxes:
        pen.moveTo((x0, y0))
        pen.lineTo((x0, y1))
        pen.lineTo((x1, y1))
        pen.lineTo((x1, y0))
        pen.closePath()
    return pen.glyph()


def empty():
    return TTGlyphPen(None).glyph()


def digit_shape(code, advance):
    """A blocky figure, different for each character, inside the cell."""
    left, right = 120, advance - 160
    boxes = [(left, 0, left + 80, 600)]
    for bit in range(5):
        if (code >> bit) & 1:
            y = bit * 120
            boxes.append((left + 80, y, right, y + 70))
    return rectangles(boxes)


def build(path, family, weight_name, glyph_specs, advance_of):
    glyph_order = [".notdef"] + sorted(glyph_specs)
    fb = FontBuilder(UNITS_PER_EM, isTTF=True)
    fb.setupGlyphOrder(glyph_order)
    fb.setupCharacterMap({ord(ch) if len(ch) == 1 else int(ch[3:], 16): name
                          for name, ch in ((n, glyph_specs[n][0]) for n in glyph_specs)})
    glyphs = {".notdef": rectangles([(50, 0, 450, 700)])}
    metrics = {".notdef": (500, 50)}
    for name, (_, glyph) in glyph_specs.items():
        glyphs[name] = glyph
        metrics[name] = (advance_of(name), 0 if name != "space" else 0)
    fb.setupGlyf(glyphs)
    # Left side bearings as drawn.
    for name in glyph_order:
        g = fb.font["glyf"][name]
        lsb = g.xMin if hasattr(g, "xMin") and g.numberOfContours else 0
        metrics[name] = (metrics[name][0], lsb)
    fb.setupHorizontalMetrics(metrics)
    fb.setupHorizontalHeader(ascent=ASCENT, descent=-DESCENT, lineGap=0)
    fb.setupNameTable({"familyName": family, "styleName": weight_name,
                       "uniqueFontIdentifier": f"{family} {weight_name} test face",
                       "fullName": f"{family} {weight_name}",
                       "psName": (family + "-" + weight_name).replace(" ", "")})
    fb.setupOS2(sTypoAscender=ASCENT, sTypoDescender=-DESCENT, sTypoLineGap=0,
                usWinAscent=ASCENT, usWinDescent=DESCENT, fsType=0,
                usWeightClass=400, achVendID="TEST")
    fb.setupPost()
    fb.save(path)


def micr_face(path, family, advance):
    specs = {}
    for ch in "0123456789":
        specs["digit" + ch] = (ch, digit_shape(int(ch) + 3, advance))
    for i, ch in enumerate("ABCD:;<="):
        specs["sym%02d" % i] = (ch, rectangles([(150, 100 + 40 * i, 250, 500), (350, 100, 450, 300)]))
    specs["space"] = (" ", empty())
    specs["bar"] = ("|", rectangles([(0, 0, BAR_WIDTH, 700)]))
    build(path, family, "Regular", specs, lambda name: advance)


def security_face(path, family):
    specs = {}
    for code in range(0x21, 0x7F):
        specs["c%02x" % code] = (chr(code), digit_shape(code, SECURITY_ADVANCE))
    specs["space"] = (" ", empty())
    build(path, family, "Regular", specs, lambda name: SECURITY_ADVANCE)


def main():
    out = os.path.abspath(sys.argv[1])
    os.makedirs(out, exist_ok=True)
    for line, advance in MICR_ADVANCES.items():
        for weight in ("Ferro", "Ferrodark"):
            family = f"{weight}{MICR_NAMES[line]} Sample"
            micr_face(os.path.join(out, family.replace(" ", "") + ".ttf"), family, advance)
    for face in SECURITY_FACES:
        family = face + " Sample"
        security_face(os.path.join(out, family.replace(" ", "") + ".ttf"), family)
    with open(os.path.join(out, "fonts.conf"), "w") as conf:
        conf.write(f"""<?xml version="1.0"?>
<!DOCTYPE fontconfig SYSTEM "urn:fontconfig:fonts.dtd">
<fontconfig>
  <include ignore_missing="yes">/etc/fonts/fonts.conf</include>
  <dir>{out}</dir>
  <cachedir>{out}/cache</cachedir>
</fontconfig>
""")


if __name__ == "__main__":
    main()
