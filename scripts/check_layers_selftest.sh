#!/usr/bin/env bash
# The layering check must fail on an include that points up, on one app
# including another, and on a circle; and pass on a tree that has none.
set -euo pipefail
here="$(cd "$(dirname "$0")" && pwd)"
tmp="$(mktemp -d)"
trap 'rm -rf "$tmp"' EXIT

mkdir -p "$tmp"/{storage,ui,clients,calls,app}
printf '#pragma once\n' > "$tmp/storage/A.h"
printf '#include "storage/A.h"\n' > "$tmp/ui/B.h"
printf '#include "ui/B.h"\n' > "$tmp/clients/C.h"
printf '#include "clients/C.h"\n#include "ui/B.h"\n' > "$tmp/app/D.cpp"
python3 "$here/check_layers.py" "$tmp" > "$tmp/out" || { cat "$tmp/out"; echo "FAIL: a sound tree was refused"; exit 1; }

expect_fault() { # what, expected text
    if python3 "$here/check_layers.py" "$tmp" > "$tmp/out"; then
        echo "FAIL: $1 was not refused"; exit 1
    fi
    grep -qF "$2" "$tmp/out" || { cat "$tmp/out"; echo "FAIL: $1: no line '$2'"; exit 1; }
}

printf '#include "ui/B.h"\n#include "app/D.h"\n' > "$tmp/storage/A.cpp"
printf '#pragma once\n' > "$tmp/app/D.h"
expect_fault "an upward include" "storage/A.cpp:2: includes app/D.h: app/ is above storage/"
rm "$tmp/storage/A.cpp"

printf '#include "clients/C.h"\n' > "$tmp/calls/E.cpp"
expect_fault "one app including another" "calls/E.cpp:1: includes clients/C.h: one app includes another (calls/ -> clients/)"
rm "$tmp/calls/E.cpp"

printf '#include "ui/B.h"\n' > "$tmp/ui/F.h"
printf '#include "ui/F.h"\n' > "$tmp/ui/B.cpp"
printf '#include "ui/B.h"\n' > "$tmp/ui/F.cpp"
printf '#pragma once\n' > "$tmp/ui/B.h"
printf '#include "ui/F.h"\n' > "$tmp/ui/G.h"
printf '#include "ui/G.h"\n' > "$tmp/ui/F.h"
printf '#include "ui/B.h"\n' > "$tmp/ui/G.cpp"
expect_fault "a circle through a source and its header" "include circle among 3 units: ui/B, ui/F, ui/G"
echo "layering check: 4 cases passed"
