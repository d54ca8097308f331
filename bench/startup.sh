#!/usr/bin/env bash
# Whole-program figures of the launcher on a private Xvfb display:
# start-up (process start to the menu loop idle, median of N runs) and the
# resident memory, wake-ups and CPU while idle and hidden.
# Usage: bench/startup.sh [BUILD] [N] [IDLE_SECONDS]
set -euo pipefail
here=$(cd "$(dirname "$0")/.." && pwd)
build=$(cd "${1:-$here/build}" && pwd)
runs=${2:-20}
idle=${3:-60}

exec "$here/scripts/with-xvfb.sh" bash -s "$build" "$runs" "$idle" <<'INNER'
set -euo pipefail
build=$1; runs=$2; idle=$3
# Context switches of every thread (each sleep that ends is one) and CPU ticks.
switches() { cat /proc/"$1"/task/*/status | awk '/ctxt_switches/ {n += $2} END {print n}'; }
ticks() { awk '{print $14 + $15}' /proc/"$1"/stat; }
work=$(mktemp -d); trap 'rm -rf "$work"' EXIT
export QT_LOGGING_RULES="vendrask.timing.info=true"
times=()
for i in $(seq "$runs"); do
    "$build/vendrask" --ini "$work/Vendrask.ini" >"$work/out" 2>&1 & pid=$!
    for _ in $(seq 200); do grep -q 'ready' "$work/out" && break; sleep 0.02; done
    times+=("$(sed -nE 's/.*ready ([0-9.]+) ms.*/\1/p' "$work/out")")
    if [[ $i -eq $runs ]]; then
        sleep 2
        rss=$(awk '/VmRSS/ {print $2}' "/proc/$pid/status")
        s0=$(switches "$pid"); t0=$(ticks "$pid")
        sleep "$idle"
        s1=$(switches "$pid"); t1=$(ticks "$pid")
    fi
    kill -TERM "$pid"; wait "$pid" || true
done
median=$(printf '%s\n' "${times[@]}" | sort -n | awk '{a[NR]=$1} END {print (NR%2) ? a[(NR+1)/2] : (a[NR/2]+a[NR/2+1])/2}')
echo "start-up to idle loop: median ${median} ms over ${runs} runs (target <= 60 ms)"
echo "first run: ${times[0]} ms"
echo "RSS idle and hidden: $((rss / 1024)) MiB (${rss} KiB; target <= 30 MiB)"
hz=$(getconf CLK_TCK)
awk -v s="$((s1 - s0))" -v t="$((t1 - t0))" -v d="$idle" -v hz="$hz" 'BEGIN {
    printf "idle and hidden over %d s: %.2f wake-ups/s, CPU %.2f %% (targets 0 and 0.00 %%)\n",
        d, s / d, 100 * t / hz / d }'
INNER
