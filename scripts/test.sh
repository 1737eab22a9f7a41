#!/usr/bin/env bash
# Sets everything up, builds with AddressSanitizer and UndefinedBehaviorSanitizer and runs
# every test headless with CTest.
set -euo pipefail

root=$(cd "$(dirname "$0")/.." && pwd)
bash "$root/scripts/setup.sh"
bash "$root/scripts/build.sh" "$root/build-sanitize" -DCMAKE_BUILD_TYPE=Debug \
    -DBRINDLEWICK_SANITIZE=ON

export QT_QPA_PLATFORM=offscreen
ctest --test-dir "$root/build-sanitize" --output-on-failure --parallel "$(nproc)"
