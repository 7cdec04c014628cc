#!/usr/bin/env python3
"""Rebuilds the score lists from the sources into a scratch folder and compares them byte
for byte with the committed ones. Skipped (exit 77) where the sources are not at hand."""

import filecmp
import os
import subprocess
import sys
import tempfile

ROOT = os.path.dirname(os.path.dirname(os.path.dirname(os.path.abspath(__file__))))
TOOL = os.path.join(ROOT, "tools", "make_score_lists.py")
SOURCES = os.path.normpath(os.path.join(ROOT, "..", "shared", "score-sources"))

if not os.path.isdir(SOURCES):
    print(f"skipped: no score sources at {SOURCES}")
    sys.exit(77)

with tempfile.TemporaryDirectory() as out:
    subprocess.run([sys.executable, TOOL, "--sources", SOURCES, "--out", out], check=True,
                   stdout=subprocess.DEVNULL)
    for name in ("cpu_list.txt", "gpu_list.txt"):
        if not filecmp.cmp(os.path.join(out, name), os.path.join(ROOT, "src", "data", name), shallow=False):
            print(f"{name}: the rebuilt list differs from the committed one")
            sys.exit(1)
print("both lists rebuilt byte for byte")
