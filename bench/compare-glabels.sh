#!/bin/sh
# Label placement against gLabels on 20 sheets of the glabels-data library:
# each sheet is filled with one book of cards by `tagora labels --template`
# and by glabels-3-batch from a generated project on the same template, and
# both PDFs are read back (bench/compare_glabels.py). One line per sheet;
# exits non-zero when a Tagora label has text outside its rectangle, when
# the two programs fill the labels in a different order, or when a sheet
# could not be checked. Installs gLabels when it is missing.
set -eu
cd "$(dirname "$0")/.."
BUILD="${TAGORA_BUILD_DIR:-build}"
TAGORA="$BUILD/app/tagora"
LIBRARY="${TAGORA_TEMPLATE_DIR:-/usr/share/libglabels-3.0/templates}"
[ -x "$TAGORA" ] || { echo "build first: $TAGORA is missing" >&2; exit 2; }

for tool in glabels-3-batch pdftotext; do
    if ! command -v "$tool" >/dev/null; then
        SUDO=""
        [ "$(id -u)" -eq 0 ] || SUDO="sudo"
        $SUDO apt-get update -qq
        DEBIAN_FRONTEND=noninteractive $SUDO apt-get install -y -qq --no-install-recommends \
            glabels poppler-utils fonts-ipaexfont-gothic
        break
    fi
done

WORK="${COMPARE_KEEP:-$(mktemp -d)}"
[ -n "${COMPARE_KEEP:-}" ] || trap 'rm -rf "$WORK"' EXIT

# Hisago's A4 sheets of 10 to 65 labels (abutting, with gaps, round
# corners, 2 to 5 columns, grids from the paper's edge), Avery A4 sheets in
# points and borrowed under another part, Avery US Letter sheets in inches,
# a Zweckform sheet edge to edge, and a Letter sheet of two labels placed
# by two layouts that are no grid. "@N": the job starts on label N (and
# runs onto a second sheet).
python3 bench/compare_glabels.py "$TAGORA" "$LIBRARY" "$WORK" \
    "Hisago ELM008" "Hisago ELM007" "Hisago ELM009" "Hisago ELM011" "Hisago ELM012@5" \
    "Hisago KLP701S" "Hisago ELM022" "Hisago OP866" "Hisago FSCGB868" "Hisago ELM010" \
    "Hisago ELM023" "Hisago GB3305" "Hisago ELM005" \
    "Avery L7160" "Avery L7163" "Avery J8157" "Avery 5160@7" "Avery 5163" \
    "Zweckform 3475" "Online Labels OL395"
