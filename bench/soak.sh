#!/usr/bin/env bash
# SPDX-License-Identifier: MIT
# Endurance: the real launcher on one private Xvfb display with openbox and
# trayer, driven by bench/soakdrive.c in ten rounds of call-ups and hides
# (hot key, tray click, `vendrask toggle`, Escape), item starts, item edits
# saved through the keyboard and configuration windows, while a second
# process reads the settings file with vendrask-profile in a loop.
# Afterwards it checks: every request honoured (maps counted), resident
# memory grown <= 2 MiB and descriptors and threads unchanged since the first
# round, no zombie children, the settings file parses and holds the last
# edit, and in an ASan build no report. Exit 1 when a check fails.
#
# Usage: bench/soak.sh [BUILD] [CALLUPS]
#   CALLUPS (default 10000; starts, edits and configuration windows scale
#   with it: 1/10, 1/20, 1/50). An ASan build (VENDRASK_SANITIZE=address)
#   is recognised from BUILD's cache: its memory figure is printed, not
#   checked, as the sanitizer's quarantine grows by design.
# Not part of ./test.sh: the full run takes about half an hour.
set -euo pipefail
here=$(cd "$(dirname "$0")/.." && pwd)
build=$(cd "${1:-$here/build}" && pwd)
callups=${2:-10000}

exec "$here/scripts/with-xvfb.sh" bash -s "$here" "$build" "$callups" <<'INNER'
set -euo pipefail
here=$1; build=$2; callups=$3
rounds=10
(( callups >= rounds )) || { echo "soak: at least $rounds call-ups" >&2; exit 2; }
starts=$(( callups / 10 )); edits=$(( callups / 20 )); configs=$(( callups / 50 ))
asan=0
grep -q '^VENDRASK_SANITIZE:STRING=address' "$build/CMakeCache.txt" && asan=1

work=$(mktemp -d)
reader=; launcher=
cleanup() {
    [[ -n $reader ]] && kill "$reader" 2>/dev/null || true
    [[ -n $launcher ]] && kill "$launcher" 2>/dev/null || true
    wait 2>/dev/null || true
    rm -rf "$work"
}
trap cleanup EXIT
. "$here/scripts/lib.sh"
soakdrive=$(bench_helper "$build" vendrask_soakdrive)

vendrask=$build/vendrask
profile=$build/vendrask-profile
ini=$work/Vendrask.ini
set_ini() { "$profile" set "$ini" "$@"; }
set_ini ColorSet FadeLevel 0
set_ini Sound Flag 0
set_ini Behavior ConfirmationDialog 1
set_ini Behavior ItemLock 0
for edge in Top Bottom Left Right ClickOnDesktop; do set_ini MouseHook "$edge" 0; done
# Item A: a tiny program that leaves one line per start.
startlog=$work/starts.log
printf '#!/bin/sh\necho >> "%s"\n' "$startlog" >"$work/start.sh"
chmod +x "$work/start.sh"
set_ini Item01 Name Start
set_ini Item01 Path "$work/start.sh"
# Items B to E: what the edits copy onto Y.
n=2
for letter in B C D E; do
    set_ini "Item0$n" Name "Source $letter"
    set_ini "Item0$n" Path /bin/true
    n=$(( n + 1 ))
done

export ASAN_OPTIONS=detect_leaks=1:abort_on_error=0:log_path=$work/asan
export LSAN_OPTIONS=suppressions=$here/tests/lsan.supp:print_suppressions=0
export UBSAN_OPTIONS=print_stacktrace=1:log_path=$work/asan
"$vendrask" --ini "$ini" >"$work/launcher.log" 2>&1 & launcher=$!
ready=0
for _ in $(seq 400); do "$vendrask" status >/dev/null 2>&1 && { ready=1; break; }; sleep 0.05; done
(( ready )) || { echo "soak: the launcher did not start" >&2; cat "$work/launcher.log" >&2; exit 1; }

# The tray icon: trayer grows to its width once it is embedded.
tray=
for _ in $(seq 100); do
    win=$(xdotool search --onlyvisible --class trayer 2>/dev/null | head -n1 || true)
    if [[ -n $win ]]; then
        eval "$(xdotool getwindowgeometry --shell "$win")"
        (( WIDTH >= 16 )) && { tray="$(( X + WIDTH / 2 )),$(( Y + HEIGHT / 2 ))"; break; }
    fi
    sleep 0.05
done
[[ -n $tray ]] || { echo "soak: no tray icon" >&2; exit 1; }
sleep 0.5

# The menu window, found once while shown.
"$vendrask" show >/dev/null
menu=
for _ in $(seq 100); do
    menu=$(xdotool search --onlyvisible --name '^Vendrask$' 2>/dev/null | head -n1 || true)
    [[ -n $menu ]] && break
    sleep 0.05
done
[[ -n $menu ]] || { echo "soak: the menu did not show" >&2; exit 1; }
"$vendrask" hide >/dev/null
sleep 0.3

# The second process: reads the file as fast as it can until told to stop.
(
    reads=0 failures=0
    while [[ ! -e $work/stop ]]; do
        if "$profile" get "$ini" Item25 Name >/dev/null 2>>"$work/reader.err"; then
            reads=$(( reads + 1 ))
        else
            failures=$(( failures + 1 ))
        fi
    done
    echo "$reads $failures" >"$work/reader.out"
) &
reader=$!

drive() { "$soakdrive" -w "$menu" -v "$vendrask" -T "$tray" -l "$startlog" "$@"; }
rss() { awk '/^VmRSS/ {print $2}' "/proc/$launcher/status"; }
fds() { ls "/proc/$launcher/fd" 2>/dev/null | wc -l; }
threads() { ls "/proc/$launcher/task" | wc -l; }
# Processes come and go meanwhile (the reader's): one that ended between the
# listing and the read is skipped, not an error.
zombie_children() {
    local stat rest state ppid count=0
    for stat in /proc/[0-9]*/stat; do
        read -r rest 2>/dev/null <"$stat" || continue
        rest=${rest##*) } # after the command name, which may hold blanks
        read -r state ppid _ <<<"$rest"
        [[ $ppid == "$1" && $state == Z ]] && count=$(( count + 1 ))
    done
    echo "$count"
}
share() { echo $(( $1 * ($2 + 1) / rounds - $1 * $2 / rounds )); } # total, round
requested=0 honoured=0 lost=0 rss0=0 fds0=0 threads0=0
declare -A spent
t0=$EPOCHSECONDS
for (( r = 0; r < rounds; r++ )); do
    for phase in callups:$callups starts:$starts edits:$edits configs:$configs; do
        name=${phase%%:*}; total=${phase#*:}
        count=$(share "$total" "$r")
        (( count > 0 )) || continue
        first=$(( total * r / rounds ))
        p0=$EPOCHREALTIME
        line=$(drive "$name" "$count" "$first" 2>>"$work/drive.err" || true)
        spent[$name]=$(awk -v a="$p0" -v b="$EPOCHREALTIME" -v s="${spent[$name]:-0}" 'BEGIN {printf "%.1f", s + b - a}')
        maps=$(sed -nE 's/.*maps=([0-9]+).*/\1/p' <<<"$line")
        lost_now=$(sed -nE 's/.*lost=([0-9]+).*/\1/p' <<<"$line")
        requested=$(( requested + count )); honoured=$(( honoured + ${maps:-0} ))
        lost=$(( lost + ${lost_now:-1} ))
        kill -0 "$launcher" 2>/dev/null || { echo "soak: the launcher died in round $r ($name)" >&2; break 2; }
    done
    if (( r == 0 )); then
        rss0=$(rss); fds0=$(fds); threads0=$(threads)
    fi
    # Every round, so a steady climb shows apart from a warm-up step.
    echo "after round $(( r + 1 )) ($(( callups * (r + 1) / rounds )) call-ups, $(( EPOCHSECONDS - t0 )) s): VmRSS $(rss) kB, $(fds) fds, $(threads) threads"
done
elapsed=$(( EPOCHSECONDS - t0 ))
alive=0; kill -0 "$launcher" 2>/dev/null && alive=1
if (( alive )); then
    rss1=$(rss); fds1=$(fds); threads1=$(threads)
    zombies=$(zombie_children "$launcher")
else
    rss1=0; fds1=0; threads1=0; zombies=0
fi
touch "$work/stop"; wait "$reader" || true; reader=
read -r reads read_failures <"$work/reader.out"

# The last edit: an odd number pastes item B..E onto Y, an even one empties Y.
last=$(( edits - 1 ))
expected=
(( last % 2 == 1 )) && expected="Source $(printf "\\x$(printf %x $(( 66 + (last / 2) % 4 )))")"
stored=$("$profile" get "$ini" Item25 Name 2>&1) && parses=1 || parses=0
start_lines=0; [[ -f $startlog ]] && start_lines=$(wc -l <"$startlog")

"$vendrask" quit >/dev/null 2>&1 || true
for _ in $(seq 200); do kill -0 "$launcher" 2>/dev/null || break; sleep 0.05; done
exit_status=0; wait "$launcher" || exit_status=$?; launcher=
reports=$(cat "$work"/asan.* 2>/dev/null | grep -cE 'ERROR: (Address|Leak)Sanitizer|runtime error:' || true)

failed=0
check() { # ok?, text
    if (( $1 )); then echo "  ok    $2"; else echo "  FAIL  $2"; failed=1; fi
}
echo "soak: $callups call-ups, $starts starts, $edits edits, $configs configuration windows in ${elapsed} s$( (( asan )) && echo ' (ASan build)')"
check "$alive" "the launcher ran to the end"
check "$(( honoured == requested ))" "requests honoured: $honoured maps for $requested requests"
check "$(( lost == 0 ))" "steps that failed (a window late, a key lost): $lost"
check "$(( start_lines == starts ))" "item starts: $start_lines of $starts"
if (( asan )); then
    echo "  info  VmRSS ${rss0} kB -> ${rss1} kB ($(( (rss1 - rss0) / 1024 )) MiB; ASan quarantine, not checked)"
else
    check "$(( rss1 - rss0 <= 2048 ))" "VmRSS ${rss0} kB -> ${rss1} kB (growth $(( rss1 - rss0 )) kB, limit 2048)"
fi
check "$(( fds1 == fds0 ))" "open descriptors ${fds0} -> ${fds1}"
check "$(( threads1 == threads0 ))" "threads ${threads0} -> ${threads1}"
check "$(( zombies == 0 ))" "zombie children: $zombies"
check "$(( read_failures == 0 ))" "settings reads by a second process: $reads, failed $read_failures"
check "$parses" "the settings file parses"
check "$([[ $stored == "$expected" ]] && echo 1 || echo 0)" "item Y holds the last edit (#$last): \"$stored\" (expected \"$expected\")"
echo "  time  call-ups ${spent[callups]:-0} s, starts ${spent[starts]:-0} s, edits ${spent[edits]:-0} s, configuration windows ${spent[configs]:-0} s"
check "$(( exit_status == 0 ))" "the launcher quit with status $exit_status"
(( asan )) && check "$(( reports == 0 ))" "sanitizer reports: $reports"
if [[ -s $work/drive.err ]]; then
    echo "failed steps (first 20):"; head -n 20 "$work/drive.err"
fi
if (( reports )); then cat "$work"/asan.* | head -n 60; fi
[[ -s $work/reader.err ]] && { echo "reader errors:"; sort "$work/reader.err" | uniq -c | head; }
exit "$failed"
INNER
