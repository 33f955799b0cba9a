#!/bin/sh
# Puts Meshsmith into your desktop's application menu: the menu entry, with
# this folder's path filled in, and the icon go under ~/.local/share; with the
# viewer 3DO-View in this folder, its entry too and the .3do file type, so
# that .3do files open in it. Run it again after moving the folder.
set -eu
here=$(cd "$(dirname "$0")" && pwd)
data=${XDG_DATA_HOME:-$HOME/.local/share}
mkdir -p "$data/applications" "$data/icons/hicolor/scalable/apps" "$data/icons/hicolor/256x256/apps"
cp "$here/meshsmith.svg" "$data/icons/hicolor/scalable/apps/meshsmith.svg"
cp "$here/meshsmith.png" "$data/icons/hicolor/256x256/apps/meshsmith.png"

# add_entry ENTRY PROGRAM: the menu entry ENTRY starting this folder's PROGRAM.
add_entry() {
    program=$(printf '%s/%s' "$here" "$2" | sed 's/[\\&|]/\\&/g')
    sed "s|^Exec=$2|Exec=\"$program\"|" "$here/$1" >"$data/applications/$1"
    echo "$2 is in the application menu ($data/applications/$1)."
}

add_entry meshsmith.desktop Meshsmith
if [ -x "$here/3DO-View" ] && [ -f "$here/3do-view.desktop" ]; then
    add_entry 3do-view.desktop 3DO-View
    mkdir -p "$data/mime/packages"
    cp "$here/meshsmith-3do.xml" "$data/mime/packages/meshsmith-3do.xml"
    if command -v update-mime-database >/dev/null; then update-mime-database "$data/mime"; fi
    if command -v update-desktop-database >/dev/null; then
        update-desktop-database "$data/applications"
    fi
fi
