#!/usr/bin/env bash
# SPDX-License-Identifier: MIT
# Control from outside on a private Xvfb display:
#  1. `vendrask toggle` from process start to the launcher's reply, against
#     `dbus-send --version` in the same run (target: <= 2x);
#  2. `vendrask toggle` from process start to the menu mapped, seen by a
#     separate X client, bench/mapwatch.c (target: <= 8 ms median).
# Usage: bench/control.sh [BUILD] [N]
set -euo pipefail
here=$(cd "$(dirname "$0")/.." && pwd)
build=$(cd "${1:-$here/build}" && pwd)
runs=${2:-40}

exec "$here/scripts/with-xvfb.sh" bash -s "$here" "$build" "$runs" <<'INNER'
set -euo pipefail
here=$1; build=$2; runs=$3
work=$(mktemp -d); trap 'rm -rf "$work"' EXIT
. "$here/scripts/lib.sh"
mapwatch=$(bench_helper "$build" vendrask_mapwatch)
# Wall time of one run in ms; the shell's own fork and exec count alike for both.
elapsed() {
    local t0=$EPOCHREALTIME
    "$@" >/dev/null 2>&1 || true
    local t1=$EPOCHREALTIME
    awk -v a="$t0" -v b="$t1" 'BEGIN {printf "%.3f\n", (b - a) * 1000}'
}
shown() { xdotool search --onlyvisible --name '^Vendrask$' >/dev/null 2>&1; }

ini=$work/Vendrask.ini
"$build/vendrask-profile" set "$ini" ColorSet FadeLevel 0
"$build/vendrask-profile" set "$ini" Sound Flag 0 2>/dev/null || true
"$build/vendrask" --ini "$ini" >"$work/out" 2>&1 & pid=$!
for _ in $(seq 200); do "$build/vendrask" status >/dev/null 2>&1 && break; sleep 0.05; done
sleep 1

ours=(); theirs=()
for _ in $(seq "$runs"); do
    ours+=("$(elapsed "$build/vendrask" toggle)")
    theirs+=("$(elapsed dbus-send --version)")
done
"$build/vendrask" hide
a=$(printf '%s\n' "${ours[@]}" | median)
b=$(printf '%s\n' "${theirs[@]}" | median)
awk -v a="$a" -v b="$b" -v n="$runs" 'BEGIN {
    printf "vendrask toggle, start to reply: median %.2f ms; dbus-send --version %.2f ms; ratio %.2fx over %d runs (target <= 2x)\n",
        a, b, a / b, n }'

maps=()
for _ in $(seq "$runs"); do
    "$build/vendrask" hide
    for _ in $(seq 100); do shown || break; sleep 0.01; done
    sleep 0.05
    line=$("$mapwatch" -t 2000 -- "$build/vendrask" toggle || true)
    maps+=("$(sed -nE 's/.*map_ms=([0-9.]+).*/\1/p' <<<"$line")")
done
"$build/vendrask" hide
m=$(printf '%s\n' "${maps[@]}" | grep . | median)
echo "vendrask toggle, start to menu mapped: median ${m} ms over ${#maps[@]} runs (target <= 8 ms)"
"$build/vendrask" quit
wait "$pid" || true
INNER
