#!/usr/bin/env bash
# Cross-builds a minimal Qt 6 for x86_64-w64-mingw32 from Debian's own qt6-base source
# package, the same version as the host's Qt (whose moc, rcc and uic it uses), and
# installs it into a cache outside the tree. Prints the install prefix on its last line.
# A finished build is reused until the host Qt, the options or the toolchain change.
set -euo pipefail
here=$(cd "$(dirname "$0")" && pwd)

bundled=()
for lib in zlib pcre2 png jpeg harfbuzz freetype doubleconversion libb2 md4c; do
    bundled+=("-DFEATURE_system_$lib=OFF")
done
options=(-DCMAKE_BUILD_TYPE=Release -DBUILD_SHARED_LIBS=ON -DQT_BUILD_EXAMPLES=OFF -DQT_BUILD_TESTS=OFF
         -DINPUT_opengl=no -DFEATURE_dbus=OFF -DFEATURE_vulkan=OFF -DFEATURE_sql=OFF
         -DFEATURE_network=OFF -DFEATURE_printsupport=OFF -DFEATURE_concurrent=OFF
         -DFEATURE_xml=OFF -DFEATURE_icu=OFF -DFEATURE_tabletevent=OFF
         -DFEATURE_pkg_config=OFF -DFEATURE_zstd=OFF "${bundled[@]}")

version=$(dpkg-query -W -f='${Version}' qt6-base-dev)
key=$( (echo "${options[*]}"; cat "$here/mingw-w64.cmake") | sha256sum | cut -c1-12)
cache=${CPUGPURANK_CACHE:-${XDG_CACHE_HOME:-$HOME/.cache}/cpugpurank}
prefix=$cache/qt-$version-mingw-$key
if [ -f "$prefix/.complete" ]; then
    echo "$prefix"
    exit 0
fi

work=$cache/qt-build
rm -rf "$work" "$prefix"
mkdir -p "$work/apt/parts" "$work/apt/lists/partial" "$work/apt/cache/archives/partial" "$work/src"

# Debian's source package through a private apt configuration: /etc/apt stays as it is.
sed 's/^Types: deb$/Types: deb deb-src/' /etc/apt/sources.list.d/debian.sources >"$work/apt/parts/debian.sources"
apt_opts=(-o APT::Sandbox::User=root -o Dir::Etc::SourceList=/dev/null -o "Dir::Etc::SourceParts=$work/apt/parts"
          -o "Dir::State::Lists=$work/apt/lists" -o "Dir::Cache=$work/apt/cache"
          -o "Dir::Cache::Archives=$work/apt/cache/archives")
echo "windows: getting qt6-base $version source" >&2
apt-get "${apt_opts[@]}" -qq update >&2
(cd "$work/src" && apt-get "${apt_opts[@]}" -qq source "qt6-base=$version" >/dev/null)
src=$(find "$work/src" -mindepth 1 -maxdepth 1 -type d -name 'qt6-base-*' | head -n1)

echo "windows: building Qt for mingw-w64 (about 35 minutes on 2 cores, once)" >&2
# the toolchain file goes with the build, so that Qt's own toolchain file still finds it
mkdir -p "$prefix"
cp "$here/mingw-w64.cmake" "$prefix/mingw-w64.cmake"
cmake -S "$src" -B "$work/build" -G Ninja -DCMAKE_TOOLCHAIN_FILE="$prefix/mingw-w64.cmake" \
    -DCMAKE_INSTALL_PREFIX="$prefix" -DQT_HOST_PATH=/usr -DQT_HOST_PATH_CMAKE_DIR=/usr/lib/x86_64-linux-gnu/cmake \
    "${options[@]}" >"$work/configure.log" 2>&1 \
    || { tail -n 40 "$work/configure.log" >&2; exit 1; }
cmake --build "$work/build" --parallel "$(nproc)" >"$work/build.log" 2>&1 \
    || { tail -n 40 "$work/build.log" >&2; exit 1; }
cmake --install "$work/build" --strip >"$work/install.log" 2>&1
# Qt's own texts in Chinese: the translations are the same files on every OS
mkdir -p "$prefix/translations"
cp /usr/share/qt6/translations/qtbase_*.qm "$prefix/translations/"
touch "$prefix/.complete"
rm -rf "$work"
# older builds of other versions or options
find "$cache" -mindepth 1 -maxdepth 1 -name 'qt-*-mingw-*' ! -path "$prefix" -exec rm -rf {} +
echo "$prefix"
