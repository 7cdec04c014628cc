#!/usr/bin/env python3
"""Writes packaging/windows/THIRD-PARTY-NOTICES.txt: every third-party file the Windows zip
and setup ship, its version, licence and where its source is, the components inside Qt's
DLLs as Qt's own qt_attribution.json files name them, and the licence texts.

Which attributions apply is read from the Qt build itself: the sources and headers that went
into the shipped DLLs (ninja's commands and its dependency log). Run it on the Qt build
tree of packaging/windows/build-qt.sh before that script removes it, e.g.

    tools/make_windows_notices.py ~/.cache/cpugpurank/qt-build/src/qt6-base-* \\
        ~/.cache/cpugpurank/qt-build/build > packaging/windows/THIRD-PARTY-NOTICES.txt
"""
import json
import os
import re
import subprocess
import sys

SHIPPED_QT = ["bin/Qt6Core.dll", "bin/Qt6Gui.dll", "bin/Qt6Widgets.dll", "plugins/platforms/qwindows.dll",
              "plugins/styles/qwindowsvistastyle.dll", "plugins/imageformats/qjpeg.dll"]
# Qt's licence choices for its own code, from its LICENSES folder
QT_LICENCES = ["LGPL-3.0-only", "GPL-2.0-only", "GPL-3.0-only", "Qt-GPL-exception-1.0"]


def package(name):
    out = subprocess.run(["dpkg-query", "-W", "-f", "${Version}\t${source:Package}\t${source:Version}", name],
                         check=True, capture_output=True, text=True).stdout
    return out.split("\t")


def used_files(build):
    """Every source and header compiled into the shipped Qt files."""
    commands = subprocess.run(["ninja", "-C", build, "-t", "commands"] + SHIPPED_QT, check=True,
                              capture_output=True, text=True).stdout
    objects = set(re.findall(r" -o (\S+\.obj)", commands))
    used = set(os.path.realpath(p) for p in re.findall(r" -c (\S+)", commands))
    deps = subprocess.run(["ninja", "-C", build, "-t", "deps"] + sorted(objects), check=True,
                          capture_output=True, text=True).stdout
    for line in deps.splitlines():
        if line.startswith("    "):
            path = line.strip()
            used.add(os.path.realpath(path if os.path.isabs(path) else os.path.join(build, path)))
    return used


def attributions(src):
    for root, dirs, files in os.walk(src):
        dirs[:] = [d for d in dirs if d not in ("tests", "examples", "debian", ".pc")]
        if "qt_attribution.json" in files:
            with open(os.path.join(root, "qt_attribution.json"), encoding="utf-8") as f:
                data = json.loads(f.read(), strict=False)  # Qt's files break lines inside strings
            for entry in data if isinstance(data, list) else [data]:
                yield root, entry


def applies(root, entry, used):
    under = [p for p in used if p.startswith(os.path.realpath(root) + os.sep)]
    if not under:
        return False
    listed = entry.get("Files", "").split()
    if not listed or not all(re.fullmatch(r"[\w./*+-]+", f) for f in listed):
        return True  # the whole folder
    names = {os.path.relpath(p, os.path.realpath(root)) for p in under}
    return any(n == f or n.startswith(f.rstrip("/*") + "/") for f in listed for n in names)


def licence_text(root, entry):
    texts = []
    for name in entry.get("LicenseFile", "").split():
        path = os.path.join(root, name)
        if os.path.isfile(path):
            with open(path, encoding="utf-8", errors="replace") as f:
                texts.append(f.read().strip())
    return "\n\n".join(texts)


def main():
    src, build = sys.argv[1], sys.argv[2]
    used = used_files(build)
    qt_version, qt_source, qt_source_version = package("qt6-base-dev")
    tr_version, tr_source, _ = package("qt6-translations-l10n")
    gcc_version, gcc_source, gcc_source_version = package("gcc-mingw-w64-x86-64-posix-runtime")
    mingw_version, mingw_source, _ = package("mingw-w64-x86-64-dev")
    upstream = qt_version.split("+")[0]

    out = []
    w = out.append
    w("第三方文件及其许可 / Third-party files and their licences")
    w("=" * 60)
    w("")
    w("本程序（cpugpurank.exe）按 GNU 通用公共许可证第 3 版或更高版本（GPL-3.0-or-later）发布，")
    w("全文见 LICENSE.txt。与它一同分发的 Qt 和 GCC/mingw-w64 运行库是第三方软件，各自的许可、版本和")
    w("源代码出处如下；Qt 按 LGPL-3.0 使用，可以换用自行编译的同版本 Qt DLL。")
    w("")
    w("This program (cpugpurank.exe) is licensed under the GNU General Public License, version 3 or")
    w("later (LICENSE.txt). The Qt and GCC/mingw-w64 runtime files beside it are third-party software")
    w("under the licences below; Qt is used under the LGPL-3.0, and its DLLs may be replaced by a Qt")
    w("of the same version built by the user.")
    w("")
    w("Built with: %s %s; %s %s; %s %s; %s %s" % (qt_source, qt_source_version, tr_source, tr_version,
                                                 gcc_source, gcc_source_version, mingw_source, mingw_version))
    w("")
    w("1. Shipped files")
    w("-" * 60)
    w("")
    w("Qt6Core.dll, Qt6Gui.dll, Qt6Widgets.dll, plugins/platforms/qwindows.dll,")
    w("plugins/styles/qwindowsvistastyle.dll, plugins/imageformats/qjpeg.dll")
    w("    Qt %s (Qt Base), LGPL-3.0-only (also offered under GPL-2.0-only or GPL-3.0-only)." % upstream)
    w("    Source: the Debian source package %s, version %s (apt-get source %s=%s), as" %
      (qt_source, qt_source_version, qt_source, qt_source_version))
    w("    kept in the Debian archive and its snapshot archive. packaging/windows/build-qt.sh in this")
    w("    program's source rebuilds exactly these files from it, with the options it names.")
    w("translations/qtbase_zh_CN.qm, translations/qtbase_zh_TW.qm")
    w("    Qt %s translations, LGPL-3.0-only (also GPL-2.0-only or GPL-3.0-only)." % upstream)
    w("    Source: the Debian source package %s, version %s." % (tr_source, tr_version))
    w("libstdc++-6.dll, libgcc_s_seh-1.dll")
    w("    The GCC %s runtime libraries, GPL-3.0-or-later WITH GCC-exception-3.1 (the GCC Runtime" %
      gcc_version.split("-")[0])
    w("    Library Exception lets them be shipped with a program under any licence).")
    w("    Source: the Debian source package %s, version %s, with the GCC source it names." %
      (gcc_source, gcc_source_version))
    w("libwinpthread-1.dll")
    w("    mingw-w64 %s winpthreads, Expat (MIT) and BSD-3-Clause." % mingw_version.split("-")[0])
    w("    Source: the Debian source package %s, version %s." % (mingw_source, mingw_version))
    w("")
    w("2. Components inside the Qt files (from Qt's qt_attribution.json)")
    w("-" * 60)
    w("")
    texts = []
    seen = set()
    for root, entry in sorted(attributions(src), key=lambda r: (r[1].get("Name", ""), r[0])):
        if not applies(root, entry, used):
            continue
        key = (entry.get("Name"), entry.get("Version"))
        if key in seen:
            continue
        seen.add(key)
        w("%s %s" % (entry.get("Name", entry.get("Id", "")), entry.get("Version", "")))
        w("    Licence: %s (%s)" % (entry.get("License", ""), entry.get("LicenseId", "")))
        for line in entry.get("Copyright", "").splitlines():
            w("    " + line.strip())
        if entry.get("Homepage"):
            w("    " + entry["Homepage"])
        text = licence_text(root, entry)
        if text:
            texts.append((entry.get("Name", ""), text))
    w("")
    w("3. Licence texts")
    w("-" * 60)
    w("")
    w("The GNU GPL version 3, which the LGPL-3.0 and the GCC Runtime Library Exception build on,")
    w("is in LICENSE.txt.")
    for name in QT_LICENCES:
        with open(os.path.join(src, "LICENSES", name + ".txt"), encoding="utf-8") as f:
            w("")
            w("==== Qt: %s ====" % name)
            w("")
            w(f.read().strip())
    for name, text in texts:
        w("")
        w("==== %s ====" % name)
        w("")
        w(text)
    for title, path in [("GCC runtime (Debian's licence statement for %s)" % gcc_source,
                         "/usr/share/doc/gcc-mingw-w64-x86-64-posix-runtime/copyright"),
                        ("mingw-w64 winpthreads (Debian's licence statement for %s)" % mingw_source,
                         "/usr/share/doc/mingw-w64-x86-64-dev/copyright")]:
        with open(path, encoding="utf-8", errors="replace") as f:
            w("")
            w("==== %s ====" % title)
            w("")
            w(f.read().strip())
    # a byte-order mark, so that Notepad of Windows 10 1809 reads it as UTF-8
    text = "\ufeff" + "\n".join(line.rstrip() for line in "\n".join(out).split("\n")) + "\n"
    sys.stdout.buffer.write(text.encode("utf-8"))


if __name__ == "__main__":
    main()
