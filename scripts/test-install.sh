#!/usr/bin/env bash
# SPDX-License-Identifier: MIT
# Installs a package with apt into a fresh minimal chroot of its Debian
# release and uses it as a user would there: --version, then the launcher on
# an Xvfb display, `vendrask status`, `show` (the menu is shown), `quit`.
#   scripts/test-install.sh RELEASE PACKAGE.deb     (needs root)
set -euo pipefail

if [[ "${1:-}" == --inside ]]; then
    # In the chroot: nothing but the release's own packages and this one.
    deb=$2
    export DEBIAN_FRONTEND=noninteractive
    echo "-- apt installs $(basename "$deb")"
    start=$SECONDS
    apt-get update -qq
    apt-get install -y -qq --no-install-recommends "$deb" >/tmp/apt.log 2>&1 || {
        tail -n 30 /tmp/apt.log
        exit 1
    }
    echo "   installed in $((SECONDS - start)) s"
    # A display to run on; not one of the package's dependencies.
    apt-get install -y -qq --no-install-recommends xvfb >/dev/null 2>&1
    vendrask --version
    Xvfb :7 -screen 0 1280x800x24 -nolisten tcp >/tmp/xvfb.log 2>&1 &
    for _ in $(seq 50); do [[ -e /tmp/.X11-unix/X7 ]] && break; sleep 0.1; done
    home=/tmp/user
    mkdir -p "$home" /tmp/runtime
    chown nobody:nogroup "$home" /tmp/runtime
    chmod 700 /tmp/runtime
    as_user=(setpriv --reuid=nobody --regid=nogroup --clear-groups
        env HOME="$home" XDG_RUNTIME_DIR=/tmp/runtime DISPLAY=:7 QT_QPA_PLATFORM=xcb)
    "${as_user[@]}" vendrask >/tmp/launcher.log 2>&1 &
    launcher=$!
    up=0
    for _ in $(seq 200); do
        "${as_user[@]}" vendrask status >/tmp/status 2>&1 && up=1 && break
        sleep 0.1
    done
    [[ $up == 1 ]] || {
        cat /tmp/launcher.log
        echo "test-install: the installed launcher did not start"
        exit 1
    }
    "${as_user[@]}" vendrask show
    shown=0
    for _ in $(seq 100); do
        "${as_user[@]}" vendrask status | grep -qx "menu shown: yes" && shown=1 && break
        sleep 0.1
    done
    [[ $shown == 1 ]] || {
        "${as_user[@]}" vendrask status
        echo "test-install: the menu did not show"
        exit 1
    }
    "${as_user[@]}" vendrask quit
    wait "$launcher" || {
        cat /tmp/launcher.log
        echo "test-install: the launcher did not end cleanly"
        exit 1
    }
    echo "test-install: installs and runs"
    exit 0
fi

[[ $# -eq 2 && -f "$2" ]] || {
    echo "usage: scripts/test-install.sh RELEASE PACKAGE.deb" >&2
    exit 2
}
here=$(cd "$(dirname "$0")" && pwd)
name=$(basename "$2")
exec "$here/with-debian.sh" --fresh --copy-in "$2:/tmp/install/$name" \
    --copy-in "$here/test-install.sh:/tmp/install/test-install.sh" \
    "$1" bash /tmp/install/test-install.sh --inside "/tmp/install/$name"
