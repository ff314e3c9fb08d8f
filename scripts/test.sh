#!/usr/bin/env bash
# Builds everything and runs every test: the core, the command line and the
# windows (on Qt's offscreen platform), then the core again under
# AddressSanitizer and UndefinedBehaviorSanitizer.
set -euo pipefail
cd "$(dirname "$0")/.."
bash scripts/deps.sh

werror=OFF
[ "${CI:-}" = true ] && werror=ON
jobs=$(nproc)

cmake -S . -B build -G Ninja -DQUORVEL_WERROR="$werror" >/dev/null
cmake --build build -j "$jobs"
QT_QPA_PLATFORM=offscreen ctest --test-dir build --output-on-failure -j "$jobs"

cmake -S . -B build-sanitize -G Ninja -DQUORVEL_GUI=OFF -DQUORVEL_SANITIZE=ON \
  -DCMAKE_BUILD_TYPE=Debug -DQUORVEL_WERROR="$werror" >/dev/null
cmake --build build-sanitize -j "$jobs"
ASAN_OPTIONS=detect_leaks=1:abort_on_error=1 UBSAN_OPTIONS=print_stacktrace=1:halt_on_error=1 \
  ctest --test-dir build-sanitize --output-on-failure -j "$jobs" -L core
