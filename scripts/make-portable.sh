#!/usr/bin/env bash
# SPDX-License-Identifier: MIT
# Makes the portable folder from a build: BUILD/vendrask-VERSION-linux-x86_64.tar.gz
# holds one folder, vendrask-VERSION/, with the launcher, its tools, its
# libraries, sound/ and README.md side by side. Unpacked anywhere it runs
# (the programs find their libraries beside them) and keeps Vendrask.ini
# beside the program.
#   scripts/make-portable.sh [BUILD_DIR]   (default: build)
set -euo pipefail
cd "$(dirname "$0")/.."

build=${1:-build}
version=$(sed -n 's/^CMAKE_PROJECT_VERSION:STATIC=//p' "$build/CMakeCache.txt")
[[ -n "$version" ]] || {
    echo "make-portable: $build is not a configured build folder" >&2
    exit 1
}
name=vendrask-$version
archive=$build/$name-linux-x86_64.tar.gz

cmake --build "$build" >/dev/null
stage=$(mktemp -d "${TMPDIR:-/tmp}/vendrask-portable-XXXXXX")
trap 'rm -rf "$stage"' EXIT
cmake --install "$build" --prefix "$stage/tree" --strip >/dev/null

folder=$stage/$name
mkdir -m 755 "$folder"
cp -a "$stage/tree/bin/." "$folder/"
cp -a "$stage"/tree/lib/*/vendrask/. "$folder/"
cp -a "$stage/tree/share/vendrask/sound" "$stage/tree/share/vendrask/translations" "$folder/"
cp -a "$stage/tree/share/doc/vendrask/README.md" "$stage/tree/share/doc/vendrask/copyright" "$folder/"

tar --sort=name --owner=0 --group=0 --numeric-owner -C "$stage" -czf "$archive" "$name"
echo "$archive"
