#!/usr/bin/env python3
"""Times quorvel-convert, the window's load and conversion, and peer tools on the
generated inputs, each against `cat` of the same file run alternately with it,
and prints a Markdown table with the targets. Called by bench/run.sh.

Every contender that does the TXT job must write exactly quorvel-convert's
bytes; a difference is reported and makes the exit status 1. Timing never does:
a missed target prints FALL SHORT.
"""

import argparse
import datetime
import os
import platform
import shutil
import statistics
import subprocess
import sys
import tempfile
import time

MIB = 1024 * 1024


def run_once(argv, stdin_path=None, stdout_path=None, capture=False):
    """Runs argv under /usr/bin/time; returns (wall seconds, peak KiB, stdout text)."""
    with tempfile.NamedTemporaryFile("r", suffix=".mem") as mem:
        stdin = open(stdin_path, "rb") if stdin_path else subprocess.DEVNULL
        if capture:
            stdout = subprocess.PIPE
        elif stdout_path:
            stdout = open(stdout_path, "wb")
        else:
            stdout = subprocess.DEVNULL
        try:
            start = time.perf_counter()
            done = subprocess.run(["/usr/bin/time", "-f", "%M", "-o", mem.name] + argv,
                                  stdin=stdin, stdout=stdout, stderr=subprocess.PIPE)
            wall = time.perf_counter() - start
        finally:
            for f in (stdin, stdout):
                if hasattr(f, "close"):
                    f.close()
        if done.returncode != 0:
            raise RuntimeError(f"{' '.join(argv)} failed ({done.returncode}):\n"
                               f"{done.stderr.decode(errors='replace')}")
        peak = int(mem.read().split()[-1])
        text = done.stdout.decode() if capture else ""
        return wall, peak, text


def reported(text, key):
    """The seconds the window bench printed for `key`."""
    for line in text.splitlines():
        name, _, value = line.partition(" ")
        if name == key:
            return float(value)
    raise RuntimeError(f"no '{key}' in window_bench output: {text!r}")


class Job:
    def __init__(self, label, input_key, argv, stdin=False, window_key=None):
        self.label = label
        self.input_key = input_key
        self.argv = argv
        self.stdin = stdin          # the input goes to standard input
        self.window_key = window_key  # time the step window_bench reports, not the process


def measure(job, path, runs, budget):
    """Median seconds and peak KiB of job and of cat on the same file, alternating."""
    def one(j):
        if j is None:
            return run_once(["cat", path])
        wall, peak, text = run_once(j.argv, stdin_path=path if j.stdin else None,
                                    capture=j.window_key is not None)
        if j.window_key:
            wall = reported(text, j.window_key)
        return wall, peak, text

    one(None)
    warm = one(job)[0]
    n = max(3, min(runs, int(budget / max(warm, 1e-3))))
    cat_times, times, peaks, extra = [], [], [], []
    for _ in range(n):
        cat_times.append(one(None)[0])
        wall, peak, text = one(job)
        times.append(wall)
        peaks.append(peak)
        if job.window_key == "convert":
            extra.append(reported(text, "commit"))
    return {
        "median": statistics.median(times),
        "cat": statistics.median(cat_times),
        "peak_kib": max(peaks),
        "runs": n,
        "commit": statistics.median(extra) if extra else None,
    }


def cpu_model():
    try:
        with open("/proc/cpuinfo") as f:
            for line in f:
                if line.startswith("model name"):
                    return line.split(":", 1)[1].strip()
    except OSError:
        pass
    return platform.processor() or "unknown"


def main():
    parser = argparse.ArgumentParser()
    parser.add_argument("--convert", required=True, help="quorvel-convert")
    parser.add_argument("--window", required=True, help="window_bench")
    parser.add_argument("--data", required=True)
    parser.add_argument("--out", required=True)
    parser.add_argument("--runs", type=int, default=11, help="most runs per contender")
    parser.add_argument("--budget", type=float, default=8.0,
                        help="seconds per contender that decide how many runs fit")
    parser.add_argument("--pandas-python", default="/usr/bin/python3")
    args = parser.parse_args()

    here = os.path.dirname(os.path.abspath(__file__))
    peers = os.path.join(here, "peers")
    data = {
        "txt50": os.path.join(args.data, "txt_50k.txt"),
        "txt500": os.path.join(args.data, "txt_500k.txt"),
        "csv50": os.path.join(args.data, "csv_50k.csv"),
        "other50": os.path.join(args.data, "other_50k.dat"),
    }
    labels = {"txt50": "TXT 50k", "txt500": "TXT 500k", "csv50": "CSV 50k",
              "other50": "Other 50k"}
    size = {k: os.path.getsize(p) for k, p in data.items()}
    os.makedirs(args.out, exist_ok=True)
    notes = []
    problems = 0

    conv = args.convert
    other_options = ["-k", "other", "--name-row", "4", "--unit-row", "5", "--rows", "6:49999",
                     "--cols", "2:101"]
    cli = {
        "txt50": Job("quorvel-convert txt", "txt50", [conv, "-o", "-", data["txt50"]]),
        "txt500": Job("quorvel-convert txt", "txt500", [conv, "-o", "-", data["txt500"]]),
        "csv50": Job("quorvel-convert csv", "csv50", [conv, "-k", "csv", "-o", "-", data["csv50"]]),
        "other50": Job("quorvel-convert other", "other50",
                       [conv] + other_options + ["-o", "-", data["other50"]]),
    }

    # The reference bytes of each input.
    reference = {}
    for key, job in cli.items():
        reference[key] = os.path.join(args.out, f"reference_{key}.csv")
        run_once(job.argv, stdout_path=reference[key])

    window_out = os.path.join(args.out, "window_txt50.csv")
    window_load = Job("window: load into the table", "txt50",
                      [args.window, "load", "txt", data["txt50"]])
    window_convert = Job("window: convert from the table", "txt50",
                         [args.window, "convert", "txt", data["txt50"], window_out],
                         window_key="convert")
    window_base = [args.window, "base"]

    peer_jobs = []
    if shutil.which("gawk"):
        peer_jobs.append(Job("gawk (awk script)", "txt50",
                             ["env", "LC_ALL=C", "gawk", "-f", os.path.join(peers, "txt.awk"),
                              data["txt50"]]))
    else:
        notes.append("gawk is not installed: skipped.")
    if shutil.which("mawk"):
        peer_jobs.append(Job("mawk (awk script)", "txt50",
                             ["env", "LC_ALL=C", "mawk", "-f", os.path.join(peers, "txt.awk"),
                              data["txt50"]]))
    else:
        notes.append("mawk is not installed: skipped.")
    if shutil.which("mlr"):
        peer_jobs.append(Job("Miller (mlr put)", "txt50",
                             ["mlr", "--inidx", "--ifs", ",", "put", "-q", "-f",
                              os.path.join(peers, "txt.mlr"), data["txt50"]]))
    else:
        notes.append("Miller (mlr) is not installed: skipped.")
    if subprocess.run([args.pandas_python, "-c", "import pandas"],
                      stderr=subprocess.DEVNULL).returncode == 0:
        peer_jobs.append(Job("pandas", "txt50",
                             [args.pandas_python, os.path.join(peers, "txt_pandas.py"),
                              data["txt50"]]))
    else:
        notes.append(f"pandas is not importable by {args.pandas_python}: skipped.")
    baselines = [Job("tr -d '\\r' (not the same job)", "txt50", ["tr", "-d", "\r"], stdin=True),
                 Job("cat (the reference)", "txt50", ["cat", data["txt50"]])]

    # Every contender doing the TXT job writes quorvel-convert's bytes.
    def same_bytes(a, b):
        with open(a, "rb") as fa, open(b, "rb") as fb:
            return fa.read() == fb.read()

    differs = set()
    for job in peer_jobs:
        out = os.path.join(args.out, "peer_" + "".join(c for c in job.label if c.isalnum()) + ".csv")
        run_once(job.argv, stdout_path=out)
        if not same_bytes(out, reference["txt50"]):
            differs.add(job.label)
            problems += 1
            notes.append(f"{job.label}: output differs from quorvel-convert ({out}).")
    run_once(window_convert.argv, capture=True)
    if not same_bytes(window_out, reference["txt50"]):
        differs.add(window_convert.label)
        problems += 1
        notes.append(f"The window's conversion differs from quorvel-convert ({window_out}).")

    results = []

    def add(job, target=None, time_ok=None, memory_ok=None, mem_text=None):
        r = measure(job, data[job.input_key], args.runs, args.budget)
        ratio = r["median"] / r["cat"]
        verdict = ""
        if time_ok is not None:
            missed = [what for what, ok in (("time", time_ok(ratio)),
                                            ("memory", memory_ok is None or memory_ok(r)))
                      if not ok]
            verdict = "PASS" if not missed else f"FALL SHORT ({', '.join(missed)})"
        if job.label in differs:
            verdict = "OUTPUT DIFFERS"
        results.append((job, r, ratio, target or "", verdict, mem_text))
        print(f"  {job.label:<34} {labels[job.input_key]:<9} {r['median']:.3f} s "
              f"{ratio:5.2f}x cat  {r['peak_kib'] / 1024:.1f} MiB  {verdict}", file=sys.stderr)
        return r

    print("Measuring (median of alternating runs against cat):", file=sys.stderr)

    def small(r):
        return r["peak_kib"] < 16 * 1024

    r50 = add(cli["txt50"], "≤ 2× cat, < 16 MiB", lambda x: x <= 2, small)
    r500 = add(cli["txt500"], "≤ 2× cat, < 16 MiB", lambda x: x <= 2, small)
    add(cli["csv50"], "≤ 2× cat, < 16 MiB", lambda x: x <= 2, small)
    add(cli["other50"], "≤ 3× cat, ≤ 2× file", lambda x: x <= 3,
        lambda r: r["peak_kib"] * 1024 <= 2 * size["other50"])

    base_kib = max(run_once(window_base)[1] for _ in range(3))
    add(window_load, "≤ 8× cat, ≤ 1.5× file beyond base", lambda x: x <= 8,
        lambda r: (r["peak_kib"] - base_kib) * 1024 <= 1.5 * size["txt50"],
        mem_text=lambda r: f"{r['peak_kib'] / 1024:.1f} ({(r['peak_kib'] - base_kib) / 1024:.1f} "
                           f"beyond base)")
    rc = add(window_convert, "≤ 3× cat", lambda x: x <= 3)
    for job in peer_jobs + baselines:
        add(job)

    scale = r500["median"] / r50["median"]
    scale_verdict = "PASS" if scale <= 11 else "FALL SHORT"

    lines = []
    now = datetime.datetime.now().strftime("%Y-%m-%d %H:%M")
    lines.append(f"Measured {now} on {len(os.sched_getaffinity(0))} CPUs (nproc; {cpu_model()}), "
                 f"{platform.system()} {platform.release()}.")
    lines.append("")
    lines.append(f"Inputs: TXT 50k = {size['txt50'] / MIB:.1f} MiB, TXT 500k = "
                 f"{size['txt500'] / MIB:.1f} MiB, CSV 50k = {size['csv50'] / MIB:.1f} MiB, "
                 f"Other 50k = {size['other50'] / MIB:.1f} MiB. Outputs go to /dev/null, except the "
                 f"window's conversion, which writes its file as the window does.")
    lines.append("")
    lines.append("| Contender | Input | Median | × cat | Peak memory (MiB) | Target | Result |")
    lines.append("|---|---|---:|---:|---:|---|---|")
    for job, r, ratio, target, verdict, mem_text in results:
        mem = mem_text(r) if mem_text else f"{r['peak_kib'] / 1024:.1f}"
        lines.append(f"| {job.label} | {labels[job.input_key]} | {r['median'] * 1000:.0f} ms | "
                     f"{ratio:.2f} | {mem} | {target} | {verdict} |")
    lines.append(f"| quorvel-convert txt, 500k against 50k | | | {scale:.2f}× the time | | "
                 f"≤ 11× | {scale_verdict} |")
    lines.append("")
    lines.append(f"Window base memory (window_bench started and stopped): {base_kib / 1024:.1f} MiB. "
                 f"The window's conversion is timed up to the sync of the written file; "
                 f"the sync, rename and folder sync took a further {rc['commit'] * 1000:.0f} ms "
                 f"(median).")
    for note in notes:
        lines.append("")
        lines.append(note)
    table = "\n".join(lines) + "\n"
    with open(os.path.join(args.out, "results.md"), "w") as f:
        f.write(table)
    print(table)
    return 1 if problems else 0


if __name__ == "__main__":
    sys.exit(main())
