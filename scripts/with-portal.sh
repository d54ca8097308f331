#!/usr/bin/env bash
# SPDX-License-Identifier: MIT
# Runs a command on a private session bus with xdg-desktop-portal's frontend
# and the mock desktop shortcut service (tests/portal/PortalMockMain.cpp)
# behind it, and tears it all down afterwards, also on failure. The
# command's DBUS_SESSION_BUS_ADDRESS is that bus; VENDRASK_PORTAL_MOCK_LOG
# names the file where the mock writes one line per call it gets.
# --no-backend: the frontend finds no shortcut service (and the mock is not
# started), as on sway or GNOME before 48.
#
#   scripts/with-portal.sh [--no-backend] MOCK_PROGRAM COMMAND [ARGS...]
set -euo pipefail

backend=1
if [[ "${1:-}" == "--no-backend" ]]; then
    backend=0
    shift
fi
[[ $# -ge 2 ]] || { echo "usage: with-portal.sh [--no-backend] MOCK_PROGRAM COMMAND [ARGS...]" >&2; exit 2; }
mock=$1
shift
frontend=/usr/libexec/xdg-desktop-portal
[[ -x "$frontend" ]] || { echo "with-portal: $frontend is missing (scripts/install-deps.sh)" >&2; exit 1; }

work=$(mktemp -d "${TMPDIR:-/tmp}/vendrask-portal-XXXXXX")
chmod 755 "$work"
pids=()
cleanup() {
    for pid in "${pids[@]}"; do kill "$pid" 2>/dev/null || true; done
    for pid in "${pids[@]}"; do wait "$pid" 2>/dev/null || true; done
    rm -rf "$work"
}
trap cleanup EXIT INT TERM

# No service folders, so nothing of the machine is activated; any user may
# connect (with-sway.sh runs the launcher as its session's user).
cat >"$work/bus.conf" <<'CONF'
<!DOCTYPE busconfig PUBLIC "-//freedesktop//DTD D-Bus Bus Configuration 1.0//EN"
 "http://www.freedesktop.org/standards/dbus/1.0/busconfig.dtd">
<busconfig>
  <type>session</type>
  <listen>unix:tmpdir=/tmp</listen>
  <auth>EXTERNAL</auth>
  <policy context="default">
    <allow user="*"/>
    <allow send_destination="*" eavesdrop="true"/>
    <allow eavesdrop="true"/>
    <allow own="*"/>
  </policy>
</busconfig>
CONF
dbus-daemon --config-file="$work/bus.conf" --nofork --print-address=3 3>"$work/address" \
    >"$work/bus.log" 2>&1 &
pids+=($!)
for _ in $(seq 100); do
    [[ -s "$work/address" ]] && break
    sleep 0.05
done
[[ -s "$work/address" ]] || { echo "with-portal: dbus-daemon did not start" >&2; cat "$work/bus.log" >&2; exit 1; }
DBUS_SESSION_BUS_ADDRESS=$(head -n1 "$work/address")
export DBUS_SESSION_BUS_ADDRESS
export VENDRASK_PORTAL_MOCK_LOG="$work/mock.log"
: >"$VENDRASK_PORTAL_MOCK_LOG"

mkdir -p "$work/portals"
if [[ $backend == 1 ]]; then
    cat >"$work/portals/vendrasktest.portal" <<'PORTAL'
[portal]
DBusName=org.freedesktop.impl.portal.desktop.vendrasktest
Interfaces=org.freedesktop.impl.portal.GlobalShortcuts;
UseIn=vendrasktest
PORTAL
    "$mock" >"$VENDRASK_PORTAL_MOCK_LOG" 2>&1 &
    pids+=($!)
    for _ in $(seq 100); do
        grep -q '^ready' "$VENDRASK_PORTAL_MOCK_LOG" && break
        sleep 0.05
    done
    grep -q '^ready' "$VENDRASK_PORTAL_MOCK_LOG" || { echo "with-portal: the mock did not start" >&2; cat "$VENDRASK_PORTAL_MOCK_LOG" >&2; exit 1; }
fi
XDG_CURRENT_DESKTOP=vendrasktest XDG_DESKTOP_PORTAL_DIR="$work/portals" \
    "$frontend" --replace >"$work/frontend.log" 2>&1 &
pids+=($!)
for _ in $(seq 200); do
    dbus-send --session --print-reply --dest=org.freedesktop.DBus /org/freedesktop/DBus \
        org.freedesktop.DBus.NameHasOwner string:org.freedesktop.portal.Desktop 2>/dev/null |
        grep -q 'boolean true' && break
    sleep 0.05
done

status=0
"$@" || status=$?
exit "$status"
