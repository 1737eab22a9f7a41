#!/usr/bin/env bash
# Configures and builds into a folder: scripts/build.sh DIR [cmake options...]
# BRINDLEWICK_TARGETS="a b" builds only those targets (and what they need).
set -euo pipefail

root=$(cd "$(dirname "$0")/.." && pwd)
dir=$1
shift
cmake -S "$root" -B "$dir" -G Ninja "$@" >/dev/null
targets=()
for target in ${BRINDLEWICK_TARGETS:-}; do
    targets+=(--target "$target")
done
cmake --build "$dir" --parallel "$(nproc)" "${targets[@]}"
