#!/bin/sh
# Puts Meshsmith into your desktop's application menu: the menu entry, with
# this folder's path filled in, and the icon go under ~/.local/share. Run it
# again after moving the folder.
set -eu
here=$(cd "$(dirname "$0")" && pwd)
data=${XDG_DATA_HOME:-$HOME/.local/share}
mkdir -p "$data/applications" "$data/icons/hicolor/scalable/apps" "$data/icons/hicolor/256x256/apps"
cp "$here/meshsmith.svg" "$data/icons/hicolor/scalable/apps/meshsmith.svg"
cp "$here/meshsmith.png" "$data/icons/hicolor/256x256/apps/meshsmith.png"
program=$(printf '%s/Meshsmith' "$here" | sed 's/[\\&|]/\\&/g')
sed "s|^Exec=Meshsmith|Exec=\"$program\"|" "$here/meshsmith.desktop" >"$data/applications/meshsmith.desktop"
echo "Meshsmith is in the application menu ($data/applications/meshsmith.desktop)."
