#!/usr/bin/env bash
# SPDX-License-Identifier: MIT
# The hot key through the desktop portal against the X11 hot key, in one run
# on a private Xvfb display and a private portal bus:
#  1. the X11 hot key (Ctrl+Alt pressed and released with XTest) to the menu
#     mapped, the launcher in an X11 session;
#  2. the mock desktop service's Activated (asked with dbus-send) through
#     xdg-desktop-portal's frontend to the menu mapped, the launcher in a
#     Wayland session with X11 windows (as under XWayland), so that only the
#     way of the key differs; dbus-send's own start is given beside it.
# Medians over N runs (default 20), seen by bench/mapwatch.c.
# Usage: bench/portal.sh [BUILD] [N]
set -euo pipefail
here=$(cd "$(dirname "$0")/.." && pwd)
build=$(cd "${1:-$here/build}" && pwd)
runs=${2:-20}

exec "$here/scripts/with-xvfb.sh" "$here/scripts/with-portal.sh" \
    "$build/vendrask_test_portal_backend" bash -s "$here" "$build" "$runs" <<'INNER'
set -euo pipefail
here=$1; build=$2; runs=$3
work=$(mktemp -d); trap 'rm -rf "$work"' EXIT
. "$here/scripts/lib.sh"
mapwatch=$(bench_helper "$build" vendrask_mapwatch)
elapsed() {
    local t0=$EPOCHREALTIME
    "$@" >/dev/null 2>&1 || true
    local t1=$EPOCHREALTIME
    awk -v a="$t0" -v b="$t1" 'BEGIN {printf "%.3f\n", (b - a) * 1000}'
}
shown() { xdotool search --onlyvisible --name '^Vendrask$' >/dev/null 2>&1; }
activate=(dbus-send --session --type=method_call --dest=org.freedesktop.impl.portal.desktop.vendrasktest
    /org/vendrask/test org.vendrask.test.PortalMock.Activate)
ping=(dbus-send --session --type=method_call --print-reply --dest=org.freedesktop.impl.portal.desktop.vendrasktest
    /org/vendrask/test org.freedesktop.DBus.Peer.Ping)

ini=$work/Vendrask.ini
"$build/vendrask-profile" set "$ini" ColorSet FadeLevel 0
"$build/vendrask-profile" set "$ini" Sound Flag 0 2>/dev/null || true

# One session type: start, measure runs of the trigger, quit.
measure() { # session type, trigger kind
    XDG_SESSION_TYPE=$1 QT_QPA_PLATFORM=xcb "$build/vendrask" --ini "$ini" >"$work/out-$1" 2>&1 &
    local pid=$!
    for _ in $(seq 200); do "$build/vendrask" status >/dev/null 2>&1 && break; sleep 0.05; done
    sleep 1
    local maps=() line
    for _ in $(seq "$runs"); do
        "$build/vendrask" hide
        for _ in $(seq 100); do shown || break; sleep 0.01; done
        sleep 0.05
        if [[ $2 == chord ]]; then
            line=$("$mapwatch" -t 2000 -k ctrl+alt || true)
        else
            line=$("$mapwatch" -t 2000 -- "${activate[@]}" || true)
        fi
        maps+=("$(sed -nE 's/.*map_ms=([0-9.]+).*/\1/p' <<<"$line")")
    done
    "$build/vendrask" quit
    wait "$pid" || true
    printf '%s\n' "${maps[@]}" | grep . | median
    printf '%s\n' "${maps[@]}" | grep -c . >"$work/count-$1"
}

x11=$(measure x11 chord)
portal=$(measure wayland portal)
grep -q 'BindShortcuts' "$VENDRASK_PORTAL_MOCK_LOG" || { echo "the portal hot key never bound" >&2; cat "$work/out-wayland" >&2; exit 1; }
pings=()
for _ in $(seq "$runs"); do pings+=("$(elapsed "${ping[@]}")"); done
ping_ms=$(printf '%s\n' "${pings[@]}" | median)
echo "X11 hot key (Ctrl+Alt by XTest) to menu mapped: median ${x11} ms over $(cat "$work/count-x11") runs"
echo "portal Activated (dbus-send start included) to menu mapped: median ${portal} ms over $(cat "$work/count-wayland") runs"
echo "dbus-send start to reply alone (a Ping to the mock): median ${ping_ms} ms"
INNER
