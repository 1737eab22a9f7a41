#!/usr/bin/env bash
# Configures and builds into a folder: scripts/build.sh DIR [cmake options...]
set -euo pipefail

root=$(cd "$(dirname "$0")/.." && pwd)
dir=$1
shift
cmake -S "$root" -B "$dir" -G Ninja "$@" >/dev/null
cmake --build "$dir" --parallel "$(nproc)"
