"""Takes the README's screenshots: each wizard step and each dialog, in a
private X server, with the test faces installed. Needs ImageMagick's import
(apt-get install imagemagick).
    /usr/bin/python3 tools/screenshots.py [BUILD_DIR] [--scans]     (default build/)
With --scans, only the scans measured from the windows: a model scan of the
placement page and of a cheque (tests/scan-model), opened with From Scan...
and shown with what was found drawn over them."""
import ctypes
import ctypes.util
import os
import shutil
import struct
import subprocess
import sys
import time
import zlib

ROOT = os.path.dirname(os.path.dirname(os.path.abspath(__file__)))
sys.path.insert(0, os.path.join(ROOT, "tests"))
from desktop import Desktop  # noqa: E402

ARGUMENTS = [a for a in sys.argv[1:] if a != "--scans"]
SCANS_ONLY = "--scans" in sys.argv[1:]
BUILD = os.path.abspath(ARGUMENTS[0] if ARGUMENTS else os.path.join(ROOT, "build"))
OUT = os.path.join(ROOT, "docs", "screenshots")
TITLE = "Tolvane MICR Font Set"
# Two printers as earlier runs would have left them.
PROFILES = """[General]
version=1

[printer-Office_Laser]
line=4
measured\\4=7.0030
measured\\line=4
measured\\taken=2026-12-01T10:12:00Z
measured\\verdict=good
model=Brother HL-L2350DW
placement\\bar=6.9230
placement\\cheque=top
placement\\edge=0.1950
placement\\from=bottom
placement\\move-right=0.0150
placement\\move-up=-0.0080
placement\\right=0.3275
placement\\scale=fine
placement\\stock=3.5000
placement\\taken=2026-12-01T10:40:00Z
queue=Office_Laser
weight=standard

[printer-Home]
line=2
measured\\2=6.9920
measured\\taken=2026-11-20T18:02:00Z
measured\\verdict=marginal
queue=Home
weight=bold
"""


def grab(display, window, path):
    """The window's pixels as a PNG, through Xlib's XGetImage: for a machine
    without ImageMagick's import."""
    x11 = ctypes.CDLL(ctypes.util.find_library("X11"))
    x11.XOpenDisplay.restype = ctypes.c_void_p
    x11.XGetImage.restype = ctypes.c_void_p
    x11.XGetImage.argtypes = [ctypes.c_void_p, ctypes.c_ulong, ctypes.c_int, ctypes.c_int, ctypes.c_uint,
                              ctypes.c_uint, ctypes.c_ulong, ctypes.c_int]
    x11.XGetGeometry.argtypes = [ctypes.c_void_p, ctypes.c_ulong] + [ctypes.c_void_p] * 7
    x11.XCloseDisplay.argtypes = [ctypes.c_void_p]
    x11.XGetPixel.argtypes = [ctypes.c_void_p, ctypes.c_int, ctypes.c_int]
    x11.XGetPixel.restype = ctypes.c_ulong
    connection = x11.XOpenDisplay(display.encode())
    root = ctypes.c_ulong()
    x, y = ctypes.c_int(), ctypes.c_int()
    width, height, border, depth = ctypes.c_uint(), ctypes.c_uint(), ctypes.c_uint(), ctypes.c_uint()
    x11.XGetGeometry(connection, window, ctypes.byref(root), ctypes.byref(x), ctypes.byref(y), ctypes.byref(width),
                     ctypes.byref(height), ctypes.byref(border), ctypes.byref(depth))
    image = x11.XGetImage(connection, window, 0, 0, width.value, height.value, 0xFFFFFFFF, 2)  # ZPixmap
    rows = []
    for row in range(height.value):
        line = bytearray(b"\0")
        for column in range(width.value):
            pixel = x11.XGetPixel(image, column, row)
            line += bytes(((pixel >> 16) & 255, (pixel >> 8) & 255, pixel & 255))
        rows.append(bytes(line))
    x11.XCloseDisplay(connection)

    def chunk(kind, data):
        return struct.pack(">I", len(data)) + kind + data + struct.pack(">I", zlib.crc32(kind + data) & 0xFFFFFFFF)
    with open(path, "wb") as png:
        png.write(b"\x89PNG\r\n\x1a\n" + chunk(b"IHDR", struct.pack(">IIBBBBB", width.value, height.value, 8, 2, 0, 0, 0))
                  + chunk(b"IDAT", zlib.compress(b"".join(rows), 9)) + chunk(b"IEND", b""))


def control(x, y):
    return x + 5, y + 5  # inside the wizard's border


def main():
    if not shutil.which("import") and not SCANS_ONLY:
        sys.exit("screenshots: ImageMagick's import is needed: apt-get install imagemagick")
    os.makedirs(OUT, exist_ok=True)
    with Desktop(1024, 768) as desktop:
        desktop.env["FONTCONFIG_FILE"] = os.path.join(BUILD, "tests", "fonts", "fonts.conf")
        profiles = os.path.join(desktop.home, ".config", "micr-calibration", "printers.ini")
        os.makedirs(os.path.dirname(profiles))
        with open(profiles, "w") as ini:
            ini.write(PROFILES)
        program = subprocess.Popen([os.path.join(BUILD, "micr-calibration")], cwd=BUILD, env=desktop.env,
                                   stderr=subprocess.DEVNULL)
        try:
            wizard = desktop.find_window(TITLE)
            time.sleep(0.5)

            def shoot(window, name):
                time.sleep(0.5)
                if shutil.which("import"):
                    subprocess.run(["import", "-window", str(window), os.path.join(OUT, name + ".png")],
                                   env=desktop.env, check=True)
                else:
                    grab(desktop.env["DISPLAY"], int(window), os.path.join(OUT, name + ".png"))
                print("wrote", os.path.join("docs", "screenshots", name + ".png"))

            def dialog(opener, title, name):
                desktop.click(wizard, *opener)
                window = desktop.find_window(title)
                shoot(window, name)
                desktop.key(window, 20, 20, "Escape")
                desktop.xdotool("keyup", "Escape")
                time.sleep(0.3)

            if SCANS_ONLY:
                scans(desktop, wizard, shoot)
                return
            shoot(wizard, "step1")
            desktop.click(wizard, *control(363, 309))  # Next: prints
            printer = desktop.find_window("Print")
            shoot(printer, "print-dialog")
            desktop.key(printer, 20, 20, "Escape")
            time.sleep(0.5)
            shoot(wizard, "step2")
            desktop.click(wizard, *control(363, 309))
            shoot(wizard, "step3")
            dialog(control(441, 15), "About", "about")
            dialog(control(40, 309), "How to order Tolvane MICR Font Set", "ordering")
            dialog(control(126, 309), "Order a signature font", "signature")
            dialog(control(66, 268), "MICR Gauge Instructions", "gauge")

            # Readings typed into the measurements window, and the result.
            desktop.click(wizard, *control(289, 309))  # Previous
            desktop.click(wizard, *control(285, 228))  # Enter Measurements...
            measurements = desktop.find_window("Measured Lengths")
            desktop.xdotool("mousemove", "--window", measurements, 20, 20)
            time.sleep(0.3)
            desktop.xdotool("type", "--delay", "20", "6.86")
            desktop.xdotool("key", "Tab", "Tab")
            desktop.xdotool("type", "--delay", "20", "7 1/64")
            shoot(measurements, "measurements")
            # Return moves on to lines 4 and 5 and to OK, then presses it.
            desktop.xdotool("key", "Return", "Return", "Return", "Return")
            desktop.xdotool("keyup", "Return")
            time.sleep(0.5)
            desktop.click(wizard, *control(363, 309))  # Next
            shoot(wizard, "step3-measured")

            # The placement window with readings of a page moved by the printer.
            desktop.click(wizard, *control(192, 250))  # Check Placement...
            placement = desktop.find_window("MICR Line Placement")
            desktop.xdotool("mousemove", "--window", placement, 20, 20)
            time.sleep(0.3)
            desktop.xdotool("type", "--delay", "20", "6 59/64")  # the focus starts on the bar
            desktop.xdotool("key", "Tab")
            desktop.xdotool("type", "--delay", "20", "2")
            desktop.xdotool("key", "Tab")
            desktop.xdotool("type", "--delay", "20", "10.2 mm")
            desktop.xdotool("key", "Tab", "Tab")
            desktop.xdotool("type", "--delay", "20", "0.2")
            shoot(placement, "placement")
            desktop.xdotool("key", "Escape")
            desktop.xdotool("keyup", "Escape")
            time.sleep(0.3)

            # The user's own line, typed in as from a bank's cheque.
            desktop.click(wizard, *control(297, 250))  # My MICR Line...
            line = desktop.find_window("My MICR Line")
            desktop.xdotool("mousemove", "--window", line, 20, 20)
            time.sleep(0.3)
            desktop.xdotool("key", "Tab")
            desktop.xdotool("type", "--delay", "20", "021000021")
            desktop.xdotool("key", "Tab")
            desktop.xdotool("type", "--delay", "20", "123456789< 1001")
            shoot(line, "micr-line")
            desktop.xdotool("key", "Escape")
            desktop.xdotool("keyup", "Escape")
            time.sleep(0.3)

            # A cheque file FreeCheck-style PostScript at its sample's 12 pt.
            desktop.click(wizard, *control(402, 250))  # Check File...
            cheque = desktop.find_window("Check File")
            desktop.xdotool("mousemove", "--window", cheque, 20, 20)
            time.sleep(0.3)
            desktop.xdotool("type", "--delay", "5", os.path.join(ROOT, "tests", "data", "freecheck.ps"))
            desktop.xdotool("key", "Return")
            time.sleep(3)  # Ghostscript reads the PostScript first
            shoot(cheque, "cheque-file")
            desktop.xdotool("key", "Escape")
            desktop.xdotool("keyup", "Escape")
            time.sleep(0.3)

            # The printers remembered, two of them as earlier runs left them.
            dialog(control(394 + 15, 15), "Printers", "printers")
        finally:
            program.kill()
            program.wait()


def open_scan(desktop, window, path):
    """From Scan... (Alt+M), Open Image..., the path typed into the file dialog."""
    desktop.xdotool("mousemove", "--window", window, 20, 20)
    time.sleep(0.3)
    desktop.xdotool("key", "alt+m")
    time.sleep(0.5)
    desktop.xdotool("key", "Down", "Return")  # Open Image..., the menu's first
    desktop.find_window("Open a Scan")
    time.sleep(0.5)
    desktop.xdotool("type", "--delay", "5", path)
    desktop.xdotool("key", "Return")
    desktop.xdotool("keyup", "Return")
    return desktop.find_window("Scan: " + os.path.basename(path), timeout=30)


def scans(desktop, wizard, shoot):
    model = os.path.join(BUILD, "tests", "scan-model")
    page = os.path.join(desktop.home, "placement-page-scan.png")
    cheque = os.path.join(desktop.home, "cheque-scan.png")
    subprocess.run([model, page], env=desktop.env, check=True)
    subprocess.run([model, cheque, "cheque"], env=desktop.env, check=True)
    desktop.click(wizard, *control(363, 309))  # Next: prints
    desktop.key(desktop.find_window("Print"), 20, 20, "Escape")
    time.sleep(0.5)
    desktop.click(wizard, *control(363, 309))  # Next: step 3
    time.sleep(0.5)

    desktop.click(wizard, *control(192, 250))  # Check Placement...
    placement = desktop.find_window("MICR Line Placement")
    desktop.key(placement, 20, 20, "alt+t")  # the stock: 3-up on Letter, the model's
    desktop.xdotool("key", "Home")
    picture = open_scan(desktop, placement, page)
    time.sleep(2)  # the picture decoded in the background
    shoot(picture, "scan-placement")
    desktop.key(picture, 20, 20, "Escape")
    desktop.key(placement, 20, 20, "Escape")
    desktop.xdotool("keyup", "Escape")
    time.sleep(0.3)

    desktop.click(wizard, *control(402, 250))  # Check File...
    chequefile = desktop.find_window("Check File")
    picture = open_scan(desktop, chequefile, cheque)
    time.sleep(2)
    shoot(picture, "scan-cheque")


if __name__ == "__main__":
    main()
