#!/usr/bin/env bash
# Runs every test: unit tests, the same under AddressSanitizer and
# UndefinedBehaviorSanitizer, a bounded fuzz run, and the end-to-end tests of
# the real vzuninst.exe under Wine.  Installs what is missing first.
set -euo pipefail
cd "$(dirname "$0")/.."

scripts/install-deps.sh
scripts/build.sh

status=0
step() {
  echo
  echo "=== $1"
  shift
  if ! "$@"; then
    echo "=== FAILED: $*"
    status=1
  fi
}

step "unit tests" ctest --preset linux
if [ -f scripts/sanitize.sh ]; then step "unit tests under sanitizers" scripts/sanitize.sh; fi
if [ -f scripts/fuzz.sh ]; then step "bounded fuzz run" scripts/fuzz.sh; fi
step "end-to-end tests under Wine" python3 tests/e2e/run_e2e.py

echo
if [ "$status" -eq 0 ]; then echo "all tests passed"; else echo "some tests FAILED"; fi
exit "$status"
