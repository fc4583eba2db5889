#!/usr/bin/env python3
"""Times velk-run on generated programs and prints a Markdown table.

    time_programs.py VELK_RUN [--repeat 5] [--sizes 1000,10000,100000,largest]

For every size it generates one program (generate_program.py, seed 1), runs it several
times without and with --tables, and reports the median wall time, the median processor
time (user + system, which a busy machine disturbs less), the peak resident memory of the
child (from wait4) and how many statements raised a message, so that a generator drifting
into error paths shows at once.
"""
import argparse
import os
import statistics
import subprocess
import sys
import tempfile
import time

HERE = os.path.dirname(os.path.abspath(__file__))


def run_once(command):
    """Wall time and processor time in seconds, peak RSS in MiB and exit status."""
    start = time.perf_counter()
    child = subprocess.Popen(command, stdout=subprocess.DEVNULL, stderr=subprocess.DEVNULL)
    _, status, usage = os.wait4(child.pid, 0)
    elapsed = time.perf_counter() - start
    child.returncode = os.waitstatus_to_exitcode(status)
    return (elapsed, usage.ru_utime + usage.ru_stime, usage.ru_maxrss / 1024.0,
            child.returncode)


def measure(command, repeat):
    """Median wall time, median processor time and peak memory over several runs."""
    runs = [run_once(command) for _ in range(repeat)]
    codes = {run[3] for run in runs}
    if codes - {0, 1}:
        sys.exit(f"{' '.join(command)} failed with exit status {sorted(codes)}")
    return (statistics.median(run[0] for run in runs),
            statistics.median(run[1] for run in runs), max(run[2] for run in runs))


def count_messages(velk_run, program):
    out = subprocess.run([velk_run, program], capture_output=True, text=True).stdout
    return sum(1 for line in out.splitlines() if line.strip())


def main():
    parser = argparse.ArgumentParser(description=__doc__.splitlines()[0])
    parser.add_argument("velk_run")
    parser.add_argument("--repeat", type=int, default=5)
    parser.add_argument("--sizes", default="1000,10000,100000,largest")
    args = parser.parse_args()

    with tempfile.TemporaryDirectory(prefix="velk-bench-") as work:
        print("| program | statements | wall, memory only | wall, --tables | "
              "cpu, memory only | cpu, --tables | µs cpu per statement | peak memory | "
              "messages |")
        print("|---|---:|---:|---:|---:|---:|---:|---:|---:|")
        for size in args.sizes.split(","):
            program = os.path.join(work, f"{size}.vlk")
            option = ["--largest"] if size == "largest" else ["--statements", size]
            with open(program, "w", newline="") as f:
                subprocess.run([sys.executable, os.path.join(HERE, "generate_program.py"),
                                *option, "--seed", "1"], stdout=f, check=True)
            with open(program, newline="") as f:
                statements = sum(1 for _ in f) - 3
            tables = os.path.join(work, "tables")
            wall1, cpu1, rss1 = measure([args.velk_run, program], args.repeat)
            wall2, cpu2, rss2 = measure([args.velk_run, "--tables", tables, program],
                                        args.repeat)
            print(f"| {size} | {statements} | {wall1 * 1000:.0f} ms | {wall2 * 1000:.0f} ms | "
                  f"{cpu1 * 1000:.0f} ms | {cpu2 * 1000:.0f} ms | "
                  f"{cpu2 / statements * 1e6:.2f} | {max(rss1, rss2):.1f} MiB | "
                  f"{count_messages(args.velk_run, program)} |", flush=True)


if __name__ == "__main__":
    main()
