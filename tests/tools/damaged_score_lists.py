#!/usr/bin/env python3
"""The --check proof must fail on damaged lists: each damage below is one a careless edit
or a wrong build could cause."""

import os
import shutil
import subprocess
import sys
import tempfile

ROOT = os.path.dirname(os.path.dirname(os.path.dirname(os.path.abspath(__file__))))
TOOL = os.path.join(ROOT, "tools", "make_score_lists.py")
DATA = os.path.join(ROOT, "src", "data")


def lines(name):
    with open(os.path.join(DATA, name), encoding="utf-8") as f:
        return f.read().split("\n")[:-1]


def swap_scores(recs, a, b):
    recs[a], recs[b] = recs[a][:-6] + recs[b][-6:], recs[b][:-6] + recs[a][-6:]


DAMAGES = {
    "a row missing": ("cpu_list.txt", lambda r: r.__delitem__(5)),
    "scores rising": ("cpu_list.txt", lambda r: swap_scores(r, 99, 100) if r[99][-6:] != r[100][-6:] else None),
    "pinned row changed": ("cpu_list.txt", lambda r: r.__setitem__(913, r[913].replace("5240", "5241"))),
    "record one column short": ("gpu_list.txt", lambda r: r.__setitem__(0, r[0][:-2] + "|")),
    "extra match for I3-4340": ("cpu_list.txt",
                                lambda r: r.__setitem__(2000, r[2000][:7] + "Intel Core i3-4340T".ljust(40) + r[2000][47:])),
}

failures = []
for what, (name, damage) in DAMAGES.items():
    with tempfile.TemporaryDirectory() as out:
        for n in ("cpu_list.txt", "gpu_list.txt"):
            shutil.copy(os.path.join(DATA, n), out)
        recs = lines(name)
        damage(recs)
        with open(os.path.join(out, name), "w", encoding="utf-8", newline="\n") as f:
            f.write("".join(x + "\n" for x in recs))
        r = subprocess.run([sys.executable, TOOL, "--check", "--out", out], capture_output=True, text=True)
        if r.returncode == 0:
            failures.append(what)
if failures:
    print("--check accepted damaged lists:", ", ".join(failures))
    sys.exit(1)
print(f"--check refused all {len(DAMAGES)} damaged lists")
