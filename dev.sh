#!/usr/bin/env bash
# Set-up, build, run and test on Debian 12.
#   ./dev.sh run     install what is missing, build, start the program
#   ./dev.sh test    install what is missing, build, run every test headless, then the
#                    same tests under the address and undefined-behaviour sanitizers,
#                    then each fuzz target for a few seconds
#   ./dev.sh windows  install what is missing, cross-build Qt for Windows once (cached),
#                    build the program and its tests for Windows, pack the portable zip and
#                    the setup program, run the tests under Wine
set -euo pipefail
cd "$(dirname "$0")"

# What building and running the program need.
RUN_PACKAGES=(build-essential cmake qt6-base-dev libgl-dev libx11-dev
              fonts-wqy-zenhei qt6-translations-l10n xdg-utils)
# What the tests, the sanitizer and fuzz runs and the benchmarks add.
TEST_PACKAGES=(python3 libbenchmark-dev xvfb xauth xdotool openbox x11-utils fonts-noto-cjk fonts-wqy-microhei
               clang libclang-rt-14-dev
               desktop-file-utils appstream lintian file dpkg-dev)
# What the Windows build and its tests under Wine add.
WINDOWS_PACKAGES=(g++-mingw-w64-x86-64 wine64 wine ninja-build xz-utils xclip nsis imagemagick)

install_missing() { # packages...
    local missing=() p
    for p in "$@"; do
        dpkg-query -W -f='${Status}' "$p" 2>/dev/null | grep -q "install ok installed" || missing+=("$p")
    done
    [ ${#missing[@]} -eq 0 ] && return 0
    local sudo=""
    [ "$(id -u)" -ne 0 ] && sudo=sudo
    echo "installing: ${missing[*]}"
    $sudo apt-get update -qq
    DEBIAN_FRONTEND=noninteractive $sudo apt-get install -y -qq --no-install-recommends "${missing[@]}"
}

build() { # build-dir [cmake options...]
    local dir=$1
    shift
    cmake -S . -B "$dir" -DCMAKE_BUILD_TYPE=RelWithDebInfo "$@" >/dev/null
    cmake --build "$dir" -j"$(nproc)"
}

case "${1:-}" in
run)
    install_missing "${RUN_PACKAGES[@]}"
    build build -DBUILD_TESTING=OFF -DCPUGPURANK_BENCH=OFF
    exec build/src/cpugpurank
    ;;
test)
    install_missing "${RUN_PACKAGES[@]}" "${TEST_PACKAGES[@]}"
    build build -DBUILD_TESTING=ON -DCPUGPURANK_BENCH=ON
    (cd build && ctest --output-on-failure -j"$(nproc)")
    build build-asan -DCPUGPURANK_SANITIZE=ON -DCPUGPURANK_BENCH=OFF
    (cd build-asan && ASAN_OPTIONS=detect_stack_use_after_return=1:abort_on_error=1 \
        LSAN_OPTIONS=suppressions=$PWD/../tests/lsan.supp UBSAN_OPTIONS=print_stacktrace=1:halt_on_error=1 \
        ctest --output-on-failure -j"$(nproc)" -E deb_package)
    tests/fuzz/run.sh 7
    ;;
windows)
    install_missing "${RUN_PACKAGES[@]}" "${TEST_PACKAGES[@]}" "${WINDOWS_PACKAGES[@]}"
    qt=$(packaging/windows/build-qt.sh | tail -n1)
    cmake -S . -B build-windows -G Ninja -DCMAKE_BUILD_TYPE=Release \
        -DCMAKE_TOOLCHAIN_FILE="$qt/lib/cmake/Qt6/qt.toolchain.cmake" \
        -DQT_CHAINLOAD_TOOLCHAIN_FILE="$PWD/packaging/windows/mingw-w64.cmake" \
        -DQT_HOST_PATH=/usr -DQT_HOST_PATH_CMAKE_DIR=/usr/lib/x86_64-linux-gnu/cmake >/dev/null
    cmake --build build-windows -j"$(nproc)"
    cmake --build build-windows --target setup >/dev/null # the zip, then the setup from its files
    zip=$(ls build-windows/cpugpurank-*-win64.zip)
    setup=$(ls build-windows/cpugpurank-*-win64-setup.exe)
    # one Wine prefix and one lasting server for all the tests
    export WINEPREFIX=$PWD/build-windows/wine
    mkdir -p "$WINEPREFIX"
    /usr/lib/wine/wineserver -k 2>/dev/null || true
    /usr/lib/wine/wineserver -p
    trap '/usr/lib/wine/wineserver -k 2>/dev/null || true' EXIT
    build-windows/wine-run.sh wineboot --init >/dev/null 2>&1
    (cd build-windows && ctest --output-on-failure -j"$(nproc)")
    grep -h '^skipped: ' build-windows/Testing/Temporary/LastTest.log || true # and why
    echo "portable zip: $zip ($(du -h "$zip" | cut -f1))"
    echo "setup:        $setup ($(du -h "$setup" | cut -f1))"
    ;;
*)
    echo "usage: $0 run|test|windows" >&2
    exit 2
    ;;
esac
