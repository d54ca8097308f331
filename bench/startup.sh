#!/usr/bin/env bash
# Whole-program figures of the launcher on a private Xvfb display:
# start-up (process start to the menu loop idle, median of N runs) and the
# resident memory while idle and hidden. Usage: bench/startup.sh [BUILD] [N]
set -euo pipefail
here=$(cd "$(dirname "$0")/.." && pwd)
build=$(cd "${1:-$here/build}" && pwd)
runs=${2:-20}

exec "$here/scripts/with-xvfb.sh" bash -s "$build" "$runs" <<'INNER'
set -euo pipefail
build=$1; runs=$2
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
    fi
    kill -TERM "$pid"; wait "$pid" || true
done
median=$(printf '%s\n' "${times[@]}" | sort -n | awk '{a[NR]=$1} END {print (NR%2) ? a[(NR+1)/2] : (a[NR/2]+a[NR/2+1])/2}')
echo "start-up to idle loop: median ${median} ms over ${runs} runs (target <= 60 ms)"
echo "first run: ${times[0]} ms"
echo "RSS idle and hidden: $((rss / 1024)) MiB (${rss} KiB; target <= 30 MiB)"
INNER
