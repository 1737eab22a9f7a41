#!/usr/bin/env bash
# Runs a libFuzzer target for a while: scripts/fuzz.sh TARGET SECONDS (e.g. scripts/fuzz.sh adif 30)
#
# Configures and builds build-fuzz with clang when needed (BRINDLEWICK_FUZZ=ON; another folder
# with BRINDLEWICK_FUZZ_DIR), fuzzes fuzz_TARGET on a copy of fuzz/corpus/TARGET and exits
# non-zero when the fuzzer finds a crash, a leak or a timeout; the input is then left in
# build-fuzz/findings-TARGET/.
set -euo pipefail

if [ $# -ne 2 ]; then
    echo "Usage: $0 TARGET SECONDS" >&2
    exit 2
fi
target=$1
seconds=$2
root=$(cd "$(dirname "$0")/.." && pwd)
dir=${BRINDLEWICK_FUZZ_DIR:-$root/build-fuzz}
seeds=$root/fuzz/corpus/$target

if [ ! -d "$seeds" ]; then
    echo "No seed corpus $seeds" >&2
    exit 2
fi
if [ ! -f "$dir/build.ninja" ]; then
    CC=clang CXX=clang++ cmake -S "$root" -B "$dir" -G Ninja -DCMAKE_BUILD_TYPE=RelWithDebInfo \
        -DBRINDLEWICK_FUZZ=ON -DBRINDLEWICK_BENCH=OFF >/dev/null
fi
cmake --build "$dir" --target "fuzz_$target" -- -j2

corpus=$dir/corpus-$target
findings=$dir/findings-$target
mkdir -p "$corpus" "$findings"
cp "$seeds"/* "$corpus"/

export ASAN_OPTIONS=${ASAN_OPTIONS:-detect_leaks=1}
export UBSAN_OPTIONS=${UBSAN_OPTIONS:-print_stacktrace=1:halt_on_error=1}
"$dir/fuzz/fuzz_$target" "$corpus" -max_total_time="$seconds" -timeout=10 -rss_limit_mb=2048 \
    -max_len=1048576 -artifact_prefix="$findings/" -print_final_stats=1
