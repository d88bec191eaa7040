"""A private CUPS server for tests: its own configuration, spool and socket
(chosen with CUPS_SERVER), so it needs no system cupsd and disturbs none.
Its cups-pdf queues write into a folder of its own too (`pdf_dir`): two test
runs at once on one machine never see each other's pages."""
import os
import re
import shutil
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
        with open(os.path.join(self.root, "cupsd.conf"), "w") as conf:
            conf.write(f"""Listen {self.socket}
LogLevel info
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
