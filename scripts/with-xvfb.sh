#!/usr/bin/env bash
# SPDX-License-Identifier: MIT
# Runs a command on a private Xvfb display with openbox (EWMH) and
# xcompmgr (opacity), trayer (a system tray), a temporary HOME and XDG_RUNTIME_DIR, and tears it
# all down afterwards, also on failure.
set -euo pipefail

work=$(mktemp -d "${TMPDIR:-/tmp}/vendrask-xvfb-XXXXXX")
pids=()
cleanup() {
    for pid in "${pids[@]}"; do kill "$pid" 2>/dev/null || true; done
    for pid in "${pids[@]}"; do wait "$pid" 2>/dev/null || true; done
    rm -rf "$work"
}
trap cleanup EXIT INT TERM

exec 3>"$work/display"
Xvfb -displayfd 3 -screen 0 1920x1080x24 -nolisten tcp -noreset >"$work/xvfb.log" 2>&1 &
pids+=($!)
exec 3>&-
for _ in $(seq 100); do
    [[ -s "$work/display" ]] && break
    sleep 0.05
done
[[ -s "$work/display" ]] || { echo "with-xvfb: Xvfb did not start" >&2; cat "$work/xvfb.log" >&2; exit 1; }

export DISPLAY=":$(head -n1 "$work/display")"
export HOME="$work/home"
export XDG_RUNTIME_DIR="$work/runtime"
export XDG_CONFIG_HOME="$HOME/.config"
mkdir -p "$HOME" "$XDG_CONFIG_HOME"
mkdir -m 700 "$XDG_RUNTIME_DIR"
unset WAYLAND_DISPLAY

openbox --sm-disable >"$work/openbox.log" 2>&1 &
pids+=($!)
xcompmgr -c >"$work/xcompmgr.log" 2>&1 &
pids+=($!)
# Wait until the window manager owns its selection.
for _ in $(seq 100); do
    xprop -root _NET_SUPPORTING_WM_CHECK 2>/dev/null | grep -q 'window id' && break
    sleep 0.05
done

# A tray host, docked at the top right, as wide as its icons.
trayer --edge top --align right --widthtype request --height 24 --SetDockType true \
    --SetPartialStrut false --expand true --transparent false >"$work/trayer.log" 2>&1 &
pids+=($!)
for _ in $(seq 100); do
    xdotool search --class trayer >/dev/null 2>&1 && break
    sleep 0.05
done

status=0
"$@" || status=$?
exit "$status"
