#!/usr/bin/env bash
# SPDX-License-Identifier: MIT
# The portal hot key against KDE's own service: a virtual kwin_wayland
# (5.27 on Debian 12, 6.3 on Debian 13) with XWayland, xdg-desktop-portal-kde
# behind the frontend, on a private bus. The launcher binds Alt+Q;
# kglobalaccel's invokeShortcut stands for the key; the menu toggles, and
# Pause holds it off. With "held", another program holds Alt+Q already:
# KDE binds nothing, and the launcher must say the hot key is refused.
# Needs scripts/install-deps.sh --kde.
#   tests/portal/kde-check.sh [BUILD_DIR] [held]
set -euo pipefail
here=$(cd "$(dirname "$0")/../.." && pwd)
kde_portal=/usr/lib/x86_64-linux-gnu/libexec/xdg-desktop-portal-kde
command -v kwin_wayland >/dev/null && [[ -x $kde_portal ]] ||
    { echo "kde-check: run scripts/install-deps.sh --kde first" >&2; exit 1; }

if [[ "${1:-}" != --inner ]]; then
    build=$(cd "${1:-$here/build}" && pwd)
    mode=${2:-bound}
    work=$(mktemp -d "${TMPDIR:-/tmp}/vendrask-kde-XXXXXX")
    # The document portal may have mounted its folder in the runtime one.
    trap 'fusermount -u "$work/runtime/doc" 2>/dev/null || true; rm -rf "$work"' EXIT
    # A copy carries no file capabilities, which a container refuses to exec.
    cp "$(command -v kwin_wayland)" "$work/kwin_wayland"
    mkdir -m 700 "$work/runtime"
    mkdir -p "$work/home/.config"
    export XDG_RUNTIME_DIR=$work/runtime HOME=$work/home XDG_CURRENT_DESKTOP=KDE \
        XDG_SESSION_TYPE=wayland KDE_FULL_SESSION=true VENDRASK_KDE_WORK=$work
    dbus-run-session -- timeout 120 "$work/kwin_wayland" --virtual --xwayland \
        --socket wayland-vendrask --width 1280 --height 800 \
        --exit-with-session "$0 --inner $build $mode" >"$work/kwin.log" 2>&1 || true
    cat "$work/result" 2>/dev/null || { echo "kde-check: no result" >&2; tail -20 "$work/kwin.log" >&2; }
    grep -q '^PASS' "$work/result" 2>/dev/null
    exit 0
fi

# Inside kwin's session (WAYLAND_DISPLAY and DISPLAY are kwin's).
build=$2
mode=$3
work=$VENDRASK_KDE_WORK
exec >"$work/result" 2>&1
# KWin 6 hands its session no X display; the launcher picks its own way.
platform=wayland
[[ -n "${DISPLAY:-}" ]] && platform=xcb
QT_QPA_PLATFORM=$platform "$kde_portal" >"$work/kde-portal.log" 2>&1 &
sleep 1
/usr/libexec/xdg-desktop-portal --replace >"$work/frontend.log" 2>&1 &
"$build/vendrask-profile" set "$work/V.ini" ColorSet FadeLevel 0
"$build/vendrask-profile" set "$work/V.ini" HotKey Modifier 1
"$build/vendrask-profile" set "$work/V.ini" HotKey Code 81
[[ $mode == held ]] ||
    env -u QT_QPA_PLATFORM "$build/vendrask" --ini "$work/V.ini" >"$work/launcher.log" 2>&1 &
fail() { echo "FAIL: $*"; cat "$work/launcher.log"; tail -20 "$work/kde-portal.log"; "$build/vendrask" quit; exit 1; }
shown() { "$build/vendrask" status 2>/dev/null | grep -q "^menu shown: $1"; }
# The launcher's component: named by its application id where the portal
# knows it, by the session token where not.
component() {
    dbus-send --session --print-reply --dest=org.kde.kglobalaccel /kglobalaccel \
        org.kde.KGlobalAccel.allComponents 2>/dev/null | grep -o '/component/[A-Za-z0-9_]*' |
        grep -i vendrask | grep -v holder | head -1
}
press() {
    dbus-send --session --print-reply --dest=org.kde.kglobalaccel "$(component)" \
        org.kde.kglobalaccel.Component.invokeShortcut string:toggle string:default >/dev/null
}
until_true() { for _ in $(seq 100); do "$@" && return 0; sleep 0.05; done; return 1; }
bound() {
    [[ -n "$(component)" ]] && dbus-send --session --print-reply --dest=org.kde.kglobalaccel \
        "$(component)" org.kde.kglobalaccel.Component.allShortcutInfos 2>/dev/null |
        grep -q 'int32 134217809'
}
if [[ $mode == held ]]; then
    # Another program binds Alt+Q first, and keeps it.
    until_true eval 'dbus-send --session --print-reply --dest=org.freedesktop.DBus / \
        org.freedesktop.DBus.NameHasOwner string:org.freedesktop.portal.Desktop | grep -q true'
    python3 "$(dirname "$0")/portal-holder.py" ALT+q >"$work/holder.log" 2>&1 &
    until_true grep -q '^held' "$work/holder.log" || fail "the other program did not bind Alt+Q"
    env -u QT_QPA_PLATFORM "$build/vendrask" --ini "$work/V.ini" >"$work/launcher.log" 2>&1 &
    until_true eval '"$build/vendrask" status 2>/dev/null | grep -q "^hot key: refused"' ||
        { cat "$work/holder.log"; fail "the hot key another program holds was not reported refused"; }
    grep -q 'did not bind the hot key' "$work/launcher.log" || fail "the user was not told"
    "$build/vendrask" quit
    echo "PASS: KDE bound nothing for Alt+Q held by another program; the launcher said so"
    exit 0
fi
# Alt (0x08000000) + Q (81), as Qt writes the key KDE stored.
until_true bound || fail "KDE did not bind Alt+Q"
press
until_true shown yes || fail "the shortcut did not show the menu"
press
until_true shown no || fail "the shortcut did not hide the menu"
"$build/vendrask" pause
press
sleep 0.5
shown no || fail "the shortcut showed the menu while paused"
"$build/vendrask" quit
until_true eval '! "$build/vendrask" status >/dev/null 2>&1'
# The next start finds the binding: KDE is not asked again (it would open
# its shortcut settings each time).
binds=$(grep -c 'BindShortcuts called' "$work/kde-portal.log")
env -u QT_QPA_PLATFORM "$build/vendrask" --ini "$work/V.ini" >"$work/launcher2.log" 2>&1 &
# Pressed until the new session has its shortcut: then it has asked all it will.
until_true eval 'shown yes || { press 2>/dev/null; false; }' ||
    fail "the shortcut did not show the menu after a restart"
[[ $(grep -c 'BindShortcuts called' "$work/kde-portal.log") == "$binds" ]] ||
    fail "the second start asked KDE to bind again"
"$build/vendrask" quit
echo "PASS: KDE bound Alt+Q for the launcher; its shortcut toggles the menu; Pause holds it off; the next start binds without asking"
