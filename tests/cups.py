"""A private CUPS server for tests: its own configuration, spool and socket
(chosen with CUPS_SERVER), so it needs no system cupsd and disturbs none.
Its cups-pdf queues write into a folder of its own too (`pdf_dir`): two test
runs at once on one machine never see each other's pages. Each job's file is
kept in its spool (`spool_dir`), as CUPS received it; its queues' PPDs are in
`ppd_dir`."""
import os
import re
import shutil
import socket
import subprocess
import tempfile
import time

PPD = "/usr/share/ppd/cups-pdf/CUPS-PDF_opt.ppd"


class PrivateCups:
    def __init__(self):
        self.root = tempfile.mkdtemp(prefix="micr-cups-")
        os.chmod(self.root, 0o755)
        for sub in ("spool", "tmp", "cache", "state"):
            path = os.path.join(self.root, sub)
            os.mkdir(path)
            os.chmod(path, 0o1777)
        self.socket = os.path.join(self.root, "cups.sock")
        self.spool_dir = os.path.join(self.root, "spool")
        self.ppd_dir = os.path.join(self.root, "ppd")
        with open(os.path.join(self.root, "cupsd.conf"), "w") as conf:
            conf.write(f"""Listen {self.socket}
LogLevel info
PreserveJobFiles Yes
WebInterface No
Browsing No
<Location />
  Order allow,deny
  Allow all
</Location>
<Policy default>
  <Limit All>
    Order deny,allow
  </Limit>
</Policy>
""")
        with open(os.path.join(self.root, "cups-files.conf"), "w") as conf:
            conf.write(f"""ServerRoot {self.root}
RequestRoot {self.root}/spool
TempDir {self.root}/tmp
CacheDir {self.root}/cache
StateDir {self.root}/state
ServerBin /usr/lib/cups
DataDir /usr/share/cups
DocumentRoot /usr/share/cups/doc-root
ErrorLog {self.root}/error_log
AccessLog {self.root}/access_log
PageLog {self.root}/page_log
User lp
Group lp
SystemGroup root
""")
        self.env = dict(os.environ, CUPS_SERVER=self.socket)
        self.daemon = None
        self.ipp_printers = []
        self.bus = None
        self.bus_address = None
        # cups-pdf reads /etc/cups/cups-pdf-NAME.conf for a device
        # cups-pdf:/NAME; its Out folder is this server's own. The backend
        # writes there as the job's owner, reached through folders lp can read.
        self.pdf_instance = "micr-test-" + os.path.basename(self.root).replace("_", "-")
        self.pdf_conf = f"/etc/cups/cups-pdf-{self.pdf_instance}.conf"
        self.pdf_dir = os.path.join(self.root, "PDF")
        os.mkdir(self.pdf_dir)
        os.chmod(self.pdf_dir, 0o1777)
        # Debian's own settings but for the folder.
        with open(self.pdf_conf, "w") as conf:
            conf.write(f"Out {self.pdf_dir}\nGrp lpadmin\nDecodeHexStrings 1\n")

    def start(self):
        self.daemon = subprocess.Popen(
            ["cupsd", "-f", "-c", os.path.join(self.root, "cupsd.conf"),
             "-s", os.path.join(self.root, "cups-files.conf")],
            stdout=subprocess.DEVNULL, stderr=subprocess.DEVNULL)
        deadline = time.monotonic() + 20
        while time.monotonic() < deadline:
            # lpstat -r succeeds either way; what it says tells.
            if self.run("lpstat", "-r", check=False).stdout.strip() == "scheduler is running":
                return
            time.sleep(0.1)
        raise RuntimeError("cupsd did not start: " + self.log())

    def control_script(self):
        """A script that stops (`stop`) and starts again (`start`) this cupsd,
        for tests that take the print system away under a running program."""
        path = os.path.join(self.root, "cupsd-control")
        conf = os.path.join(self.root, "cupsd.conf")
        files = os.path.join(self.root, "cups-files.conf")
        with open(path, "w") as script:
            script.write(f"""#!/bin/sh
export CUPS_SERVER={self.socket}
case "$1" in
stop)
    pkill -f "cupsd -f -c {conf}"
    while [ "$(lpstat -r 2>/dev/null)" = "scheduler is running" ]; do sleep 0.1; done ;;
start)
    setsid cupsd -f -c {conf} -s {files} >/dev/null 2>&1 < /dev/null &
    i=0
    until [ "$(lpstat -r 2>/dev/null)" = "scheduler is running" ]; do
        i=$((i + 1)); [ $i -gt 200 ] && exit 1; sleep 0.1
    done ;;
esac
""")
        os.chmod(path, 0o755)
        return path

    def stop(self):
        for process in self.ipp_printers + ([self.bus] if self.bus else []):
            process.terminate()
            try:
                process.wait(timeout=10)
            except subprocess.TimeoutExpired:
                process.kill()
                process.wait()
        self.ipp_printers = []
        self.bus = None
        # A cupsd the control script started again is ours too.
        subprocess.run(["pkill", "-f", "cupsd -f -c " + os.path.join(self.root, "cupsd.conf")],
                       capture_output=True)
        if self.daemon and self.daemon.poll() is None:
            self.daemon.terminate()
            try:
                self.daemon.wait(timeout=10)
            except subprocess.TimeoutExpired:
                self.daemon.kill()
                self.daemon.wait()
        self.daemon = None

    def remove(self):
        self.stop()
        shutil.rmtree(self.root, ignore_errors=True)
        try:
            os.remove(self.pdf_conf)
        except OSError:
            pass

    def run(self, *command, check=True):
        return subprocess.run(command, env=self.env, capture_output=True, text=True, check=check)

    def margins_ppd(self, left, bottom, right, top):
        """cups-pdf's PPD with hardware margins, in points: every paper's
        imageable area shrunk by them, as a laser printer's is."""
        with open(PPD) as source:
            text = source.read()

        def shrink(match):
            width, height = float(match.group(2)), float(match.group(3))
            return f'{match.group(1)}"{left:g} {bottom:g} {width - right:g} {height - top:g}"'

        text = re.sub(r'^(\*ImageableArea [^:]+: )"0 0 ([\d.]+) ([\d.]+)"', shrink, text, flags=re.M)
        text = text.replace("*HWMargins: 0 0 0 0", f"*HWMargins: {left:g} {bottom:g} {right:g} {top:g}")
        path = os.path.join(self.root, f"margins-{left:g}-{bottom:g}-{right:g}-{top:g}.ppd")
        with open(path, "w") as ppd:
            ppd.write(text)
        return path

    def media_ppd(self, name, width, height):
        """cups-pdf's PPD with its paper `name` given another size in points,
        as drivers round it: A4 as 595.44 x 841.68 (8.27 x 11.69 in) or as
        595.28 x 841.89 (210 x 297 mm to hundredths of a point)."""
        with open(PPD) as source:
            text = source.read()
        old = re.search(rf'^\*PaperDimension {name}/[^:]+: "([\d.]+) ([\d.]+)"', text, flags=re.M)
        size = f"{old.group(1)} {old.group(2)}"
        text = text.replace(f'[{size}]', f'[{width:g} {height:g}]').replace(f'"{size}"', f'"{width:g} {height:g}"')
        text = text.replace(f'"0 0 {size}"', f'"0 0 {width:g} {height:g}"')
        path = os.path.join(self.root, f"{name}-{width:g}x{height:g}.ppd")
        with open(path, "w") as ppd:
            ppd.write(text)
        return path

    def start_ipp_printer(self, name, attributes):
        """A driverless printer on the loopback (ippeveprinter) whose
        attributes come from `attributes`, ipptool's ATTR lines; returns its
        printer URI once it answers. Nothing without ippeveprinter."""
        if not shutil.which("ippeveprinter"):
            return None
        if self.bus is None:
            # ippeveprinter needs a system D-Bus for Avahi, even with its
            # DNS-SD registration off: a private one, with no Avahi on it.
            self.bus = subprocess.Popen(["dbus-daemon", "--session", "--nofork", "--print-address=1"],
                                        stdout=subprocess.PIPE, stderr=subprocess.DEVNULL, text=True)
            self.bus_address = self.bus.stdout.readline().strip()
        conf = os.path.join(self.root, f"{name}.attrs")
        with open(conf, "w") as file:
            file.write("".join(f"ATTR {line}\n" for line in attributes))
        with socket.socket() as probe:
            probe.bind(("127.0.0.1", 0))
            port = probe.getsockname()[1]
        spool = os.path.join(self.root, f"{name}-spool")
        os.mkdir(spool)
        printer = subprocess.Popen(["ippeveprinter", "-p", str(port), "-n", "localhost", "-r", "off", "-d", spool,
                                    "-a", conf, name], env=dict(self.env, DBUS_SYSTEM_BUS_ADDRESS=self.bus_address),
                                   stdout=subprocess.DEVNULL, stderr=subprocess.DEVNULL)
        self.ipp_printers.append(printer)
        uri = f"ipp://localhost:{port}/ipp/print"
        deadline = time.monotonic() + 20
        while time.monotonic() < deadline and printer.poll() is None:
            # It listens once it is ready to answer.
            with socket.socket() as probe:
                if probe.connect_ex(("127.0.0.1", port)) == 0:
                    return uri
            time.sleep(0.1)
        raise RuntimeError(f"ippeveprinter {name} did not answer at {uri}")

    def add_driverless_queue(self, name, uri):
        """A driverless queue (IPP Everywhere, made from what the printer says)."""
        result = self.run("lpadmin", "-p", name, "-v", uri, "-m", "everywhere", "-E", check=False)
        if result.returncode != 0:
            raise RuntimeError(f"lpadmin could not add {name}: {result.stderr.strip()}\n{self.log()}")

    def add_pdf_queue(self, name, media, dpi=1200, defaults=(), ppd=PPD):
        """A cups-pdf queue whose media is `media` (A4, Letter). cups-pdf turns
        text into bitmap glyphs at the queue's resolution. `defaults` are more
        of the queue's default options, as NAME-default=VALUE."""
        command = ("lpadmin", "-p", name, "-v", f"cups-pdf:/{self.pdf_instance}", "-E", "-P", ppd, "-o", f"PageSize={media}",
                   "-o", f"Resolution={dpi}dpi", *[word for default in defaults for word in ("-o", default)])
        # A scheduler that has just started can turn the first requests away.
        for _ in range(20):
            result = self.run(*command, check=False)
            if result.returncode == 0:
                return
            time.sleep(0.25)
        raise RuntimeError(f"lpadmin could not add {name}: {result.stderr.strip()}\n{self.log()}")

    def log(self):
        try:
            with open(os.path.join(self.root, "error_log")) as log:
                return log.read()[-4000:]
        except OSError:
            return ""

    def __enter__(self):
        self.start()
        return self

    def __exit__(self, *exc):
        self.remove()
