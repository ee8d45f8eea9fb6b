#!/bin/sh
# Takes the README's screenshots under Xvfb and renders the sample readme with headless Chromium.
# Usage: screenshots.sh BUILD_FOLDER DOCS_FOLDER
set -e
build=$(cd "$1" && pwd)
docs=$(mkdir -p "$2" && cd "$2" && pwd)
work=$(mktemp -d)
trap 'rm -rf "$work"' EXIT

cd "$work"
xvfb-run -a -s "-screen 0 1280x1024x24" "$build/tools/screenshots" "$docs"
cp castle.htm "$docs/sample-readme.htm"
mkdir -p "$docs/scale-2" && rm -f castle.htm
QT_SCALE_FACTOR=2 xvfb-run -a -s "-screen 0 2560x2048x24" "$build/tools/screenshots" "$docs/scale-2"
chromium --headless --no-sandbox --disable-gpu --disable-quic --no-first-run \
    --disable-background-networking --disable-component-update --disable-sync \
    --user-data-dir="$work/chromium" --hide-scrollbars --window-size=1000,1500 \
    --screenshot="$docs/sample-readme.png" "file://$docs/sample-readme.htm" 2>/dev/null
echo "Screenshots are in $docs"
