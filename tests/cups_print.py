"""Runs a print-path test binary against a private cupsd with an A4 and a
Letter cups-pdf queue, and Letter queues whose defaults would change a page's
geometry (rotated, mirrored, even pages only, two to a sheet, fit to page),
and an A4 queue with a laser printer's hardware margins, A4 queues whose PPDs
round A4 as drivers do, and driverless queues on ippeveprinter printers. cups-pdf writes into
the private server's own folder, named in MICR_CUPS_PDF_DIR; the test can stop
and start the cupsd with the script in MICR_CUPSD_CONTROL."""
import os
import subprocess
import sys

from cups import PrivateCups

SKIP = 77
HOSTILE_QUEUES = {
    "MicrLandscape": "orientation-requested-default=4",
    "MicrMirror": "mirror-default=true",
    "MicrEvenPages": "page-set-default=even",
    "MicrTwoUp": "number-up-default=2",
    "MicrFitToPage": "fit-to-page-default=true",
}

# What each driverless printer says of itself, as ipptool's ATTR lines.
DRIVERLESS_PRINTERS = {
    "MicrIppFit": ["mimeMediaType document-format-supported application/pdf,image/pwg-raster",
                   "keyword print-scaling-default fit",
                   "keyword print-scaling-supported auto,auto-fit,fill,fit,none"],
    "MicrIppNone": ["mimeMediaType document-format-supported application/pdf,image/pwg-raster",
                    "keyword print-scaling-default none",
                    "keyword print-scaling-supported auto,auto-fit,fill,fit,none"],
    "MicrIppRaster": ["mimeMediaType document-format-supported image/pwg-raster",
                      "keyword print-scaling-default fit",
                      "keyword print-scaling-supported auto,fit,none"],
}


def main():
    test_binary = sys.argv[1]
    if os.geteuid() != 0:
        print("the print-path test starts its own cupsd, which needs root: skipped")
        return SKIP
    with PrivateCups() as cups:
        cups.add_pdf_queue("MicrA4", "A4")
        cups.add_pdf_queue("MicrLetter", "Letter")
        # Unequal margins, each under the quarter inch a page keeps clear.
        cups.add_pdf_queue("MicrMargins", "A4", dpi=600, ppd=cups.margins_ppd(12.6, 10.8, 14.4, 16.2))
        # foomatic's generic PPDs: a quarter inch at the sides, half an inch
        # at the top and bottom; and a printer whose left margin is wider
        # than a sample line leaves room for.
        cups.add_pdf_queue("MicrFoomaticMargins", "Letter", dpi=600, ppd=cups.margins_ppd(18, 36, 18, 36))
        cups.add_pdf_queue("MicrWideLeft", "Letter", dpi=600, ppd=cups.margins_ppd(108, 18, 18, 18))
        # A4 as drivers' PPDs round it: to hundredths of an inch, and to
        # hundredths of a point.
        cups.add_pdf_queue("MicrA4Inches", "A4", ppd=cups.media_ppd("A4", 595.44, 841.68))
        cups.add_pdf_queue("MicrA4Points", "A4", ppd=cups.media_ppd("A4", 595.28, 841.89))
        # Driverless printers: one that takes PDF and fits pages by default,
        # one that takes PDF and leaves them, one that takes only PWG raster.
        for name, attributes in DRIVERLESS_PRINTERS.items():
            uri = cups.start_ipp_printer(name, attributes)
            if uri:
                cups.add_driverless_queue(name, uri)
        for name, default in HOSTILE_QUEUES.items():
            cups.add_pdf_queue(name, "Letter", defaults=[default])
        cups.run("lpadmin", "-d", "MicrA4")
        env = dict(cups.env, MICR_CUPS_PDF_DIR=cups.pdf_dir, MICR_CUPSD_CONTROL=cups.control_script(),
                   MICR_CUPS_SPOOL_DIR=cups.spool_dir, MICR_CUPS_PPD_DIR=cups.ppd_dir)
        result = subprocess.run([test_binary, *sys.argv[2:]], env=env)
        if result.returncode != 0:
            print("--- cupsd log ---")
            print(cups.log())
        return result.returncode


if __name__ == "__main__":
    sys.exit(main())
