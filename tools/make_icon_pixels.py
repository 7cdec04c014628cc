#!/usr/bin/env python3
"""Writes src/ui/common/ProgramIconPixels.inc from src/ui/common/program_icon_48.png.

    make_icon_pixels.py [PNG] [OUTPUT]

The 48 x 48 icon, 256 colours, as a colour table and one palette index a pixel: the
program builds its image from these at start, without opening an image reader (which looks
through Qt's image format plugins first). Standard library only: an 8-bit palette PNG,
decoded by hand.
"""

import struct
import sys
import zlib
from pathlib import Path


def paeth(a, b, c):
    p = a + b - c
    pa, pb, pc = abs(p - a), abs(p - b), abs(p - c)
    if pa <= pb and pa <= pc:
        return a
    return b if pb <= pc else c


def read_png(path):
    data = Path(path).read_bytes()
    if data[:8] != b"\x89PNG\r\n\x1a\n":
        sys.exit(f"{path}: not a PNG")
    chunks, at = {}, 8
    idat = b""
    while at < len(data):
        length, kind = struct.unpack(">I4s", data[at:at + 8])
        body = data[at + 8:at + 8 + length]
        if kind == b"IDAT":
            idat += body
        else:
            chunks[kind] = body
        at += 12 + length
    width, height, depth, colour, _, _, interlace = struct.unpack(">IIBBBBB", chunks[b"IHDR"])
    if depth != 8 or colour != 3 or interlace:
        sys.exit(f"{path}: expected an 8-bit palette image, not interlaced")
    plte = chunks[b"PLTE"]
    alpha = chunks.get(b"tRNS", b"")
    palette = []
    for k in range(len(plte) // 3):
        r, g, b = plte[3 * k:3 * k + 3]
        a = alpha[k] if k < len(alpha) else 255
        palette.append((a << 24) | (r << 16) | (g << 8) | b)
    raw = zlib.decompress(idat)
    rows, previous = [], bytes(width)
    for y in range(height):
        line = raw[y * (width + 1):(y + 1) * (width + 1)]
        kind, row = line[0], bytearray(line[1:])
        for x in range(width):
            left = row[x - 1] if x else 0
            up = previous[x]
            corner = previous[x - 1] if x else 0
            add = {0: 0, 1: left, 2: up, 3: (left + up) // 2, 4: paeth(left, up, corner)}[kind]
            row[x] = (row[x] + add) & 0xFF
        rows.append(bytes(row))
        previous = row
    return width, height, palette, b"".join(rows)


def main():
    root = Path(__file__).resolve().parent.parent
    png = sys.argv[1] if len(sys.argv) > 1 else root / "src/ui/common/program_icon_48.png"
    out = Path(sys.argv[2] if len(sys.argv) > 2 else root / "src/ui/common/ProgramIconPixels.inc")
    width, height, palette, pixels = read_png(png)
    lines = [f"// Written by tools/make_icon_pixels.py from program_icon_48.png; do not edit.",
             f"constexpr int kIconWidth = {width};",
             f"constexpr int kIconHeight = {height};",
             f"constexpr QRgb kIconColours[{len(palette)}] = {{"]
    for k in range(0, len(palette), 6):
        lines.append("    " + ", ".join(f"0x{c:08x}" for c in palette[k:k + 6]) + ",")
    lines.append("};")
    lines.append(f"constexpr uchar kIconPixels[{len(pixels)}] = {{")
    for k in range(0, len(pixels), 16):
        lines.append("    " + ", ".join(str(b) for b in pixels[k:k + 16]) + ",")
    lines.append("};")
    out.write_text("\n".join(lines) + "\n")
    print(f"wrote {out}")


if __name__ == "__main__":
    main()
