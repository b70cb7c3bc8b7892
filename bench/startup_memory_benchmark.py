#!/usr/bin/env python3
"""Start-up and memory of the editor, measured from outside on an X display.

Start-up: from launching the process to its first window being mapped (polled with xdotool),
median of several launches, alternating with a bare JUCE program that shows one empty window;
prints both and their ratio. Memory: resident memory with one editor window, then with ten
(opened with the New Window shortcut), and the cost of each extra window.

Usage: startup_memory_benchmark.py EDITOR BARE_WINDOW [RUNS]  (run under xvfb-run)
"""
import re
import statistics
import subprocess
import sys
import time

EDITOR_TITLE = "^Kavori QX61 Editor - "
BARE_TITLE = "^Bare Window$"


def visible_windows(title):
    result = subprocess.run(["xdotool", "search", "--onlyvisible", "--name", title],
                            capture_output=True, text=True)
    return result.stdout.split()


def launch(command, title, timeout=30.0):
    """Starts the program; returns it and the seconds until its first window showed."""
    start = time.monotonic()
    process = subprocess.Popen(command, stdout=subprocess.DEVNULL, stderr=subprocess.DEVNULL)
    while not visible_windows(title):
        if time.monotonic() - start > timeout or process.poll() is not None:
            process.kill()
            raise RuntimeError(f"no window from {command[0]}")
        time.sleep(0.002)
    return process, time.monotonic() - start


def stop(process):
    process.terminate()
    try:
        process.wait(5)
    except subprocess.TimeoutExpired:
        process.kill()
        process.wait()


def resident_mib(pid):
    with open(f"/proc/{pid}/status") as status:
        match = re.search(r"VmRSS:\s+(\d+) kB", status.read())
    return int(match.group(1)) / 1024.0


def settle_and_measure(pid, seconds=2.0):
    time.sleep(seconds)
    return resident_mib(pid)


def main():
    editor, bare = sys.argv[1], sys.argv[2]
    runs = int(sys.argv[3]) if len(sys.argv) > 3 else 7
    editor_command = [editor, "--simulator"]

    editor_times, bare_times = [], []
    for _ in range(runs):
        for command, title, times in ((editor_command, EDITOR_TITLE, editor_times), ([bare], BARE_TITLE, bare_times)):
            process, seconds = launch(command, title)
            times.append(seconds)
            stop(process)

    editor_start = statistics.median(editor_times)
    bare_start = statistics.median(bare_times)
    print(f"start-up: editor {editor_start * 1000:.0f} ms, bare window {bare_start * 1000:.0f} ms, "
          f"ratio {editor_start / bare_start:.2f} (median of {runs}), target <= 1.5")

    process, _ = launch(editor_command, EDITOR_TITLE)
    try:
        one = settle_and_measure(process.pid)
        first = visible_windows(EDITOR_TITLE)[0]
        for _ in range(9):
            subprocess.run(["xdotool", "windowactivate", "--sync", first], capture_output=True)
            subprocess.run(["xdotool", "key", "--window", first, "ctrl+n"], capture_output=True)
            time.sleep(0.5)
        deadline = time.monotonic() + 30
        while len(visible_windows(EDITOR_TITLE)) < 10 and time.monotonic() < deadline:
            time.sleep(0.1)
        count = len(visible_windows(EDITOR_TITLE))
        ten = settle_and_measure(process.pid)
    finally:
        stop(process)

    if count != 10:
        print(f"memory: only {count} editor windows opened; 1 window {one:.1f} MiB")
        return 1
    print(f"memory: 1 window {one:.1f} MiB, 10 windows {ten:.1f} MiB, "
          f"per extra window {(ten - one) / 9:.2f} MiB, target <= 10 MiB")
    return 0


if __name__ == "__main__":
    sys.exit(main())
