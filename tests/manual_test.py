"""The manual pages and the bash completion, against the programs they
describe:
    manual_test.py BUILD_DIR COMPLETION_SCRIPT
The pages are shown by man with its warnings on and must raise none; every
command the exporter's --help lists has its section with each of its
options and its description as --help gives it. The completion is sourced
in bash and its function called, with a stand-in lpstat, on the real
exporter and on a stand-in that has a command taking a printer and a file."""
import gzip
import os
import re
import stat
import subprocess
import sys
import tempfile

BUILD_DIR = os.path.abspath(sys.argv[1])
COMPLETION = os.path.abspath(sys.argv[2])
EXPORTER = os.path.join(BUILD_DIR, "micr-calibration-page")
failures = []


def check(condition, message):
    print(("PASS " if condition else "FAIL ") + message)
    if not condition:
        failures.append(message)


def run(*command, **kwargs):
    return subprocess.run(command, capture_output=True, text=True, **kwargs)


def words(text):
    return " ".join(text.split())


def help_sections(text):
    """{heading: [row lines]} and the description, from a --help."""
    lines = text.split("\n")
    description, sections, heading = [], {}, None
    for line in lines[1:]:
        if heading is None and line.strip():
            description.append(line)
        elif line and not line.startswith(" ") and line.endswith(":"):
            heading = line[:-1]
            sections[heading] = []
        elif heading is None:
            heading = ""
        elif line.startswith("  ") and heading:
            sections[heading].append(line)
    return words(" ".join(description)), sections


def manual_pages():
    environment = dict(os.environ, LC_ALL="C.UTF-8", MANWIDTH="80")
    rendered = {}
    for program in ("micr-calibration", "micr-calibration-page"):
        page = os.path.join(BUILD_DIR, "man", program + ".1")
        check(os.path.isfile(page), f"{program}.1 is built")
        with open(page, encoding="utf-8") as source, gzip.open(page + ".gz", "rt", encoding="utf-8") as packed:
            check(source.read() == packed.read(), f"{program}.1.gz holds {program}.1")
        shown = run("man", "--warnings", "-l", page, env=environment)
        check(shown.returncode == 0 and shown.stderr == "", f"man --warnings -l {program}.1: {shown.stderr}")
        text = re.sub(r"\u2010\n\s*", "", shown.stdout)  # words hyphenated at line ends
        rendered[program] = text
        for section in ("NAME", "SYNOPSIS", "DESCRIPTION", "OPTIONS", "FILES", "ENVIRONMENT", "EXAMPLES",
                        "SEE ALSO"):
            check(re.search(rf"^{section}$", text, re.M) is not None, f"{program}(1) has {section}")
        environment_section = text.split("\nENVIRONMENT\n")[1].split("\nEXAMPLES\n")[0]
        for variable in ("LANG", "CUPS_SERVER", "XDG_CONFIG_HOME"):
            check(variable in environment_section, f"{program}(1) says what {variable} does")
        check("printers.ini" in text.split("\nFILES\n")[1], f"{program}(1) names the profile file")
        help_text = run(os.path.join(BUILD_DIR, program), "--help").stdout
        description, _ = help_sections(help_text)
        check(description in words(text.split("\nDESCRIPTION\n")[1]), f"{program}(1) describes it as --help does")

    page = rendered["micr-calibration-page"]
    check(re.search(r"^EXIT STATUS$", page, re.M) is not None, "micr-calibration-page(1) has EXIT STATUS")
    _, sections = help_sections(run(EXPORTER, "--help").stdout)
    commands = [row.split()[0] for row in sections["Commands"]]
    check(len(commands) >= 7, f"the exporter lists its commands: {commands}")
    body = page.split("\nCOMMANDS\n")[1].split("\nOPTIONS\n")[0]
    for command in commands:
        own = run(EXPORTER, command, "--help").stdout
        description, own_sections = help_sections(own)
        usage = own.split("\n")[0].removeprefix("Usage: micr-calibration-page ")
        match = re.search(rf"^   {re.escape(usage)}\n(.*?)(?=^   \S|\Z)", body, re.M | re.S)
        check(match is not None, f"micr-calibration-page(1) has a section for {usage}")
        if not match:
            continue
        section = words(match.group(1))
        check(description in section, f"{command}'s section opens with its --help's description")
        for row in own_sections.get("Options", []) + own_sections.get("Arguments", []):
            name = row.split("  ")[0].strip().replace("<", "").replace(">", "")
            if name != "-h, --help":
                check(name in section, f"{command}'s section has {name}")


def french_manual_pages():
    """The French pages, from the French --help: shown without a warning,
    under French headings, describing each program as its French --help."""
    french = dict(os.environ, LC_ALL="fr_CA.UTF-8", LANG="fr_CA.UTF-8")
    french.pop("LANGUAGE", None)
    for program in ("micr-calibration", "micr-calibration-page"):
        page = os.path.join(BUILD_DIR, "man", "fr", program + ".1")
        check(os.path.isfile(page + ".gz"), f"fr/{program}.1.gz is built")
        shown = run("man", "--warnings", "-l", page, env=dict(os.environ, LC_ALL="C.UTF-8", MANWIDTH="80"))
        check(shown.returncode == 0 and shown.stderr == "", f"man --warnings -l fr/{program}.1: {shown.stderr}")
        text = re.sub(r"\u2010\n\s*", "", shown.stdout)
        for section in ("NOM", "SYNOPSIS", "DESCRIPTION", "OPTIONS", "VOIR AUSSI"):
            check(re.search(rf"^{section}$", text, re.M) is not None, f"fr/{program}(1) has {section}")
        description, _ = help_sections(run(os.path.join(BUILD_DIR, program), "--help", env=french).stdout)
        body = words(text.split("\nDESCRIPTION\n")[1]) if "\nDESCRIPTION\n" in text else ""
        check(description and description in body, f"fr/{program}(1) describes it as the French --help does")


def complete(words_typed, path, extra=None):
    """What the completion offers for the words, the last one being typed."""
    script = (f"source {COMPLETION}\n"
              "COMP_WORDS=(\"$@\"); COMP_CWORD=$(($# - 1)); COMPREPLY=()\n"
              "_micr_calibration_page\n"
              "printf '%s\\n' \"${COMPREPLY[@]}\"\n")
    result = run("bash", "-c", script, "complete", *words_typed,
                 env=dict(os.environ, PATH=path + ":" + os.environ["PATH"], **(extra or {})))
    return sorted(line for line in result.stdout.split("\n") if line)


STAND_IN = r"""#!/bin/sh
# A later exporter: a command that takes a printer and a file.
case "$1 $2" in
  "--help "*) printf 'Usage: micr-calibration-page COMMAND [options]\n\nCommands:\n  cheque FILE  Checks a cheque file.\n  fonts        Checks the faces.\n\nOptions:\n  -h, --help  Displays this help.\n' ;;
  "cheque --help") printf 'Usage: micr-calibration-page cheque [options] FILE\nChecks.\n\nOptions:\n  -h, --help         Displays this help.\n  --printer <QUEUE>  The printer.\n  --json             JSON.\n\nArguments:\n  FILE  The file.\n' ;;
esac
"""


def completion():
    scratch = tempfile.mkdtemp(prefix="micr-completion-")
    tools = os.path.join(scratch, "tools")
    os.makedirs(tools)
    lpstat = os.path.join(tools, "lpstat")
    with open(lpstat, "w") as file:
        file.write("#!/bin/sh\n[ \"$1\" = -e ] && printf 'Office_Laser\\nLabels\\nOffice_Inkjet\\n'\n")
    os.chmod(lpstat, stat.S_IRWXU)
    os.makedirs(os.path.join(scratch, "out"))
    for name in ("page.pdf", "page.png"):
        open(os.path.join(scratch, "out", name), "w").close()
    real = tools + ":" + BUILD_DIR
    p = "micr-calibration-page"
    cases = [
        ([p, ""], None, ["--help", "--version", "check-line", "cheque", "fonts", "line", "measure", "page", "place",
                         "profiles", "scan", "settings"]),
        ([p, "pl"], None, ["place"]),
        ([p, "check"], None, ["check-line"]),
        ([p, "measure", "--"], None, ["--bold", "--dpi", "--help", "--json", "--ruler", "--scan"]),
        ([p, "place", "bar=7", "--cheque"], None, ["--cheque", "--cheque-height"]),
        ([p, "page", "--paper", ""], None, ["a4", "letter"]),
        ([p, "page", "--paper", "=", "A"], None, []),
        ([p, "place", "x", "--cheque", "m"], None, ["middle"]),
        ([p, "page", "--line", ""], None, ["1", "2", "3", "4", "5"]),
        ([p, "page", "--page", "=", "p"], None, ["placement"]),
        ([p, "page", "-o", os.path.join(scratch, "out", "page.p")], None,
         [os.path.join(scratch, "out", n) for n in ("page.pdf", "page.png")]),
        ([p, "page", "--output", os.path.join(scratch, "out", "page.pd")], None,
         [os.path.join(scratch, "out", "page.pdf")]),
        ([p, "measure", ""], None, []),
        ([p, "fonts", "--j"], None, []),
    ]
    for typed, _, expected in cases:
        offered = complete(typed, real)
        check(offered == expected, f"completes {' '.join(typed)!r}: {offered}")
    # A command added later, with a printer and a file, from its --help.
    stand_in_dir = os.path.join(scratch, "later")
    os.makedirs(stand_in_dir)
    stand_in = os.path.join(stand_in_dir, p)
    with open(stand_in, "w") as file:
        file.write(STAND_IN)
    os.chmod(stand_in, stat.S_IRWXU)
    later = tools + ":" + stand_in_dir
    for typed, expected in [
        ([p, ""], ["--help", "--version", "cheque", "fonts"]),
        ([p, "cheque", "--printer", "Off"], ["Office_Inkjet", "Office_Laser"]),
        ([p, "cheque", "--printer", ""], ["Labels", "Office_Inkjet", "Office_Laser"]),
        ([p, "cheque", os.path.join(scratch, "out", "page.pn")], [os.path.join(scratch, "out", "page.png")]),
    ]:
        offered = complete(typed, later)
        check(offered == expected, f"a later command: completes {' '.join(typed)!r}: {offered}")


def main():
    manual_pages()
    french_manual_pages()
    completion()
    if failures:
        print(f"{len(failures)} failed")
        return 1
    return 0


if __name__ == "__main__":
    sys.exit(main())
