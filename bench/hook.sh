#!/usr/bin/env bash
# SPDX-License-Identifier: MIT
# Cost of the mouse hook in the real launcher on a private Xvfb display:
# wake-ups and CPU while the pointer rests (menu hidden), and CPU while the
# pointer moves N times at about 1 kHz (away from the edges, so the menu
# stays hidden and every move runs the whole decision).
# Usage: bench/hook.sh [BUILD] [IDLE_SECONDS] [MOVES]
set -euo pipefail
here=$(cd "$(dirname "$0")/.." && pwd)
build=$(cd "${1:-$here/build}" && pwd)
idle=${2:-60}
moves=${3:-5000}

exec "$here/scripts/with-xvfb.sh" bash -s "$build" "$idle" "$moves" <<'INNER'
set -euo pipefail
build=$1; idle=$2; moves=$3
switches() { cat /proc/"$1"/task/*/status | awk '/ctxt_switches/ {n += $2} END {print n}'; }
ticks() { awk '{print $14 + $15}' /proc/"$1"/stat; }
work=$(mktemp -d); trap 'rm -rf "$work"' EXIT
ini="$work/Vendrask.ini"
for kv in MilliSecond=500 Left=1 Right=1 Top=1 Bottom=1 ClickOnDesktop=1; do
    "$build/vendrask-profile" set "$ini" MouseHook "${kv%%=*}" "${kv#*=}"
done
xdotool mousemove 960 540
"$build/vendrask" --ini "$ini" >"$work/out" 2>&1 & pid=$!
for _ in $(seq 200); do xdotool search --name '^Vendrask$' >/dev/null 2>&1 && break; sleep 0.05; done
sleep 2
hz=$(getconf CLK_TCK)

s0=$(switches "$pid"); t0=$(ticks "$pid")
sleep "$idle"
s1=$(switches "$pid"); t1=$(ticks "$pid")
awk -v s="$((s1 - s0))" -v t="$((t1 - t0))" -v d="$idle" -v hz="$hz" 'BEGIN {
    printf "hook on, pointer resting, menu hidden, over %d s: %.2f wake-ups/s, CPU %.2f %% (targets 0 and 0.00 %%)\n",
        d, s / d, 100 * t / hz / d }'

# One xdotool run: small relative steps to and fro, a millisecond apart.
args=()
for i in $(seq "$moves"); do
    if (( i % 2 )); then args+=(mousemove_relative -- 3 0); else args+=(mousemove_relative -- -3 0); fi
    args+=(sleep 0.001)
done
s0=$(switches "$pid"); t0=$(ticks "$pid"); start=$(date +%s.%N)
xdotool "${args[@]}"
end=$(date +%s.%N); s1=$(switches "$pid"); t1=$(ticks "$pid")
awk -v n="$moves" -v s="$((s1 - s0))" -v t="$((t1 - t0))" -v a="$start" -v b="$end" -v hz="$hz" 'BEGIN {
    d = b - a
    printf "%d moves in %.2f s (%.0f Hz): launcher CPU %.2f %% of one core (target <= 3 %%), %.0f wake-ups/s\n",
        n, d, n / d, 100 * t / hz / d, s / d }'
if xdotool search --onlyvisible --name '^Vendrask$' >/dev/null 2>&1; then echo "unexpected: the menu was shown"; fi
kill -TERM "$pid"; wait "$pid" || true
INNER
