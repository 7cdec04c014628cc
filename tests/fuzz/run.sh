#!/usr/bin/env bash
# Builds the libFuzzer targets with clang and runs each for a while on a scratch copy of
# the committed seeds (new inputs never touch the repository).
#   tests/fuzz/run.sh [SECONDS_PER_TARGET]      default 7; a long run: tests/fuzz/run.sh 600
set -euo pipefail
here=$(cd "$(dirname "$0")" && pwd)
seconds=${1:-7}
build=${FUZZ_BUILD_DIR:-$here/../../build-fuzz}
cmake -S "$here" -B "$build" -DCMAKE_CXX_COMPILER=clang++ -DCMAKE_BUILD_TYPE=RelWithDebInfo >/dev/null
cmake --build "$build" -j"$(nproc)" >/dev/null
scratch=$(mktemp -d)
trap 'rm -rf "$scratch"' EXIT
for target in query descramble cp936 modelnumber; do
    mkdir -p "$scratch/$target"
    echo "fuzz_$target: ${seconds}s"
    "$build/fuzz_$target" -max_total_time="$seconds" -print_final_stats=0 -max_len=4096 \
        -artifact_prefix="$scratch/$target-" "$scratch/$target" "$here/corpus/$target" 2>"$scratch/$target.log" || {
        tail -n 40 "$scratch/$target.log"
        mkdir -p "$here/../../fuzz-crashes"
        cp "$scratch/$target"-* "$here/../../fuzz-crashes/" 2>/dev/null || true
        echo "fuzz_$target failed; the input is in fuzz-crashes/"
        exit 1
    }
    grep -E "^#[0-9]+.*DONE|Done [0-9]+ runs" "$scratch/$target.log" | tail -n 1 || true
done
echo "4 passed, 0 failed"
