#!/usr/bin/env bash
# SPDX-License-Identifier: MIT
# GNOME call-up speed: in the headless gnome-shell 48 session of
# tests/portal/gnome-check.sh (the menu through XWayland), `vendrask toggle`
# to the menu mapped, seen on the XWayland display by bench/mapwatch.c
# (its damage is not seen there, so no paint figure); median of N runs. GNOME 48 is in Debian 13
# (scripts/install-deps.sh --gnome), so mostly:
#   scripts/with-debian.sh 13 bash -c 'cmake ... && bench/gnome.sh build 20'
# Usage: bench/gnome.sh [BUILD] [N]
set -euo pipefail
here=$(cd "$(dirname "$0")/.." && pwd)
build=$(cd "${1:-$here/build}" && pwd)
runs=${2:-20}
. "$here/scripts/lib.sh"
mapwatch=$(bench_helper "$build" vendrask_mapwatch)

# Run by the session's user: a folder anyone may read.
steps=$(mktemp -d)
trap 'rm -rf "$steps"' EXIT
chmod 755 "$steps"
cat >"$steps/measure.sh" <<'MEASURE'
set -euo pipefail
build=$1; mapwatch=$2; runs=$3; desktop=$4
median() { sort -n | awk '{ v[NR] = $1 } END { if (NR) print v[int((NR + 1) / 2)]; else print "none" }'; }
maps=$XDG_RUNTIME_DIR/bench-map
: >"$maps"
for _ in $(seq "$runs"); do
    line=$("$mapwatch" -t 3000 -- "$build/vendrask" toggle)
    grep -o 'map_ms=[0-9.]*' <<<"$line" | cut -d= -f2 >>"$maps"
    "$build/vendrask" hide
    for _ in $(seq 100); do
        "$build/vendrask" status | grep -q '^menu shown: no' && break
        sleep 0.02
    done
done
echo "$desktop (XWayland): vendrask toggle -> mapped $(median <"$maps") ms (median of $runs)"
MEASURE
status=0
VENDRASK_GNOME_THEN="bash $steps/measure.sh $build $mapwatch $runs gnome" \
    "$here/tests/portal/gnome-check.sh" "$build" >"$steps/out" 2>&1 || status=$?
grep -E '^gnome' "$steps/out" || { cat "$steps/out"; exit 1; }
exit "$status"
