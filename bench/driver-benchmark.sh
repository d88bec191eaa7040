#!/usr/bin/env bash
# Runs the wizard's two pages through real printer drivers' PPDs with
# cupsfilter, decodes the raster each driver is given (CUPS raster or PWG
# raster; PostScript through Ghostscript) and prints, per driver and paper,
# the scale and offset of the printed page against the exporter's file,
# which is the wizard's page pixel for pixel. Not part of ./test.
#   bench/driver-benchmark.sh [DPI]     (default 600; run ./test or ./run once first)
#
# The drivers, and the Debian packages that give them (nothing is installed
# here; a driver that is missing is named and skipped):
#   hpcups                      printer-driver-hpcups
#   Gutenprint                  printer-driver-gutenprint
#   brlaser                     printer-driver-brlaser
#   foomatic Generic PostScript foomatic-db-compressed-ppds (with foomatic-db-engine)
#   IPP Everywhere              cups-filters (its driverless PPD), with cups-ipp-utils'
#                               ippeveprinter standing in for the printer
#   CUPS's own HP LaserJet and Generic PostScript drivers (cups-ppdc's sample.drv),
#   measured beside them because every CUPS has them.
set -euo pipefail
root="$(cd "$(dirname "$0")/.." && pwd)"
build="${MICR_BUILD_DIR:-$root/build}"
dpi="${1:-600}"
cmake --build "$build" --target micr-calibration-page >/dev/null
export QT_QPA_PLATFORM=offscreen
fonts="$build/tests/fonts/fonts.conf"
[ -f "$fonts" ] && export FONTCONFIG_FILE="$fonts"
work="$(mktemp -d)"
children=()
cleanup() {
    for pid in "${children[@]}"; do kill "$pid" 2>/dev/null || true; done
    rm -rf "$work"
}
trap cleanup EXIT

# The pages, as the wizard lays them out (1200 dpi), on both papers.
for paper in letter a4; do
    "$build/micr-calibration-page" page --paper "$paper" -o "$work/calibration-$paper.pdf"
    "$build/micr-calibration-page" page --page placement --paper "$paper" -o "$work/placement-$paper.pdf"
done

ppds=()   # "label|ppd file|output type"
missing=()
add() { ppds+=("$1|$2|$3"); }

# hpcups: any LaserJet PPD of HPLIP's.
hp=$(find /usr/share/ppd/hplip -name 'hp-laserjet_p2035*.ppd*' 2>/dev/null | head -1 || true)
[ -z "$hp" ] && hp=$(find /usr/share/ppd/hplip -name 'hp-laserjet*.ppd*' 2>/dev/null | head -1 || true)
if [ -n "$hp" ]; then
    case "$hp" in *.gz) gunzip -c "$hp" >"$work/hpcups.ppd" ;; *) cp "$hp" "$work/hpcups.ppd" ;; esac
    add "hpcups ($(basename "$hp"))" "$work/hpcups.ppd" application/vnd.cups-raster
# Debian's printer-driver-hpcups ships its LaserJets as a driver file, whose
# PPDs CUPS's driver daemon writes on demand.
elif [ -f /usr/share/cups/drv/hpcups.drv ] \
    && /usr/lib/cups/daemon/cups-driverd cat drv:///hpcups.drv/hp-laserjet_p2035-pcl3.ppd >"$work/hpcups.ppd" 2>/dev/null \
    && [ -s "$work/hpcups.ppd" ]; then
    add "hpcups (hp-laserjet_p2035-pcl3.ppd)" "$work/hpcups.ppd" application/vnd.cups-raster
else missing+=("hpcups: install printer-driver-hpcups"); fi

# Gutenprint: its generic PCL laser printer.
gp=$(ls /usr/lib/cups/driver/gutenprint* 2>/dev/null | head -1 || true)
if [ -n "$gp" ] && "$gp" cat "$(basename "$gp")://pcl-g_4/expert" >"$work/gutenprint.ppd" 2>/dev/null; then
    add "Gutenprint (pcl-g_4)" "$work/gutenprint.ppd" application/vnd.cups-raster
else missing+=("Gutenprint: install printer-driver-gutenprint"); fi

# brlaser: the first model of its driver file.
if [ -f /usr/share/cups/drv/brlaser.drv ] && ppdc -d "$work/brlaser" /usr/share/cups/drv/brlaser.drv 2>/dev/null; then
    add "brlaser ($(ls "$work/brlaser" | head -1))" "$work/brlaser/$(ls "$work/brlaser" | head -1)" application/vnd.cups-raster
else missing+=("brlaser: install printer-driver-brlaser"); fi

# foomatic's Generic PostScript printer.
fm=/usr/lib/cups/driver/foomatic-db-compressed-ppds
if [ -x "$fm" ] && "$fm" cat "foomatic-db-compressed-ppds:0/ppd/foomatic-ppd/Generic-PostScript_Printer-Postscript.ppd" \
    >"$work/foomatic.ppd" 2>/dev/null && [ -s "$work/foomatic.ppd" ]; then
    add "foomatic Generic PostScript" "$work/foomatic.ppd" application/vnd.cups-postscript
else missing+=("foomatic Generic PostScript: install foomatic-db-compressed-ppds"); fi

# IPP Everywhere: the PPD cups-filters makes for a printer that takes PWG
# raster (ippeveprinter on the loopback, with a private D-Bus for its Avahi
# client and its DNS-SD registration off).
if command -v ippeveprinter >/dev/null && [ -x /usr/lib/cups/driver/driverless ]; then
    bus=$(dbus-daemon --session --fork --print-address=1 --print-pid=1 2>/dev/null)
    children+=("$(sed -n 2p <<<"$bus")")
    port=$(python3 -c 'import socket; s=socket.socket(); s.bind(("127.0.0.1",0)); print(s.getsockname()[1])')
    mkdir -p "$work/ipp"
    # Its own attributes: an attributes file would leave out the media
    # the driverless PPD is made from.
    DBUS_SYSTEM_BUS_ADDRESS=$(head -1 <<<"$bus") ippeveprinter -p "$port" -n localhost -r off -d "$work/ipp" \
        MicrBench >/dev/null 2>&1 &
    children+=("$!")
    for _ in $(seq 100); do
        (exec 3<>"/dev/tcp/127.0.0.1/$port") 2>/dev/null && break
        sleep 0.1
    done
    if /usr/lib/cups/driver/driverless cat "driverless:ipp://localhost:$port/ipp/print" >"$work/everywhere.ppd" 2>/dev/null \
        && [ -s "$work/everywhere.ppd" ]; then
        add "IPP Everywhere (driverless PPD)" "$work/everywhere.ppd" image/pwg-raster
    else missing+=("IPP Everywhere: the driverless PPD could not be made"); fi
else missing+=("IPP Everywhere: install cups-ipp-utils and cups-filters"); fi

# CUPS's own drivers.
if ppdc -d "$work/sample" /usr/share/cups/drv/sample.drv 2>/dev/null; then
    [ -f "$work/sample/laserjet.ppd" ] && add "CUPS HP LaserJet (rastertohp)" "$work/sample/laserjet.ppd" application/vnd.cups-raster
    [ -f "$work/sample/generic.ppd" ] && add "CUPS Generic PostScript" "$work/sample/generic.ppd" application/vnd.cups-postscript
fi

printf '%s\n' "${ppds[@]}" >"$work/drivers"
printf '%s\n' "${missing[@]+"${missing[@]}"}" >"$work/missing"
python3 - "$work" "$dpi" <<'EOF'
import os, re, struct, subprocess, sys

work, dpi = sys.argv[1], int(sys.argv[2])


def pgm(path):
    data = open(path, "rb").read()
    fields, at = [], 0
    while len(fields) < 4:  # P5, width, height, maxval; "#" starts a comment
        end = data.index(b"\n", at)
        line = data[at:end].split(b"#")[0]
        fields += line.split()
        at = end + 1
    width, height = int(fields[1]), int(fields[2])
    return width, height, data[at:at + width * height]


def raster_pages(path):
    """The first page of a CUPS raster (v2, v3) or PWG raster stream as
    (width, height, grey bytes 0 black..255 white, x dpi, y dpi, page size in points)."""
    data = open(path, "rb").read()
    sync = data[:4]
    order = ">" if sync in (b"RaS2", b"RaS3") else "<"
    compressed = sync in (b"RaS2", b"2SaR")
    header = data[4:4 + 1796]
    u = lambda offset: struct.unpack_from(order + "I", header, offset)[0]
    xdpi, ydpi = u(276), u(280)
    page_size = (u(352), u(356))
    # A driver with hardware margins is given only its printable area: the
    # raster's corner is the imaging box's top-left, in points.
    box = (u(284), u(288), u(292), u(296))
    origin = (box[0] / 72, (page_size[1] - box[3]) / 72) if box[2] > 0 and box[3] > 0 else (0.0, 0.0)
    width, height = u(372), u(376)
    bits_colour, bits_pixel, line_bytes = u(384), u(388), u(392)
    colour_space, colours = u(400), u(420)
    pixel_bytes = max(1, (bits_pixel + 7) // 8)
    at = 4 + 1796
    lines = []
    while len(lines) < height:
        if not compressed:
            lines.append(data[at:at + line_bytes])
            at += line_bytes
            continue
        repeat = data[at] + 1
        at += 1
        line = bytearray()
        while len(line) < line_bytes:
            n = data[at]
            at += 1
            if n == 128:  # the rest of the line is blank
                line += bytes([0xff if colour_space in (0, 1, 18, 19, 20) else 0]) * (line_bytes - len(line))
            elif n < 128:
                line += data[at:at + pixel_bytes] * (n + 1)
                at += pixel_bytes
            else:
                count = (257 - n) * pixel_bytes
                line += data[at:at + count]
                at += count
        lines += [bytes(line[:line_bytes])] * repeat
    lines = [line.ljust(line_bytes, b"\0") for line in lines[:height]]
    # To grey, 0 black: W, sGray and RGB (0, 18, 19, 1) count up to white, K and CMYK count ink.
    white_is_high = colour_space in (0, 1, 18, 19, 20)
    if bits_pixel == 1:
        expand = [bytes((0 if (byte >> (7 - bit)) & 1 else 255) if not white_is_high
                        else (255 if (byte >> (7 - bit)) & 1 else 0) for bit in range(8)) for byte in range(256)]
        rows = [b"".join(expand[b] for b in line)[:width] for line in lines]
    else:
        # 8 bits a colour: grey or K as it is, else the channel that carries black
        # (green of RGB, K of CMYK).
        channel = {1: 0, 3: 1, 4: 3}.get(colours, 0) if pixel_bytes > 1 else 0
        invert = bytes(255 - v for v in range(256))
        rows = [line[channel::pixel_bytes][:width] for line in lines]
        if not white_is_high:
            rows = [row.translate(invert) for row in rows]
    return width, height, b"".join(rows), xdpi, ydpi, page_size, origin


DARK = bytes(1 if v < 128 else 0 for v in range(256))
# Ink nearer the paper's edges than this is left out of both: a driver's
# margins cut it.
WINDOW = 0.5


def profiles(width, height, grey, xdpi, ydpi, origin, paper):
    """The ink (pixels darker than half) of the paper less WINDOW at every
    edge (a driver's margins cut what is nearer), counted by column and by
    row of the paper's own pixels."""
    px0, py0 = origin[0] * xdpi, origin[1] * ydpi
    cols = [0] * int(paper[0] * xdpi + 2)
    rows = [0] * int(paper[1] * ydpi + 2)
    x_lo, x_hi = WINDOW * xdpi, (paper[0] - WINDOW) * xdpi
    y_lo, y_hi = WINDOW * ydpi, (paper[1] - WINDOW) * ydpi
    for y in range(height):
        py = int(y + py0)
        if py < y_lo or py > y_hi:
            continue
        dark = grey[y * width:(y + 1) * width].translate(DARK)
        if dark.find(1) < 0:
            continue
        for run in re.finditer(b"\x01+", dark):
            for x in range(run.start(), run.end()):
                px = int(x + px0)
                if x_lo <= px <= x_hi:
                    cols[px] += 1
                    rows[py] += 1
    return cols, rows


def shift(printed, file, reach):
    """How far `printed` lies from `file`, in pixels: the peak of their
    correlation within `reach`, to a fraction of a pixel."""
    def corr(k):
        return sum(a * printed[i + k] for i, a in enumerate(file) if a and 0 <= i + k < len(printed))
    scores = {k: corr(k) for k in range(-reach, reach + 1)}
    best = max(scores, key=scores.get)
    if -reach < best < reach:
        l, c, r = scores[best - 1], scores[best], scores[best + 1]
        if l - 2 * c + r:
            return best + 0.5 * (l - r) / (l - 2 * c + r)
    return float(best)


def compare(printed, file, dpi):
    """Scale and offset (inches) of the printed page against the file along
    one axis: the shifts of the two parts holding half the file's ink each."""
    total, running, split = sum(file), 0, 0
    for split, value in enumerate(file):
        running += value
        if running * 2 >= total:
            break
    reach = int(0.15 * dpi)
    parts = []
    for lo, hi in ((0, split), (split, len(file))):
        part_file = [v if lo <= i < hi else 0 for i, v in enumerate(file)]
        part_printed = [v if lo - reach <= i < hi + reach else 0 for i, v in enumerate(printed)]
        centre = sum(i * v for i, v in enumerate(part_file)) / max(1, sum(part_file))
        parts.append((shift(part_printed, part_file, reach), centre))
    (first, c1), (second, c2) = parts
    return 1 + (second - first) / (c2 - c1), (first + second) / 2 / dpi


drivers = [line.split("|") for line in open(os.path.join(work, "drivers")).read().splitlines() if line]
print(f"{'driver':38} {'page':12} {'paper':6} {'driver page, pt':17} {'scale x':>8} {'scale y':>8} "
      f"{'offset x':>9} {'offset y':>9}")
for label, ppd, output in drivers:
    for page in ("calibration", "placement"):
        for paper in ("letter", "a4"):
            source = os.path.join(work, f"{page}-{paper}.pdf")
            printed = os.path.join(work, "printed")
            options = ["-o", f"media={'Letter' if paper == 'letter' else 'A4'}", "-o", "print-scaling=none",
                       "-o", f"Resolution={dpi}dpi"]
            run = subprocess.run(["cupsfilter", "-p", ppd, "-m", output, *options, source],
                                 stdout=open(printed, "wb"), stderr=subprocess.DEVNULL)
            if run.returncode != 0 or os.path.getsize(printed) == 0:
                print(f"{label:38} {page:12} {paper:6} cupsfilter failed")
                continue
            paper_in = (8.5, 11) if paper == "letter" else (210 / 25.4, 297 / 25.4)
            if output == "application/vnd.cups-postscript":
                subprocess.run(["gs", "-q", "-dSAFER", "-dBATCH", "-dNOPAUSE", "-sDEVICE=pgmraw", f"-r{dpi}",
                                f"-sOutputFile={printed}.pgm", printed], check=True, stdout=subprocess.DEVNULL)
                width, height, grey = pgm(printed + ".pgm")
                xdpi = ydpi = dpi
                size = (round(width * 72 / dpi), round(height * 72 / dpi))
                origin = (0.0, 0.0)
            else:
                width, height, grey, xdpi, ydpi, size, origin = raster_pages(printed)
            subprocess.run(["pdftoppm", "-rx", str(xdpi), "-ry", str(ydpi), "-gray", "-singlefile", source,
                            os.path.join(work, "file")], check=True)
            fw, fh, fgrey = pgm(os.path.join(work, "file.pgm"))
            p_cols, p_rows = profiles(width, height, grey, xdpi, ydpi, origin, paper_in)
            f_cols, f_rows = profiles(fw, fh, fgrey, xdpi, ydpi, (0.0, 0.0), paper_in)
            scale_x, offset_x = compare(p_cols, f_cols, xdpi)
            scale_y, offset_y = compare(p_rows, f_rows, ydpi)
            print(f"{label:38} {page:12} {paper:6} {f'{size[0]} x {size[1]} @{xdpi}':17} {scale_x:8.4f} {scale_y:8.4f} "
                  f"{offset_x:+9.4f} {offset_y:+9.4f}")
print("\nscale and offset: from how far each half of the page's ink (left and right, top and bottom) lies")
print("from the file's, by the peak of their ink profiles' correlation; offset in inches, right and down, from")
print("the paper's top-left corner. Ink within 0.5 in of an edge is left out of both.")
missing = [line for line in open(os.path.join(work, "missing")).read().splitlines() if line]
for line in missing:
    print("not installed, skipped: " + line)
EOF
