#!/usr/bin/env python3
"""Writes the QX61's built-in default preset message (476 bytes) to src/resources/.

The keyboard's own factory dump carries command byte 0x63; it is kept as the keyboard gives it.
"""
import pathlib

HEADER = [0xF0, 0x00, 0x7E, 0x2A, 0x00, 0x40, 0x63, 0x03, 0x51, 0x00]

data = []
data += [0x30] * 16                                        # name "0000000000000000"
data += [12, 5, 0, 4, 1, 0, 12, 5, 0, 4, 12, 5, 0, 4]      # keybed
data += [0, 0, 49, 0]                                      # roll mode
for cc in (116, 117, 118, 119, 115, 114):                  # transport
    data += [0, cc]
data += [0, 0, 1, 0, 127]                                  # wheels
data += [64, 127, 0, 0]                                    # sustain
for cc in list(range(20, 32)) + [35, 41, 46, 47]:          # knobs
    data += [0, cc, 0, 127, 0]
for note in (48, 49, 50, 51, 44, 45, 46, 47, 40, 41, 42, 43, 36, 37, 38, 39):  # pads
    data += [0, note, 0, 0, 0]
for i in range(48):                                        # switches
    data += [0, 48 + i, 127, 0, 0]
data += [1] * 10                                           # MIDI to DIN

message = bytes(HEADER + data + [0xF7])
assert len(message) == 476, len(message)

out = pathlib.Path(__file__).resolve().parent.parent / "src" / "resources" / "QX61DefaultPreset.qx6"
out.write_bytes(message)
print(f"wrote {out} ({len(message)} bytes)")
