#!/usr/bin/env python3
# SPDX-License-Identifier: MIT
"""Times Orvane's start-up against a bare Qt window on the same X display.

Each run starts a program with --report-first-paint: it prints the CLOCK_MONOTONIC time of its
main window's first paint and ends a little later, once what follows that paint is done. The
start time is read on the same clock just before the program is started; the peak memory
(maximum resident set size) is the kernel's account of the ended process. After a warm-up run
of each, the two programs run in turn, so that a slow stretch of the machine hits both alike.

Run by bench/startup.sh, which builds the programs and provides the X display.
"""

import argparse
import os
import re
import shutil
import statistics
import subprocess
import sys
import tempfile
import threading
import time
from pathlib import Path

ROOT = Path(__file__).resolve().parent.parent
RECORD_SOURCE = ROOT / "tests" / "mainwindow" / "StartupShutdownTest.cpp"
RECORD_SIZE = 86
SHOW_TIPS_AT_START = 84  # offset of the two-byte flag in the settings record
TIME_LIMIT_S = 60

RATIO_TARGET = 1.6
MEMORY_TARGET_MB = 48.0


def first_run_record():
    """The record a first run writes, with Quick Tips switched off.

    The Favorites window stays open, as on a first run: that is what a new user starts with,
    and a tool window that opens at start-up is part of what start-up costs.
    """
    text = RECORD_SOURCE.read_text()
    body = text.split("kFirstRunRecord = {", 1)[1].split("};", 1)[0]
    record = bytearray(int(byte, 16) for byte in re.findall(r"0x([0-9A-Fa-f]{2})", body))
    if len(record) != RECORD_SIZE:
        sys.exit(f"expected the {RECORD_SIZE}-byte first-run record in {RECORD_SOURCE}, "
                 f"found {len(record)} bytes")
    record[SHOW_TIPS_AT_START:SHOW_TIPS_AT_START + 2] = b"\0\0"
    return bytes(record)


def prepare_program_folder(build_bin, folder):
    """A fresh program folder: the program and its tips; the settings come before each run."""
    shutil.copy2(build_bin / "orvane", folder / "orvane")
    shutil.copy2(build_bin / "tips.txt", folder / "tips.txt")
    return folder / "orvane"


def run_once(program, environment, settings=None):
    """One start: (milliseconds from start to first paint, peak memory in MB).

    A measured run ends without writing its settings; they are laid down afresh all the same,
    so that every run starts from the same record whatever a run did.
    """
    if settings is not None:
        (program.parent / "myset.cfg").write_bytes(settings)
    started_ms = time.monotonic() * 1000.0
    process = subprocess.Popen([str(program), "--report-first-paint"], stdout=subprocess.PIPE,
                               stderr=subprocess.DEVNULL, env=environment)
    watchdog = threading.Timer(TIME_LIMIT_S, process.kill)
    watchdog.start()
    output = process.stdout.read()
    process.stdout.close()
    # wait4() rather than wait(): it also hands over the ended process's resource use.
    _, status, usage = os.wait4(process.pid, 0)
    watchdog.cancel()
    process.returncode = os.waitstatus_to_exitcode(status)
    match = re.search(rb"first-paint-ms ([0-9.]+)", output)
    if process.returncode != 0 or match is None:
        sys.exit(f"{program} ended with status {process.returncode} without reporting its "
                 f"first paint (time limit {TIME_LIMIT_S} s)")
    return float(match.group(1)) - started_ms, usage.ru_maxrss / 1024.0


def spread(values):
    quartiles = statistics.quantiles(values, n=4, method="inclusive")
    return statistics.median(values), min(values), max(values), quartiles[2] - quartiles[0]


def verdict(met):
    return "target met" if met else "target missed"


def main():
    parser = argparse.ArgumentParser(description=__doc__.splitlines()[0])
    parser.add_argument("--bin", type=Path, required=True,
                        help="the build's bin folder, holding orvane, tips.txt and bare_window")
    parser.add_argument("--runs", type=int, default=10, help="measured runs of each (10)")
    arguments = parser.parse_args()
    if arguments.runs < 2:
        parser.error("--runs needs at least 2 runs for a spread")
    if not os.environ.get("DISPLAY"):
        sys.exit("no X display: run bench/startup.sh, which starts one")

    with tempfile.TemporaryDirectory(prefix="orvane-startup-") as scratch:
        scratch = Path(scratch)
        (scratch / "program").mkdir()
        (scratch / "config").mkdir()
        (scratch / "runtime").mkdir(mode=0o700)
        programs = {
            "bare Qt window": arguments.bin.resolve() / "bare_window",
            "Orvane": prepare_program_folder(arguments.bin.resolve(), scratch / "program"),
        }
        environment = dict(os.environ, QT_QPA_PLATFORM="xcb",
                           XDG_CONFIG_HOME=str(scratch / "config"),
                           XDG_RUNTIME_DIR=str(scratch / "runtime"))

        settings = {"bare Qt window": None, "Orvane": first_run_record()}

        for name, program in programs.items():
            run_once(program, environment, settings[name])
        times = {name: [] for name in programs}
        memory = {name: [] for name in programs}
        for _ in range(arguments.runs):
            for name, program in programs.items():
                milliseconds, megabytes = run_once(program, environment, settings[name])
                times[name].append(milliseconds)
                memory[name].append(megabytes)

    print(f"Start-up to the main window's first paint: median of {arguments.runs} runs after a "
          f"warm-up run (min-max, interquartile range)")
    for name in programs:
        median, low, high, iqr = spread(times[name])
        memory_median, memory_low, memory_high, _ = spread(memory[name])
        print(f"  {name:<15} {median:7.1f} ms  ({low:.1f}-{high:.1f}, IQR {iqr:.1f})   "
              f"peak memory {memory_median:.1f} MB ({memory_low:.1f}-{memory_high:.1f})")
    ratio = statistics.median(times["Orvane"]) / statistics.median(times["bare Qt window"])
    peak = statistics.median(memory["Orvane"])
    print(f"  Orvane / bare window: {ratio:.2f} (at most {RATIO_TARGET}): "
          f"{verdict(ratio <= RATIO_TARGET)}")
    print(f"  Orvane's peak memory: {peak:.1f} MB (under {MEMORY_TARGET_MB:.0f} MB): "
          f"{verdict(peak < MEMORY_TARGET_MB)}")


if __name__ == "__main__":
    main()
