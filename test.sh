#!/usr/bin/env bash
# SPDX-License-Identifier: MIT
# Installs what is missing, builds with -Werror and runs every test tier:
#   0. every C++ file clang-formatted, 1. unit and gui tiers (offscreen),
#   2. the x11 tier under Xvfb and the wayland tier under headless sway,
#   3. unit and gui tiers again with ASan+UBSan and leak checking, 4. a
#   short fuzz run of each parser.
# --quick: one build, unit and gui tiers only (everyday work).
# TSAN=1 adds a ThreadSanitizer run (on by default when CI=true, TSAN=0
# leaves it out); FUZZ_SECONDS sets the fuzz time.
set -euo pipefail
cd "$(dirname "$0")"

quick=0
case "${1:-}" in
--quick) quick=1 ;;
"") ;;
-h | --help)
    sed -n '3,10p' "$0" | sed 's/^# \{0,1\}//'
    exit 0
    ;;
*)
    echo "test.sh: unknown option '$1' (try --help)" >&2
    exit 2
    ;;
esac

jobs=$(nproc)
fuzz_seconds=${FUZZ_SECONDS:-60}
logs=$(mktemp -d "${TMPDIR:-/tmp}/vendrask-test-XXXXXX")
trap 'rm -rf "$logs"' EXIT

step() { printf '\n== %s\n' "$*"; }

configure() { # dir, extra cmake args...
    local dir=$1
    shift
    local launcher=()
    command -v ccache >/dev/null && launcher=(-DCMAKE_CXX_COMPILER_LAUNCHER=ccache)
    cmake -S . -B "$dir" -G Ninja -DVENDRASK_WERROR=ON "${launcher[@]}" "$@" \
        >"$logs/configure-${dir##*/}.log" ||
        {
            cat "$logs/configure-${dir##*/}.log"
            return 1
        }
}

run_ctest() { # log name, command...
    local name=$1
    shift
    "$@" 2>&1 | tee "$logs/ctest-$name.log"
    return "${PIPESTATUS[0]}"
}
# A tier that finds no tests has lost them: that fails.
ctest_args=(--output-on-failure --timeout 300 --no-tests=error)

scripts/install-deps.sh

if [[ $quick == 0 ]]; then
    step "formatting (clang-format 19)"
    # One major version on every release: formatting rules change between them.
    command -v clang-format-19 >/dev/null || {
        echo "clang-format-19 is missing: scripts/install-deps.sh installs it"
        exit 1
    }
    unformatted=$(git ls-files '*.cpp' '*.h' '*.c' | xargs clang-format-19 --dry-run 2>&1 |
        grep -oE '^[^:]+\.(cpp|h|c)' | sort -u || true)
    if [[ -n "$unformatted" ]]; then
        echo "not clang-formatted (run clang-format-19 -i on them):"
        printf '  %s\n' $unformatted
        exit 1
    fi
    echo "every C++ file is formatted"
fi

step "build (gcc, -Werror)"
configure build -DCMAKE_BUILD_TYPE=RelWithDebInfo
cmake --build build -j "$jobs"

step "unit and gui tiers"
run_ctest main ctest "${ctest_args[@]}" -j "$jobs" --test-dir build -L 'unit|gui'

if [[ $quick == 0 ]]; then
    step "x11 tier (Xvfb + openbox)"
    # Real processes, a window manager and timed pointer dwells: a test that
    # fails gets one more run, so a slow moment of a shared machine is not a
    # fault; one that fails twice is.
    run_ctest x11 scripts/with-xvfb.sh ctest "${ctest_args[@]}" --repeat until-pass:2 --test-dir build -L x11

    step "wayland tier (headless sway, through XWayland and native)"
    run_ctest wayland scripts/with-sway.sh ctest "${ctest_args[@]}" --repeat until-pass:2 --test-dir build -L wayland
    run_ctest wayland-native scripts/with-sway.sh --no-xwayland ctest "${ctest_args[@]}" --repeat until-pass:2 --test-dir build -L wayland

    step "portal tier (xdg-desktop-portal's frontend and a mock desktop service on a private bus)"
    run_ctest portal ctest "${ctest_args[@]}" --test-dir build -L portal

    step "build with ASan+UBSan"
    configure build-asan -DCMAKE_BUILD_TYPE=Debug -DVENDRASK_SANITIZE=address -DVENDRASK_BUILD_BENCH=OFF
    cmake --build build-asan -j "$jobs"
    step "unit and gui tiers under ASan+UBSan, with leak checking"
    ASAN_OPTIONS=detect_leaks=1:abort_on_error=1 \
        LSAN_OPTIONS=suppressions=$PWD/tests/lsan.supp:print_suppressions=0 \
        UBSAN_OPTIONS=print_stacktrace=1:halt_on_error=1 \
        run_ctest asan ctest "${ctest_args[@]}" -j "$jobs" --test-dir build-asan -L 'unit|gui'

    # About 5 minutes cold and 2 warm on two cores: CI can afford it.
    tsan=${TSAN:-0}
    [[ -n "${TSAN:-}" || "${CI:-}" != true ]] || tsan=1
    if [[ "$tsan" == 1 ]]; then
        step "build and run with TSan"
        configure build-tsan -DCMAKE_BUILD_TYPE=Debug -DVENDRASK_SANITIZE=thread -DVENDRASK_BUILD_BENCH=OFF
        cmake --build build-tsan -j "$jobs"
        # Qt is not instrumented: tests/tsan.supp says what is left out and why.
        TSAN_OPTIONS=halt_on_error=1:suppressions=$PWD/tests/tsan.supp \
            run_ctest tsan ctest "${ctest_args[@]}" -j "$jobs" --test-dir build-tsan -L 'unit|gui'
    fi

    step "fuzz the file parsers for ${fuzz_seconds}s each (clang, libFuzzer, ASan+UBSan)"
    configure build-fuzz -DVENDRASK_FUZZ_ONLY=ON -DCMAKE_CXX_COMPILER=clang++ -DCMAKE_BUILD_TYPE=RelWithDebInfo
    cmake --build build-fuzz -j "$jobs"
    fuzzers=0
    for fuzzer in build-fuzz/tests/fuzz/fuzz_*; do
        [[ -x "$fuzzer" ]] || continue
        fuzzers=$((fuzzers + 1))
        name=${fuzzer##*/fuzz_}
        mkdir -p "$logs/corpus-$name"
        dict=()
        [[ -f "tests/fuzz/$name.dict" ]] && dict=(-dict="tests/fuzz/$name.dict")
        "$fuzzer" -max_total_time="$fuzz_seconds" -rss_limit_mb=2048 -timeout=10 -print_final_stats=1 \
            "${dict[@]}" -artifact_prefix="$logs/" "$logs/corpus-$name" "tests/fuzz/corpus/$name" \
            >"$logs/fuzz-$name.log" 2>&1 || {
            tail -n 60 "$logs/fuzz-$name.log"
            exit 1
        }
        grep -E '^stat::number_of_executed_units|^Done' "$logs/fuzz-$name.log" || true
    done
    [[ $fuzzers -gt 0 ]] || {
        echo "no fuzzer was built"
        exit 1
    }
fi

[[ $quick == 1 ]] || { step "packaging tier (Debian package, portable folder)" && scripts/test-package.sh build; }

# One closing line over every tier.
passed=0
failed=0
for log in "$logs"/ctest-*.log; do
    line=$(grep -E 'tests passed, [0-9]+ tests? failed out of' "$log" | tail -n1 || true)
    [[ -n "$line" ]] || continue
    total=$(sed -E 's/.* out of ([0-9]+).*/\1/' <<<"$line")
    bad=$(sed -E 's/.*passed, ([0-9]+) tests? failed.*/\1/' <<<"$line")
    passed=$((passed + total - bad))
    failed=$((failed + bad))
done
echo
echo "tests: $passed passed, $failed failed"
[[ $failed -eq 0 ]]
