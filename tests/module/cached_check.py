#!/usr/bin/python3
"""Runs a compile check (a compiler, or a script that calls one, with its flags and the source)
unless it passed before with the same inputs: the same command line, every file it read (the
compiler's own dependency list, with -MD -MF added) and every file it names unchanged (time and
size), and the same files in each include folder, so that a new header that would hide another
counts as a change. A pass is recorded in STAMP.json; a failure never is.
usage: cached_check.py STAMP COMMAND..."""
import json
import os
import subprocess
import sys


def state(path):
    try:
        info = os.stat(path)
        return [info.st_mtime_ns, info.st_size]
    except OSError:
        return None


def include_folders(command):
    folders = []
    for i, arg in enumerate(command):
        if arg in ("-I", "-isystem") and i + 1 < len(command):
            folders.append(command[i + 1])
        elif arg.startswith("-I") and len(arg) > 2:
            folders.append(arg[2:])
    return folders


def listing(folder):
    try:
        return sorted(os.listdir(folder))
    except OSError:
        return None


def inputs(command, deps):
    files = sorted(set(deps) | {arg for arg in command if os.path.isfile(arg)})
    return {"files": {f: state(f) for f in files}, "folders": {d: listing(d) for d in include_folders(command)}}


def read_deps(depfile):
    with open(depfile) as f:
        text = f.read().replace("\\\n", " ")
    return [os.path.abspath(p) for p in text.split(":", 1)[1].split()]


def main():
    if len(sys.argv) < 3:
        print(__doc__, file=sys.stderr)
        return 2
    stamp, command = sys.argv[1], sys.argv[2:]
    record = stamp + ".json"
    try:
        with open(record) as f:
            before = json.load(f)
        if before["command"] == command and before["inputs"] == inputs(command, before["inputs"]["files"]):
            print(f"passed before with the same inputs: {command[-1]}")
            return 0
    except (OSError, ValueError, KeyError):
        pass
    os.makedirs(os.path.dirname(stamp), exist_ok=True)
    for stale in (record, stamp + ".d"):
        if os.path.exists(stale):
            os.remove(stale)
    status = subprocess.run(command + ["-MD", "-MF", stamp + ".d"]).returncode
    if status == 0:
        with open(record, "w") as f:
            json.dump({"command": command, "inputs": inputs(command, read_deps(stamp + ".d"))}, f)
    return status


if __name__ == "__main__":
    sys.exit(main())
