#!/usr/bin/env bash
# SPDX-License-Identifier: MIT
# Installs what is missing, builds what the launcher needs, and starts it.
set -euo pipefail
cd "$(dirname "$0")"

# VENDRASK_BUILD_DIR: another build folder (the tests use their own).
build=${VENDRASK_BUILD_DIR:-build}

scripts/install-deps.sh
if [[ ! -f "$build/build.ninja" ]]; then
    echo "run.sh: configuring $build" >&2
    launcher=()
    command -v ccache >/dev/null && launcher=(-DCMAKE_CXX_COMPILER_LAUNCHER=ccache)
    cmake -S . -B "$build" -G Ninja -DCMAKE_BUILD_TYPE=RelWithDebInfo "${launcher[@]}" >&2
fi
# The program, its library, its tools, sounds and icons: no tests, no benchmarks.
# Ninja shows its progress ([12/140] ...) as it goes, on stderr: stdout is the
# launcher's own. A failure shows the error.
echo "run.sh: building the launcher in $build" >&2
cmake --build "$build" -j "$(nproc)" --target vendrask VendraskLauncherShared \
    vendrask-profile vendrask-shortcut kelvo-cpu vendrask_sounds vendrask-icon-theme >&2

# The launcher itself says when it needs a display and has none; --help and
# --version need none.
exec "$build/vendrask" "$@"
