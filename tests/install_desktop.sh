#!/bin/sh
# The installed desktop entry, AppStream metainfo and icons are valid and
# complete.
#   install_desktop.sh <cmake> <build folder>
set -eu
cmake=$1 build=$2
prefix=$build/install-desktop
id=io.github.miruhe.Miruhe
rm -rf "$prefix"
"$cmake" --install "$build" --prefix "$prefix" >/dev/null

# desktop-file-validate prints hints without failing: any output fails here.
out=$(desktop-file-validate "$prefix/share/applications/$id.desktop" 2>&1) || true
[ -z "$out" ] || { echo "$out"; exit 1; }
appstreamcli validate --no-net "$prefix/share/metainfo/$id.metainfo.xml"
appstreamcli validate-tree --no-net "$prefix"   # the launchable is there too

for size in 16x16/apps/$id.png 32x32/apps/$id.png 48x48/apps/$id.png 64x64/apps/$id.png \
            128x128/apps/$id.png 256x256/apps/$id.png scalable/apps/$id.svg; do
  [ -s "$prefix/share/icons/hicolor/$size" ] || { echo "icon missing: $size"; exit 1; }
done
echo "desktop entry, metainfo and icons valid"
