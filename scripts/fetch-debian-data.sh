#!/usr/bin/env bash
# Fetches a Debian package's files without installing it and prints the folder they are in.
#   scripts/fetch-debian-data.sh hamradio-files   →  .cache/debian/hamradio-files
# The folder keeps the package's own layout (usr/share/...). Nothing is fetched twice.
set -euo pipefail

package=${1:?usage: fetch-debian-data.sh PACKAGE}
root=$(cd "$(dirname "$0")/.." && pwd)
cache=${BRINDLEWICK_DATA_CACHE:-$root/.cache/debian}
target=$cache/$package

if [[ ! -d $target ]]; then
    work=$(mktemp -d)
    chmod 777 "$work" # apt downloads as its own _apt user
    trap 'rm -rf "$work"' EXIT
    (cd "$work" && apt-get download -qq "$package" >/dev/null)
    mkdir -p "$target.partial"
    dpkg -x "$work"/"${package}"_*.deb "$target.partial"
    mv "$target.partial" "$target"
fi
echo "$target"
