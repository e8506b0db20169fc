#!/usr/bin/env bash
# Builds the portable core with its unit tests (build/linux) and the Windows
# program with its test helpers (build/windows).
set -euo pipefail
cd "$(dirname "$0")/.."
cmake --preset linux >/dev/null
cmake --build --preset linux -j"$(nproc)"
cmake --preset windows >/dev/null
cmake --build --preset windows -j"$(nproc)"
