#!/usr/bin/env python3
"""Writes a program's manual page from its own --help, so that the two
cannot drift apart:

    manpage.py PROGRAM WHATIS SEE_ALSO OUTPUT.1 [LANGUAGE]

The help is read as the programs of this project write it: "Usage: ..."
first, then the description, then sections each opened by a "Heading:" line
with "  TERM  TEXT" rows (a row's text may go on, indented, on the next
lines). A "Commands:" section has a subsection for every command, from
PROGRAM COMMAND --help, so a command added later is in the page without a
change here. Writes OUTPUT.1 and OUTPUT.1.gz (gzip without a timestamp).
With LANGUAGE (fr_CA), the page is written from the help in that language,
its headings and the page's own titles in it too.
"""
import datetime
import gzip
import os
import re
import subprocess
import sys


# The page's own words in each language, and the help's headings the page
# treats apart, by the name the program's own US English gives them.
TITLES = {
    "": {"NAME": "NAME", "SYNOPSIS": "SYNOPSIS", "DESCRIPTION": "DESCRIPTION", "SEE ALSO": "SEE ALSO",
         "manual": "User Commands", "Commands": "Commands", "Examples": "Examples"},
    "fr_CA": {"NAME": "NOM", "SYNOPSIS": "SYNOPSIS", "DESCRIPTION": "DESCRIPTION", "SEE ALSO": "VOIR AUSSI",
              "manual": "Commandes de l'utilisateur", "Commands": "Commandes", "Examples": "Exemples"},
}
LANGUAGE = ""


def run_help(program, *arguments):
    locale = LANGUAGE + ".UTF-8" if LANGUAGE else "C"
    environment = {key: value for key, value in os.environ.items() if key not in ("LANGUAGE", "LC_MESSAGES")}
    result = subprocess.run([program, *arguments, "--help"], capture_output=True, text=True,
                            env=dict(environment, QT_QPA_PLATFORM="offscreen", LC_ALL=locale, LANG=locale))
    if result.returncode != 0:
        sys.exit(f"manpage.py: {program} {' '.join(arguments)} --help failed: {result.stderr}")
    return result.stdout


def parse(text):
    """(usage, description lines, [(heading, rows, paragraphs)])"""
    lines = text.rstrip("\n").split("\n")
    # "Usage: ", "Utilisation : "
    usage = re.sub(r"^[^:]*:\s*", "", lines[0])
    description, sections, index = [], [], 1
    while index < len(lines) and lines[index].strip():
        description.append(lines[index])
        index += 1
    for line in lines[index:]:
        if not line.strip():
            continue
        if not line.startswith(" ") and line.endswith(":"):
            sections.append((line[:-1].rstrip(), [], []))
        elif not line.startswith(" "):
            # A paragraph of its own after a section: the description's.
            description.append("")
            description.append(line)
        elif re.match(r"^  \S", line):
            if sections[-1][0] == TITLES[LANGUAGE]["Examples"]:
                sections[-1][1].append([line.strip(), ""])
                continue
            match = re.match(r"(\S.*?)\s{2,}(\S.*)$", line.strip())
            sections[-1][1].append([match.group(1), match.group(2)] if match else [line.strip(), ""])
        else:
            row = sections[-1][1][-1]
            if sections[-1][0] == TITLES[LANGUAGE]["Examples"]:
                row[1] = line.strip()
            else:
                row[1] = (row[1] + " " + line.strip()).strip()
    return usage, description, sections


def escape(text):
    text = text.replace("\\", "\\e").replace("-", "\\-")
    # Long KEY=VALUE lists may break after their commas.
    text = re.sub(r"\S{30,}", lambda word: word.group(0).replace(",", ",\\:"), text)
    return "\\&" + text if text.startswith((".", "'")) else text


def term(text):
    """-o, --output <FILE>  ->  bold options, italic values"""
    words = []
    for word in re.split(r"(\s+|,\s*)", text):
        if not word.strip() or word.strip() == ",":
            words.append(word)
        elif word.startswith("<") and word.endswith(">"):
            words.append(f"\\fI{escape(word[1:-1])}\\fR")
        elif word.startswith("-"):
            words.append(f"\\fB{escape(word)}\\fR")
        elif re.fullmatch(r"[A-Z][A-Z_]*", word):
            words.append(f"\\fI{escape(word)}\\fR")
        else:
            words.append(escape(word))
    return "".join(words)


def paragraphs(lines):
    out, current = [], []
    for line in lines + [""]:
        if line.strip():
            current.append(line.strip())
        elif current:
            out += [".PP", escape(" ".join(current))]
            current = []
    return out


def rows(entries):
    out = []
    for name, text in entries:
        if name:
            out += [".TP", term(name), escape(text)]
        else:
            out.append(escape(text))
    return out


def synopsis(usage):
    words = usage.split()
    return [".PP", f"\\fB{escape(words[0])}\\fR " + term(" ".join(words[1:]))]


def command_section(program, name):
    usage, description, sections = parse(run_help(program, name))
    out = [f'.SS "{escape(" ".join(usage.split()[1:]))}"'] + paragraphs(description)
    for heading, entries, _ in sections:
        # Every command's --help is said once, under OPTIONS.
        out += rows([entry for entry in entries if not entry[0].startswith("-h, --help")])
    return usage, out


def sh(title):
    return f'.SH "{title}"' if " " in title else f".SH {title}"


def main():
    global LANGUAGE
    program, whatis, see_also, output = sys.argv[1:5]
    LANGUAGE = sys.argv[5] if len(sys.argv) > 5 else ""
    titles = TITLES[LANGUAGE]
    name = os.path.basename(program)
    usage, description, sections = parse(run_help(program))
    version = subprocess.run([program, "--version"], capture_output=True, text=True).stdout.split()[-1]
    epoch = os.environ.get("SOURCE_DATE_EPOCH")
    when = datetime.datetime.fromtimestamp(int(epoch), datetime.timezone.utc) if epoch \
        else datetime.datetime.now(datetime.timezone.utc)
    # A page in another language says its encoding, for man to hand it on.
    page = ["'\\\" -*- coding: UTF-8 -*-"] if LANGUAGE else []
    page += [f'.TH "{name.upper()}" "1" "{when:%Y-%m-%d}" "micr-calibration {version}" "{titles["manual"]}"',
             sh(titles["NAME"]), f"{escape(name)} \\- {escape(whatis)}",
             # Ragged right: option lists and file names make justified lines gape.
             ".ad l", sh(titles["SYNOPSIS"])] + synopsis(usage)
    commands = []
    for heading, entries, _ in sections:
        if heading == titles["Commands"]:
            for entry in entries:
                command_usage, section = command_section(program, entry[0].split()[0])
                page += synopsis(command_usage)
                commands += section
    page += [sh(titles["DESCRIPTION"])] + paragraphs(description)
    for heading, entries, _ in sections:
        title = heading.split(",")[0].upper()
        page.append(f'.SH "{title}"')
        if heading == titles["Commands"]:
            page += commands
        elif heading == titles["Examples"]:
            for text, command in entries:
                page += [".PP", escape(text), ".RS 4", ".nf", f"\\fB{escape(command)}\\fR", ".fi", ".RE"]
        else:
            if "," in heading:
                page += [".PP", escape(heading + ":")]
            page += rows(entries)
    page += [sh(titles["SEE ALSO"]), ",\n".join(f".BR {escape(other)} (1)" for other in see_also.split(","))]
    text = "\n".join(page) + "\n"
    with open(output, "w", encoding="utf-8") as file:
        file.write(text)
    with open(output + ".gz", "wb") as raw, gzip.GzipFile(filename="", mode="wb", fileobj=raw, mtime=0,
                                                         compresslevel=9) as packed:
        packed.write(text.encode("utf-8"))


if __name__ == "__main__":
    main()
