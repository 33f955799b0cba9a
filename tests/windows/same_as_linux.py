#!/usr/bin/env python3
"""The Windows programs under Wine against the Linux build.

3DO-Kiln.exe gives every converter input of the repository (fuzz/seeds) and of
the shared corpus the same exit status, messages and 3DO bytes as the Linux
3DO-Kiln; meshsmith-batch.exe build, ase2obj.exe and 3do-inspect.exe write and
say the same as theirs. The Windows programs are given Z:\\ paths with
backslashes into a folder named outside ASCII, and a terminal as standard
input while their output is a pipe: a program that waited for a key there
would hang, and counts as failed. At a console on both ends the converter's
untextured-face stop does wait for a key.

usage: same_as_linux.py SOURCE_DIR LINUX_BIN WINDOWS_BIN WINE
(Wine's prefix and settings come from the environment.)
"""

import os
import pty
import re
import select
import shutil
import subprocess
import sys
import tempfile
import time
from pathlib import Path

failures = []


def check(ok, what):
    if not ok:
        failures.append(what)
        print("FAILED:", what)


def windows_path(path):
    return "Z:" + str(path).replace("/", "\\")


def run(command, cwd):
    """(exit status, output without CR and folders), or None when it did not end."""
    master, slave = pty.openpty()
    try:
        done = subprocess.run(command, cwd=cwd, stdin=slave, capture_output=True, timeout=120)
    except subprocess.TimeoutExpired:
        return None
    finally:
        os.close(master)
        os.close(slave)
    output = re.sub(rb'Z:\\(?:[^\\\s"]+\\)*', b"", done.stdout + done.stderr)
    output = output.replace(os.fsencode(cwd) + b"/", b"")
    return done.returncode, output.replace(b"\r", b"")


def same_file(a, b):
    return a.exists() == b.exists() and (not a.exists() or a.read_bytes() == b.read_bytes())


def compare(what, linux, windows, outputs=()):
    for system, result in (("Linux", linux), ("Windows", windows)):
        check(result is not None, f"{what}: the {system} program did not end (waiting for a key?)")
    if linux is None or windows is None:
        return
    check(linux[0] == windows[0], f"{what}: exit status {linux[0]} on Linux, {windows[0]} on Windows")
    check(linux[1] == windows[1], f"{what}: messages differ\n{linux[1]!r}\n{windows[1]!r}")
    for linux_file, windows_file in outputs:
        check(same_file(linux_file, windows_file), f"{what}: {windows_file.name} differs")


def converter_inputs(source, work, bins):
    corpus = source / ".." / "shared" / "corpus"
    groups = sorted((source / "fuzz" / "seeds").glob("kiln_*"))
    groups += [corpus / "ase", corpus / "obj"] if corpus.is_dir() else []
    print(f"{len(groups)} folders of converter inputs" + ("" if corpus.is_dir() else ", no corpus"))
    for group in groups:
        folders = [work / side / group.name for side in ("linux", "café")]
        for folder in folders:
            shutil.copytree(group, folder)
            (folder / "square.lux").write_text("POLYGON 0 820\nVERTEX 0 10 20 30 40\n")
        for name in sorted(p.name for p in group.iterdir() if p.suffix.lower() in (".ase", ".obj")):
            linux = run([bins[0] / "3DO-Kiln", folders[0] / name], folders[0])
            windows = run(bins[2] + [bins[1] / "3DO-Kiln.exe", windows_path(folders[1] / name)], folders[1])
            threedo = Path(name).stem + ".3do"
            compare(f"3DO-Kiln {group.name}/{name}", linux, windows, [(folders[0] / threedo, folders[1] / threedo)])


def example_tools(source, work, bins):
    folders = [work / side / "stand" for side in ("linux", "café")]
    for folder in folders:
        shutil.copytree(source / "examples" / "stand", folder)
    steps = [
        (["meshsmith-batch", "build"], "stand.3dp", ["stand.ase", "stand.3do"]),
        (["ase2obj"], "stand.ase", ["stand.obj", "stand.mtl"]),
        (["3do-inspect", "--check"], "stand.3do", []),
        (["3do-inspect", "--verbose"], "stand.3do", []),
    ]
    for (program, *options), name, written in steps:
        linux = run([bins[0] / program] + options + [folders[0] / name], folders[0])
        windows = run(bins[2] + [bins[1] / (program + ".exe")] + options + [windows_path(folders[1] / name)],
                      folders[1])
        compare(" ".join([program] + options + [name]), linux, windows,
                [(folders[0] / f, folders[1] / f) for f in written])


def pause_at_a_console(source, work, bins):
    """The untextured-face stop at a console: it prompts, and a key ends it."""
    shutil.copy(source / "fuzz" / "seeds" / "kiln_obj" / "untextured.obj", work)
    pid, terminal = pty.fork()
    if pid == 0:
        command = bins[2] + [str(bins[1] / "3DO-Kiln.exe"), "untextured.obj"]
        os.chdir(work)
        os.execvp(command[0], command)
    seen, prompted, deadline = b"", False, time.time() + 60
    while not prompted and time.time() < deadline:
        if select.select([terminal], [], [], 0.5)[0]:
            seen += os.read(terminal, 4096)
        # Wine's console draws blanks as cursor moves.
        prompted = b"Pressanykey" in re.sub(rb"\x1b\[[0-9;?]*[A-Za-z]| ", b"", seen)
    check(prompted, "3DO-Kiln.exe at a console: no prompt to press a key")
    os.write(terminal, b"k")  # one key, without Enter
    status, deadline = None, time.time() + 30
    while status is None and time.time() < deadline:
        done, code = os.waitpid(pid, os.WNOHANG)
        if done:
            status = os.waitstatus_to_exitcode(code)
        else:
            time.sleep(0.2)
    if status is None:
        os.kill(pid, 9)
        os.waitpid(pid, 0)
    check(status == 666 % 256, f"3DO-Kiln.exe at a console: one key ends it with 666 (got {status})")
    os.close(terminal)


def main():
    source, linux_bin, windows_bin = (Path(a).resolve() for a in sys.argv[1:4])
    bins = (linux_bin, windows_bin, [sys.argv[4]])
    work = Path(tempfile.mkdtemp(prefix="meshsmith-wine-"))
    try:
        converter_inputs(source, work, bins)
        example_tools(source, work, bins)
        pause_at_a_console(source, work, bins)
    finally:
        shutil.rmtree(work)
    print(f"{len(failures)} failed" if failures else "the Windows programs write and say what the Linux ones do")
    return 1 if failures else 0


if __name__ == "__main__":
    sys.exit(main())
