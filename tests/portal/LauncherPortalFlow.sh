#!/usr/bin/env bash
# SPDX-License-Identifier: MIT
# The launcher in a Wayland session with the portal's shortcut service: run
# inside scripts/with-sway.sh and scripts/with-portal.sh.
#   LauncherPortalFlow.sh BUILD_DIR bound    the desktop's Activated toggles the
#                                            menu; Pause stops that, Resume not
#   LauncherPortalFlow.sh BUILD_DIR unbound  no shortcut service: the start says
#                                            which sway binding to add
set -euo pipefail
build=$1
mode=$2
work=$(mktemp -d)
chmod 777 "$work"
as_user=()
if [[ -n "${VENDRASK_SESSION_USER:-}" && "$VENDRASK_SESSION_USER" != "$(id -un)" ]]; then
    as_user=(setpriv --reuid="$VENDRASK_SESSION_USER" --regid=nogroup --clear-groups)
fi
vendrask() { "${as_user[@]}" "$build/vendrask" "$@"; }
launcher=
cleanup() {
    vendrask quit >/dev/null 2>&1 || true
    [[ -n "$launcher" ]] && { wait "$launcher" 2>/dev/null || true; }
    rm -rf "$work"
}
trap cleanup EXIT
fail() {
    echo "FAIL: $*" >&2
    echo "--- launcher" >&2
    cat "$work/out" >&2 || true
    echo "--- portal mock" >&2
    cat "$VENDRASK_PORTAL_MOCK_LOG" >&2 || true
    exit 1
}
# Waits up to 5 s for a condition.
until_true() {
    for _ in $(seq 100); do
        "$@" && return 0
        sleep 0.05
    done
    return 1
}
shown() { vendrask status 2>/dev/null | grep -q "^menu shown: $1"; }
press() {
    dbus-send --session --type=method_call --dest=org.freedesktop.impl.portal.desktop.vendrasktest \
        /org/vendrask/test org.vendrask.test.PortalMock.Activate
}

"$build/vendrask-profile" set "$work/V.ini" ColorSet FadeLevel 0
chmod 666 "$work/V.ini"
vendrask --ini "$work/V.ini" >"$work/out" 2>&1 &
launcher=$!
until_true vendrask status >/dev/null 2>&1 || fail "the launcher did not start"

if [[ $mode == unbound ]]; then
    until_true grep -q 'no global shortcut service' "$work/out" || fail "no line about the missing service"
    grep -q 'bindsym --release Control_L+Alt_L exec vendrask toggle' "$work/out" ||
        fail "the line does not give the sway binding"
    [[ $(grep -c 'no global shortcut service' "$work/out") == 1 ]] || fail "said more than once"
    echo "PASS: the start names the sway binding"
    exit 0
fi

# The session under the stable token, the shortcut without a trigger text
# (Ctrl+Alt, the default, has none).
until_true grep -q '^BindShortcuts session=/org/freedesktop/portal/desktop/session/.*/vendrask shortcuts=toggle=$' \
    "$VENDRASK_PORTAL_MOCK_LOG" || fail "the shortcut was not bound"
press
until_true shown yes || fail "Activated did not show the menu"
press
until_true shown no || fail "a second Activated did not hide the menu"
vendrask pause
press
sleep 0.3
shown no || fail "Activated showed the menu while paused"
vendrask resume
press
until_true shown yes || fail "Activated did not show the menu after resume"
echo "PASS: Activated toggles the menu; Pause holds it off"
