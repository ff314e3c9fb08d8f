#!/usr/bin/env bash
# Builds the libFuzzer targets (clang, AddressSanitizer, UndefinedBehaviorSanitizer)
# and runs each for a bounded time on a copy of its seeds and regressions.
# Fails when any target finds a crash, a leak, a timeout or a broken check; the
# input that did it is kept under build-fuzz/crashes/<target>/ (QUORVEL_FUZZ_BUILD
# names another build folder).
#
#   bash scripts/fuzz.sh                 every target, 60 s each
#   QUORVEL_FUZZ_SECONDS=600 bash scripts/fuzz.sh load_txt round_trip
set -euo pipefail
cd "$(dirname "$0")/.."
# clang and its runtimes (libFuzzer and the sanitizers) besides the usual packages.
bash scripts/deps.sh clang libclang-rt-dev

seconds=${QUORVEL_FUZZ_SECONDS:-60}
build=${QUORVEL_FUZZ_BUILD:-build-fuzz}
CC=clang CXX=clang++ cmake -S . -B "$build" -G Ninja -DQUORVEL_FUZZ=ON -DQUORVEL_GUI=OFF \
  -DCMAKE_BUILD_TYPE=RelWithDebInfo >/dev/null
cmake --build "$build" -j "$(nproc)" --target fuzzers

targets=("$@")
if [ ${#targets[@]} -eq 0 ]; then
  for dir in tests/fuzz/seeds/*/; do targets+=("$(basename "$dir")"); done
fi

work=$(mktemp -d)
trap 'rm -rf "$work"' EXIT
failed=()
for target in "${targets[@]}"; do
  program="$build/tests/fuzz/fuzz_$target"
  [ -x "$program" ] || { echo "fuzz: no program for target $target" >&2; exit 2; }
  corpus="$work/$target"
  crashes="$build/crashes/$target"
  mkdir -p "$corpus" "$crashes"
  cp tests/fuzz/seeds/"$target"/* "$corpus"/
  if [ -d tests/fuzz/regressions/"$target" ]; then
    cp tests/fuzz/regressions/"$target"/* "$corpus"/ 2>/dev/null || true
  fi
  echo "fuzz: $target for ${seconds} s"
  if "$program" -max_total_time="$seconds" -timeout=10 -rss_limit_mb=2048 \
      -artifact_prefix="$crashes/" -print_final_stats=1 "$corpus" >"$work/$target.log" 2>&1; then
    grep -E '^stat::number_of_executed_units' "$work/$target.log" | sed 's/^/  /' || true
  else
    failed+=("$target")
    echo "fuzz: $target FAILED; its report:"
    { grep -v -E '^#[0-9]+' "$work/$target.log" || true; } | tail -n 80
    for input in "$crashes"/*; do
      [ -f "$input" ] || continue
      echo "  input $input (hex, first 640 bytes):"
      head -c 640 "$input" | od -A x -t x1z -v | sed 's/^/    /'
    done
    echo "  To keep it as a regression: $program -minimize_crash=1 -runs=100000 INPUT,"
    echo "  then copy the smallest crash into tests/fuzz/regressions/$target/ once it is fixed."
  fi
done

if [ ${#failed[@]} -gt 0 ]; then
  echo "fuzz: crashes found in: ${failed[*]}"
  exit 1
fi
echo "fuzz: no crash in ${#targets[@]} targets"
