#!/usr/bin/env bash
# SPDX-License-Identifier: MIT
# Whole-program figures of the launcher on a private Xvfb display:
# start-up (process start to the menu loop idle, median of N runs) and the
# resident memory, wake-ups and CPU while idle and hidden.
# Usage: bench/startup.sh [BUILD] [N] [IDLE_SECONDS]
set -euo pipefail
here=$(cd "$(dirname "$0")/.." && pwd)
build=$(cd "${1:-$here/build}" && pwd)
runs=${2:-20}
idle=${3:-60}

exec "$here/scripts/with-xvfb.sh" bash -s "$here" "$build" "$runs" "$idle" <<'INNER'
set -euo pipefail
here=$1; build=$2; runs=$3; idle=$4
. "$here/scripts/lib.sh"
# A session bus, as on every desktop: without one, the first widget's
# accessibility check starts dbus-launch (about 9 ms here).
if command -v dbus-launch >/dev/null; then
    eval "$(dbus-launch --sh-syntax </dev/null)"
fi
# Context switches of every thread (each sleep that ends is one) and CPU ticks.
switches() { cat /proc/"$1"/task/*/status | awk '/ctxt_switches/ {n += $2} END {print n}'; }
ticks() { awk '{print $14 + $15}' /proc/"$1"/stat; }
work=$(mktemp -d); trap 'rm -rf "$work"; kill "${DBUS_SESSION_BUS_PID:-}" 2>/dev/null' EXIT
export QT_LOGGING_RULES="vendrask.timing.info=true"
times=()
full=()
for i in $(seq "$runs"); do
    # The launcher's own figure counts from the kernel's 10 ms start tick;
    # this one from just before the exec, to the microsecond.
    started=$EPOCHREALTIME
    "$build/vendrask" --ini "$work/Vendrask.ini" >"$work/out" 2>&1 & pid=$!
    for _ in $(seq 200); do grep -q 'menu prepared' "$work/out" && break; sleep 0.02; done
    ready=$(sed -nE 's/.*ready.*wall clock ([0-9.]+).*/\1/p' "$work/out")
    times+=("$(awk -v a="$started" -v b="$ready" 'BEGIN {printf "%.1f", (b - a) * 1000}')")
    # Then the menu's fonts and native window, before any call-up is served.
    prepared=$(sed -nE 's/.*menu prepared.*wall clock ([0-9.]+).*/\1/p' "$work/out")
    full+=("$(awk -v a="$started" -v b="$prepared" 'BEGIN {printf "%.1f", (b - a) * 1000}')")
    if [[ $i -eq $runs ]]; then
        sleep 2
        rss=$(awk '/VmRSS/ {print $2}' "/proc/$pid/status")
        s0=$(switches "$pid"); t0=$(ticks "$pid")
        sleep "$idle"
        s1=$(switches "$pid"); t1=$(ticks "$pid")
    fi
    kill -TERM "$pid"; wait "$pid" || true
done
# The yardstick: a plain Qt window on a grabbed key, started the same way.
plain=()
for i in $(seq "$runs"); do
    started=$EPOCHREALTIME
    "$build/vendrask_bench_minimal" >"$work/out" 2>&1 & pid=$!
    for _ in $(seq 200); do grep -q 'ready' "$work/out" && break; sleep 0.02; done
    ready=$(sed -nE 's/.*wall clock ([0-9.]+).*/\1/p' "$work/out")
    plain+=("$(awk -v a="$started" -v b="$ready" 'BEGIN {printf "%.1f", (b - a) * 1000}')")
    kill -TERM "$pid"; wait "$pid" || true
done
echo "start-up to idle loop: median $(printf '%s\n' "${times[@]}" | median) ms over ${runs} runs (target <= 40 ms);" \
    "plain Qt window: $(printf '%s\n' "${plain[@]}" | median) ms"
echo "menu prepared (fonts, native window): median $(printf '%s\n' "${full[@]}" | median) ms"
echo "first run: ${times[0]} ms"
echo "RSS idle and hidden: $((rss / 1024)) MiB (${rss} KiB; target <= 30 MiB)"
hz=$(getconf CLK_TCK)
awk -v s="$((s1 - s0))" -v t="$((t1 - t0))" -v d="$idle" -v hz="$hz" 'BEGIN {
    printf "idle and hidden over %d s: %.2f wake-ups/s, CPU %.2f %% (targets 0 and 0.00 %%)\n",
        d, s / d, 100 * t / hz / d }'
INNER
