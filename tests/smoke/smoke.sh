#!/usr/bin/env bash
# End to end, as a user works: start the real program on a virtual X display,
# load examples/run01.txt through the open dialog, convert it through the save
# dialog, and compare the written file with quorvel-convert's bytes.
#
# usage: smoke.sh QUORVEL QUORVEL-CONVERT EXAMPLES-FOLDER
# Exit 77 (skipped) when Xvfb or xdotool is missing.
set -u

quorvel=$1
convert=$2
examples=$3
skip=77
limit=60  # seconds for the whole run

for tool in Xvfb xdotool; do
  if ! command -v "$tool" >/dev/null; then
    echo "SKIP: $tool is not installed (Debian: xvfb, xdotool)"
    exit $skip
  fi
done

work=$(mktemp -d)
pids=()
cleanup() {
  for pid in "${pids[@]}"; do kill "$pid" 2>/dev/null; done
  wait 2>/dev/null
  rm -rf "$work"
}
trap cleanup EXIT

started=$SECONDS
fail() {
  echo "FAIL: $*"
  for log in xvfb quorvel; do
    [ -s "$work/$log.log" ] && { echo "--- $log output:"; cat "$work/$log.log"; }
  done
  exit 1
}

# Polls COMMAND every 0.1 s until it succeeds; fails the test when the time is up.
wait_for() {  # wait_for WHAT COMMAND...
  local what=$1
  shift
  until "$@"; do
    [ $((SECONDS - started)) -lt $limit ] || fail "gave up waiting for $what"
    sleep 0.1
  done
}

# A display of our own: Xvfb picks a free number and writes it to fd 3.
Xvfb -displayfd 3 -screen 0 1280x1024x24 -nolisten tcp 3>"$work/display" 2>"$work/xvfb.log" &
pids+=($!)
wait_for "the virtual display" test -s "$work/display"
export DISPLAY=":$(head -n1 "$work/display")"

# A private home, so that no remembered dialog state or setting of this
# machine's user changes what the dialogs show.
mkdir -p "$work/home" "$work/data"
cp "$examples/run01.txt" "$work/data/run01.txt"
(cd "$work/data" && HOME="$work/home" XDG_CONFIG_HOME="$work/home/.config" \
  QT_QPA_PLATFORM=xcb exec "$quorvel") >"$work/quorvel.log" 2>&1 &
pids+=($!)
app=$!

visible_window() {  # visible_window NAME-REGEX: prints the first match
  xdotool search --all --onlyvisible --pid "$app" --name "$1" 2>/dev/null | head -n1
}
have_window() { [ -n "$(visible_window "$1")" ]; }
no_window() { [ -z "$(visible_window "$1")" ]; }

main_title='Quorvel Ver3\.1$'
wait_for "the main window" have_window "$main_title"
main=$(visible_window "$main_title")

# The buttons lie in the central area below the menu bar; its height depends
# on the font, so aim at the middle of each 25-pixel-high button.
menu_bar=22
click_button() {  # click_button X Y (top left of the button in the central area)
  kill -0 "$app" 2>/dev/null || fail "the program has ended"
  xdotool mousemove --window "$main" $(($1 + 37)) $(($2 + 12 + menu_bar)) click 1
}

# Types PATH into the dialog's file-name field and presses Return until the
# dialog closes (a first Return may only close the completer's list).
answer_dialog() {  # answer_dialog TITLE-REGEX PATH
  local title=$1 path=$2 dialog
  wait_for "the dialog '$title'" have_window "$title"
  dialog=$(visible_window "$title")
  xdotool windowfocus --sync "$dialog" 2>/dev/null
  xdotool key --clearmodifiers ctrl+a
  xdotool type --delay 5 "$path"
  for _ in 1 2 3; do
    xdotool key Return
    local until=$((SECONDS + 3))
    while [ $SECONDS -lt $until ] && have_window "$title"; do sleep 0.1; done
    no_window "$title" && return 0
  done
  fail "the dialog '$title' stayed open after $path was typed"
}

click_button 240 56  # 読み込み
answer_dialog '^Open$' "$work/data/run01.txt"

output="$work/data/converted.csv"
click_button 512 56  # 変換・保存
answer_dialog '^Save As$' "$output"
wait_for "the converted file" test -f "$output"

"$convert" -o - "$work/data/run01.txt" >"$work/expected.csv" 2>/dev/null ||
  fail "quorvel-convert failed on run01.txt"
if ! cmp "$work/expected.csv" "$output"; then
  fail "the window wrote other bytes than quorvel-convert"
fi
# No warning box may have come up on the way: the main window is the only one.
open=$(xdotool search --all --onlyvisible --pid "$app" --name '' 2>/dev/null | wc -l)
[ "$open" -eq 1 ] || fail "$open windows are open, not only the main window"
echo "PASS: the window's conversion of run01.txt equals quorvel-convert's ($(wc -c <"$output") bytes)"
