#!/usr/bin/env bash
# Builds Quorvel and starts the window. Installs missing Debian packages first.
set -euo pipefail
cd "$(dirname "$0")/.."
bash scripts/deps.sh
cmake -S . -B build -G Ninja -DCMAKE_BUILD_TYPE=Release >/dev/null
cmake --build build --target quorvel quorvel-convert

if [ -z "${DISPLAY:-}" ] && [ -z "${WAYLAND_DISPLAY:-}" ] && [ "${QT_QPA_PLATFORM:-}" != offscreen ]; then
  echo "There is no display here (neither DISPLAY nor WAYLAND_DISPLAY is set), so the window cannot open."
  echo "To run it anyway on a virtual display:  xvfb-run -a build/app/quorvel"
  echo "The command-line converter needs no display:  build/cli/quorvel-convert --help"
  exit 1
fi
exec build/app/quorvel
