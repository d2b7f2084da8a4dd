#!/bin/sh
# Prints 300 entries (the sample book ten times) from start label 5 into a
# PDF with the command line, and reports the whole process's wall time and
# peak memory. Needs GNU time (/usr/bin/time, Debian package "time").
set -eu
cd "$(dirname "$0")/.."
BUILD="${TAGORA_BUILD_DIR:-build}"
TAGORA="$BUILD/app/tagora"
[ -x "$TAGORA" ] || { echo "build first: $TAGORA is missing" >&2; exit 2; }
[ -x /usr/bin/time ] || { echo "install GNU time: apt-get install -y time" >&2; exit 2; }

WORK="$(mktemp -d)"
trap 'rm -rf "$WORK"' EXIT
CARDS="1-30,1-30,1-30,1-30,1-30,1-30,1-30,1-30,1-30,1-30"

# One run to warm the font cache, then the measured runs.
"$TAGORA" --home "$WORK" labels examples/sample.dat --start 5 --cards "$CARDS" -o "$WORK/warm.pdf" >/dev/null
for run in 1 2 3; do
    /usr/bin/time -v "$TAGORA" --home "$WORK" labels examples/sample.dat --start 5 --cards "$CARDS" \
        -o "$WORK/labels.pdf" >"$WORK/sheets" 2>"$WORK/time"
    wall=$(sed -n 's/.*Elapsed (wall clock) time (h:mm:ss or m:ss): //p' "$WORK/time")
    rss=$(sed -n 's/.*Maximum resident set size (kbytes): //p' "$WORK/time")
    echo "run $run: 300 entries from label 5, $(cat "$WORK/sheets") sheets, wall $wall, peak RSS $((rss / 1024)) MB"
done
echo "PDF size: $(wc -c <"$WORK/labels.pdf") bytes"
