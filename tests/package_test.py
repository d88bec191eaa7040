"""Builds the Debian package and checks it: its fields, the installed tree,
the desktop entry and metainfo, and that the installed program starts in
its data folder and finds its files. In CI (CI=true, as root) the package
is also installed for real with apt-get and removed again."""
import configparser
import os
import re
import shutil
import subprocess
import sys
import tempfile
import time

BUILD_DIR = os.path.abspath(sys.argv[1])
APP_ID = "example.tolvane.MicrCalibration"
DATA_FILES = ["print24.bmp", "next24.bmp", "micr.chm", "micr-en_CA.chm", "micr-fr.chm", "o-micr.pdf", "o-sigtt.pdf",
              "MICR-Gauge-Instructions.pdf", "MICR-Gauge-Order-Form.pdf"]

failures = []


def check(condition, message):
    print(("PASS " if condition else "FAIL ") + message)
    if not condition:
        failures.append(message)


def run(*command, **kwargs):
    return subprocess.run(command, capture_output=True, text=True, **kwargs)


def starts_cleanly(program, cwd, extra_env=None):
    """Starts the wizard on the offscreen platform for a moment: it must stay
    up and complain about no file."""
    env = dict(os.environ, QT_QPA_PLATFORM="offscreen", CUPS_SERVER="/nonexistent",
               XDG_CONFIG_HOME=os.path.join(cwd, "config"), **(extra_env or {}))
    process = subprocess.Popen([program], cwd=cwd, env=env, stderr=subprocess.PIPE, text=True)
    time.sleep(2)
    alive = process.poll() is None
    process.kill()
    _, errors = process.communicate()
    return alive and "cannot load" not in errors, errors


def lint_deb(deb):
    """lintian on the package: no error, and no warning but those listed,
    each with its reason, in packaging/lintian-warnings.md."""
    if not shutil.which("lintian"):
        check(False, "lintian is installed (tools/debian-test-packages.txt)")
        return
    linted = run("lintian", "--no-tag-display-limit", "--suppress-tags", "no-tags-to-display", deb)
    tags = [line.split()[:3] for line in linted.stdout.splitlines() if line[:2] in ("E:", "W:")]
    errors = [tag for tag in tags if tag[0] == "E:"]
    check(not errors, f"lintian reports no error: {errors}")
    listed_file = os.path.join(os.path.dirname(os.path.abspath(__file__)), "..", "packaging", "lintian-warnings.md")
    with open(listed_file, encoding="utf-8") as file:
        listed = set(re.findall(r"^\| `([a-z0-9-]+)`", file.read(), re.M))
    warned = {tag[2] for tag in tags if tag[0] == "W:"}
    check(warned <= listed, f"every lintian warning is listed with its reason: {sorted(warned - listed)}")


def main():
    scratch = tempfile.mkdtemp(prefix="micr-package-")
    try:
        packaged = run("cpack", "-G", "DEB", "-B", scratch, cwd=BUILD_DIR)
        check(packaged.returncode == 0, "cpack makes a Debian package: " + packaged.stderr[-300:])
        debs = [f for f in os.listdir(scratch) if f.endswith(".deb")]
        check(len(debs) == 1, f"one package: {debs}")
        if not debs:
            return 1
        deb = os.path.join(scratch, debs[0])
        fields = {key: run("dpkg-deb", "-f", deb, key).stdout.strip() for key in ("Package", "Version", "Depends", "Recommends")}
        check(fields["Package"] == "micr-calibration", f"package name {fields['Package']}")
        check(fields["Version"].startswith("8.5"), f"version {fields['Version']}")
        for dependency in ("libqt6widgets6", "libqt6printsupport6", "libpoppler-cpp0v5", "libsane1", "fonts-liberation",
                           "xdg-utils"):
            check(dependency in fields["Depends"], f"depends on {dependency}")
        check("xchm" in fields["Recommends"], "recommends a CHM viewer")
        check("qt6-wayland" in fields["Recommends"], "recommends Qt's Wayland platform")
        check("ghostscript" in fields["Recommends"], "recommends Ghostscript for PostScript cheque files")

        root = os.path.join(scratch, "root")
        run("dpkg-deb", "-x", deb, root)
        listing = run("dpkg-deb", "-c", deb).stdout
        prefix = "/usr"
        for path in [f"{prefix}/bin/micr-calibration", f"{prefix}/bin/micr-calibration-page",
                     f"{prefix}/share/applications/{APP_ID}.desktop",
                     f"{prefix}/share/metainfo/{APP_ID}.metainfo.xml",
                     f"{prefix}/share/icons/hicolor/scalable/apps/{APP_ID}.svg",
                     f"{prefix}/share/icons/hicolor/48x48/apps/{APP_ID}.png"] + \
                    [f"{prefix}/share/micr-calibration/{name}" for name in DATA_FILES]:
            check(os.path.isfile(root + path), f"installs {path}")
        check("/usr/local" not in listing, "nothing under /usr/local")
        # Files are read by a program of their own, the only one with the PDF
        # library and what it brings.
        reader = root + f"{prefix}/libexec/micr-calibration/micr-calibration-reader"
        check(os.path.isfile(reader), "installs the reader in /usr/libexec/micr-calibration")
        heavy = re.compile(r"lib(poppler|nss3|lcms2|openjp2|tiff|sane|opencv_\w+)\b")
        for program in ("micr-calibration", "micr-calibration-page"):
            libraries = run("ldd", root + f"{prefix}/bin/{program}").stdout
            check(not heavy.search(libraries), f"{program} links no PDF, image or scanner library: {heavy.findall(libraries)}")
        check(heavy.search(run("ldd", reader).stdout), "the reader links poppler")
        check("libsane" in run("ldd", root + f"{prefix}/bin/micr-calibration-scan").stdout, "the scan helper links SANE")

        desktop = root + f"{prefix}/share/applications/{APP_ID}.desktop"
        validated = run("desktop-file-validate", desktop)
        check(validated.returncode == 0 and not validated.stdout.strip(), "desktop-file-validate: " + validated.stdout)
        metainfo = run("appstreamcli", "validate", "--no-net", root + f"{prefix}/share/metainfo/{APP_ID}.metainfo.xml")
        check(metainfo.returncode == 0, "appstreamcli validate: " + metainfo.stdout[-300:])
        entry = configparser.ConfigParser(interpolation=None)
        entry.optionxform = str
        entry.read(desktop)
        section = entry["Desktop Entry"]
        check(section["Path"] == f"{prefix}/share/micr-calibration", f"starts in its data folder: {section['Path']}")
        check(section["Exec"] == "micr-calibration" and section["Icon"] == APP_ID, "Exec and Icon")
        check(section.get("StartupWMClass") == "micr-calibration", "the X11 window class matches the entry")
        check(all(section.get(key + "[fr]") for key in ("Name", "GenericName", "Comment")), "the entry in French")
        with open(root + f"{prefix}/share/metainfo/{APP_ID}.metainfo.xml", encoding="utf-8") as xml:
            french = xml.read().count('xml:lang="fr"')
        check(french >= 4, f"the metainfo's name, summary and description in French ({french})")

        # The unpacked program, started the way the desktop entry starts it,
        # and from a terminal in another folder: it finds its glyphs either way.
        ok, errors = starts_cleanly(root + f"{prefix}/bin/micr-calibration", root + section["Path"])
        check(ok, "the installed program starts in its data folder and finds its glyphs: " + errors[-300:])
        ok, errors = starts_cleanly(root + f"{prefix}/bin/micr-calibration", scratch)
        check(ok, "started in another folder, it finds its glyphs in its data folder: " + errors[-300:])
        # Until its window is first painted the wizard loads no image plugin
        # (its pictures are read by Qt's own PNG and BMP readers) and none of
        # the libraries above.
        started = run(root + f"{prefix}/bin/micr-calibration", cwd=root + section["Path"], timeout=60,
                      env=dict(os.environ, QT_QPA_PLATFORM="offscreen", CUPS_SERVER="/nonexistent",
                               XDG_CONFIG_HOME=os.path.join(scratch, "config"), MICR_STARTUP_TRACE="exit",
                               LD_DEBUG="files"))
        loaded = sorted({name for name in re.findall(r"file=(\S+)", started.stderr)
                         if heavy.search(name) or "/imageformats/" in name})
        check("first-paint" in started.stderr and not loaded, f"the wizard's first paint loads none of: {loaded}")
        for page in ("index.html", "verdicts.html", "placement.html", "placement-page.png"):
            check(os.path.isfile(root + f"{prefix}/share/micr-calibration/help/{page}"), f"installs the HTML help {page}")
            check(os.path.isfile(root + f"{prefix}/share/micr-calibration/help/fr/{page}"), f"installs the French HTML help {page}")

        for program in ("micr-calibration", "micr-calibration-page"):
            page = root + f"{prefix}/share/man/man1/{program}.1.gz"
            check(os.path.isfile(page), f"installs the manual page {program}(1), gzipped")
            shown = run("man", "--warnings", "-l", page, env=dict(os.environ, LC_ALL="C.UTF-8", MANWIDTH="80"))
            check(shown.returncode == 0 and "SYNOPSIS" in shown.stdout and not shown.stderr,
                  f"man shows {program}(1) without a warning: {shown.stderr[-300:]}")
            check(os.path.isfile(root + f"{prefix}/share/man/fr/man1/{program}.1.gz"),
                  f"installs the French manual page {program}(1)")
        check(os.path.isfile(root + f"{prefix}/share/bash-completion/completions/micr-calibration-page"),
              "installs the bash completion")
        for name in ("copyright", "changelog.gz"):
            check(os.path.isfile(root + f"{prefix}/share/doc/micr-calibration/{name}"), f"installs {name}")
        lint_deb(deb)

        if os.environ.get("CI") == "true" and os.geteuid() == 0:
            installed = run("apt-get", "install", "-y", "--no-install-recommends", deb,
                            env=dict(os.environ, DEBIAN_FRONTEND="noninteractive"))
            check(installed.returncode == 0, "apt-get installs the package: " + installed.stderr[-300:])
            try:
                ok, errors = starts_cleanly("micr-calibration", section["Path"])
                check(ok, "the installed program starts from PATH: " + errors[-300:])
                check(run("micr-calibration-page", "--help").returncode == 0, "the exporter runs from PATH")
                sample = os.path.join(os.path.dirname(os.path.abspath(__file__)), "data", "weasyprint.pdf")
                # With the test faces, so that Line 3's face gives the printer's scale.
                fonts = os.path.join(BUILD_DIR, "tests", "fonts", "fonts.conf")
                read = run("micr-calibration-page", "cheque", sample, env=dict(os.environ, FONTCONFIG_FILE=fonts))
                check(read.returncode in (0, 1), "the exporter reads a cheque file through the installed reader: "
                      + (read.stdout + read.stderr)[-300:])
            finally:
                run("apt-get", "remove", "-y", "micr-calibration", env=dict(os.environ, DEBIAN_FRONTEND="noninteractive"))
    finally:
        shutil.rmtree(scratch, ignore_errors=True)
    print(f"package checks: {len(failures)} failed")
    return 1 if failures else 0


if __name__ == "__main__":
    sys.exit(main())
