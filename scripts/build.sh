#!/usr/bin/env bash
# Configures and builds into build/ (the program folder is build/Pratovia).
set -euo pipefail
here="$(cd "$(dirname "$0")/.." && pwd)"
# ccache, when present, keeps rebuilds of unchanged sources short.
launcher=()
if command -v ccache >/dev/null 2>&1; then launcher=(-DCMAKE_CXX_COMPILER_LAUNCHER=ccache); fi
cmake -S "$here" -B "$here/build" -G Ninja -DCMAKE_BUILD_TYPE=RelWithDebInfo "${launcher[@]}" >/dev/null
cmake --build "$here/build"
