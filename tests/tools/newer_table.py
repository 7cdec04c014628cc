#!/usr/bin/env python3
"""The newer processors' table: the snapshot reader on a small snapshot in the publisher's
format, written here; and the --check proof, which must pass the committed table and refuse
damaged ones."""

import importlib.util
import json
import os
import shutil
import subprocess
import sys
import tempfile
import zipfile

ROOT = os.path.dirname(os.path.dirname(os.path.dirname(os.path.abspath(__file__))))
TOOL = os.path.join(ROOT, "tools", "make_newer_table.py")
DATA = os.path.join(ROOT, "src", "data")
found = importlib.util.spec_from_file_location("make_newer_table", TOOL)
tool = importlib.util.module_from_spec(found)
found.loader.exec_module(tool)

failures = []


def expect(cond, what):
    if not cond:
        failures.append(what)


def run(name, scores, version="4.5.0", devices=1, sockets=1, backend="CPU", id_=None):
    """One submission: the three scenes, each with its samples per minute."""
    def scene(label, spm):
        return {"scene": {"label": label}, "blender_version": {"version": version},
                "device_info": {"device_type": backend, "compute_devices": [{"name": name}] * devices},
                "system_info": {"num_cpu_sockets": sockets}, "stats": {"samples_per_minute": spm}}
    run.n += 1
    return {"id": id_ or f"run{run.n}", "data": [scene(l, s) for l, s in zip(("monster", "junkshop", "classroom"), scores)]}


run.n = 0

rows = [
    # the median of three sums: 60, 66, 90 -> 66
    run("AMD Ryzen 5 5600 6-Core Processor", (10, 20, 30)), run("AMD Ryzen 5 5600 6-Core Processor", (11, 22, 33)),
    run("AMD Ryzen 5 5600 6-Core Processor", (30, 30, 30)),
    # one processor under two names: merged, weighted by submissions
    *[run("12th Gen Intel(R) Core(TM) i5-12400F", (10, 10, 10)) for _ in range(3)],
    *[run("12th Gen Intel Core i5-12400F", (20, 20, 20)) for _ in range(6)],
    # what does not count
    run("Apple M2", (1, 1, 1)), run("Apple M2", (1, 1, 1)),                       # two submissions only
    *[run("Intel Xeon Gold 6248", (9, 9, 9), sockets=2) for _ in range(3)],        # two sockets
    *[run("NVIDIA GeForce RTX 4090", (99, 99, 99), backend="OPTIX") for _ in range(3)],  # a card
    *[run("Intel Core i9-14900K", (5, 5, 5), version="4.4.0") for _ in range(3)],  # another version
    *[run("Intel Core i9-14900K", (5, 5, 5), devices=2) for _ in range(3)],        # two devices
    run("AMD Ryzen 5 5600 6-Core Processor", (900, 900, 900), id_="run1"),         # a repeated id
]
with tempfile.TemporaryDirectory() as tmp:
    snapshot = os.path.join(tmp, "opendata-2026-10-03-000000+0000.zip")
    with zipfile.ZipFile(snapshot, "w") as z:
        z.writestr("README.txt", "The data in this archive is licensed under the *Creative Commons 0* license.\n")
        z.writestr("opendata-2026-10-03-000000+0000.jsonl", "".join(json.dumps(r) + "\n" for r in rows))
    got = {d: (s, n) for c, d, s, n in tool.build(tool.read_snapshot(snapshot), [])}
    expect(got == {"AMD Ryzen 5 5600": (66.0, 3), "Intel Core i5-12400F": (50.0, 9)}, f"snapshot read as {got}")
    unlicensed = os.path.join(tmp, "unlicensed.zip")
    with zipfile.ZipFile(unlicensed, "w") as z:
        z.writestr("README.txt", "All rights reserved.\n")
        z.writestr("x.jsonl", "")
    try:
        tool.read_snapshot(unlicensed)
        failures.append("a snapshot without CC0 was read")
    except tool.Fail:
        pass

# the committed table passes its proof; damaged copies do not
r = subprocess.run([sys.executable, TOOL, "--check"], capture_output=True, text=True)
expect(r.returncode == 0, "--check refused the committed table: " + r.stderr)
with open(os.path.join(DATA, tool.TABLE), encoding="utf-8") as f:
    lines = f.read().split("\n")[:-1]


def swapped_scores(t):
    a, b = t[10].split("\t"), t[11].split("\t")
    a[2], b[2] = b[2], a[2]
    t[10], t[11] = "\t".join(a), "\t".join(b)


DAMAGES = {
    "scores rising": swapped_scores,
    "the reference left out": lambda t: t.__setitem__(next(k for k, x in enumerate(t) if tool.REFERENCE in x),
                                                       "\t".join(["N0", "x1", "1", "3"])),
    "a processor twice": lambda t: t.__setitem__(5, "\t".join([f"N6"] + t[4].split("\t")[1:])),
    "a name not as the lists write it": lambda t: t.__setitem__(0, t[0].replace("AMD", "AMD(R)", 1)),
    "a row missing": lambda t: t.__delitem__(3),
}
for what, damage in DAMAGES.items():
    with tempfile.TemporaryDirectory() as out:
        damaged = list(lines)
        damage(damaged)
        with open(os.path.join(out, tool.TABLE), "w", encoding="utf-8", newline="\n") as f:
            f.write("".join(x + "\n" for x in damaged))
        r = subprocess.run([sys.executable, TOOL, "--check", "--out", out], capture_output=True, text=True)
        expect(r.returncode != 0, f"--check accepted: {what}")

# made again from the transcription, where it is at hand, it is the committed table byte for byte
sources = tool.DEFAULT_SOURCES
if os.path.isfile(os.path.join(sources, tool.SOURCE)):
    with tempfile.TemporaryDirectory() as out:
        subprocess.run([sys.executable, TOOL, "--sources", sources, "--out", out], check=True, stdout=subprocess.DEVNULL)
        with open(os.path.join(out, tool.TABLE), encoding="utf-8") as f:
            expect(f.read().split("\n")[:-1] == lines, "the table made again differs from the committed one")
else:
    print(f"not made again: no transcription at {sources}")

if failures:
    print("\n".join(failures))
    sys.exit(1)
print(f"snapshot reader and proof: all {len(DAMAGES) + 3} checks held")
