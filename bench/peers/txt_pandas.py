"""The TXT conversion with pandas, for comparison: the same bytes as
`quorvel-convert -k txt -o - FILE`, written to standard output."""
import sys

import pandas as pd

# latin-1 maps every byte to one character and back, so Shift-JIS survives.
table = pd.read_csv(sys.argv[1], header=None, skiprows=1, dtype=str, na_filter=False,
                    encoding="latin-1")
n = table.shape[1]
names, units = table.iloc[0, 2:], table.iloc[1, 2:].copy()
missing = [k for k in range(3, n) if units[k] == ""]
units[missing] = "NON"
data = table.iloc[2:, 2:].copy()
data[missing] = "0"

out = sys.stdout.buffer
head = ",".join(f"{k}CH" for k in range(1, n - 1)) + "\r\n"
head += ",".join(names) + "\r\n" + "," * (n - 3) + "\r\n" + ",".join(units) + "\r\n"
out.write(head.encode("latin-1"))
data.to_csv(out, header=False, index=False, lineterminator="\r\n", encoding="latin-1")
