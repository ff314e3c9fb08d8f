#!/usr/bin/env bash
# quorvel-convert as a user runs it: outputs, reports, refusals and exit codes.
set -u
bin=${QUORVEL_CONVERT:?set QUORVEL_CONVERT to the quorvel-convert binary}
here=$(cd "$(dirname "$0")" && pwd)
examples="$here/../../examples"
work=$(mktemp -d)
trap 'rm -rf "$work"' EXIT
passed=0
failed=0

check() {  # check NAME EXPECTED ACTUAL
  if [ "$2" == "$3" ]; then
    passed=$((passed + 1))
  else
    failed=$((failed + 1))
    printf 'FAIL %s\n  expected: %q\n  actual:   %q\n' "$1" "$2" "$3"
  fi
}

# Runs the converter in $work; sets out, err and rc.
run() {
  out=$(cd "$work" && timeout 20 "$bin" "$@" 2>"$work/.err")
  rc=$?
  err=$(cat "$work/.err")
}

printf 'h\r\nNo,Time,A,B,C\r\n,,mm,,V\r\n1,t1,0.1,9,1.5\r\n2,t2,0.2,9,1.6\r\n' >"$work/run.txt"
expected=$'1CH,2CH,3CH\r\nA,B,C\r\n,,\r\nmm,NON,V\r\n0.1,0,1.5\r\n0.2,0,1.6\r'

run run.txt
check "default output: exit" 0 "$rc"
check "default output: report" "run.txt -> runBasic.csv: 6 lines, 3 channels" "$out"
check "default output: bytes" "$expected" "$(cat "$work/runBasic.csv")"

run run.txt
check "existing output refused: exit" 1 "$rc"
check "existing output refused: message" "quorvel-convert: runBasic.csv: output exists (use --force to replace it)" "$err"
run --force --rows 5 run.txt
check "--force replaces: exit" 0 "$rc"
check "--force replaces: bytes" $'1CH,2CH,3CH\r\nA,B,C\r\n,,\r\nmm,NON,V\r\n0.2,0,1.6\r' "$(cat "$work/runBasic.csv")"

run -o - run.txt
check "-o - writes standard output" "$expected" "$out"
check "-o -: report on standard error" "run.txt -> -: 6 lines, 3 channels" "$err"
out=$(cd "$work" && "$bin" - <run.txt 2>/dev/null)
check "standard input to standard output" "$expected" "$out"

run -o named run.txt
check "-o without extension gets .csv" "run.txt -> named.csv: 6 lines, 3 channels" "$out"

printf 't,a,b\n0,1,2\n' >"$work/data.csv"
run -k csv -o DATA.CSV data.csv
check "own name in other case refused" 1 "$rc"
check "own name: message" "quorvel-convert: DATA.CSV: output would overwrite the input file" "$err"
ln -s data.csv "$work/link.csv"
run -k csv -o link.csv --force data.csv
check "same file by a link refused" 1 "$rc"
check "source untouched" $'t,a,b\n0,1,2' "$(cat "$work/data.csv")"

run -k csv -o - --rows 1:1 data.csv
check "csv kind with rows" $'1CH,2CH\r\na,b\r\n,\r\nkg,mm\r\na,b\r' "$out"

printf 'x\n\nname,n1,n2\nunit,u1,u2\n1,2,3\n' >"$work/other.dat"
run -k other --name-row 3 --unit-row 4 --rows 5: --cols 2:3 -o - other.dat
check "other kind" $'1CH,2CH\r\nn1,n2\r\n,\r\nu1,u2\r\n2,3\r' "$out"

mkdir "$work/folder"
mkfifo "$work/fifo"
run --force missing.txt run.txt folder fifo
check "failures do not stop the batch: exit" 1 "$rc"
check "the good input converted" "run.txt -> runBasic.csv: 6 lines, 3 channels" "$out"
check "one line per failure" 3 "$(printf '%s\n' "$err" | grep -c '^quorvel-convert: ')"
check "missing input named" 1 "$(printf '%s\n' "$err" | grep -c '^quorvel-convert: missing.txt: cannot open: No such file or directory$')"
check "fifo refused" 1 "$(printf '%s\n' "$err" | grep -c '^quorvel-convert: fifo: not a regular file$')"

printf 'h\nN,T\n1,2\n' >"$work/nochannel.txt"
run -o - nochannel.txt
check "no channel column" "quorvel-convert: nochannel.txt: no channel column to convert" "$err"

for usage in "-o x.csv run.txt data.csv" "--kind xls run.txt" "--rows a:b run.txt" \
             "--name-row 2 run.txt" "--bogus run.txt" "" "- -"; do
  # shellcheck disable=SC2086
  run $usage
  check "usage error: $usage" 2 "$rc"
done
run --help
check "--help exits 0" 0 "$rc"

if [ -f "$examples/run01.txt" ]; then
  out=$("$bin" -o - "$examples/run01.txt" 2>/dev/null | head -n 2)
  check "example: header and names" "1CH,2CH,3CH,4CH,5CH" "$(printf '%s\n' "$out" | head -n 1 | tr -d '\r')"
fi

echo "$passed passed, $failed failed"
[ "$failed" -eq 0 ]
