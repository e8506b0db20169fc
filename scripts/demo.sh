#!/usr/bin/env bash
# The main job, shown: builds vzuninst.exe and removes a seeded installation
# under Wine.  Arguments go to scripts/demo.py (product code, version tag,
# --virtual-display).
set -euo pipefail
cd "$(dirname "$0")/.."
scripts/install-deps.sh
cmake --preset windows >/dev/null
cmake --build --preset windows -j"$(nproc)" >/dev/null
exec python3 scripts/demo.py "$@"
