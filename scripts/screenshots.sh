#!/usr/bin/env bash
# SPDX-License-Identifier: MIT
# Writes the README's and the AppStream metadata's screenshots into
# docs/screenshots/: the real launcher of a build, unpacked as the portable
# folder, on a private Xvfb display with openbox and xcompmgr, driven by
# keyboard and its control verbs. Needs
# imagemagick (apt-get install imagemagick; it is no build dependency).
# With a language, the same windows in it, into docs/screenshots/LANG/.
#   scripts/screenshots.sh [BUILD_DIR [LANG]]   (default: build, English)
set -euo pipefail
cd "$(dirname "$0")/.."
. scripts/lib.sh

build=$(realpath "${1:-build}")
language=${2:-}
command -v import >/dev/null && command -v convert >/dev/null || {
    echo "screenshots: needs imagemagick (apt-get install imagemagick)" >&2
    exit 1
}
if [[ -z "${VENDRASK_SCREENSHOT_DISPLAY:-}" ]]; then
    VENDRASK_SCREENSHOT_DISPLAY=1 exec scripts/with-xvfb.sh "$0" "$build" "$language"
fi

out=$PWD/docs/screenshots${language:+/$language}
mkdir -p "$out"
version=$(sed -n 's/^CMAKE_PROJECT_VERSION:STATIC=//p' "$build/CMakeCache.txt")
# A short folder, so the information window shows the README's whole address.
work=/tmp/vendrask-$version${language:+-$language}
mkdir -m 700 "$work" || {
    echo "screenshots: $work is in the way" >&2
    exit 1
}
launcher_pid=
cleanup() {
    [[ -n "$launcher_pid" ]] && kill "$launcher_pid" 2>/dev/null || true
    rm -rf "$work"
}
trap cleanup EXIT

export SDL_AUDIODRIVER=dummy
[[ -z "$language" ]] || export LANGUAGE=$language LC_ALL= LANG=C.UTF-8
# A window's title in the language of the shots, from its translation.
title() { # context, English title
    [[ -n "$language" ]] || {
        echo "$2"
        return
    }
    python3 - "translations/vendrask_$language.ts" "$1" "$2" <<'PY'
import sys
import xml.etree.ElementTree as tree
for context in tree.parse(sys.argv[1]).getroot().iter("context"):
    if context.findtext("name") == sys.argv[2]:
        for message in context.iter("message"):
            if message.findtext("source") == sys.argv[3]:
                print(message.findtext("translation"))
PY
}
tar -C "$work" --strip-components=1 -xzf "$(scripts/make-portable.sh "$build")"
folder=$work
ini=$folder/Vendrask.ini
vendrask=$folder/vendrask
profile() { "$folder/vendrask-profile" set "$ini" "$@" >/dev/null; }

# A group as a user might have filled it; item n of group 0 is Item0n.
profile Group0 Title "Everyday"
items=(
    "01|Web Browser|CLSID::{871C5380-42A0-1069-A2EA-08002B30309D}"
    "02|Files|CSIDL::40"
    "03|Calculator|/usr/bin/gnome-calculator"
    "04|Documents|CSIDL::5"
    "05|Text Editor|/usr/bin/gedit"
    "07|GIMP|/usr/bin/gimp"
    "13|Music|CSIDL::13"
    "14|Computer|CLSID::{20D04FE0-3AEA-1069-A2D8-08002B30309D}"
    "16|Pictures|CSIDL::39"
    "18|Recycle Bin|CLSID::{645FF040-5081-101B-9F08-00AA002F954E}"
    "20|Terminal|/usr/bin/x-terminal-emulator"
    "22|Videos|CSIDL::14"
)
for item in "${items[@]}"; do
    IFS='|' read -r number name path <<<"$item"
    profile "Item$number" Name "$name"
    profile "Item$number" Path "$path"
done
profile ColorSet FadeLevel 0

xsetroot -solid '#35556f'
xdotool mousemove 960 500

start() {
    "$vendrask" >"$work/launcher.log" 2>&1 &
    launcher_pid=$!
    wait_for 20 "$vendrask" status
}
stop() {
    "$vendrask" quit >/dev/null
    wait "$launcher_pid" || true
    launcher_pid=
}
# By the whole title, compared here: xdotool's patterns miss non-ASCII ones.
shown() {
    local window
    for window in $(xdotool search --onlyvisible --name '^Vendrask'); do
        [[ "$(xdotool getwindowname "$window")" != "$1" ]] || {
            echo "$window"
            return
        }
    done
}
# Waits for the window titled $1, lets it paint, and saves it with a margin
# of desktop around it as docs/screenshots/$2.png.
shoot() {
    wait_for 10 shown "$1"
    sleep 0.6
    local window x y width height
    window=$(shown "$1")
    eval "$(xdotool getwindowgeometry --shell "$window" | grep -E '^(X|Y|WIDTH|HEIGHT)=')"
    local margin=16
    x=$((X - margin)) y=$((Y - margin))
    width=$((WIDTH + 2 * margin)) height=$((HEIGHT + 2 * margin))
    ((x >= 0)) || x=0
    ((y >= 0)) || y=0
    import -window root "$work/screen.png"
    convert "$work/screen.png" -crop "${width}x${height}+${x}+${y}" +repage -strip \
        -define png:compression-level=9 "$out/$2.png"
    echo "${out#"$PWD"/}/$2.png"
}
keys() { xdotool key --delay 80 "$@"; }

start
"$vendrask" show >/dev/null
shoot Vendrask menu
# The information window and an empty item's setting window, from the menu.
information=$(title CVendraskInformation "Vendrask Information")
setting=$(title CVendraskItemSetting "Vendrask Item Setting")
configuration=$(title CVendraskConfig "Vendrask Configuration")
keys Up Tab Tab Tab Return
shoot "$information" information
keys Escape
wait_for 5 test -z "$(shown "$information")"
keys x
shoot "$setting" item-setting
keys Escape
wait_for 5 test -z "$(shown "$setting")"
keys Escape
# The configuration's three pages, Ctrl+Tab from one to the next.
"$vendrask" configure >/dev/null
shoot "$configuration" config-behavior
keys ctrl+Tab
shoot "$configuration" config-appearance
keys ctrl+Tab
shoot "$configuration" config-sound
keys Escape
stop
[[ -z "$language" ]] || exit 0

# A colour preset: Ocean Cobalt.
profile ColorSet Index 5
start
"$vendrask" show >/dev/null
shoot Vendrask menu-ocean-cobalt
stop
