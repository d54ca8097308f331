#!/usr/bin/env bash
# SPDX-License-Identifier: MIT
# The launcher on a headless sway (scripts/with-sway.sh), called up with the
# mouse alone through its layer-shell surfaces: a virtual pointer at the
# left edge, in "Click" mode, and double clicks on the bare desktop and on a
# window. Outputs: HEADLESS-1 at 0,0 and HEADLESS-2 at 1280,0, 1280x800 each.
#   edges.sh BUILD_DIR
set -uo pipefail
build=${1:?usage: edges.sh BUILD_DIR}
if [[ -z "${WAYLAND_DISPLAY:-}" || -z "${SWAYSOCK:-}" ]]; then
    echo "edges.sh: not inside scripts/with-sway.sh; skipped"
    exit 77
fi
work=$(mktemp -d "${TMPDIR:-/tmp}/vendrask-edges-XXXXXX")
chmod 777 "$work"
as_user=()
if [[ $(id -u) -eq 0 && -n "${VENDRASK_SESSION_USER:-}" && "$VENDRASK_SESSION_USER" != root ]]; then
    as_user=(setpriv --reuid="$VENDRASK_SESSION_USER" --regid=nogroup --clear-groups)
fi
launcher=
failures=0
cleanup() {
    [[ -n "$launcher" ]] && kill "$launcher" 2>/dev/null && wait "$launcher" 2>/dev/null
    [[ -n "${POINTER_PID:-}" ]] && kill "$POINTER_PID" 2>/dev/null
    rm -rf "$work"
}
trap cleanup EXIT

coproc POINTER { "$build/vendrask-test-pointer" 2560 800; }
# One pointer command, answered once the compositor has it.
ptr() {
    local reply
    echo "$1" >&"${POINTER[1]}" && read -r -t 5 -u "${POINTER[0]}" reply && [[ "$reply" == ok ]]
}
shown() { swaymsg -t get_tree | grep -q '"name": "Vendrask"'; }
becomes_shown() { for _ in $(seq 60); do shown && return 0; sleep 0.05; done; return 1; }
becomes_hidden() { for _ in $(seq 60); do shown || return 0; sleep 0.05; done; return 1; }
check() { # NAME COMMAND...
    local name=$1; shift
    if "$@"; then echo "ok   $name"; else echo "FAIL $name"; failures=$((failures + 1)); fi
}
not() { ! "$@"; }

# MILLISECOND LEFT CLICK_ON_DESKTOP: a fresh launcher with those settings.
start() {
    stop
    local ini="$work/Vendrask.ini"
    rm -f "$ini"
    "$build/vendrask-profile" set "$ini" MouseHook MilliSecond "$1" >/dev/null
    for edge in Right Top Bottom; do "$build/vendrask-profile" set "$ini" MouseHook "$edge" 0 >/dev/null; done
    "$build/vendrask-profile" set "$ini" MouseHook Left "$2" >/dev/null
    "$build/vendrask-profile" set "$ini" MouseHook ClickOnDesktop "$3" >/dev/null
    chmod 666 "$ini"
    ptr "move 640 400"
    "${as_user[@]}" "$build/vendrask" --ini "$ini" >>"$work/out" 2>&1 &
    launcher=$!
    for _ in $(seq 100); do
        [[ -S "$XDG_RUNTIME_DIR/vendrask/control" ]] && break
        sleep 0.05
    done
    # The surfaces are made once the hook starts, after the window exists.
    sleep 1
}
control() { "${as_user[@]}" "$build/vendrask" "$1" >/dev/null 2>&1; }
stop() {
    [[ -n "$launcher" ]] || return 0
    kill "$launcher" 2>/dev/null
    wait "$launcher" 2>/dev/null
    launcher=
}

# name                                          steps
echo "# dwell 500 ms at the left edge"
start 500 1 0
ptr "move 0 400"
sleep 0.25
check "not shown at half the dwell"               not shown
check "shown after the dwell"                     becomes_shown
# Away at once, back after the fade in (the hook takes no events meanwhile).
ptr "move 640 400"; sleep 1
check "leaving keeps it shown"                    shown
ptr "move 0 300"
check "touching again hides"                      becomes_hidden

echo "# \"Click\" mode"
start 300000 1 0
ptr "move 0 400"; sleep 0.8
check "resting at the edge shows nothing"         not shown
ptr "click"
check "a press at the edge shows"                 becomes_shown
sleep 1
ptr "move 640 400"; ptr "click"; sleep 0.5
ptr "move 0 400"; ptr "click"
check "a press at the edge hides again"           becomes_hidden

echo "# the desktop double click"
start 500 0 1
ptr "window"; sleep 0.5
ptr "move 640 400"; ptr "doubleclick"; sleep 0.8
check "a double click on a window does nothing"   not shown
ptr "move 1920 400"; ptr "click"; sleep 0.8
check "a single click on the desktop does nothing" not shown
ptr "doubleclick"
check "a double click on the desktop shows"       becomes_shown

echo "# the left edge switched off on the Behavior page"
start 500 1 0
ptr "move 0 400"
check "the left edge works first"                 becomes_shown
sleep 1
control hide
ptr "move 640 400"
control configure; sleep 1.5
# The configuration window where its left edge box is known, then a click
# on that box.
swaymsg '[title="Vendrask Configuration"] move position 100 100' >/dev/null; sleep 0.3
ptr "move 557 223"; ptr "click"; sleep 0.3
control hide; sleep 1
ptr "move 0 400"; sleep 1
check "at once it shows nothing"                  not shown

stop
if ((failures > 0)); then
    echo "--- launcher output"; cat "$work/out"
    exit 1
fi
