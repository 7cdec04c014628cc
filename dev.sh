#!/usr/bin/env bash
# Set-up, build, run and test on Debian 12.
#   ./dev.sh run     install what is missing, build, start the program
#   ./dev.sh test    install what is missing, build, run every test headless, then the
#                    same tests under the address and undefined-behaviour sanitizers,
#                    then each fuzz target for a few seconds
set -euo pipefail
cd "$(dirname "$0")"

PACKAGES=(build-essential cmake python3 qt6-base-dev libgl-dev libx11-dev libbenchmark-dev
          fonts-wqy-zenhei xvfb xauth xdotool clang libclang-rt-14-dev
          desktop-file-utils appstream file dpkg-dev)

install_missing() {
    local missing=() p
    for p in "${PACKAGES[@]}"; do
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
    install_missing
    build build
    exec build/src/cpugpurank
    ;;
test)
    install_missing
    build build
    (cd build && ctest --output-on-failure -j"$(nproc)")
    build build-asan -DCPUGPURANK_SANITIZE=ON -DCPUGPURANK_BENCH=OFF
    (cd build-asan && ASAN_OPTIONS=detect_stack_use_after_return=1:abort_on_error=1 \
        LSAN_OPTIONS=suppressions=$PWD/../tests/lsan.supp UBSAN_OPTIONS=print_stacktrace=1:halt_on_error=1 \
        ctest --output-on-failure -j"$(nproc)" -E deb_package)
    tests/fuzz/run.sh 7
    ;;
*)
    echo "usage: $0 run|test" >&2
    exit 2
    ;;
esac
