#!/usr/bin/env bash
# Benchmarks quorvel-convert, the window's load and conversion, and peer tools
# (gawk, mawk, Miller, pandas, tr, cat) on generated inputs, and prints the
# table with the targets. Not part of CI: timings need a quiet machine.
#
#   bash bench/run.sh            build, generate the inputs once, measure
#
# Installs what it needs from Debian (peers it cannot install are skipped with
# a note). Builds Release into build-bench/, writes inputs to bench/data/ and
# outputs to bench/out/ (both ignored by git).
set -euo pipefail
cd "$(dirname "$0")/.."

bash scripts/deps.sh

sudo_cmd=()
[ "$(id -u)" -eq 0 ] || sudo_cmd=(sudo)
updated=false
install() {  # install PACKAGE: true when it is (or now is) installed
  dpkg-query -W -f='${Status}' "$1" 2>/dev/null | grep -q 'install ok installed' && return 0
  if [ "$updated" = false ]; then
    "${sudo_cmd[@]}" apt-get update -q >/dev/null || true
    updated=true
  fi
  DEBIAN_FRONTEND=noninteractive "${sudo_cmd[@]}" apt-get install -y -q --no-install-recommends "$1" \
    >/dev/null 2>&1
}
install time || { echo "bench: /usr/bin/time (package time) is needed" >&2; exit 1; }
install python3 || { echo "bench: python3 is needed" >&2; exit 1; }
for peer in gawk mawk miller python3-pandas; do
  install "$peer" || echo "bench: could not install $peer; it is skipped"
done

build=build-bench
cmake -S bench -B "$build" -G Ninja -DCMAKE_BUILD_TYPE=Release >/dev/null
cmake --build "$build" --target quorvel-convert window_bench make_data

# The generator is deterministic: inputs are made again only when it changed.
data=bench/data
mkdir -p "$data"
stamp=$(sha256sum bench/make_data.cpp | cut -c1-16)
if [ "$(cat "$data/.stamp" 2>/dev/null)" != "$stamp" ]; then
  echo "Generating inputs in $data ..."
  "$build/make_data" txt 50000 "$data/txt_50k.txt"
  "$build/make_data" txt 500000 "$data/txt_500k.txt"
  "$build/make_data" csv 50000 "$data/csv_50k.csv"
  "$build/make_data" other 50000 "$data/other_50k.dat"
  echo "$stamp" >"$data/.stamp"
fi

/usr/bin/python3 bench/measure.py --convert "$build/quorvel/cli/quorvel-convert" \
  --window "$build/window_bench" --data "$data" --out bench/out "$@"
