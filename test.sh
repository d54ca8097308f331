#!/usr/bin/env bash
# SPDX-License-Identifier: MIT
# Installs what is missing, builds with -Werror and runs every test tier:
#   format (every C++ file clang-formatted), unit (unit and gui, offscreen),
#   x11 (Xvfb), accessibility (the launcher read over AT-SPI, under Xvfb),
#   wayland (headless sway), portal, variants (builds without
#   X11 and without Wayland), asan (ASan+UBSan, leaks),
#   tsan (CI, or TSAN=1), fuzz (each parser), package (the Debian package,
#   also installed with apt into a fresh chroot of this release), and with
#   CI=true on Debian 12 the Debian 13 tiers in its chroot (unit, package,
#   kde: the real KWin 6.3 and KDE's portal service; gnome: the real
#   gnome-shell 48 and GNOME's portal service; each installed for it).
# --quick: one build, the unit tier only (everyday work).
# --tiers LIST: only those tiers, comma-separated (e.g. unit,x11).
# --debian 13: the Debian 13 tiers unit, x11, wayland, portal, kde, gnome and
#   package in a chroot of that release (scripts/with-debian.sh; needs root).
# FUZZ_SECONDS sets the fuzz time.
set -euo pipefail
cd "$(dirname "$0")"

all_tiers=format,unit,x11,accessibility,wayland,portal,variants,asan,tsan,fuzz,package
tiers=
debian=
while [[ $# -gt 0 ]]; do
    case "$1" in
    --quick) tiers=unit ;;
    --tiers)
        tiers=${2:?--tiers needs a list, e.g. unit,x11}
        shift
        ;;
    --debian)
        debian=${2:?--debian needs a release: 13}
        shift
        ;;
    -h | --help)
        sed -n '3,17p' "$0" | sed 's/^# \{0,1\}//'
        exit 0
        ;;
    *)
        echo "test.sh: unknown option '$1' (try --help)" >&2
        exit 2
        ;;
    esac
    shift
done
for tier in ${tiers//,/ }; do
    [[ ",$all_tiers,kde,gnome," == *",$tier,"* ]] || {
        echo "test.sh: unknown tier '$tier' (the tiers: $all_tiers)" >&2
        exit 2
    }
done
host_release=$(. /etc/os-release && echo "${ID}-${VERSION_ID%%.*}")
# The Debian 13 tiers CI runs from a Debian 12 machine, within its time:
# in its kept chroot the build, unit and package tiers and the install check
# take about 5 minutes with a warm compiler cache, 9 with a cold one; x11,
# wayland and portal add about 3 (--debian 13).
debian_tiers=
if [[ -n "$debian" ]]; then
    [[ "$debian" == 13 ]] || {
        echo "test.sh: --debian takes 13 (this machine is $host_release)" >&2
        exit 2
    }
    debian_tiers=unit,x11,wayland,portal,kde,gnome,package
    tiers=${tiers:-none}
elif [[ -z "$tiers" ]]; then
    tiers=$all_tiers
    tsan=${TSAN:-0}
    [[ -n "${TSAN:-}" || "${CI:-}" != true ]] || tsan=1
    [[ "$tsan" == 1 ]] || tiers=${tiers/,tsan/}
    [[ "${CI:-}" != true || "$host_release" != debian-12 ]] || debian_tiers=unit,kde,gnome,package
fi
wants() { [[ ",$tiers," == *",$1,"* ]]; }
builds() { wants unit || wants x11 || wants accessibility || wants wayland || wants portal || wants kde || wants gnome || wants package; }

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

tier_format() {
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
}

tier_build() {
    step "build (gcc, -Werror)"
    configure build -DCMAKE_BUILD_TYPE=RelWithDebInfo
    cmake --build build -j "$jobs"
}

tier_unit() {
    step "unit and gui tiers"
    run_ctest main ctest "${ctest_args[@]}" -j "$jobs" --test-dir build -L 'unit|gui'
}

tier_x11() {
    step "x11 tier (Xvfb + openbox)"
    # Real processes, a window manager and timed pointer dwells: a test that
    # fails gets one more run, so a slow moment of a shared machine is not a
    # fault; one that fails twice is.
    run_ctest x11 scripts/with-xvfb.sh ctest "${ctest_args[@]}" --test-dir build -L x11
}

tier_accessibility() {
    step "accessibility tier (the launcher over AT-SPI, Xvfb + openbox)"
    run_ctest accessibility scripts/with-xvfb.sh ctest "${ctest_args[@]}" --test-dir build -L accessibility
}

tier_wayland() {
    step "wayland tier (headless sway, through XWayland and native)"
    run_ctest wayland scripts/with-sway.sh ctest "${ctest_args[@]}" --test-dir build -L wayland
    run_ctest wayland-native scripts/with-sway.sh --no-xwayland ctest "${ctest_args[@]}" --test-dir build -L wayland
}

tier_portal() {
    step "portal tier (xdg-desktop-portal's frontend and a mock desktop service on a private bus)"
    run_ctest portal ctest "${ctest_args[@]}" --test-dir build -L portal
}

tier_kde() {
    step "kde tier (the real KWin and KDE's shortcut portal service, on a private bus)"
    scripts/install-deps.sh --kde
    run_ctest kde ctest "${ctest_args[@]}" --test-dir build -L kde
}

tier_gnome() {
    step "gnome tier (the real gnome-shell and GNOME's shortcut portal service, on a private bus)"
    # GNOME's portal binds shortcuts from GNOME 48 on: Debian 13.
    [[ $(. /etc/os-release && echo "${VERSION_ID%%.*}") -ge 13 ]] || {
        echo "the gnome tier needs GNOME 48 (Debian 13): ./test.sh --debian 13 runs it there"
        exit 1
    }
    scripts/install-deps.sh --gnome
    run_ctest gnome ctest "${ctest_args[@]}" --test-dir build -L gnome
}

# Each side of the session left out once: the build and its tests link
# (a backend that reaches into the other side fails here), the tests run.
tier_variants() {
    local side
    for side in X11 WAYLAND; do
        step "build and unit tier without ${side,,} (-DVENDRASK_WITH_$side=OFF)"
        configure "build-no-${side,,}" -DCMAKE_BUILD_TYPE=RelWithDebInfo -DVENDRASK_BUILD_BENCH=OFF \
            "-DVENDRASK_WITH_$side=OFF"
        cmake --build "build-no-${side,,}" -j "$jobs"
        run_ctest "no-${side,,}" ctest "${ctest_args[@]}" -j "$jobs" --test-dir "build-no-${side,,}" -L unit
    done
}

tier_asan() {
    step "build with ASan+UBSan"
    configure build-asan -DCMAKE_BUILD_TYPE=Debug -DVENDRASK_SANITIZE=address -DVENDRASK_BUILD_BENCH=OFF
    cmake --build build-asan -j "$jobs"
    step "unit and gui tiers under ASan+UBSan, with leak checking"
    ASAN_OPTIONS=detect_leaks=1:abort_on_error=1 \
        LSAN_OPTIONS=suppressions=$PWD/tests/lsan.supp:print_suppressions=0 \
        UBSAN_OPTIONS=print_stacktrace=1:halt_on_error=1 \
        run_ctest asan ctest "${ctest_args[@]}" -j "$jobs" --test-dir build-asan -L 'unit|gui'
}

# About 5 minutes cold and 2 warm on two cores: CI can afford it.
tier_tsan() {
    step "build and run with TSan"
    configure build-tsan -DCMAKE_BUILD_TYPE=Debug -DVENDRASK_SANITIZE=thread -DVENDRASK_BUILD_BENCH=OFF
    cmake --build build-tsan -j "$jobs"
    # Qt is not instrumented: tests/tsan.supp says what is left out and why.
    TSAN_OPTIONS=halt_on_error=1:suppressions=$PWD/tests/tsan.supp \
        run_ctest tsan ctest "${ctest_args[@]}" -j "$jobs" --test-dir build-tsan -L 'unit|gui'
}

tier_fuzz() {
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
}

# Installing into a fresh chroot takes root (debootstrap, chroot).
install_check() { # release, package
    if [[ $(id -u) -eq 0 ]]; then
        scripts/test-install.sh "$1" "$2"
    elif [[ "${CI:-}" == true ]]; then
        echo "the install check needs root"
        return 1
    else
        echo "the install check into a fresh Debian $1 needs root: skipped"
    fi
}

tier_package() {
    step "packaging tier (run.sh, Debian package, portable folder, apt into a fresh $host_release)"
    run_ctest scripts ctest "${ctest_args[@]}" --test-dir build -L scripts
    scripts/test-package.sh build
    release=$(. /etc/os-release && echo "${VERSION_ID%%.*}")
    if [[ "$(. /etc/os-release && echo "$ID")" == debian && -z "${VENDRASK_IN_CHROOT:-}" ]]; then
        install_check "$release" build/package/vendrask_*"~deb${release}"_amd64.deb
    fi
}

tier_debian13() {
    step "Debian 13 tiers ($debian_tiers) in its chroot"
    [[ $(id -u) -eq 0 ]] || {
        echo "the Debian 13 tiers need root (scripts/with-debian.sh)"
        exit 1
    }
    rm -rf "$logs/package-13"
    copy_out=()
    [[ ",$debian_tiers," != *",package,"* ]] ||
        copy_out=(--copy-out /home/vendrask/vendrask/build/package:"$logs/package-13")
    scripts/with-debian.sh "${copy_out[@]}" 13 \
        ./test.sh --tiers "$debian_tiers" 2>&1 | tee "$logs/debian-13.log"
    [[ ${PIPESTATUS[0]} -eq 0 ]] || exit 1
    if [[ ${#copy_out[@]} -gt 0 ]]; then
        install_check 13 "$logs"/package-13/vendrask_*~deb13_amd64.deb
    fi
}

# Each tier runs to its end in a shell of its own; a failed tier does not stop
# the others (but one without a build skips what needs it). Never called in a
# condition: there bash would ignore set -e inside the tier.
failures=()
run_tier() { # name
    local status=0
    set +e
    (
        set -e
        "tier_$1"
    )
    status=$?
    set -e
    [[ $status -eq 0 ]] || failures+=("$1")
}
failed_tier() { [[ " ${failures[*]} " == *" $1 "* ]]; }

scripts/install-deps.sh

if wants format; then run_tier format; fi
if builds; then run_tier build; fi
for tier in unit x11 accessibility wayland portal kde gnome variants asan tsan fuzz package; do
    wants "$tier" || continue
    case "$tier" in
    variants | asan | tsan | fuzz) run_tier "$tier" ;;
    *) if failed_tier build; then failures+=("$tier(no-build)"); else run_tier "$tier"; fi ;;
    esac
done
if [[ -n "$debian_tiers" ]]; then run_tier debian13; fi

# One closing line over every tier.
shopt -s nullglob
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
if [[ -f "$logs/debian-13.log" ]]; then
    line=$(grep -E '^tests: [0-9]+ passed, [0-9]+ failed' "$logs/debian-13.log" | tail -n1 || true)
    if [[ -n "$line" ]]; then
        passed=$((passed + $(sed -E 's/tests: ([0-9]+) .*/\1/' <<<"$line")))
        failed=$((failed + $(sed -E 's/.* ([0-9]+) failed.*/\1/' <<<"$line")))
    fi
fi
echo
echo "tests: $passed passed, $failed failed"
if [[ ${#failures[@]} -gt 0 ]]; then
    echo "failed tiers: ${failures[*]}"
    exit 1
fi
[[ $failed -eq 0 ]]
