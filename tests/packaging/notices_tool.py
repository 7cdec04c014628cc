#!/usr/bin/env python3
"""tools/make_windows_notices.py on a small Qt tree of its own (a ninja build naming one
third-party component, Qt's licence files): its output is UTF-8 with a byte-order mark, so
that Windows' Notepad shows the Chinese lines, and it names what the build compiled in.
Run where the Windows build runs (it asks dpkg for the cross-build's packages)."""

import json
import subprocess
import sys
import tempfile
from pathlib import Path

TOOL = Path(__file__).resolve().parents[2] / "tools" / "make_windows_notices.py"
SHIPPED = ["bin/Qt6Core.dll", "bin/Qt6Gui.dll", "bin/Qt6Widgets.dll", "plugins/platforms/qwindows.dll",
           "plugins/styles/qwindowsvistastyle.dll", "plugins/imageformats/qjpeg.dll"]


def fail(message):
    print("FAIL: " + message)
    sys.exit(1)


with tempfile.TemporaryDirectory() as work:
    src, build = Path(work, "src"), Path(work, "build")
    (src / "LICENSES").mkdir(parents=True)
    for name in ["LGPL-3.0-only", "GPL-2.0-only", "GPL-3.0-only", "Qt-GPL-exception-1.0"]:
        (src / "LICENSES" / (name + ".txt")).write_text(name + " text\n", encoding="utf-8")
    zlib = src / "src" / "3rdparty" / "zlib"
    zlib.mkdir(parents=True)
    (zlib / "adler32.c").write_text("int a;\n")
    (zlib / "LICENSE").write_text("zlib licence text\n")
    # written the way Qt writes some of them: a line broken inside a string, which strict
    # JSON refuses
    (zlib / "qt_attribution.json").write_text(
        '{\n    "Id": "zlib",\n    "Name": "zlib",\n    "Version": "1.2.13",\n    "License": "zlib License",\n'
        '    "LicenseId": "Zlib",\n    "LicenseFile": "LICENSE",\n'
        '    "Copyright": "(C) 1995-2022 Jean-loup Gailly\n(C) 1995-2022 Mark Adler"\n}\n')
    unused = src / "src" / "3rdparty" / "unused"
    unused.mkdir(parents=True)
    (unused / "qt_attribution.json").write_text(json.dumps({"Id": "unused", "Name": "NotCompiledIn"}))
    build.mkdir()
    rules = ["rule cc", "  command = cc -c $in -o $out", "rule link", "  command = ld $in -o $out",
             "build obj/adler32.obj: cc %s" % (zlib / "adler32.c")]
    rules += ["build %s: link obj/adler32.obj" % target for target in SHIPPED]
    (build / "build.ninja").write_text("\n".join(rules) + "\n")

    made = subprocess.run([sys.executable, str(TOOL), str(src), str(build)], capture_output=True)
    if made.returncode != 0:
        fail("the tool failed: " + made.stderr.decode(errors="replace")[-400:])
    out = made.stdout
    if not out.startswith(b"\xef\xbb\xbf"):
        fail("the notices do not begin with a UTF-8 byte-order mark: %r" % out[:8])
    text = out[3:].decode("utf-8")  # every byte after the mark is UTF-8
    if not text.startswith("第三方文件及其许可"):
        fail("the notices do not begin with their Chinese title")
    if "zlib 1.2.13" not in text or "zlib licence text" not in text or "Mark Adler" not in text:
        fail("the component compiled in is not named with its licence")
    if "NotCompiledIn" in text:
        fail("a component that was not compiled in is named")
print("1 passed, 0 failed")
