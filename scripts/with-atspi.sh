#!/usr/bin/env bash
# SPDX-License-Identifier: MIT
# Runs a command as a desktop with a screen reader running has it: on a
# private session bus with the accessibility bus (at-spi-bus-launcher) up and
# accessibility switched on (org.a11y.Status, as Orca does), then tears it
# down. Needs an X display (scripts/with-xvfb.sh).
#
#   scripts/with-atspi.sh COMMAND [ARGS...]
set -euo pipefail

[[ $# -ge 1 ]] || { echo "usage: with-atspi.sh COMMAND [ARGS...]" >&2; exit 2; }
if [[ -z "${VENDRASK_ATSPI_INNER:-}" ]]; then
    exec env VENDRASK_ATSPI_INNER=1 dbus-run-session -- "$0" "$@"
fi
unset VENDRASK_ATSPI_INNER

launcher=/usr/libexec/at-spi-bus-launcher
[[ -x "$launcher" ]] || { echo "with-atspi: $launcher is missing (scripts/install-deps.sh)" >&2; exit 1; }
"$launcher" --launch-immediately >/dev/null 2>&1 &
bus_pid=$!
trap 'kill "$bus_pid" 2>/dev/null || true; wait "$bus_pid" 2>/dev/null || true' EXIT INT TERM

a11y() { gdbus call --session --dest org.a11y.Bus --object-path /org/a11y/bus "$@"; }
for _ in $(seq 100); do
    a11y --method org.a11y.Bus.GetAddress >/dev/null 2>&1 && break
    sleep 0.05
done
a11y --method org.a11y.Bus.GetAddress >/dev/null ||
    { echo "with-atspi: the accessibility bus did not start" >&2; exit 1; }
for property in IsEnabled ScreenReaderEnabled; do
    a11y --method org.freedesktop.DBus.Properties.Set org.a11y.Status "$property" '<true>' >/dev/null
done

status=0
"$@" || status=$?
exit "$status"
