#!/usr/bin/env bash
# Set-up, build, run and test on Debian 12.
#   ./dev.sh run     install what is missing, build, start the program
#   ./dev.sh test    install what is missing, build, run every test headless
set -euo pipefail
cd "$(dirname "$0")"

PACKAGES=(build-essential cmake python3 qt6-base-dev libgl-dev libbenchmark-dev
          fonts-wqy-zenhei xvfb xauth xdotool)

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
    ;;
*)
    echo "usage: $0 run|test" >&2
    exit 2
    ;;
esac
