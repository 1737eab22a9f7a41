#!/usr/bin/env bash
# Renders every main screen of both screen sets, light and dark, from a demo data folder into
# tools/screenshots/png/<layout>-<theme>/<screen>.png (the README shows some of them).
# Usage: tools/screenshots/make-screenshots.sh [BUILD_DIR]   (default: build)
set -euo pipefail

root=$(cd "$(dirname "$0")/../.." && pwd)
build=${1:-build}
[[ $build = /* ]] || build="$root/$build"
app="$build/src/ui/brindlewick"
cli="$build/src/cli/brindlewick-cli"
loggen="$build/tools/loggen/brindlewick-loggen"
out="$root/tools/screenshots/png"

demo=$(mktemp -d)
# A cluster node on the loopback interface, so the cluster screen shows spots.
node_port=7373
python3 "$root/tools/screenshots/demo-node.py" "$node_port" &
node_pid=$!
trap 'kill "$node_pid" 2>/dev/null; rm -rf "$demo"' EXIT

# A demo logbook from the generator, with own callsign and locator, beside the default one.
"$loggen" "$demo/Demo contest.rlog" 500 --seed 7 --last-day 2025-06-14 >/dev/null ||
    echo "brindlewick-loggen failed; screenshots show an empty demo logbook" >&2
"$cli" --data-dir "$demo" logbooks select "Demo contest.rlog" >/dev/null 2>&1 ||
    "$cli" --data-dir "$demo" logbooks create "Demo contest" >/dev/null
"$cli" --data-dir "$demo" logbooks select "Demo contest.rlog" >/dev/null
"$cli" --data-dir "$demo" prefs set mycall DL1BWK >/dev/null
"$cli" --data-dir "$demo" prefs set mylocator JO62QM >/dev/null
"$cli" --data-dir "$demo" prefs set UserFieldName_1 SOTA >/dev/null
# The one-time notice over the log list has been read.
"$cli" --data-dir "$demo" prefs set Alert_5_0_0 true >/dev/null
"$cli" --data-dir "$demo" defaults set Alert_5_0_0 true >/dev/null
"$cli" --data-dir "$demo" logbooks create "Field day" >/dev/null
"$cli" --data-dir "$demo" logbooks select "Demo contest.rlog" >/dev/null
"$cli" --data-dir "$demo" defaults set CallsToMark '["3B8*", "K1ABC"]' >/dev/null
"$cli" --data-dir "$demo" defaults set DX-Clusters "[[\"Demo node\", \"127.0.0.1\", $node_port]]" \
    >/dev/null
# A radio chosen on the transceiver screen and a Club Log account on the QSL tab.
"$cli" --data-dir "$demo" defaults set TRX_Brand 1 >/dev/null
"$cli" --data-dir "$demo" defaults set Trx_Type '"IC-705"' >/dev/null
"$cli" --data-dir "$demo" defaults set Pigtail_Address '"192.168.1.50"' >/dev/null
"$cli" --data-dir "$demo" defaults set Pigtail_Port 50000 >/dev/null
"$cli" --data-dir "$demo" prefs set ClublogUser dl1bwk@example.org >/dev/null
"$cli" --data-dir "$demo" prefs set ClublogCallsign DL1BWK >/dev/null
# A contest session with a few QSOs for the contest screen (times just after now: they count).
"$cli" --data-dir "$demo" contest start CQ-WW-CW --sent-exchange "599 14" >/dev/null
now=$(date -u +%s)
for qso in "K1ABC 5 14025" "JA1XYZ 25 14027" "F5ABC 14 14028" "VK2ABC 30 21020" "K1ABC 5 7015"; do
    set -- $qso
    "$cli" --data-dir "$demo" contest log "$1" 599 "$2" --freq "$3" \
        --time "$(date -u -d @$((now + 60)) '+%Y-%m-%d %H:%M:%S')" >/dev/null
    now=$((now + 30))
done
# A park activation today (UTC): ten QSOs from a station profile, one a repeat on the same band
# and mode, one with a station in another park.
"$cli" --data-dir "$demo" station add "Park DE-0817" --call DL1BWK --locator JO62QM \
    --pota DE-0817 >/dev/null
"$cli" --data-dir "$demo" station select "Park DE-0817" >/dev/null
today=$(date -u +%Y-%m-%d)
minute=0
for qso in "DL2ABC 14285 SSB" "OK1XYZ 14287 SSB" "G4ABC 14290 SSB" "DL2ABC 14285 SSB" \
    "F6XYZ 7150 SSB" "SP5ABC 7155 SSB" "ON4XYZ 7160 SSB" "PA3ABC 14060 CW" "HB9XYZ 14062 CW" \
    "OE1ABC 14064 CW"; do
    set -- $qso
    minute=$((minute + 3))
    extra=()
    [[ $1 = SP5ABC ]] && extra=(--field POTA_REF=PL-0123)
    "$cli" --data-dir "$demo" qso add --call "$1" --freq "$2" --mode "$3" \
        --time "$today $(printf '00:%02d:00' "$minute")" "${extra[@]}" >/dev/null
done
# Some ADIF text for the import screen.
"$cli" --data-dir "$demo" export --range 0 -o "$demo/sample.adi" >/dev/null 2>&1 ||
    printf '%s\n' 'Demo<eoh>' \
        '<call:5>K1ABC<qso_date:8>20250614<time_on:4>1015<band:3>20m<mode:2>CW<eor>' \
        '<call:6>DL1XYZ<qso_date:8>20250614<time_on:4>1022<band:3>40m<mode:3>SSB<eor>' \
        >"$demo/sample.adi"

for layout in tablet phone; do
    for theme in light dark; do
        rm -rf "$out/$layout-$theme"
        xvfb-run -a -s '-screen 0 1920x1200x24' "$app" --data-dir "$demo" --layout "$layout" \
            --theme "$theme" --shortcut DX_Cluster --screenshot "$out/$layout-$theme" \
            "$demo/sample.adi"
    done
done
echo "Screenshots in $out"
