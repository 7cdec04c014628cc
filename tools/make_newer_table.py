#!/usr/bin/env python3
"""Builds src/data/newer_cpu_list.tsv, the processors newer than the score lists, from
Blender Open Data (CC0): CPU render scores of Blender 4.5.0 on its own scale.

    make_newer_table.py [--sources DIR] [--out DIR]       from the committed transcription
    make_newer_table.py --snapshot FILE [--out DIR]       from the publisher's own snapshot
                                                          (its zip, or the .jsonl inside)
    make_newer_table.py --check [--out DIR]               prove the committed table alone

Each line of the table: code, description, score, submissions, separated by tabs, ranked by
score. Standard library only.

Method
- A snapshot submission counts when it ran the three 4.5.0 scenes (monster, junkshop,
  classroom) on one device of one socket, the same device and backend each time; its score is
  the sum of the three scenes' samples per minute. A device's score is the median of its
  submissions, kept where there are at least three (so the transcription was made).
- Only the CPU backend: the GPU scores rank cards by rendering, not by games.
- Names are written the way the score lists write them: no (R)/(TM), no "12th Gen", no
  "CPU", no core count or "Processor", no "with/w/ Radeon ... Graphics", "@" glued to the
  clock ("Intel Core i7-4790K@4.00GHz"). Rows that name no processor (engineering samples,
  "Genuine Intel 0000", "Apple Silicon", a family without a model) are left out.
- Rows that then name one processor are merged: the score is the mean of their scores
  weighted by their submissions, the submissions are summed, and the spelling of the row with
  the most submissions is kept.
"""

import argparse
import io
import json
import math
import os
import re
import statistics
import sys
import zipfile

HERE = os.path.dirname(os.path.abspath(__file__))
ROOT = os.path.dirname(HERE)
DEFAULT_SOURCES = os.path.normpath(os.path.join(ROOT, "..", "shared", "score-sources"))
DEFAULT_OUT = os.path.join(ROOT, "src", "data")
SOURCE = os.path.join("newer-blender", "blender45_2026-10-03.tsv")
TABLE = "newer_cpu_list.tsv"

VERSION = "4.5.0"
SCENES = {"monster", "junkshop", "classroom"}
MIN_SUBMISSIONS = 3
DESC_COLUMNS = 40
REFERENCE = "Intel Core i7-4790K@4.00GHz"  # in both tables: the 100 % mark
# What the table must let the readings find: description -> present
EXPECTED = [
    "Intel Core i5-12400F", "AMD Ryzen 5 5600", "Intel Core Ultra 7 155H", "Apple M2",
    "AMD Ryzen 7 7840HS", "Intel Core i9-14900K", REFERENCE,
]


class Fail(Exception):
    pass


def width(text):
    """Display columns in code page 936: ASCII 1, a double-byte character 2."""
    return len(text.encode("gbk"))


# ---- reading the sources

def read_transcription(path):
    rows = []
    with open(path, encoding="utf-8") as f:
        for n, line in enumerate(f, 1):
            line = line.rstrip("\n")
            if not line:
                continue
            parts = line.split("\t")
            if len(parts) != 4:
                raise Fail(f"{path}:{n}: not four fields")
            name, backend, score, samples = parts
            if backend == "CPU":
                rows.append((name, float(score), int(samples)))
    return rows


def submission(row):
    """(name, backend, score) of one snapshot row, or None where it does not count."""
    data = row.get("data")
    if not isinstance(data, list) or len(data) != 3:
        return None
    if {(d.get("scene") or {}).get("label") for d in data if isinstance(d, dict)} != SCENES:
        return None
    keys, total = set(), 0.0
    for d in data:
        if (d.get("blender_version") or {}).get("version") != VERSION:
            return None
        info = d.get("device_info") or {}
        devices = info.get("compute_devices") or []
        if len(devices) != 1 or (d.get("system_info") or {}).get("num_cpu_sockets", 1) != 1:
            return None
        name = (devices[0] or {}).get("name", "") if isinstance(devices[0], dict) else ""
        score = (d.get("stats") or {}).get("samples_per_minute")
        if not name or not isinstance(score, (int, float)) or not math.isfinite(score) or score <= 0:
            return None
        keys.add((name, info.get("device_type")))
        total += score
    if len(keys) != 1:
        return None
    name, backend = keys.pop()
    return name, backend, total


def read_snapshot(path):
    """The publisher's snapshot: a zip holding README.txt and one .jsonl, or that .jsonl."""
    if zipfile.is_zipfile(path):
        with zipfile.ZipFile(path) as z:
            readme = next((n for n in z.namelist() if n.endswith("README.txt")), None)
            if readme is None or "Creative Commons 0" not in z.read(readme).decode("utf-8", "replace"):
                raise Fail("the snapshot's README.txt does not say Creative Commons 0")
            jsonl = [n for n in z.namelist() if n.endswith(".jsonl")]
            if len(jsonl) != 1:
                raise Fail("the snapshot must hold exactly one .jsonl")
            lines = io.TextIOWrapper(z.open(jsonl[0]), encoding="utf-8").readlines()
    else:
        with open(path, encoding="utf-8") as f:
            lines = f.readlines()
    buckets, seen = {}, set()
    for n, line in enumerate(lines, 1):
        if not line.strip():
            continue
        try:
            row = json.loads(line)
        except json.JSONDecodeError as e:
            raise Fail(f"snapshot line {n}: {e}")
        result = submission(row) if isinstance(row, dict) else None
        if not result or not row.get("id") or row["id"] in seen:
            continue
        seen.add(row["id"])
        name, backend, score = result
        if backend == "CPU":
            buckets.setdefault(name, []).append(score)
    return [(name, round(statistics.median(s), 3), len(s)) for name, s in sorted(buckets.items())
            if len(s) >= MIN_SUBMISSIONS]


# ---- names as the lists write them

def listed_name(name):
    """The description the lists would give, or None for a row that names no processor."""
    n = re.sub(r"\((R|TM|tm)\)|®|™", "", name)
    n = re.sub(r"^\d+(st|nd|rd|th) Gen ", "", n)
    n = re.sub(r"\s+(w/|with)\s+Radeon.*$", "", n, flags=re.I)
    n = re.sub(r"\s+RADEON R\d+, \d+ COMPUTE CORES.*$", "", n, flags=re.I)
    n = re.sub(r"\s+\d+-Cores?( Processor)?$", "", n)
    n = re.sub(r"\s+(Single|Dual|Triple|Quad|Six|Eight|Twelve|Sixteen)[- ]Core( Processor)?$", "", n, flags=re.I)
    n = re.sub(r"\s+Processor$", "", n)
    n = re.sub(r"\s+CPU\b", "", n)
    n = re.sub(r"\s*@\s*", "@", n)
    n = re.sub(r"(\d) GHz\b", r"\1GHz", n)
    # "Snapdragon(R) X Elite - X1E78100 - Qualcomm(R) Oryon(TM) CPU", "Snapdragon(R) X 12-core X1E80100"
    snapdragon = re.match(r"^Snapdragon (X(?: Elite| Plus)?)\b.*?\b(X1?[EP]?\d{5,})\b", n)
    if snapdragon:
        n = f"Qualcomm Snapdragon {snapdragon.group(1)} {snapdragon.group(2)}"
    n = re.sub(r"\s+", " ", n).strip()
    n = re.sub(r"^(Intel Core|AMD Ryzen|AMD Athlon) (\w+)", lambda m: m.group(0), n)
    n = re.sub(r"\bRYZEN AI MAX\+", "Ryzen AI Max+", n)
    if re.search(r"Eng Sample|Genuine Intel|^Apple Silicon$|^Intel Xeon Platinum$", n):
        return None
    if not re.search(r"\d", n):
        return None
    return n


def build(rows, log):
    merged = {}
    for name, score, samples in rows:
        desc = listed_name(name)
        if desc is None:
            log.append(f"  left out {name!r}: names no processor")
            continue
        # one processor under two names: the same model code of a Snapdragon
        code = re.search(r"Snapdragon .*\b(X1?[EP]?\d{5,})$", desc)
        merged.setdefault(code.group(1) if code else desc.upper(), []).append((desc, score, samples, name))
    table = []
    for parts in merged.values():
        total = sum(p[2] for p in parts)
        score = sum(p[1] * p[2] for p in parts) / total
        desc = max(parts, key=lambda p: (p[2], p[0]))[0]
        if len(parts) > 1:
            log.append(f"  merged {', '.join(repr(p[3]) for p in parts)} -> {desc!r}")
        table.append((desc, round(score, 3), total))
    table.sort(key=lambda r: (-r[1], r[0]))
    return [(f"N{k}", d, s, n) for k, (d, s, n) in enumerate(table, 1)]


# ---- the proof

def prove(table):
    def need(cond, what):
        if not cond:
            raise Fail(what)

    need(100 <= len(table) <= 999, f"{len(table)} rows; the codes N1.. must fit four characters")
    descs = set()
    last = math.inf
    for k, (code, desc, score, samples) in enumerate(table, 1):
        need(code == f"N{k}", f"row {k}: code {code!r}")
        need(desc and desc == desc.strip() and "\t" not in desc, f"{code}: description {desc!r}")
        need(desc.isascii(), f"{code}: {desc!r} is not ASCII")
        need(width(desc) <= DESC_COLUMNS, f"{code}: {desc!r} wider than {DESC_COLUMNS} columns")
        need(desc.upper() not in descs, f"{code}: {desc!r} twice")
        descs.add(desc.upper())
        need(0 < score <= last, f"{code}: score {score} out of order")
        need(round(score) <= 99999, f"{code}: score {score} wider than the score column")
        need(samples >= MIN_SUBMISSIONS, f"{code}: {samples} submissions")
        need(not re.search(r"\((R|TM)\)|\bCPU\b|Gen Intel|Processor|Radeon", desc), f"{code}: {desc!r} not in the lists' style")
        last = score
    for desc in EXPECTED:
        need(desc.upper() in descs, f"{desc!r} missing")
    reference = next(s for c, d, s, n in table if d == REFERENCE)
    need(reference > 0, "reference score")


def write(path, table):
    with open(path, "w", encoding="utf-8", newline="\n") as f:
        for code, desc, score, samples in table:
            f.write(f"{code}\t{desc}\t{score:.3f}\t{samples}\n")


def read(path):
    table = []
    with open(path, encoding="utf-8") as f:
        for n, line in enumerate(f, 1):
            parts = line.rstrip("\n").split("\t")
            if len(parts) != 4:
                raise Fail(f"{path}:{n}: not four fields")
            try:
                table.append((parts[0], parts[1], float(parts[2]), int(parts[3])))
            except ValueError:
                raise Fail(f"{path}:{n}: score or submissions not a number")
    return table


def main():
    ap = argparse.ArgumentParser(description=__doc__.split("\n")[0])
    ap.add_argument("--sources", default=DEFAULT_SOURCES)
    ap.add_argument("--snapshot")
    ap.add_argument("--out", default=DEFAULT_OUT)
    ap.add_argument("--check", action="store_true")
    args = ap.parse_args()
    path = os.path.join(args.out, TABLE)
    try:
        if args.check:
            table = read(path)
            prove(table)
            print(f"{path}: {len(table)} rows proven")
            return 0
        log = []
        rows = read_snapshot(args.snapshot) if args.snapshot else read_transcription(os.path.join(args.sources, SOURCE))
        table = build(rows, log)
        prove(table)
        write(path, table)
        print("\n".join(log))
        few = sum(1 for r in table if r[3] < 10)
        print(f"{path}: {len(table)} processors from {len(rows)} CPU rows, {few} on fewer than 10 submissions")
        return 0
    except Fail as e:
        print(f"make_newer_table: {e}", file=sys.stderr)
        return 1


if __name__ == "__main__":
    sys.exit(main())
