#!/usr/bin/env python3
"""Builds src/data/cpu_list.txt and src/data/gpu_list.txt from public benchmark scrapes.

    make_score_lists.py [--sources DIR] [--out DIR]   rebuild both lists and prove them
    make_score_lists.py --check [--out DIR]           prove the committed lists alone

The method is described in src/data/README.md. Standard library only.
"""

import argparse
import json
import os
import re
import sys

HERE = os.path.dirname(os.path.abspath(__file__))
ROOT = os.path.dirname(HERE)
DEFAULT_SOURCES = os.path.normpath(os.path.join(ROOT, "..", "shared", "score-sources"))
DEFAULT_OUT = os.path.join(ROOT, "src", "data")

CPU_SOURCE = os.path.join("cpu", "cpus.json")
GPU_SOURCE = os.path.join("gpu", "gkjohnson_webgl-gpu-power-estimation_b206000",
                          "videocard-benchmark-gpus.json")

CPU_COUNT = 3012
GPU_COUNT = 1722
DESC_COLUMNS = 40

# Rows that must stand at a fixed rank: rank -> (description, score or None, source name).
# A score of None keeps the position but takes a fitted score like any other row.
CPU_PINNED = {
    1: ("AMD Ryzen Threadripper 3970X", 47956, "AMD Ryzen Threadripper 3970X"),
    10: ("Intel Core i9-10980X E@3.00GHz", 32521, "Intel Core i9-10980XE @ 3.00GHz"),
    12: ("Intel Xeon Platinum 8168@2.70GHz", 31799, "Intel Xeon Platinum 8168 @ 2.70GHz"),
    182: ("AMD Ryzen 7 1800X", 15394, "AMD Ryzen 7 1800X"),
    230: ("Intel Core i7-9850H@2.60GHz", None, "Intel Core i7-9850H @ 2.60GHz"),
    290: ("Intel Core i7-7700K@4.20GHz", 12039, "Intel Core i7-7700K @ 4.20GHz"),
    312: ("Intel Core i7-9850HL@1.90GHz", None, "Intel Core i7-9850HL @ 1.90GHz"),
    316: ("Intel Core i7-4790K@4.00GHz", 11181, "Intel Core i7-4790K @ 4.00GHz"),
    390: ("AMD Ryzen 5 1500X", 10081, "AMD Ryzen 5 1500X"),
    482: ("Intel Core i3-9100@3.60GHz", 9158, "Intel Core i3-9100 @ 3.60GHz"),
    490: ("Intel Core i5-7600K@3.80GHz", 9130, "Intel Core i5-7600K @ 3.80GHz"),
    590: ("Intel Core i3-8100@3.60GHz", 8073, "Intel Core i3-8100 @ 3.60GHz"),
    654: ("AMD Ryzen 3 1300X", 7462, "AMD Ryzen 3 1300X"),
    724: ("Intel Core i5-6400@2.70GHz", 6765, "Intel Core i5-6400 @ 2.70GHz"),
    744: ("Intel Atom C3958@2.00GHz", 6585, "Intel Atom C3958 @ 2.00GHz"),
    767: ("AMD FX -6300 SiX -Core", 6385, "AMD FX-6300 Six-Core"),
    811: ("Intel Core i3-10110U@2.10GHz", 5930, "Intel Core i3-10110U @ 2.10GHz"),
    822: ("Intel Pentium Gold G5620@4.00GHz", 5848, "Intel Pentium Gold G5620 @ 4.00GHz"),
    827: ("Intel Core i3-7100@3.90GHz", 5781, "Intel Core i3-7100 @ 3.90GHz"),
    870: ("Intel Core i3-6100@3.70GHz", 5490, "Intel Core i3-6100 @ 3.70GHz"),
    914: ("Intel Core i3-4340@3.60GHz", 5240, "Intel Core i3-4340 @ 3.60GHz"),
    1608: ("AMD Embedded G-Series GX-420GI Radeon R7", 2509, "AMD Embedded G-Series GX-420GI Radeon R7E"),
    3012: ("VIA Samuel 2", 79, "VIA Samuel 2"),
}

GPU_PINNED = {
    1: ("TITAN V CEO Edition", 16987, "TITAN V CEO Edition"),
    2: ("GeForce RTX 2080 Ti", 16793, "GeForce RTX 2080 Ti"),
    7: ("Quadro RTX 6000", 14915, "Quadro RTX 6000"),
    10: ("GeForce GTX 1080 Ti", 14259, "GeForce GTX 1080 Ti"),
    17: ("Radeon RX 5700 XT", 13159, "Radeon RX 5700 XT"),
    24: ("GeForce GTX 1080", 12448, "GeForce GTX 1080"),
    25: ("GeForce GTX 1070 Ti", 12331, "GeForce GTX 1070 Ti"),
    27: ("Radeon RX 5700", 12038, "Radeon RX 5700"),
    28: ("Radeon RX 5700 XT 50th Anniversary", 12001, "Radeon RX 5700 XT 50th Anniversary"),
    30: ("Radeon RX Vega 64", 11936, "Radeon RX Vega 64"),
    31: ("Radeon RX Vega 56", 11884, "Radeon RX Vega 56"),
    36: ("GeForce GTX 1070", 11353, "GeForce GTX 1070"),
    61: ("GeForce GTX 1060", 9095, "GeForce GTX 1060"),
    66: ("GeForce GTX 970", 8633, "GeForce GTX 970"),
    70: ("Radeon RX 580", 8484, "Radeon RX 580"),
    99: ("Radeon RX 570", 6890, "Radeon RX 570"),
    110: ("GeForce GTX 1050 Ti", 6028, "GeForce GTX 1050 Ti"),
    116: ("GeForce GTX 960", 5822, "GeForce GTX 960"),
    148: ("GeForce GTX 1050", 4726, "GeForce GTX 1050"),
    179: ("GeForce GTX 660", 4129, "GeForce GTX 660"),
    188: ("Radeon HD 7850", 3845, "Radeon HD 7850"),
    297: ("Intel Iris Pro P580", 2146, "Intel Iris Pro P580"),
    314: ("Radeon R7 + R7 350双卡", 1982, "Radeon R7 + R7 350 Dual"),
    490: ("Radeon Vega 3", 1105, "Radeon Vega 3"),
    491: ("Radeon Vega 3 Mobile", 1104, "Radeon Vega 3 Mobile"),
    566: ("NVS 810", 960, "NVS 810"),
    1304: ("GeForce 6600 GT", 101, "GeForce 6600 GT"),
    1391: ("GeForce Go 6600", 69, "GeForce Go 6600"),
    1413: ("GeForce 6600", 62, "GeForce 6600"),
    1441: ("GeForce 6600 LE", 51, "GeForce 6600 LE"),
    1465: ("GeForce Go 6600 TE/6200 TE", 44, "GeForce Go 6600 TE/6200 TE"),
    1722: ("VIA Chrome9 HCM IGP", 1, "VIA Chrome9 HCM IGP"),
}

# Query outcomes the program's examples and hints promise: (main, AND, ORs) -> exact codes.
EXPECTED_QUERIES = [
    (("I3-4340", "", ()), ["C914"]),
    (("I7-9850H", "", ()), ["C230", "C312"]),
    (("GeForce", "6600", ()), ["G1304", "G1391", "G1413", "G1441", "G1465"]),
    (("I3-6100@", "", ("I3-7100@", "I3-8100@", "I3-9100@", "I3-10110U")),
     ["C482", "C590", "C811", "C827", "C870"]),
    (("AMD Ryzen Threadripper 3970X", "", ()), ["C1"]),
    (("Intel Core i9-10980X E@3.00GH", "", ()), ["C10"]),
    (("Intel Xeon Platinum 8168@2.70GHz", "", ()), ["C12"]),
    (("Intel Pentium Gold G5620@4.00GHz", "", ()), ["C822"]),
    (("Intel Atom C3958@2.00GHz", "", ()), ["C744"]),
    (("GeForce RTX 2080 Ti", "", ()), ["G2"]),
    (("Quadro RTX 6000", "", ()), ["G7"]),
    (("Radeon RX 5700", "", ()), ["G17", "G27", "G28"]),
    (("Intel Iris Pro P580", "", ()), ["G297"]),
    (("Radeon Vega 3", "", ()), ["G490", "G491"]),
    (("NVS 810", "", ()), ["G566"]),
    (("I7-4790K", "", ()), ["C316"]),
]


class Fail(Exception):
    pass


def width(text):
    """Display columns in code page 936: ASCII 1, a double-byte character 2."""
    return len(text.encode("gbk"))


def fit_columns(text, columns):
    out = ""
    for ch in text:
        if width(out + ch) > columns:
            break
        out += ch
    return out.rstrip(" ") + " " * (columns - width(out.rstrip(" ")))


def cpu_description(name):
    return fit_columns(name.replace(" @ ", "@"), DESC_COLUMNS)


def gpu_description(name):
    prefix = suffix = ""
    if name.endswith(" Dual"):
        name, suffix = name[: -len(" Dual")], "双卡"
    elif name.endswith(" (Mobile)"):
        name, suffix = name[: -len(" (Mobile)")], "移动版"
    if name.startswith("ASUS "):
        name, prefix = name[len("ASUS "):], "华硕"
    # a long name gives way, so the Chinese words stay whole
    room = DESC_COLUMNS - width(prefix) - width(suffix)
    return fit_columns(prefix + fit_columns(name, room).rstrip(" ") + suffix, DESC_COLUMNS)


def record(letter, rank, description, score):
    code = (letter + str(rank)).ljust(5)
    return "|" + code + "|" + fit_columns(description, DESC_COLUMNS) + "|" + str(score).rjust(5) + "|"


# ---------------------------------------------------------------- parsing a record

def desc_field(rec):
    """The 40 display columns after the second bar."""
    body = rec[7:]
    out, cols = "", 0
    for ch in body:
        if cols >= DESC_COLUMNS:
            break
        out += ch
        cols += width(ch)
    return out


def score_of(rec):
    return int(rec[-6:-1])


def code_of(rec):
    return rec[1:6].strip()


def matches(rec, main, and_, ors):
    window = desc_field(rec).upper()
    m = main.strip(" ").upper()
    a = and_.strip(" ").upper()
    if a:
        return m in window and a in window
    terms = [m]
    for o in ors:
        o = o.strip(" ").upper()
        if not o:
            break
        terms.append(o)
    return any(t in window for t in terms)


def query(records, main, and_, ors):
    return [code_of(r) for r in records if matches(r, main, and_, ors)]


# ---------------------------------------------------------------- building

class Row:
    __slots__ = ("name", "desc", "source", "samples", "pinned_score", "fixed", "score")

    def __init__(self, name, desc, source, samples=0):
        self.name = name
        self.desc = desc
        self.source = source
        self.samples = samples
        self.pinned_score = None
        self.fixed = False
        self.score = None


def conflicts(desc, letter):
    """True when a free row would change a promised query outcome."""
    rec = record(letter, 9999, desc, 0)
    for (main, and_, ors), expected in EXPECTED_QUERIES:
        if any(code.startswith(letter) for code in expected) and matches(rec, main, and_, ors):
            return True
    return False


def build(rows, pinned, letter, count, drop_key, log):
    by_name = {r.name: r for r in rows}
    fixed = {}
    for rank, (desc, score, src) in pinned.items():
        row = by_name.get(src)
        if row is None:
            raise Fail(f"pinned {letter}{rank}: source row {src!r} not found")
        row.desc = desc
        row.pinned_score = score
        row.fixed = True
        fixed[rank] = row
    top = pinned[1][1]
    free = [r for r in rows if not r.fixed]
    free.sort(key=lambda r: -r.source)  # stable: the source file's order within a tie
    dropped = []
    kept = []
    for r in free:
        if r.source > top:
            dropped.append((r, f"scores above {letter}1 (newer than the list)"))
        elif conflicts(r.desc, letter):
            dropped.append((r, "would change a promised query outcome"))
        else:
            kept.append(r)
    need = count - len(fixed)
    if len(kept) < need:
        raise Fail(f"{letter}: only {len(kept)} free rows for {need} slots")
    surplus = len(kept) - need
    for r, why in drop_key(kept, surplus):
        dropped.append((r, why))
        kept.remove(r)
    slots = [None] * (count + 1)
    for rank, row in fixed.items():
        slots[rank] = row
    it = iter(kept)
    for s in range(1, count + 1):
        if slots[s] is None:
            slots[s] = next(it)
    fit_scores(slots, log, letter)
    for r, why in dropped:
        log.append(f"  dropped {r.name!r} ({r.source}): {why}")
    return [record(letter, s, slots[s].desc, slots[s].score) for s in range(1, count + 1)]


def fit_scores(slots, log, letter):
    """Maps source scores into the gaps between rows of fixed score, monotonically."""
    count = len(slots) - 1
    knots = [s for s in range(1, count + 1) if slots[s].pinned_score is not None]
    if knots[0] != 1 or knots[-1] != count:
        raise Fail("first and last rows must have fixed scores")
    for s in knots:
        slots[s].score = slots[s].pinned_score
    worst = (0, None)
    moved = 0
    for a, b in zip(knots, knots[1:]):
        gap = list(range(a + 1, b))
        if not gap:
            continue
        hi_s, lo_s = slots[a].score, slots[b].score
        xa, xb = slots[a].source, slots[b].source
        free = [s for s in gap if not slots[s].fixed]
        xs = [slots[s].source for s in free] or [slots[s].source for s in gap]
        x1, xk = max(xs), min(xs)
        # Rows that had to move past a fixed row widen the source interval a little beyond
        # their own extremes, so that they do not all collapse onto the fixed row's score.
        margin = max(1.0, (x1 - xk) / max(1, len(xs)))
        top = xa if x1 <= xa else x1 + margin
        bottom = xb if xk >= xb else xk - margin
        moved += sum(1 for x in xs if x > xa or x < xb)
        prev = hi_s

        def mapped(x):
            if top <= bottom:
                return (hi_s + lo_s) / 2
            return lo_s + (hi_s - lo_s) * (x - bottom) / (top - bottom)

        for s in free:
            y = int(round(mapped(slots[s].source)))
            y = max(lo_s, min(hi_s, prev, y))
            slots[s].score = y
            prev = y
        # a row fixed in place without a score takes its own fitted score, squeezed
        # between its neighbours so the list stays non-increasing
        for s in gap:
            if slots[s].fixed:
                above = slots[s - 1].score
                below = next((slots[t].score for t in range(s + 1, b + 1) if not slots[t].fixed
                              or t == b), lo_s)
                slots[s].score = min(above, max(below, int(round(mapped(slots[s].source)))))
        for s in gap:
            change = abs(slots[s].score - slots[s].source)
            if change > worst[0]:
                worst = (change, s)
    s = worst[1]
    if s is not None:
        log.append(f"  largest score change: {letter}{s} {slots[s].name!r} "
                   f"{slots[s].source} -> {slots[s].score} ({worst[0]})")
    log.append(f"  rows whose source score lay outside their gap: {moved}")


def cpu_drop(kept, surplus):
    order = sorted(kept, key=lambda r: (r.samples, r.source, r.name))
    return [(r, f"{r.samples} benchmark sample(s)") for r in order[:surplus]]


def gpu_doubt(row, names):
    """How doubtful a GPU row is as a chip entry: lower is more doubtful, None is sound."""
    name = row.name
    if re.search(r"Display (Adapter|Driver)$", name):
        return 0, "a virtual display driver, not a graphics chip"
    if "famiglia" in name:
        return 1, "a localised driver string, not a chip name"
    board = re.match(r"^\d+\s*(MB)?\s*(DDR)?\s*(.*?)( w/.*)?$", name)
    if board and board.group(1 if board.group(1) else 2) is not None:
        chip = board.group(3).upper()
        if chip in names:
            return 2, "a board name whose chip is listed under its own name"
        return 3, "a board name with a memory size, not a chip name"
    return None


def gpu_drop(kept, surplus):
    names = {r.name.upper() for r in kept}
    doubtful = []
    for r in kept:
        d = gpu_doubt(r, names)
        if d is not None:
            doubtful.append((d[0], r.source, r.name, r, d[1]))
    doubtful.sort(key=lambda t: t[:3])
    if len(doubtful) < surplus:
        raise Fail(f"G: only {len(doubtful)} doubtful rows for {surplus} to drop")
    return [(t[3], t[4]) for t in doubtful[:surplus]]


def load_cpu(path):
    with open(path, encoding="utf-8") as f:
        data = json.load(f)
    rows = []
    for x in data:
        rows.append(Row(x["name"], cpu_description(x["name"]), int(x["cpu_mark"]), int(x["samples"])))
    return rows


def load_gpu(path):
    with open(path, encoding="utf-8") as f:
        data = json.load(f)
    return [Row(x["name"], gpu_description(x["name"]), int(x["g3dPerf"])) for x in data.values()]


# ---------------------------------------------------------------- proving

def prove(cpu, gpu):
    errors = []

    def need(cond, what):
        if not cond:
            errors.append(what)

    need(len(cpu) == CPU_COUNT, f"CPU list has {len(cpu)} rows, not {CPU_COUNT}")
    need(len(gpu) == GPU_COUNT, f"GPU list has {len(gpu)} rows, not {GPU_COUNT}")
    for letter, recs, pinned in (("C", cpu, CPU_PINNED), ("G", gpu, GPU_PINNED)):
        prev = None
        seen = set()
        for n, rec in enumerate(recs, 1):
            need(width(rec) == 54, f"{letter}{n}: {width(rec)} columns")
            need(rec[0] == "|" and rec[6] == "|" and rec[-7] == "|" and rec[-1] == "|",
                 f"{letter}{n}: separators")
            need(rec[1:6] == (letter + str(n)).ljust(5), f"{letter}{n}: code field {rec[1:6]!r}")
            d = desc_field(rec)
            need(width(d) == DESC_COLUMNS and not d.startswith(" "), f"{letter}{n}: description")
            need(rec[len(rec) - 7] == "|", f"{letter}{n}: bar after description")
            sc = rec[-6:-1]
            need(sc.strip().isdigit() and sc == sc.strip().rjust(5) and not sc.strip().startswith("0")
                 or sc == "    0", f"{letter}{n}: score field {sc!r}")
            score = score_of(rec)
            need(prev is None or score <= prev, f"{letter}{n}: score rises ({prev} -> {score})")
            prev = score
            if letter == "C":
                need(len(rec) == 54, f"{letter}{n}: CPU record of {len(rec)} characters")
            need(len(rec) in (54, 52, 51), f"{letter}{n}: record of {len(rec)} characters")
            if letter == "G":
                key = d.rstrip(" ")
                need(key not in seen, f"{letter}{n}: repeated description {key!r}")
                seen.add(key)
        for rank, (desc, score, _) in pinned.items():
            rec = recs[rank - 1] if rank <= len(recs) else ""
            need(desc_field(rec).rstrip(" ") == desc, f"{letter}{rank}: description {desc_field(rec)!r}")
            if score is not None:
                need(rec == record(letter, rank, desc, score), f"{letter}{rank}: record {rec!r}")
    allrecs = cpu + gpu
    for (main, and_, ors), expected in EXPECTED_QUERIES:
        got = query(allrecs, main, and_, ors)
        need(sorted(got) == sorted(expected), f"query {main!r}/{and_!r}/{ors!r}: {got} not {expected}")
    i7 = query(cpu, "I7", "", ())
    need(len(i7) > 30, f"'I7' finds only {len(i7)} CPU records")
    if errors:
        raise Fail("\n".join(errors[:40]) + (f"\n... {len(errors)} problems" if len(errors) > 40 else ""))


def read_list(path):
    with open(path, "rb") as f:
        raw = f.read()
    if b"\r" in raw or not raw.endswith(b"\n"):
        raise Fail(f"{path}: lines must end in LF, the last one too")
    return raw.decode("utf-8").split("\n")[:-1]


def write_list(path, records):
    with open(path, "wb") as f:
        f.write("".join(r + "\n" for r in records).encode("utf-8"))


def main():
    p = argparse.ArgumentParser(description=__doc__, formatter_class=argparse.RawDescriptionHelpFormatter)
    p.add_argument("--sources", default=DEFAULT_SOURCES, help="folder of the score sources")
    p.add_argument("--out", default=DEFAULT_OUT, help="folder of cpu_list.txt and gpu_list.txt")
    p.add_argument("--check", action="store_true", help="prove the committed lists without the sources")
    args = p.parse_args()
    cpu_path = os.path.join(args.out, "cpu_list.txt")
    gpu_path = os.path.join(args.out, "gpu_list.txt")
    try:
        if args.check:
            prove(read_list(cpu_path), read_list(gpu_path))
            print(f"ok: {cpu_path} and {gpu_path} hold valid score lists")
            return 0
        log = ["CPU list:"]
        cpu = build(load_cpu(os.path.join(args.sources, CPU_SOURCE)), CPU_PINNED, "C", CPU_COUNT, cpu_drop, log)
        log.append("GPU list:")
        gpu = build(load_gpu(os.path.join(args.sources, GPU_SOURCE)), GPU_PINNED, "G", GPU_COUNT, gpu_drop, log)
        prove(cpu, gpu)
        write_list(cpu_path, cpu)
        write_list(gpu_path, gpu)
        print("\n".join(log))
        print(f"wrote {cpu_path} ({len(cpu)} rows) and {gpu_path} ({len(gpu)} rows)")
        return 0
    except (Fail, OSError, ValueError, KeyError) as e:
        print(f"make_score_lists: {e}", file=sys.stderr)
        return 1


if __name__ == "__main__":
    sys.exit(main())
