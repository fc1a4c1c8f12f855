#!/usr/bin/env bash
# Installs what is missing, builds and runs every test through CTest.
set -euo pipefail
here="$(cd "$(dirname "$0")/.." && pwd)"
PRATOVIA_WITH_TEST_TOOLS=1 "$here/scripts/setup.sh"
"$here/scripts/build.sh"
cd "$here/build"
export QT_QPA_PLATFORM=offscreen
ctest --output-on-failure -j2 "$@"
