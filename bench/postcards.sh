#!/bin/sh
# 300 postcards into a PDF with the command line: whole-process wall time and
# peak memory. Usage: bench/postcards.sh [BUILD_DIR]   (default: build)
set -eu
cd "$(dirname "$0")/.."
build=${1:-build}
tagora="$build/app/tagora"
[ -x "$tagora" ] || { echo "build $tagora first" >&2; exit 1; }
[ -x /usr/bin/time ] || { echo "needs /usr/bin/time (apt-get install -y time)" >&2; exit 1; }
work=$(mktemp -d)
trap 'rm -rf "$work"' EXIT
# The 30-card sample book ten times over: 300 cards, the most a book holds.
for i in 1 2 3 4 5 6 7 8 9 10; do cat examples/sample.dat; done > "$work/book300.dat"
"$tagora" --home "$work" postcards "$work/book300.dat" -o "$work/warm.pdf" > /dev/null
/usr/bin/time -v "$tagora" --home "$work" postcards "$work/book300.dat" -o "$work/out.pdf" \
    > "$work/stdout" 2> "$work/time"
pages=$(pdfinfo "$work/out.pdf" 2>/dev/null | awk '/^Pages:/ {print $2}')
wall=$(awk -F': ' '/Elapsed \(wall clock\)/ {print $2}' "$work/time")
rss=$(awk -F': ' '/Maximum resident set size/ {print $2}' "$work/time")
echo "postcards: 300 entries, ${pages:-?} pages, wall ${wall}, peak RSS $((rss / 1024)) MB"
