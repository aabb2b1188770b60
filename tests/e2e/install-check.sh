#!/usr/bin/env bash
# Installs the build into a scratch prefix and checks that the program, its launcher entry,
# icon and metadata land in their standard places and are well formed.
set -euo pipefail
build=$1
prefix=$(mktemp -d)
trap 'rm -rf "$prefix"' EXIT
cmake --install "$build" --prefix "$prefix" >/dev/null
id=com.tarnwell.QK4410Setup
for f in bin/Settings share/applications/$id.desktop share/icons/hicolor/256x256/apps/$id.png share/metainfo/$id.metainfo.xml; do
  [[ -e "$prefix/$f" ]] || { echo "missing after install: $f"; exit 1; }
done
[[ -x "$prefix/bin/Settings" ]] || { echo "Settings is not executable"; exit 1; }
if command -v desktop-file-validate >/dev/null; then
  desktop-file-validate "$prefix/share/applications/$id.desktop"
fi
grep -q '^Exec=Settings$' "$prefix/share/applications/$id.desktop"
grep -q "<id>$id</id>" "$prefix/share/metainfo/$id.metainfo.xml"
identify -format '%w x %h\n' "$prefix/share/icons/hicolor/256x256/apps/$id.png" | grep -q '^256 x 256$'
echo "install: all files in place"
