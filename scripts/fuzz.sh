#!/usr/bin/env bash
# A short, bounded fuzz run of each fuzz target with clang's libFuzzer,
# under AddressSanitizer and UndefinedBehaviorSanitizer, starting from the
# seed corpus in tests/fuzz/corpus.  FUZZ_RUNS sets the executions per target.
set -euo pipefail
cd "$(dirname "$0")/.."
runs=${FUZZ_RUNS:-500000}
out=build/fuzz
mkdir -p "$out"
flags=(-std=c++17 -g -O1 -fsanitize=fuzzer,address,undefined -fno-sanitize-recover=all -Isrc)
core=(src/run/command_tail.cpp src/run/selection.cpp src/catalogue/catalogue.cpp
      src/discovery/lookup.cpp src/removal/removal_plan.cpp)
for target in command_line uninstall_value; do
  clang++ "${flags[@]}" "tests/fuzz/fuzz_${target}.cpp" "${core[@]}" -o "$out/fuzz_${target}"
  work="$out/corpus_${target}"
  rm -rf "$work" && mkdir -p "$work"
  echo "fuzz_${target}: $runs runs from $(ls tests/fuzz/corpus/${target} | wc -l) seeds"
  "$out/fuzz_${target}" -runs="$runs" -seed=1 -max_len=600 "$work" "tests/fuzz/corpus/${target}" \
    2>"$out/fuzz_${target}.log" || { tail -40 "$out/fuzz_${target}.log"; exit 1; }
  grep -E '^#[0-9]+.*DONE|^Done' "$out/fuzz_${target}.log" | tail -2
  echo "  corpus now $(ls "$work" | wc -l) inputs"
done
