#!/usr/bin/env bash
# SPDX-License-Identifier: MIT
# The packaging tier. From a build folder it makes the Debian package and
# the portable archive and uses them as a user would:
#   - the package holds exactly the files of tests/package/files.txt, and
#     lintian, appstreamcli and desktop-file-validate accept it, and its
#     desktop entry and metadata hold their texts in each language it ships;
#   - its launcher, unpacked into a scratch root and run from there by a
#     user who may not write into it, keeps its settings under
#     XDG_CONFIG_HOME, plays its default sounds from the data folder and
#     shows the installed README in the information window;
#   - the portable folder, unpacked anywhere, runs and keeps Vendrask.ini
#     beside the program.
# Runs on a private Xvfb display (started here when none is set).
#   scripts/test-package.sh [BUILD_DIR]   (default: build)
set -euo pipefail
cd "$(dirname "$0")/.."
. scripts/lib.sh

build=$(realpath "${1:-build}")
if [[ -z "${VENDRASK_PACKAGE_DISPLAY:-}" ]]; then
    VENDRASK_PACKAGE_DISPLAY=1 exec scripts/with-xvfb.sh "$0" "$build"
fi

fail() {
    echo "test-package: $*" >&2
    exit 1
}
step() { printf -- '-- %s\n' "$*"; }

version=$(sed -n 's/^CMAKE_PROJECT_VERSION:STATIC=//p' "$build/CMakeCache.txt")
[[ -n "$version" ]] || fail "$build is not a configured build folder"

scratch=$(mktemp -d "${TMPDIR:-/tmp}/vendrask-package-XXXXXX")
launcher_pid=
cleanup() {
    [[ -n "$launcher_pid" ]] && kill "$launcher_pid" 2>/dev/null || true
    rm -rf "$scratch"
}
trap cleanup EXIT
chmod 755 "$scratch"

# The installed files belong to root and the launcher runs as a user who
# may not write there: as nobody when we are root, else over a tree made
# read-only.
session_user nobody
user_folder() { # makes folders the launcher's user owns
    mkdir -p "$@"
    [[ $(id -u) -ne 0 ]] || chown nobody:nogroup "$@"
}

step "Debian package"
(cmake --build "$build" && cd "$build" && cpack -G DEB) >"$scratch/cpack.log" 2>&1 || {
    cat "$scratch/cpack.log"
    fail "cpack failed"
}
revision=$(sed -n 's/^VENDRASK_DEBIAN_REVISION:STRING=//p' "$build/CMakeCache.txt")
deb=$build/package/vendrask_${version}-${revision}_amd64.deb
[[ -f "$deb" ]] || fail "no $deb"
# Built here, for this release only: its name says which.
release=$(. /etc/os-release && echo "${VERSION_ID%%.*}")
[[ "$(. /etc/os-release && echo "$ID")" != debian || "$revision" == *"~deb$release" ]] ||
    fail "$deb does not name Debian $release, the release it was built on"
root=$scratch/root
dpkg-deb -x "$deb" "$root"

(cd "$root" && find . -mindepth 1 ! -type d | sed 's|^\./|/|' | sort) >"$scratch/files"
if ! diff -u <(sed "s/@VERSION@/$version/" tests/package/files.txt) "$scratch/files"; then
    fail "the package's files differ from tests/package/files.txt (- expected, + packaged)"
fi
unwanted=$(grep -E '^/usr/bin/sound/|\.a$|\.h$|[Ff]ake|/usr/include/' "$scratch/files" || true)
[[ -z "$unwanted" ]] || fail "files no package may hold: $unwanted"

step "lintian, appstreamcli, desktop-file-validate"
lintian_status=0
lintian --fail-on error,warning "$deb" >"$scratch/lintian.log" 2>&1 || lintian_status=$?
grep -v 'running with root privileges' "$scratch/lintian.log" || true
[[ $lintian_status -eq 0 ]] || fail "lintian reports errors or warnings"
# The metadata with what it points at: the desktop entry, the icons.
appstreamcli validate-tree --no-net "$root" || fail "the AppStream metadata does not validate"
desktop-file-validate "$root/usr/share/applications/io.github.vendrask.Vendrask.desktop" ||
    fail "the desktop entry does not validate"
# Each language the launcher ships, its entry and metadata speak too: a
# translation beside every English text, which the validators do not ask for.
entry=$root/usr/share/applications/io.github.vendrask.Vendrask.desktop
metainfo=$root/usr/share/metainfo/io.github.vendrask.Vendrask.metainfo.xml
texts=$(grep -cE '<(name|summary|p|li|caption)>' "$metainfo")
for qm in "$root"/usr/share/vendrask/translations/vendrask_*.qm; do
    lang=${qm##*/vendrask_}
    lang=${lang%.qm}
    for key in Name GenericName Comment Keywords; do
        grep -q "^$key\[$lang\]=" "$entry" || fail "the desktop entry has no ${key}[$lang]"
    done
    [[ $(grep -c "xml:lang=\"$lang\"" "$metainfo") -eq $texts ]] ||
        fail "the AppStream metadata does not hold all its texts in $lang"
done

# Runs one of the unpacked launchers ($1: its program) as the user would,
# with folders of its own and SDL's disk audio driver; no library path.
home=$scratch/home
user_folder "$home" "$home/config" "$scratch/runtime"
chmod 700 "$scratch/runtime"
user_env=(env -u LD_LIBRARY_PATH HOME="$home" XDG_CONFIG_HOME="$home/config"
    XDG_RUNTIME_DIR="$scratch/runtime" SDL_AUDIODRIVER=disk SDL_DISKAUDIOFILE="$home/audio.raw"
    QT_LOGGING_RULES="vendrask.debug=true")
client() { "${as_user[@]}" "${user_env[@]}" "$@"; }
start_launcher() {
    "${as_user[@]}" "${user_env[@]}" "$1" >"$scratch/launcher.log" 2>&1 &
    launcher_pid=$!
    wait_for 20 client "$1" status || {
        cat "$scratch/launcher.log"
        fail "$1 did not start"
    }
}
stop_launcher() {
    client "$1" quit >/dev/null
    wait "$launcher_pid" || fail "$1 did not end cleanly"
    launcher_pid=
}
audio_played() { [[ -s "$home/audio.raw" ]] && [[ -n $(tr -d '\0' <"$home/audio.raw" | head -c 1) ]]; }
menu_visible() { client "$1" status | grep -qx "menu shown: yes"; }
logged() { grep -qF "$1" "$scratch/launcher.log"; }
menu_active() { [[ $(xdotool getactivewindow getwindowname 2>/dev/null) == Vendrask ]]; }

step "the package's launcher"
[[ $(id -u) -eq 0 ]] || chmod -R a-w "$root/usr"
program=$root/usr/bin/vendrask
start_launcher "$program"
settings=$home/config/Vendrask/Vendrask.ini
client "$program" status | grep -qxF "settings file: $settings" ||
    fail "settings not under XDG_CONFIG_HOME: $(client "$program" status)"
[[ -f "$settings" ]] || fail "no $settings"
[[ ! -e "$root/usr/bin/Vendrask.ini" ]] || fail "settings written beside the installed program"
client "$program" show >/dev/null
wait_for 10 menu_visible "$program" || fail "the menu did not show"
wait_for 10 menu_active || fail "the shown menu has no keyboard focus"
wait_for 10 audio_played || fail "no sound played from $root/usr/share/vendrask/sound"
# The information window, by keyboard, names the installed README.
xdotool key --delay 50 Up Tab Tab Tab Return
readme="documentation file://$root/usr/share/doc/vendrask/README.md"
wait_for 10 logged "$readme" || {
    cat "$scratch/launcher.log"
    fail "the information window did not name $root/usr/share/doc/vendrask/README.md"
}
xdotool key Escape
stop_launcher "$program"
[[ $(id -u) -eq 0 ]] || chmod -R u+w "$root/usr"

step "the portable folder"
archive=$(scripts/make-portable.sh "$build")
portable=$scratch/portable
user_folder "$portable"
tar -C "$portable" -xzf "$archive"
[[ $(id -u) -ne 0 ]] || chown -R nobody:nogroup "$portable"
program=$portable/vendrask-$version/vendrask
start_launcher "$program"
[[ -f "$portable/vendrask-$version/Vendrask.ini" ]] || fail "no Vendrask.ini beside the portable program"
stop_launcher "$program"

echo "packaging tier: passed"
