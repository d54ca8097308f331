#!/usr/bin/env bash
# Installs what is missing, builds, and starts the launcher.
set -euo pipefail
cd "$(dirname "$0")"

scripts/install-deps.sh
if [[ ! -f build/build.ninja ]]; then
    cmake -S . -B build -G Ninja -DCMAKE_BUILD_TYPE=RelWithDebInfo >/dev/null
fi
log=$(mktemp)
trap 'rm -f "$log"' EXIT
cmake --build build -j "$(nproc)" >"$log" 2>&1 || { cat "$log"; exit 1; }

if [[ -z "${DISPLAY:-}" && -z "${QT_QPA_PLATFORM:-}" ]]; then
    echo "run.sh: no X display (DISPLAY is not set); start it under Xvfb with: xvfb-run -a ./run.sh" >&2
    exit 1
fi
build/vendrask "$@"
