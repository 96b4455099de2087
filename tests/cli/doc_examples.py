#!/usr/bin/env python3
"""Runs the command examples that README.md, the varnello-cli manual page and varnello-cli --help
show, and checks that each ends with exit status 0 and prints what the text shows under it.

An example is a line whose text begins with "$ " (a shell prompt); a line ending in a backslash,
or within an open single quote, continues it. The lines below it, as far indented, up to a blank
line or the next example, are its output as shown: "..." within a line stands for any text, and
a line of "..." alone for any number of lines; the output may go on beyond the lines shown only
when the last of them is "...". A command whose output is not shown is only run. The commands
run in an empty folder in which build/varnello-cli is the program under test, and varnello-cli
is found on the PATH.

usage: doc_examples.py VARNELLO_CLI SOURCE_DIR
"""

import os
import re
import subprocess
import sys
import tempfile

# Each document must show at least this many examples, so that one whose marks were lost fails.
LEAST = {"README.md": 10, "varnello-cli.1": 3, "varnello-cli --help": 2}


def roff_text(source):
    """The lines of the manual page's no-fill blocks (.nf to .fi), roff escapes undone."""
    lines, inside = [], False
    for line in source.splitlines():
        if line.startswith(".nf"):
            inside = True
        elif line.startswith(".fi"):
            inside = False
            lines.append("")
        elif inside:
            lines.append(line.replace("\\-", "-").replace("\\(dq", '"').replace("\\(aq", "'").replace("\\e", "\\"))
    return lines


def examples(lines):
    """(line number, command, shown output lines) of each example in the text."""
    found = []
    i = 0
    while i < len(lines):
        stripped = lines[i].lstrip()
        if not stripped.startswith("$ "):
            i += 1
            continue
        start = i
        indent = len(lines[i]) - len(stripped)
        command = stripped[2:]
        while command.endswith("\\") or command.count("'") % 2 == 1:
            i += 1
            command = command[:-1] if command.endswith("\\") else command + "\n"
            command += lines[i].strip()
        i += 1
        shown = []
        while i < len(lines):
            line = lines[i]
            text = line.lstrip()
            if not text or text.startswith("$ ") or len(line) - len(text) < indent:
                break
            shown.append(line[indent:].rstrip())
            i += 1
        found.append((start + 1, command, shown))
    return found


def matches(shown, printed):
    """Whether the printed lines are what the shown lines show, "..." standing for any text."""
    pattern = ""
    for line in shown:
        if line == "...":
            pattern += r"(?:.*\n)*?"
        else:
            pattern += ".*".join(re.escape(part) for part in line.split("...")) + r"\n"
    if shown and shown[-1] == "...":
        pattern += r"(?:.*\n)*"
    text = "".join(line.rstrip() + "\n" for line in printed.splitlines())
    return re.fullmatch(pattern, text) is not None


def main():
    cli, source_dir = os.path.abspath(sys.argv[1]), sys.argv[2]
    help_text = subprocess.run([cli, "--help"], capture_output=True, text=True, check=True).stdout
    with open(os.path.join(source_dir, "README.md"), encoding="utf-8") as f:
        readme = f.read().splitlines()
    with open(os.path.join(source_dir, "packaging", "varnello-cli.1.in"), encoding="utf-8") as f:
        manual = roff_text(f.read())
    documents = {"README.md": readme, "varnello-cli.1": manual, "varnello-cli --help": help_text.splitlines()}

    failures = 0
    with tempfile.TemporaryDirectory() as work:
        os.mkdir(os.path.join(work, "build"))
        os.symlink(cli, os.path.join(work, "build", "varnello-cli"))
        env = dict(os.environ, PATH=os.path.join(work, "build") + os.pathsep + os.environ.get("PATH", ""))
        for name, lines in documents.items():
            found = examples(lines)
            if len(found) < LEAST[name]:
                print(f"{name}: {len(found)} examples found, at least {LEAST[name]} expected")
                failures += 1
            for number, command, shown in found:
                if "varnello-cli" not in command:
                    print(f"{name}:{number}: not a varnello-cli example: {command}")
                    failures += 1
                    continue
                run = subprocess.run(["bash", "-o", "pipefail", "-c", command], cwd=work, env=env,
                                     stdin=subprocess.DEVNULL, capture_output=True, text=True, timeout=60)
                wrong = []
                if run.returncode != 0:
                    wrong.append(f"exit status {run.returncode}: {run.stderr.strip()}")
                if shown and not matches(shown, run.stdout):
                    wrong.append("shown:\n    " + "\n    ".join(shown) + "\nprinted:\n    " +
                                 "\n    ".join(run.stdout.splitlines()))
                if wrong:
                    failures += 1
                    print(f"{name}:{number}: $ {command}\n" + "\n".join(wrong))
            print(f"{name}: {len(found)} examples run")
    return 1 if failures else 0


if __name__ == "__main__":
    sys.exit(main())
