#!/bin/sh
# Splits 100,000 one-line addresses through `tagora split` from standard
# input and reports the whole process's wall time and peak resident memory.
# Usage: bench/split.sh [path/to/tagora]   (default: build/app/tagora)
set -eu
here=$(cd "$(dirname "$0")/.." && pwd)
tagora=${1:-$here/build/app/tagora}
[ -x "$tagora" ] || { echo "no tagora binary at $tagora (build the tagora target)" >&2; exit 1; }
[ -x /usr/bin/time ] || { echo "/usr/bin/time is missing (apt-get install -y time)" >&2; exit 1; }

work=$(mktemp -d)
trap 'rm -rf "$work"' EXIT
input=$work/addresses.txt

# Ten patterns that reach every rule (prefecture markers, the exception
# names, county, ward, city, none), numbered so that no two lines are equal.
awk 'BEGIN {
    split("三重県四日市市諏訪町|北海道余市郡余市町黒川町|福岡県小郡市小郡|千葉県八日市場市イ|神奈川県横浜市中区山下町|埼玉県入間郡毛呂山町|京都府京都市中京区烏丸通|八日市場市イ|東京都三宅島三宅|大阪府大阪市北区梅田", p, "|");
    for (i = 0; i < 100000; i++) printf "%s%d-%d\n", p[i % 10 + 1], i % 97 + 1, i;
}' > "$input"

"$tagora" split < "$input" > "$work/warm.txt" # fills the page cache
/usr/bin/time -v "$tagora" split < "$input" > "$work/out.txt" 2> "$work/time.txt"

lines=$(wc -l < "$work/out.txt")
wall=$(sed -n 's/^.*Elapsed (wall clock) time (h:mm:ss or m:ss): //p' "$work/time.txt")
rss=$(sed -n 's/^.*Maximum resident set size (kbytes): //p' "$work/time.txt")
echo "addresses: 100000, output lines: $lines"
echo "wall time: $wall (m:ss)"
echo "peak RSS:  $rss kB"
