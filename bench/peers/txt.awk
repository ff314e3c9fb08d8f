# The TXT conversion written in awk, for comparison: the same bytes as
# `quorvel-convert -k txt -o - FILE` for a file whose lines are at most as wide
# as its names line. Run with LC_ALL=C so that Shift-JIS bytes pass untouched.
BEGIN { FS = ","; OFS = ","; ORS = "\r\n" }
{ gsub(/\r/, "") }
NR == 1 { next }
NR == 2 { n = NF; names = $0; next }
NR == 3 {
    line = "1CH"
    for (k = 2; k <= n - 2; k++) line = line "," k "CH"
    print line
    sub(/^[^,]*,[^,]*,/, "", names)
    print names
    line = ""
    for (k = 4; k <= n; k++) line = line ","
    print line
    for (k = 4; k <= n; k++) {
        if ($k == "") { missing[++missingCount] = k; $k = "NON" }
    }
    NF = n
    sub(/^[^,]*,[^,]*,/, "")
    print
    next
}
{
    for (i = 1; i <= missingCount; i++) $(missing[i]) = "0"
    NF = n
    sub(/^[^,]*,[^,]*,/, "")
    print
}
