#!/usr/bin/env bash
# The unit tests again, built with AddressSanitizer and UndefinedBehaviorSanitizer.
set -euo pipefail
cd "$(dirname "$0")/.."
cmake --preset sanitize >/dev/null
cmake --build --preset sanitize -j"$(nproc)" >/dev/null
ctest --preset sanitize
