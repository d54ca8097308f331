#!/usr/bin/env bash
# SPDX-License-Identifier: MIT
# Runs a command inside a private headless sway session (two 1280x800
# outputs side by side, XWayland on unless --no-xwayland), with a temporary
# HOME, and tears it all down afterwards, also on failure.
#
# sway refuses to run as root: when started as root, sway runs as the user
# "nobody" in a runtime folder that user owns, and the command still runs as
# root with the session's variables; VENDRASK_SESSION_USER then names the
# session's user, so that tests start the launcher as that user (a client of
# a desktop is its user's program). XWayland lets root in through xhost.
#
#   scripts/with-sway.sh [--no-xwayland] COMMAND [ARGS...]
set -euo pipefail

xwayland=enable
if [[ "${1:-}" == "--no-xwayland" ]]; then
    xwayland=disable
    shift
fi
[[ $# -gt 0 ]] || { echo "usage: with-sway.sh [--no-xwayland] COMMAND [ARGS...]" >&2; exit 2; }
command -v sway >/dev/null || { echo "with-sway: sway is not installed (scripts/install-deps.sh)" >&2; exit 1; }

work=$(mktemp -d "${TMPDIR:-/tmp}/vendrask-sway-XXXXXX")
chmod 755 "$work"
sway_pid=
cleanup() {
    if [[ -n "$sway_pid" ]]; then
        kill "$sway_pid" 2>/dev/null || true
        wait "$sway_pid" 2>/dev/null || true
    fi
    # What the private session mounted (the document portal's FUSE folder in
    # the runtime folder) goes before the folders do.
    local mount
    while read -r mount; do
        umount -l "$mount" 2>/dev/null || fusermount3 -u -z "$mount" 2>/dev/null ||
            fusermount -u -z "$mount" 2>/dev/null || true
    done < <(awk -v w="$work" 'index($2, w) == 1 { print $2 }' /proc/mounts | sort -r)
    rm -rf "$work"
}
trap cleanup EXIT INT TERM

runtime="$work/runtime"
home="$work/home"
mkdir -p "$home/.config"
mkdir -m 700 "$runtime"
as_user=()
session_user=$(id -un)
if [[ $(id -u) -eq 0 ]]; then
    session_user=nobody
    chown -R nobody:nogroup "$runtime" "$home"
    as_user=(setpriv --reuid=nobody --regid=nogroup --clear-groups)
fi

cat >"$work/sway.conf" <<EOF
xwayland $xwayland
output HEADLESS-1 resolution 1280x800 position 0 0
output HEADLESS-2 resolution 1280x800 position 1280 0
focus_on_window_activation focus
default_border none
EOF
if [[ "$xwayland" == enable ]]; then
    # sway gives its children the XWayland display; hand it back, and let
    # root's clients in when the command runs as root.
    cat >>"$work/sway.conf" <<EOF
exec sh -c 'xhost +si:localuser:root >/dev/null 2>&1; echo "\$DISPLAY" > "$runtime/display.tmp" && mv "$runtime/display.tmp" "$runtime/display"'
EOF
fi
chmod 644 "$work/sway.conf"

"${as_user[@]}" env -i PATH="$PATH" HOME="$home" XDG_RUNTIME_DIR="$runtime" \
    XDG_CONFIG_HOME="$home/.config" WLR_BACKENDS=headless WLR_RENDERER=pixman \
    WLR_LIBINPUT_NO_DEVICES=1 WLR_HEADLESS_OUTPUTS=2 \
    sway -c "$work/sway.conf" >"$work/sway.log" 2>&1 &
sway_pid=$!

socket=
for _ in $(seq 200); do
    socket=$(find "$runtime" -maxdepth 1 -name 'sway-ipc.*.sock' 2>/dev/null | head -n1)
    [[ -n "$socket" && -S "$runtime/wayland-1" ]] && break
    kill -0 "$sway_pid" 2>/dev/null || break
    sleep 0.05
done
if [[ -z "$socket" ]]; then
    echo "with-sway: sway did not start" >&2
    cat "$work/sway.log" >&2
    exit 1
fi

export WAYLAND_DISPLAY=wayland-1
export XDG_RUNTIME_DIR="$runtime"
export SWAYSOCK="$socket"
export XDG_SESSION_TYPE=wayland
export XDG_CURRENT_DESKTOP=sway
export HOME="$home"
export XDG_CONFIG_HOME="$home/.config"
export VENDRASK_SESSION_USER="$session_user"
unset DISPLAY
if [[ "$xwayland" == enable ]]; then
    for _ in $(seq 200); do
        [[ -s "$runtime/display" ]] && break
        sleep 0.05
    done
    [[ -s "$runtime/display" ]] || { echo "with-sway: XWayland did not start" >&2; cat "$work/sway.log" >&2; exit 1; }
    DISPLAY=$(head -n1 "$runtime/display")
    export DISPLAY
fi

status=0
"$@" || status=$?
exit "$status"
