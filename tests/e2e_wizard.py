"""The real program in a real X server: exits, close box and help key."""
import os
import shutil
import subprocess
import sys
import tempfile
import time

from desktop import Desktop

BINARY, WM_CLOSE, SOURCE_DIR, FONTS_CONF = map(os.path.abspath, sys.argv[1:5])
TITLE = "Tolvane MICR Font Set"
BORDER = 5  # the client area's controls sit inside the window's border


def at(x, y):
    """A control's position, client coordinates as designed, to window coordinates."""
    return x + BORDER, y + BORDER


EXIT = at(396 + 30, 294 + 15)
NEXT = at(333 + 30, 294 + 15)
HELP = at(172 + 30, 294 + 15)
PICTURE = at(60, 120)


class Program:
    def __init__(self, desktop, with_help=True, with_glyphs=True):
        self.desktop = desktop
        self.cwd = tempfile.mkdtemp(prefix="micr-cwd-")
        if with_glyphs:
            for name in ("print24.bmp", "next24.bmp"):
                shutil.copy(os.path.join(SOURCE_DIR, "resources", name), self.cwd)
        if with_help:
            open(os.path.join(self.cwd, "micr.chm"), "wb").close()
        self.process = subprocess.Popen([BINARY], cwd=self.cwd, env=desktop.env,
                                        stdout=subprocess.PIPE, stderr=subprocess.STDOUT)
        self.window = desktop.find_window(TITLE)
        time.sleep(0.3)

    def status(self, timeout=15):
        try:
            return self.process.wait(timeout=timeout)
        finally:
            if self.process.poll() is None:
                self.process.kill()
                self.process.wait()
            shutil.rmtree(self.cwd, ignore_errors=True)

    def running(self):
        return self.process.poll() is None

    def next_cancelling_print(self):
        self.desktop.click(self.window, *NEXT)
        dialog = self.desktop.find_window("Print")
        self.desktop.xdotool("mousemove", "--window", dialog, 20, 20)
        time.sleep(0.3)
        self.desktop.xdotool("key", "Escape")
        deadline = time.monotonic() + 10
        while self.desktop.xdotool("search", "--onlyvisible", "--name", "^Print$"):
            if time.monotonic() > deadline:
                raise AssertionError("print dialog did not close")
            time.sleep(0.1)

    def close_box(self):
        subprocess.run([WM_CLOSE, str(self.window)], env=self.desktop.env, check=True)


PROMPT = "How to order Tolvane MICR Font Set"
BUY_ONLINE = (15 + 59, 232 + 15)
PROMPT_EXIT = (312 + 37, 232 + 15)
ORDER_PAGE = "https://secure.tolvane.example/micr/order.php?p=micrtt"


def answer_prompt(program, answer):
    """Answers the ordering prompt: "buy", "exit", "esc" or "close"."""
    desktop = program.desktop
    prompt = desktop.find_window(PROMPT)
    time.sleep(0.3)
    if answer == "buy":
        desktop.click(prompt, *BUY_ONLINE)
    elif answer == "exit":
        desktop.click(prompt, *PROMPT_EXIT)
    elif answer == "esc":
        desktop.key(prompt, 200, 20, "Escape")
        desktop.xdotool("keyup", "Escape")
    else:
        subprocess.run([WM_CLOSE, str(prompt)], env=desktop.env, check=True)


def wait_for_launches(desktop, count, timeout=10):
    deadline = time.monotonic() + timeout
    while len(desktop.launches()) < count and time.monotonic() < deadline:
        time.sleep(0.1)
    return desktop.launches()


def ending(how, answer, status):
    """The wizard ended by `how` ("exit", "done", "close"), the prompt answered
    with `answer`: the program ends with `status`, and the order page is
    handed to the desktop only after "Buy Now Online"."""
    def case(desktop):
        program = Program(desktop)
        if how == "done":
            program.next_cancelling_print()
            desktop.click(program.window, *NEXT)  # step 3: Exit reads Done
            time.sleep(0.3)
        if how == "close":
            program.close_box()
        else:
            desktop.click(program.window, *EXIT)
        answer_prompt(program, answer)
        assert program.status() == status, f"expected exit status {status}"
        launches = wait_for_launches(desktop, 1, timeout=3 if answer != "buy" else 10)
        assert launches == ([ORDER_PAGE] if answer == "buy" else []), launches
    case.__name__ = f"{how}_then_{answer}"
    return case


def help_key_and_button(desktop):
    program = Program(desktop)
    desktop.key(program.window, *PICTURE, "F1")
    desktop.key(program.window, *PICTURE, "ctrl+F1")
    desktop.click(program.window, *HELP)
    deadline = time.monotonic() + 10
    while len(desktop.launches()) < 3 and time.monotonic() < deadline:
        time.sleep(0.1)
    launches = desktop.launches()
    assert len(launches) == 3, f"expected three help launches, got {launches}"
    for launch in launches:
        assert launch.endswith("/micr.chm"), launch
    assert program.running()
    program.close_box()
    answer_prompt(program, "exit")
    assert program.status() == 0


def help_from_any_folder(desktop):
    """Started where neither the help nor the glyphs are, the program takes
    them from its data folder: here the build tree beside it."""
    program = Program(desktop, with_help=False, with_glyphs=False)
    desktop.key(program.window, *PICTURE, "F1")
    launches = wait_for_launches(desktop, 1)
    assert launches == [os.path.join(os.path.dirname(BINARY), "micr.chm")], launches
    program.close_box()
    answer_prompt(program, "exit")
    assert program.status() == 0
    output = program.process.stdout.read().decode()
    assert "cannot load" not in output, output


def help_as_web_pages():
    """No CHM viewer on the desktop: the same help opens as HTML."""
    def case(desktop):
        program = Program(desktop)
        desktop.click(program.window, *HELP)
        launches = wait_for_launches(desktop, 1)
        assert launches == [os.path.join(os.path.dirname(BINARY), "help", "index.html")], launches
        program.close_box()
        answer_prompt(program, "exit")
        assert program.status() == 0
    case.__name__ = "help_as_web_pages"
    case.desktop = {"handlers": {"application/pdf": "evince.desktop"}}
    return case


def failed_launch_is_told():
    """The desktop cannot open the help: a message says so, and what to install."""
    def case(desktop):
        program = Program(desktop)
        desktop.click(program.window, *HELP)
        box = desktop.find_window("MICR System Calibration")
        desktop.key(box, 20, 20, "Escape")
        desktop.xdotool("keyup", "Escape")
        deadline = time.monotonic() + 10
        while desktop.xdotool("search", "--onlyvisible", "--name", "^MICR System Calibration$"):
            assert time.monotonic() < deadline, "the message stays"
            time.sleep(0.1)
        assert program.running()
        program.close_box()
        answer_prompt(program, "exit")
        assert program.status() == 0
    case.__name__ = "failed_launch_is_told"
    case.desktop = {"opener_fails": True}
    return case


def buy_now_keeps_the_wizard(desktop):
    program = Program(desktop)
    desktop.click(program.window, *at(0 + 40, 294 + 15))  # Buy Now
    answer_prompt(program, "buy")
    launches = wait_for_launches(desktop, 1)
    assert launches == [ORDER_PAGE], launches
    time.sleep(0.5)
    assert program.running(), "Buy Now must not end the program"
    program.close_box()
    answer_prompt(program, "exit")
    assert program.status() == 0


def readings_stay_on_return(desktop):
    """A page printed at 94 %, typed with Return after each reading: the
    window stays open and keeps them; Escape closes it, F1 opens its help."""
    program = Program(desktop)
    program.next_cancelling_print()
    desktop.click(program.window, *at(200 + 85, 216 + 12))  # Enter Measurements...
    window = desktop.find_window("Measured Lengths")
    desktop.xdotool("mousemove", "--window", window, 20, 20)
    time.sleep(0.3)
    for typed in ("6.434", "", "", "", '6.726"'):
        if typed:
            desktop.xdotool("type", "--delay", "20", typed)
        desktop.xdotool("key", "Return")
    desktop.xdotool("keyup", "Return")
    time.sleep(0.5)
    assert desktop.xdotool("search", "--onlyvisible", "--name", "^Measured Lengths$"), "Return closed the window"
    desktop.xdotool("key", "F1")
    assert wait_for_launches(desktop, 1)[0].endswith("help/verdicts.html"), desktop.launches()
    desktop.xdotool("key", "Escape")
    desktop.xdotool("keyup", "Escape")
    time.sleep(0.5)
    program.close_box()
    answer_prompt(program, "exit")
    assert program.status() == 0


CASES = [
    ending("exit", "buy", 1), ending("exit", "exit", 1), ending("exit", "esc", 1), ending("exit", "close", 1),
    ending("done", "buy", 1), ending("done", "exit", 1),
    ending("close", "buy", 0), ending("close", "exit", 0), ending("close", "esc", 0), ending("close", "close", 0),
    help_key_and_button, help_from_any_folder, help_as_web_pages(), failed_launch_is_told(),
    buy_now_keeps_the_wizard, readings_stay_on_return,
]


def main():
    passed = failed = 0
    for case in CASES:
        with Desktop(**getattr(case, "desktop", {})) as desktop:
            # The test faces, so that printing goes straight to the print dialog.
            desktop.env["FONTCONFIG_FILE"] = FONTS_CONF
            try:
                case(desktop)
                passed += 1
                print(f"PASS {case.__name__}")
            except Exception as error:  # report every case, then fail
                failed += 1
                print(f"FAIL {case.__name__}: {error}")
    print(f"{passed} passed, {failed} failed")
    return 1 if failed else 0


if __name__ == "__main__":
    sys.exit(main())
