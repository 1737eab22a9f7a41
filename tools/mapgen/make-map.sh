#!/usr/bin/env bash
# Draws resources/map/worldmap.png again from world-atlas (Natural Earth as TopoJSON).
# Usage: tools/mapgen/make-map.sh [BUILD_DIR] [WIDTH]   (defaults: build, 2048)
set -euo pipefail

root=$(cd "$(dirname "$0")/../.." && pwd)
build=${1:-build}
[[ $build = /* ]] || build="$root/$build"
width=${2:-2048}

cmake --build "$build" --target brindlewick-mapgen
work=$(mktemp -d)
trap 'rm -rf "$work"' EXIT
(cd "$work" && npm pack world-atlas@2.0.2 >/dev/null && tar xzf world-atlas-2.0.2.tgz)
"$build/tools/mapgen/brindlewick-mapgen" "$work/package/countries-50m.json" \
    "$root/resources/map/worldmap.png" "$width"
