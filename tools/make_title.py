#!/usr/bin/env python3
"""Prints the three scrambled title constants for src/ui/main/Title.cpp.

    make_title.py PART1 PART2 PART3 [--key N]

Each character's code page 936 code is raised by the key (a two-byte code counts as a
signed 16-bit number, lead byte high); the program lowers it again at start-up.
Standard library only.
"""

import argparse
import sys


def code(ch):
    b = ch.encode("cp936")
    if len(b) == 1:
        return b[0]
    v = (b[0] << 8) | b[1]
    return v - 0x10000


def character(c):
    v = c & 0xFFFF
    if v < 0x80:
        return chr(v)
    try:
        s = bytes([v >> 8, v & 0xFF]).decode("cp936")
    except UnicodeDecodeError:
        return None
    return s if len(s) == 1 else None


def scramble(text, key):
    out = []
    for ch in text:
        c = character(code(ch) + key)
        if c is None or character(code(c) - key) != ch:
            raise SystemExit(f"{ch!r} does not survive the key {key}; choose another key or text")
        out.append(c)
    return "".join(out)


def literal(text):
    def one(c):
        if c in '"\\':
            return "\\" + c
        return c if 0x20 <= ord(c) < 0x7F else f"\\u{ord(c):04X}"
    return 'u"' + "".join(one(c) for c in text) + '"'


def main():
    p = argparse.ArgumentParser(description=__doc__, formatter_class=argparse.RawDescriptionHelpFormatter)
    p.add_argument("parts", nargs=3)
    p.add_argument("--key", type=int, default=7)
    a = p.parse_args()
    if not 1 <= a.key <= 9:
        raise SystemExit("the key is one decimal digit")
    for n, part in enumerate(a.parts, 1):
        print(f"constexpr char16_t kTitlePart{n}[] = {literal(scramble(part, a.key))};")
    print(f"constexpr qint16 kTitleKey = {a.key};")
    return 0


if __name__ == "__main__":
    sys.exit(main())
