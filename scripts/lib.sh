# shellcheck shell=bash
# SPDX-License-Identifier: MIT
# Shell functions the scripts and benchmarks share; source it:
#   . "$here/scripts/lib.sh"

# wait_for SECONDS COMMAND...: runs the command every 0.1 s until it succeeds;
# fails, with a note on stderr, when the time is up.
wait_for() {
    local tries=$(($1 * 10))
    shift
    for _ in $(seq "$tries"); do
        "$@" >/dev/null 2>&1 && return 0
        sleep 0.1
    done
    echo "${0##*/}: timed out waiting for: $*" >&2
    return 1
}

# median: the median of the numbers on standard input, one a line; "-" for none.
median() {
    sort -n | awk '{v[NR] = $1} END {
        if (NR == 0) print "-"; else print (NR % 2) ? v[(NR + 1) / 2] : (v[NR / 2] + v[NR / 2 + 1]) / 2 }'
}

# session_user [USER]: sets the array as_user to the prefix that runs a
# command as USER (default nobody) when we are root, as a desktop session's
# user would run the launcher; empty otherwise, or when USER is root.
# shellcheck disable=SC2034 # as_user is the caller's
session_user() {
    local user=${1:-nobody}
    as_user=()
    if [[ $(id -u) -eq 0 && $user != root ]]; then
        as_user=(setpriv --reuid="$user" --regid=nogroup --clear-groups)
    fi
}

# bench_helper BUILD NAME: the path of a bench helper CMake built
# (vendrask_mapwatch, vendrask_soakdrive); fails when it is not there.
bench_helper() {
    local path="$1/$2"
    if [[ ! -x $path ]]; then
        echo "${0##*/}: no $2 in $1; build it: cmake --build $1 --target $2" >&2
        return 1
    fi
    echo "$path"
}
