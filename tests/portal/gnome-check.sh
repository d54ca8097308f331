#!/usr/bin/env bash
# SPDX-License-Identifier: MIT
# The portal hot key against the real GNOME (48 and later): a headless
# gnome-shell with XWayland, xdg-desktop-portal-gnome behind the frontend,
# on a private session bus and a bare system bus. The launcher's shortcut is
# stored in GNOME's settings first, as GNOME's "Add Keyboard Shortcuts"
# dialog leaves it once a user pressed Add (a user sees that dialog once).
# Keys come through Mutter's remote desktop service, as a keyboard's would:
# Alt+Q shows the menu, which takes the keyboard; the letter A starts item A,
# Escape hides the menu, and Pause holds the key off.
# With "dialog", nothing is stored first: GNOME's dialog comes up at the
# first start, offering Alt+Q, and is answered over the accessibility bus;
# then Alt+Q shows the menu.
# Needs scripts/install-deps.sh --gnome.
#   tests/portal/gnome-check.sh [BUILD_DIR] [dialog]
# KEEP=1 keeps the work folder, with a log of the session bus.
# VENDRASK_GNOME_THEN: a command run in the session once the check passed,
# with the launcher running and its menu hidden (bench/gnome.sh measures).
set -euo pipefail
here=$(cd "$(dirname "$0")/../.." && pwd)
command -v gnome-shell >/dev/null && [[ -x /usr/libexec/xdg-desktop-portal-gnome ]] ||
    { echo "gnome-check: run scripts/install-deps.sh --gnome first" >&2; exit 1; }
app_id=io.github.vendrask.Vendrask

if [[ "${1:-}" != --inner ]]; then
    build=$(cd "${1:-$here/build}" && pwd)
    mode=${2:-stored}
    work=$(mktemp -d "${TMPDIR:-/tmp}/vendrask-gnome-XXXXXX")
    trap 'fusermount -u "$work/runtime/doc" 2>/dev/null || true; [[ -n "${KEEP:-}" ]] || rm -rf "$work"' EXIT
    as_user=()
    if [[ $(id -u) -eq 0 ]]; then
        # A desktop session is a user's; the shell's X server wants this folder.
        mkdir -p /tmp/.X11-unix && chmod 1777 /tmp/.X11-unix
        chown nobody "$work"
        as_user=(setpriv --reuid=nobody --regid=nogroup --clear-groups)
    fi
    chmod 755 "$work"
    "${as_user[@]}" mkdir -m 700 "$work/runtime"
    "${as_user[@]}" mkdir -p "$work/home/.local/share/applications"
    # The desktop entry, as the package installs it: GNOME binds only for a
    # program it knows by one (its Exec found, as on the PATH).
    sed "s|^Exec=vendrask|Exec=$build/vendrask|" "$here/packaging/$app_id.desktop" |
        "${as_user[@]}" tee "$work/home/.local/share/applications/$app_id.desktop" >/dev/null
    # A bare system bus: the shell asks it for accounts and seats and
    # carries on without them.
    cat >"$work/system.conf" <<EOF
<busconfig><type>system</type><listen>unix:path=$work/system_bus</listen>
<auth>EXTERNAL</auth><policy context="default"><allow send_destination="*"/>
<allow eavesdrop="true"/><allow own="*"/></policy></busconfig>
EOF
    "${as_user[@]}" dbus-daemon --config-file="$work/system.conf" --fork --print-pid >"$work/system.pid"
    # The desktop's name comes before the bus, which starts the portal
    # services with it (set later, the frontend picks GTK's backend).
    status=0
    "${as_user[@]}" env -i PATH="$PATH" HOME="$work/home" XDG_RUNTIME_DIR="$work/runtime" \
        XDG_CURRENT_DESKTOP=GNOME XDG_SESSION_TYPE=wayland LANG=C.UTF-8 \
        DBUS_SYSTEM_BUS_ADDRESS="unix:path=$work/system_bus" VENDRASK_GNOME_WORK="$work" KEEP="${KEEP:-}" \
        VENDRASK_GNOME_THEN="${VENDRASK_GNOME_THEN:-}" \
        dbus-run-session -- timeout 110 bash "$0" --inner "$build" "$mode" >"$work/session.log" 2>&1 || status=$?
    kill "$(cat "$work/system.pid")" 2>/dev/null || true
    cat "$work/result" 2>/dev/null || { echo "gnome-check: no result ($status)" >&2; tail -20 "$work/session.log" >&2; }
    grep -q '^PASS' "$work/result" 2>/dev/null
    exit 0
fi

# Inside the private session, as its user.
build=$2
mode=$3
work=$VENDRASK_GNOME_WORK
exec >"$work/result" 2>&1
shell=; keys=; launcher=
finish() {
    "$build/vendrask" quit >/dev/null 2>&1 || true
    [[ -n $launcher ]] && { wait "$launcher" 2>/dev/null || true; }
    exec 3>&- 2>/dev/null || true
    [[ -n $keys ]] && kill "$keys" 2>/dev/null || true
    [[ -n $shell ]] && kill "$shell" 2>/dev/null || true
    wait 2>/dev/null || true
}
trap finish EXIT
stored=org.gnome.settings-daemon.global-shortcuts.application:/org/gnome/settings-daemon/global-shortcuts/$app_id/
fail() {
    echo "FAIL: $*"
    echo "--- launcher"; cat "$work/launcher.log" 2>/dev/null || true
    echo "--- GNOME's settings"
    gsettings get "$stored" shortcuts || true
    echo "--- gnome-shell"; tail -30 "$work/shell.log" 2>/dev/null || true
    exit 1
}
until_true() { for _ in $(seq 200); do "$@" && return 0; sleep 0.05; done; return 1; }
on_bus() {
    gdbus call --session --dest org.freedesktop.DBus --object-path /org/freedesktop/DBus \
        --method org.freedesktop.DBus.NameHasOwner "$1" 2>/dev/null | grep -q true
}
shown() { "$build/vendrask" status 2>/dev/null | grep -q "^menu shown: $1"; }

[[ -n "${KEEP:-}" ]] && { dbus-monitor --session >"$work/monitor.log" 2>&1 & }
gnome-shell --headless --wayland --virtual-monitor 1280x800 >"$work/shell.log" 2>&1 &
shell=$!
until_true on_bus org.gnome.Shell || fail "gnome-shell did not come up"
until_true on_bus org.gnome.Mutter.RemoteDesktop || fail "no remote desktop service"
# The shell opens the overview as its start ends, and no shortcut fires
# there: closed once the start has ended.
until_true grep -q 'GNOME Shell started' "$work/shell.log" || fail "gnome-shell did not finish its start"
overview_off() {
    gdbus call --session --dest org.gnome.Shell --object-path /org/gnome/Shell \
        --method org.freedesktop.DBus.Properties.Set org.gnome.Shell OverviewActive '<false>' >/dev/null 2>&1
    gdbus call --session --dest org.gnome.Shell --object-path /org/gnome/Shell \
        --method org.freedesktop.DBus.Properties.Get org.gnome.Shell OverviewActive 2>/dev/null |
        grep -q false
}
until_true overview_off || fail "the overview stayed open"

if [[ $mode == stored ]]; then
    # What GNOME's dialog stores once a user pressed Add for Alt+Q.
    gsettings set org.gnome.settings-daemon.global-shortcuts applications "['$app_id']"
    gsettings set "$stored" shortcuts \
        "[('toggle', {'shortcuts': <['<Alt>q']>, 'description': <'Show or hide the launcher'>})]"
fi

# XWayland, which the shell started: the display its log names.
display=$(until_true grep -q 'Using public X11 display' "$work/shell.log" &&
    grep -om1 'Using public X11 display :[0-9]*' "$work/shell.log" | grep -o ':[0-9]*$') ||
    fail "no XWayland display"
xauth=$(ls "$XDG_RUNTIME_DIR"/.mutter-Xwaylandauth.* 2>/dev/null | head -1)

printf '#!/bin/sh\necho >> "%s"\n' "$work/starts" >"$work/start.sh"
chmod +x "$work/start.sh"
"$build/vendrask-profile" set "$work/V.ini" ColorSet FadeLevel 0
"$build/vendrask-profile" set "$work/V.ini" Sound Flag 0
"$build/vendrask-profile" set "$work/V.ini" HotKey Modifier 1
"$build/vendrask-profile" set "$work/V.ini" HotKey Code 81
"$build/vendrask-profile" set "$work/V.ini" Item01 Name Start
"$build/vendrask-profile" set "$work/V.ini" Item01 Path "$work/start.sh"
DISPLAY=$display XAUTHORITY=$xauth WAYLAND_DISPLAY=wayland-0 QT_LOGGING_RULES='kelvo.common.info=true' \
    "$build/vendrask" --ini "$work/V.ini" >"$work/launcher.log" 2>&1 &
launcher=$!
until_true "$build/vendrask" status >/dev/null 2>&1 || fail "the launcher did not start"
if [[ $mode == dialog ]]; then
    python3 "$here/tests/portal/gnome-dialog.py" Add >"$work/dialog.log" 2>&1 ||
        { cat "$work/dialog.log"; fail "GNOME's dialog did not come up"; }
    cat "$work/dialog.log"
    until_true eval 'gsettings get "$stored" shortcuts | grep -q "<Alt>q"' || fail "Add stored no Alt+Q"
fi

# Evdev codes: left Alt 56, Q 16, A 30, Escape 1.
mkfifo "$work/keys"
python3 "$here/tests/portal/gnome-keys.py" <"$work/keys" >"$work/keys.log" 2>&1 &
keys=$!
exec 3>"$work/keys"
until_true grep -q '^ready' "$work/keys.log" || { cat "$work/keys.log"; fail "no remote desktop session"; }
sent=0
key() {
    echo "$*" >&3
    sent=$((sent + 1))
    until_true eval '[[ $(grep -c "^sent" "$work/keys.log") -ge $sent ]]' || fail "the key $* was not taken"
}
# GNOME has grabbed the key by the time it answers the binding.
until_true grep -q 'global shortcut bound by the desktop' "$work/launcher.log" ||
    fail "GNOME did not bind the shortcut"
key 56 16
until_true shown yes || fail "Alt+Q did not show the menu"
"$build/vendrask" status | grep -q '^hot key: refused' && fail "GNOME's binding was taken for a refusal"
if [[ $mode == dialog ]]; then
    grep -q 'Alt+Q' "$work/dialog.log" || fail "the dialog did not offer Alt+Q"
    echo "PASS: GNOME's dialog offered Alt+Q for the launcher; Add bound it; Alt+Q shows the menu"
    exit 0
fi
# The menu through XWayland takes the keyboard as it appears (a letter typed
# before that goes where the keyboard was: no grab reaches past XWayland).
until_true eval '"$build/vendrask" status | grep -q "^menu active: yes"' || fail "the menu did not take the keyboard"
key 30
until_true eval '[[ -s "$work/starts" ]]' || fail "the letter A did not start item A"
until_true shown no || fail "the menu stayed after the start"
key 56 16
until_true shown yes || fail "Alt+Q did not show the menu a second time"
key 1
until_true shown no || fail "Escape did not hide the menu"
"$build/vendrask" pause
key 56 16
sleep 0.5
shown no || fail "Alt+Q showed the menu while paused"
"$build/vendrask" resume
key 56 16
until_true shown yes || fail "Alt+Q did not show the menu after Resume"
if [[ -n $VENDRASK_GNOME_THEN ]]; then
    "$build/vendrask" hide
    until_true shown no || fail "the menu stayed"
    DISPLAY=$display XAUTHORITY=$xauth WAYLAND_DISPLAY=wayland-0 bash -c "$VENDRASK_GNOME_THEN" ||
        fail "the command in the session failed"
fi
echo "PASS: GNOME bound Alt+Q for the launcher; it shows the menu, which takes the keyboard, A starts item A, Escape hides, Pause holds it off"
