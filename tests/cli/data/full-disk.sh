#!/bin/sh
# Runs brindlewick-cli on a data folder on a full file system and prints what became of the
# files it was asked to replace. Meant to run as `unshare -rm sh full-disk.sh MOUNT CLI DATA`:
# the small tmpfs is mounted in a namespace of its own and vanishes with it.
set -u
mnt=$1
cli=$2
data=$3
mount -t tmpfs -o size=16m tmpfs "$mnt" || exit 99
cp -r "$data"/. "$mnt"/ || exit 98
printf 'old export\n' > "$mnt/export.adi"
printf 'old picture\n' > "$mnt/map.png"
cp "$mnt/Brindlewick.ini" "$mnt/settings.before"
# Fill the rest of the file system.
dd if=/dev/zero of="$mnt/fill" bs=64k 2>/dev/null
dd if=/dev/zero of="$mnt/fill2" bs=1k 2>/dev/null

"$cli" --data-dir "$mnt" export -o "$mnt/export.adi" >/dev/null 2>&1
echo "export -o: exit $?, $(cat "$mnt/export.adi")"
"$cli" --data-dir "$mnt" defaults set Colour blue >/dev/null 2>&1
echo "defaults set: exit $?"
cmp -s "$mnt/Brindlewick.ini" "$mnt/settings.before" && echo "settings file unchanged"
"$cli" --data-dir "$mnt" defaults remove Station >/dev/null 2>&1
echo "defaults remove: exit $?"
cmp -s "$mnt/Brindlewick.ini" "$mnt/settings.before" && echo "settings file unchanged"
"$cli" --data-dir "$mnt" grayline -o "$mnt/map.png" >/dev/null 2>&1
echo "grayline -o: exit $?, $(cat "$mnt/map.png")"
ls -A "$mnt" | grep -v -e '^fill' -e '\.rlog$' -e '\.db$' | sort | tr '\n' ' '
echo
