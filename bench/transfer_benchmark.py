#!/usr/bin/env python3
"""Get and send pacing through the whole program, measured from its MIDI log.

Starts the editor with the simulated keyboard and a MIDI log, clicks "Get From Hardware" and
"Get", then "Send To Hardware" and "Send", like a user. The log's timestamps give the span from
the first message of each transfer to its last; the floor is the pauses alone between those
messages. The pause per message comes from the engine benchmark's floors (given for one full
preset), so the pacing figures live in the engine only.

Usage: transfer_benchmark.py EDITOR GET_FLOOR_S SEND_FLOOR_S MESSAGES  (run under xvfb-run)
"""
import os
import subprocess
import sys
import tempfile
import time

APP = "Kavori QX61 Editor"
MENU_BAR = 24          # the menu bar above the 1200 x 700 content
MAIN_VIEW_TOP = MENU_BAR + 490
GET_BUTTON = (130, MAIN_VIEW_TOP + 22)
SEND_BUTTON = (130, MAIN_VIEW_TOP + 67)
CONFIRM_BUTTON = (87, 77)  # "Get" or "Send" in the slot dialog; slot "1" is chosen already


def find_window(title, timeout=10.0):
    deadline = time.monotonic() + timeout
    while time.monotonic() < deadline:
        found = subprocess.run(["xdotool", "search", "--onlyvisible", "--name", f"^{title}$"],
                               capture_output=True, text=True).stdout.split()
        if found:
            return found[0]
        time.sleep(0.05)
    return None


def click(window, x, y):
    subprocess.run(["xdotool", "mousemove", "--window", window, str(x), str(y),
                    "sleep", "0.2", "click", "1"], check=True)


def open_dialog_and_confirm(main, button, title):
    """Clicks until the dialog shows (a first click can land before the button is ready)."""
    for _ in range(3):
        click(main, *button)
        dialog = find_window(title, 5)
        if dialog:
            time.sleep(0.3)
            click(dialog, *CONFIRM_BUTTON)
            return
    raise RuntimeError(f"no window '{title}'")


def log_lines(path):
    try:
        with open(path) as log:
            return [line.split(maxsplit=2) for line in log if line.strip()]
    except FileNotFoundError:
        return []


def wait_for(path, start, direction, count, timeout=30.0):
    """Waits until the log holds `count` lines in `direction` after line `start`."""
    deadline = time.monotonic() + timeout
    while time.monotonic() < deadline:
        lines = log_lines(path)[start:]
        if sum(1 for line in lines if line[1] == direction) >= count:
            time.sleep(0.5)  # let a straggler arrive, so it is counted
            return log_lines(path)
        time.sleep(0.1)
    raise RuntimeError(f"the log never held {count} {direction} lines")


def span(lines):
    """Seconds from the first line to the last (the log stamps milliseconds)."""
    times = [float(line[0]) for line in lines]
    return (max(times) - min(times)) / 1000.0


def smallest_gap(lines):
    """Milliseconds between the two closest consecutive lines."""
    times = [float(line[0]) for line in lines]
    return min(b - a for a, b in zip(times, times[1:]))


def main():
    editor, messages = sys.argv[1], int(sys.argv[4])
    get_pause, send_pause = float(sys.argv[2]) / 1000.0, float(sys.argv[3]) / 1000.0

    with tempfile.TemporaryDirectory() as work:
        log = os.path.join(work, "midi.log")
        process = subprocess.Popen([editor, "--simulator", f"--midi-log={log}"],
                                   stdout=subprocess.DEVNULL, stderr=subprocess.DEVNULL)
        try:
            main_window = find_window(f"{APP} - Untitled 1", 30)
            if not main_window:
                raise RuntimeError("no editor window")
            time.sleep(1)

            open_dialog_and_confirm(main_window, GET_BUTTON, "Get Preset From Hardware")
            after_get = wait_for(log, 0, "IN", messages)

            open_dialog_and_confirm(main_window, SEND_BUTTON, "Send Preset To Hardware")
            after_send = wait_for(log, len(after_get), "OUT", messages)
        finally:
            process.terminate()
            process.wait(10)

    get_lines = [line for line in after_get if line[1] == "OUT"]
    send_lines = [line for line in after_send[len(after_get):] if line[1] == "OUT"]
    requests = len(get_lines)
    if requests != messages or len(send_lines) != messages:
        print(f"transfers: expected {messages} messages each, got {requests} requests and "
              f"{len(send_lines)} writes")
        return 1

    get_span, send_span = span(get_lines), span(send_lines)
    get_floor_span, send_floor_span = get_pause * (messages - 1), send_pause * (messages - 1)
    print(f"app get : {get_span:.3f} s, floor {get_floor_span:.3f} s, ratio {get_span / get_floor_span:.4f}, "
          f"smallest gap {smallest_gap(get_lines):.3f} ms")
    print(f"app send: {send_span:.3f} s, floor {send_floor_span:.3f} s, ratio {send_span / send_floor_span:.4f}, "
          f"smallest gap {smallest_gap(send_lines):.3f} ms")
    return 0


if __name__ == "__main__":
    sys.exit(main())
