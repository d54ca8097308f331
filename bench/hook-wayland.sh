#!/usr/bin/env bash
# SPDX-License-Identifier: MIT
# Cost of the mouse hook's layer-shell surfaces in the real launcher on a
# private headless sway: wake-ups and CPU while the pointer rests (menu
# hidden, all four edges and the desktop click on), and CPU while a virtual
# pointer makes N moves along the left edge at about 1 kHz ("Click" mode,
# so the menu stays hidden and every move runs the whole decision).
# Usage: bench/hook-wayland.sh [BUILD] [IDLE_SECONDS] [MOVES]
set -euo pipefail
here=$(cd "$(dirname "$0")/.." && pwd)
build=$(cd "${1:-$here/build}" && pwd)
idle=${2:-60}
moves=${3:-5000}

exec "$here/scripts/with-sway.sh" bash -s "$here" "$build" "$idle" "$moves" <<'INNER'
set -euo pipefail
here=$1; build=$2; idle=$3; moves=$4
. "$here/scripts/lib.sh"
switches() { cat /proc/"$1"/task/*/status | awk '/ctxt_switches/ {n += $2} END {print n}'; }
ticks() { awk '{print $14 + $15}' /proc/"$1"/stat; }
work=$(mktemp -d); chmod 777 "$work"; trap 'rm -rf "$work"' EXIT
session_user "${VENDRASK_SESSION_USER:-root}"
ini="$work/Vendrask.ini"
for kv in MilliSecond=300000 Left=1 Right=1 Top=1 Bottom=1 ClickOnDesktop=1; do
    "$build/vendrask-profile" set "$ini" MouseHook "${kv%%=*}" "${kv#*=}" >/dev/null
done
chmod 666 "$ini"
coproc POINTER { "$build/vendrask-test-pointer" 2560 800; }
ptr() { local r; echo "$1" >&"${POINTER[1]}"; read -r -u "${POINTER[0]}" r; }
ptr "move 640 400"
"${as_user[@]}" "$build/vendrask" --ini "$ini" >"$work/out" 2>&1 & pid=$!
for _ in $(seq 200); do [[ -S "$XDG_RUNTIME_DIR/vendrask/control" ]] && break; sleep 0.05; done
sleep 2
hz=$(getconf CLK_TCK)

s0=$(switches "$pid"); t0=$(ticks "$pid")
sleep "$idle"
s1=$(switches "$pid"); t1=$(ticks "$pid")
awk -v s="$((s1 - s0))" -v t="$((t1 - t0))" -v d="$idle" -v hz="$hz" 'BEGIN {
    printf "Wayland hook on, pointer resting, menu hidden, over %d s: %.2f wake-ups/s, CPU %.2f %% (targets 0 and 0.00 %%)\n",
        d, s / d, 100 * t / hz / d }'

ptr "move 0 10"
s0=$(switches "$pid"); t0=$(ticks "$pid"); start=$(date +%s.%N)
ptr "line 0 10 0 790 $moves"
end=$(date +%s.%N); s1=$(switches "$pid"); t1=$(ticks "$pid")
awk -v n="$moves" -v s="$((s1 - s0))" -v t="$((t1 - t0))" -v a="$start" -v b="$end" -v hz="$hz" 'BEGIN {
    d = b - a
    printf "%d moves along the left edge in %.2f s (%.0f Hz): launcher CPU %.2f %% of one core (target <= 3 %%), %.0f wake-ups/s\n",
        n, d, n / d, 100 * t / hz / d, s / d }'
if swaymsg -t get_tree | grep -q '"name": "Vendrask"'; then echo "unexpected: the menu was shown"; fi
kill -TERM "$pid"; wait "$pid" || true
INNER
