#!/usr/bin/env bash
# SPDX-License-Identifier: MIT
# Side-by-side call-up figures of resident launchers on one private Xvfb + openbox:
# our launcher on its chord (Ctrl+Alt) and on its keyed hot key (Alt+Q), the peers synapse
# and kupfer, and a plain Qt 6 window on a grabbed key (vendrask_bench_minimal), one after
# another, fade 0 and sounds off.
#
#   bench/peers.sh [BUILD_DIR] [CALLUPS] [ROUNDS]
#
# Each launcher is started and left to settle, then called up CALLUPS times by a key sent
# through XTest (mapwatch, the same client that times the window) and hidden with Escape.
# Per row: medians of all but the first call-up of the key -> first map of a top-level window
# and -> the last screen damage before the screen goes quiet, the first call-up, and resident
# memory and PSS of the launcher's processes after use, hidden. With ROUNDS > 1 the whole table
# is taken ROUNDS times and a last table gives the median of the rounds.
# The peers are installed with apt-get when missing (they are measured, never used by us).
set -u
here=$(cd "$(dirname "$0")/.." && pwd)
build=$(cd "${1:-$here/build}" && pwd)
callups=${2:-28}
rounds=${3:-1}

# The peers want a session bus, as on every desktop (dbus-launch is dbus-x11's).
command -v dbus-launch >/dev/null || apt-get install -y dbus-x11 >/dev/null 2>&1 ||
    echo "peers: dbus-x11 could not be installed; the peers may not start" >&2
for peer in synapse kupfer; do
    command -v "$peer" >/dev/null || apt-get install -y "$peer" >/dev/null 2>&1 ||
        echo "peers: $peer could not be installed; its row is left out" >&2
done

. "$here/scripts/lib.sh"
mw=$(bench_helper "$build" vendrask_mapwatch) || exit 1
work=$(mktemp -d "${TMPDIR:-/tmp}/peers-XXXXXX")

exec 3>"$work/display"
Xvfb -displayfd 3 -screen 0 1920x1080x24 -nolisten tcp -noreset >/dev/null 2>&1 &
xpid=$!
exec 3>&-
for _ in $(seq 100); do [ -s "$work/display" ] && break; sleep 0.05; done
export DISPLAY=":$(head -n1 "$work/display")" HOME=$work/home XDG_RUNTIME_DIR=$work/run NO_AT_BRIDGE=1
export XDG_CONFIG_HOME=$work/home/.config
unset WAYLAND_DISPLAY QT_QPA_PLATFORM
mkdir -p "$HOME" "$XDG_RUNTIME_DIR"; chmod 700 "$XDG_RUNTIME_DIR"
openbox --sm-disable >/dev/null 2>&1 & wmpid=$!
for _ in $(seq 100); do
    xprop -root _NET_SUPPORTING_WM_CHECK 2>/dev/null | grep -q 'window id' && break
    sleep 0.05
done
eval "$(dbus-launch --sh-syntax </dev/null)"
trap 'kill ${DBUS_SESSION_BUS_PID:-} $wmpid $xpid 2>/dev/null; rm -rf "$work"' EXIT

ini=$work/Vendrask.ini
timeout 3 "$build/vendrask" --ini "$ini" >/dev/null 2>&1
"$build/vendrask-profile" set "$ini" ColorSet FadeLevel 0 >/dev/null
"$build/vendrask-profile" set "$ini" Sound Flag 0 >/dev/null
# The keyed hot key, Alt+Q, fires on the press as the peers' Ctrl+Space do;
# the chord (Ctrl+Alt) fires on the release.
keyed_ini=$work/VendraskKeyed.ini
cp "$ini" "$keyed_ini"
"$build/vendrask-profile" set "$keyed_ini" HotKey Modifier 1 >/dev/null
"$build/vendrask-profile" set "$keyed_ini" HotKey Code 81 >/dev/null

# KiB of one field summed over the processes of a session.
session_kib() { # session field
    local sum=0 p
    for p in $(ps -o pid= -s "$1"); do
        sum=$((sum + $(awk -v f="$2:" '$1 == f {print $2; exit}' /proc/"$p"/smaps_rollup 2>/dev/null || echo 0)))
    done
    echo "$sum"
}

measure() { # name key command...
    local name=$1 key=$2; shift 2
    xdotool mousemove 960 300
    setsid "$@" >/dev/null 2>&1 & local pid=$!
    sleep 6; xdotool key Escape; sleep 0.5
    local maps=() paints=() first=""
    for i in $(seq "$callups"); do
        local r m p
        r=$("$mw" -q 300 -t 5000 -k "$key")
        m=$(sed -n 's/^map_ms=\([0-9.]*\).*/\1/p' <<<"$r"); p=$(sed -n 's/.*paint_ms=\([0-9.]*\).*/\1/p' <<<"$r")
        if [ "$i" = 1 ]; then first=${m:--}; elif [ -n "$m" ]; then maps+=("$m"); paints+=("$p"); fi
        sleep 0.2; xdotool key Escape; sleep 0.5
    done
    sleep 1
    printf '%s %s %s %s %s %s %d\n' "$name" \
        "$(printf '%s\n' "${maps[@]}" | median)" "$(printf '%s\n' "${paints[@]}" | median)" "$first" \
        "$(session_kib "$pid" Rss)" "$(session_kib "$pid" Pss)" "${#maps[@]}"
    kill -- -"$pid" 2>/dev/null; sleep 1; kill -9 -- -"$pid" 2>/dev/null; sleep 0.5
}

table() { # rows on stdin: name map paint first rssKiB pssKiB n
    echo "| | hot key -> menu mapped | -> last paint | first call-up | resident memory after use |"
    echo "|---|---|---|---|---|"
    awk '{printf "| %s | %s ms | %s ms | %s ms | %.1f MiB (PSS %.1f) |\n", $1, $2, $3, $4, $5/1024, $6/1024}'
}

rows=$work/rows
for round in $(seq "$rounds"); do
    {
        measure vendrask-ctrl+alt ctrl+alt "$build/vendrask" --ini "$ini"
        measure vendrask-alt+q alt+q "$build/vendrask" --ini "$keyed_ini"
        command -v synapse >/dev/null && measure synapse ctrl+space synapse --startup
        command -v kupfer >/dev/null && measure kupfer ctrl+space kupfer --no-splash
        measure minimal-qt6 ctrl+space "$build/vendrask_bench_minimal"
    } >"$rows.$round"
    echo "round $round ($callups call-ups each)"
    table <"$rows.$round"
    echo
done
if [ "$rounds" -gt 1 ]; then
    echo "median of $rounds rounds"
    cat "$rows".* | awk '{print $1}' | awk '!seen[$0]++' | while read -r name; do
        printf '%s' "$name"
        for col in 2 3 4 5 6; do
            printf ' %s' "$(grep -h "^$name " "$rows".* | awk -v c=$col '{print $c}' | median)"
        done
        echo
    done | table
fi
