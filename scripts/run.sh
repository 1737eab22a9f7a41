#!/usr/bin/env bash
# Sets everything up, builds and starts Brindlewick on its default logbook
# (DefaultLog.rlog in the data folder). Arguments are passed to the application,
# e.g. --data-dir DIR.
set -euo pipefail

root=$(cd "$(dirname "$0")/.." && pwd)
bash "$root/scripts/setup.sh"
# Only what it runs: the application and the command-line tool.
BRINDLEWICK_TARGETS="brindlewick brindlewick-cli" \
    bash "$root/scripts/build.sh" "$root/build" -DCMAKE_BUILD_TYPE=RelWithDebInfo

app=("$root/build/src/ui/brindlewick" "$@")
if [[ -z ${DISPLAY:-} && -z ${WAYLAND_DISPLAY:-} ]]; then
    echo "No display found: starting Brindlewick on a virtual one (xvfb-run)." >&2
    exec xvfb-run -a -s '-screen 0 1920x1200x24' "${app[@]}"
fi
exec "${app[@]}"
