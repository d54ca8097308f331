#!/usr/bin/env bash
# SPDX-License-Identifier: MIT
# Installs what is missing, builds, and starts the launcher.
set -euo pipefail
cd "$(dirname "$0")"

# VENDRASK_BUILD_DIR: another build folder (the tests use their own).
build=${VENDRASK_BUILD_DIR:-build}

scripts/install-deps.sh
if [[ ! -f "$build/build.ninja" ]]; then
    cmake -S . -B "$build" -G Ninja -DCMAKE_BUILD_TYPE=RelWithDebInfo >/dev/null
fi
log=$(mktemp)
trap 'rm -f "$log"' EXIT
cmake --build "$build" -j "$(nproc)" >"$log" 2>&1 || { cat "$log"; exit 1; }

# The launcher itself says when it needs a display and has none; --help and
# --version need none.
"$build/vendrask" "$@"
