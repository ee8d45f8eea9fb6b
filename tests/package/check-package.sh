#!/bin/sh
# Builds the .deb, unpacks it into a scratch folder and starts the unpacked program on the
# offscreen platform. Usage: check-package.sh BUILD_FOLDER
set -e
build=$(cd "$1" && pwd)
scratch=$(mktemp -d)
trap 'rm -rf "$scratch"' EXIT

cpack -G DEB -B "$scratch/out" --config "$build/CPackConfig.cmake" > "$scratch/cpack.log" 2>&1 ||
    { cat "$scratch/cpack.log"; exit 1; }
deb=$(ls "$scratch"/out/*.deb)
depends=$(dpkg-deb -f "$deb" Depends)
echo "Depends: $depends"
echo "$depends" | grep -q libqt6widgets6 || { echo "the Qt widgets library is not a dependency"; exit 1; }

dpkg-deb -x "$deb" "$scratch/root"
for file in usr/bin/cwreadme usr/share/applications/org.example.cwreadme.desktop \
    usr/share/metainfo/org.example.cwreadme.metainfo.xml \
    usr/share/icons/hicolor/16x16/apps/cwreadme.png usr/share/icons/hicolor/32x32/apps/cwreadme.png \
    usr/share/icons/hicolor/48x48/apps/cwreadme.png usr/share/icons/hicolor/256x256/apps/cwreadme.png; do
    [ -f "$scratch/root/$file" ] || { echo "missing from the package: $file"; exit 1; }
done

# The program runs until its main dialog is closed: still running after three seconds means it
# started and showed it.
status=0
QT_QPA_PLATFORM=offscreen timeout 3 "$scratch/root/usr/bin/cwreadme" 2> "$scratch/stderr" || status=$?
if [ "$status" -ne 124 ]; then
    echo "the unpacked program ended by itself (status $status):"
    cat "$scratch/stderr"
    exit 1
fi
echo "the unpacked program started and ran"
