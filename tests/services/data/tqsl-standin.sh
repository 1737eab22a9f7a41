#!/bin/sh
# Stands in for TQSL in the tests: writes down its arguments and the file it was handed, prints
# what TQSL would, and exits with the code the test chose.
dir="${TQSL_STANDIN_DIR:?}"
printf '%s\n' "$@" > "$dir/args"
for last; do :; done
cp "$last" "$dir/upload.adi"
if [ -n "$TQSL_STANDIN_SLEEP" ]; then
    touch "$dir/started"
    sleep "$TQSL_STANDIN_SLEEP"
fi
echo "Signing using Callsign K1ABC, DXCC Entity UNITED STATES OF AMERICA"
if [ -n "$TQSL_STANDIN_MESSAGE" ]; then
    echo "$TQSL_STANDIN_MESSAGE" >&2
fi
exit "${TQSL_STANDIN_EXIT:-0}"
