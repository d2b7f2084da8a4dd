#!/bin/sh
# Installs what is missing on a Debian 12 machine, builds, and then either
# prints the sample book on label sheets into out/sample-labels.pdf
# (./setup.sh run) or runs every test (./setup.sh test). TAGORA_WERROR=ON
# makes the project's warnings errors, as CI builds it.
set -eu
cd "$(dirname "$0")"
MODE="${1:-run}"
BUILD="${TAGORA_BUILD_DIR:-build}"

PACKAGES="cmake g++ make ccache dpkg-dev librsvg2-bin qt6-base-dev libacl1-dev acl fonts-ipaexfont-mincho fonts-ipaexfont-gothic fonts-ocr-b poppler-utils xvfb xauth qt6-translations-l10n cups printer-driver-cups-pdf libqpdf-dev qpdf glabels-data libharfbuzz-dev unicode-data libqt6sql6-sqlite zint clang-format"
MISSING=""
for package in $PACKAGES; do
    dpkg-query -W -f='${Status}' "$package" 2>/dev/null | grep -q "install ok installed" || MISSING="$MISSING $package"
done
if [ -n "$MISSING" ]; then
    SUDO=""
    [ "$(id -u)" -eq 0 ] || SUDO="sudo"
    $SUDO apt-get update -qq
    DEBIAN_FRONTEND=noninteractive $SUDO apt-get install -y -qq --no-install-recommends $MISSING
fi

cmake -S . -B "$BUILD" -DCMAKE_BUILD_TYPE=RelWithDebInfo -DTAGORA_WERROR="${TAGORA_WERROR:-OFF}" >/dev/null
cmake --build "$BUILD" -j"$(nproc)"

case "$MODE" in
run)
    mkdir -p out
    "$BUILD/app/tagora" --home out labels examples/sample.dat --start 1 -o out/sample-labels.pdf
    ;;
test)
    cd "$BUILD"
    LANG=C.UTF-8 ctest --output-on-failure -j"$(nproc)"
    ;;
*)
    echo "usage: $0 run|test" >&2
    exit 2
    ;;
esac
