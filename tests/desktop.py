"""A private X desktop for end-to-end tests: Xvfb, xdotool, a fake xdg-open."""
import os
import shutil
import subprocess
import tempfile
import time


# The desktop's default applications as the fake xdg-mime reports them.
HANDLERS = {"application/vnd.ms-htmlhelp": "xchm.desktop", "application/pdf": "evince.desktop"}


class Desktop:
    def __init__(self, width=1024, height=768, handlers=None, opener_fails=False):
        read_fd, write_fd = os.pipe()
        self.xvfb = subprocess.Popen(
            ["Xvfb", "-displayfd", str(write_fd), "-screen", "0", f"{width}x{height}x24",
             "-nolisten", "tcp"],
            pass_fds=(write_fd,), stdout=subprocess.DEVNULL, stderr=subprocess.DEVNULL)
        os.close(write_fd)
        with os.fdopen(read_fd) as pipe:
            number = pipe.readline().strip()
        if not number:
            raise RuntimeError("Xvfb did not start")
        self.display = ":" + number
        self.home = tempfile.mkdtemp(prefix="micr-desktop-")
        self.launch_log = os.path.join(self.home, "launches.log")
        bindir = os.path.join(self.home, "bin")
        os.mkdir(bindir)
        fake = os.path.join(bindir, "xdg-open")
        with open(fake, "w") as script:
            script.write('#!/bin/sh\nprintf "%s\\n" "$*" >> "' + self.launch_log + '"\n'
                         + ("exit 4\n" if opener_fails else ""))
        os.chmod(fake, 0o755)
        # xdg-mime query default TYPE: the handler for TYPE, if any.
        handlers_file = os.path.join(self.home, "handlers")
        with open(handlers_file, "w") as table:
            for mime_type, handler in (HANDLERS if handlers is None else handlers).items():
                table.write(f"{mime_type} {handler}\n")
        fake = os.path.join(bindir, "xdg-mime")
        with open(fake, "w") as script:
            script.write('#!/bin/sh\n[ "$1 $2" = "query default" ] || exit 1\n'
                         'awk -v t="$3" \'$1 == t { print $2 }\' "' + handlers_file + '"\n')
        os.chmod(fake, 0o755)
        self.env = {k: v for k, v in os.environ.items()
                    if not k.startswith(("XDG_CURRENT_DESKTOP", "DESKTOP_SESSION", "KDE_", "GNOME_",
                                         "WAYLAND_DISPLAY", "QT_QPA_PLATFORM"))}
        runtime = os.path.join(self.home, "runtime")
        os.mkdir(runtime, 0o700)
        self.env.update(DISPLAY=self.display, PATH=bindir + os.pathsep + os.environ["PATH"],
                        XDG_RUNTIME_DIR=runtime, HOME=self.home,
                        CUPS_SERVER=os.path.join(self.home, "no-cups.sock"))

    def close(self):
        self.xvfb.terminate()
        self.xvfb.wait(timeout=10)
        shutil.rmtree(self.home, ignore_errors=True)

    def __enter__(self):
        return self

    def __exit__(self, *exc):
        self.close()

    def xdotool(self, *args, timeout=15):
        result = subprocess.run(["xdotool", *map(str, args)], env=self.env, capture_output=True,
                                text=True, timeout=timeout)
        return result.stdout.strip()

    def find_window(self, title, timeout=15):
        deadline = time.monotonic() + timeout
        while time.monotonic() < deadline:
            found = self.xdotool("search", "--onlyvisible", "--name", f"^{title}$")
            if found:
                return int(found.split()[0])
            time.sleep(0.1)
        raise AssertionError(f"no window titled {title!r}")

    def window_origin(self, window):
        fields = dict(line.split("=") for line in
                      self.xdotool("getwindowgeometry", "--shell", window).splitlines())
        return int(fields["X"]), int(fields["Y"])

    def click(self, window, x, y):
        """Clicks at (x, y) in the window's own coordinates."""
        self.xdotool("mousemove", "--window", window, x, y, "click", "1")

    def key(self, window, x, y, key):
        """Points at (x, y) in the window, which gives it the keyboard, and types a key."""
        self.xdotool("mousemove", "--window", window, x, y)
        time.sleep(0.2)
        self.xdotool("key", key)

    def launches(self):
        if not os.path.exists(self.launch_log):
            return []
        with open(self.launch_log) as log:
            return log.read().splitlines()
