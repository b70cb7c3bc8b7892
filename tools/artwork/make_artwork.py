#!/usr/bin/env python3
"""Draws every built-in picture of the editor as SVG and renders it to PNG with rsvg-convert.

Usage: make_artwork.py OUTPUT_FOLDER [SVG_FOLDER]

Each picture's pixel size is fixed by the code that places it, so every rendered PNG is checked
against its expected size. Every picture the editor draws is also rendered at twice that size from
the same SVG, as NAME@2x.png, which the editor draws on screens scaled above 100 %. The product picture's controls are drawn under the rectangles of the
selector buttons (SELECTOR_RECTS), so a click on a drawn control selects its section.
"""
import pathlib
import struct
import subprocess
import sys
import tempfile

ACCENT = "#117FC6"
ACCENT_DARK = "#0E6BA8"
ACCENT_LIGHT = "#2B95DB"
FONT = "DejaVu Sans"
MONO = "DejaVu Sans Mono"

BODY = "#2A2E35"
PANEL = "#31363E"
WELL = "#17191D"
CONTROL = "#555B64"
CONTROL_EDGE = "#6B727C"
LEGEND = "#9AA3AE"
ICON = "#E8EBEF"

# Selector buttons over the product picture: (name, x, y, width, height) in the picture's pixels.
SELECTOR_RECTS = [
    ("pads", 10, 120, 154, 153),
    ("knobs", 384, 12, 503, 16),
    ("keybed", 170, 120, 957, 167),
    ("wheels", 30, 10, 63, 85),
    ("transport", 200, 56, 152, 35),
    ("roll-mode", 278, 56, 23, 15),
    ("switches", 379, 35, 511, 56),
]

# Tab row, left to right: (file name part, caption, width).
TABS = [
    ("main", "Main View", 138),
    ("knobs", "Knobs", 132),
    ("switches", "Switches", 132),
    ("pads", "Drum Pads", 132),
    ("roll-mode", "Roll Mode", 132),
    ("transport", "Transport", 132),
    ("keybed", "Keybed", 132),
    ("wheels", "Pitch/Mod", 132),
    ("sustain", "Sustain", 138),
]

MAIN_BUTTONS = [
    ("get-from-hardware", "Get From Hardware", "down"),
    ("send-to-hardware", "Send To Hardware", "up"),
    ("save-to-file", "Save To File", "save"),
    ("load-from-file", "Load From File", "load"),
]


def rect_of(name):
    for n, x, y, w, h in SELECTOR_RECTS:
        if n == name:
            return x, y, w, h
    raise KeyError(name)


def svg(width, height, body):
    return (f'<svg xmlns="http://www.w3.org/2000/svg" width="{width}" height="{height}" '
            f'viewBox="0 0 {width} {height}">\n{body}\n</svg>\n')


def rect(x, y, w, h, fill="none", rx=0, stroke=None, stroke_width=1, opacity=None,
         fill_opacity=None):
    s = f'<rect x="{x:g}" y="{y:g}" width="{w:g}" height="{h:g}" rx="{rx:g}" fill="{fill}"'
    if fill_opacity is not None:
        s += f' fill-opacity="{fill_opacity:g}"'
    if stroke:
        s += f' stroke="{stroke}" stroke-width="{stroke_width:g}"'
    if opacity is not None:
        s += f' opacity="{opacity:g}"'
    return s + "/>"


def circle(cx, cy, r, fill="none", stroke=None, stroke_width=1):
    s = f'<circle cx="{cx:g}" cy="{cy:g}" r="{r:g}" fill="{fill}"'
    if stroke:
        s += f' stroke="{stroke}" stroke-width="{stroke_width:g}"'
    return s + "/>"


def line(x1, y1, x2, y2, stroke, width=1, cap="butt", opacity=None):
    s = (f'<line x1="{x1:g}" y1="{y1:g}" x2="{x2:g}" y2="{y2:g}" stroke="{stroke}" '
         f'stroke-width="{width:g}" stroke-linecap="{cap}"')
    if opacity is not None:
        s += f' opacity="{opacity:g}"'
    return s + "/>"


def polygon(points, fill="none", stroke=None, stroke_width=1):
    pts = " ".join(f"{x:g},{y:g}" for x, y in points)
    s = f'<polygon points="{pts}" fill="{fill}"'
    if stroke:
        s += f' stroke="{stroke}" stroke-width="{stroke_width:g}" stroke-linejoin="round"'
    return s + "/>"


def text(x, y, content, size, fill, anchor="start", weight="normal", family=FONT, spacing=0,
         opacity=None):
    s = (f'<text x="{x:g}" y="{y:g}" font-family="{family}" font-size="{size:g}" '
         f'font-weight="{weight}" fill="{fill}" text-anchor="{anchor}"')
    if spacing:
        s += f' letter-spacing="{spacing:g}"'
    if opacity is not None:
        s += f' opacity="{opacity:g}"'
    return s + f">{content}</text>"


# ---------------------------------------------------------------------------------------------
# Product picture: the QX61 seen from above.

PRODUCT_W, PRODUCT_H = 1150, 286
COLUMN_SPACING = 31.5          # knobs and switches share their columns


def column_centre(i):
    kx, _, kw, _ = rect_of("knobs")
    return kx + kw / 2 + (i - 7.5) * COLUMN_SPACING


def draw_body():
    parts = [rect(0, 0, PRODUCT_W, PRODUCT_H, BODY, rx=14),
             rect(4, 4, PRODUCT_W - 8, 104, PANEL, rx=10),
             rect(166, 113, 966, PRODUCT_H - 113, WELL, rx=3)]
    return "\n".join(parts)


def draw_wheels():
    x, y, w, h = rect_of("wheels")
    parts = []
    for i, label in enumerate(("PITCH", "MOD")):
        sx = x + 4 + i * 31
        parts.append(rect(sx, y + 3, 24, h - 6, WELL, rx=4))
        wx, wy, ww, wh = sx + 4, y + 7, 16, h - 14
        parts.append(rect(wx, wy, ww, wh, "#5C626C", rx=3))
        for ry in range(int(wy) + 4, int(wy + wh) - 2, 5):
            parts.append(line(wx + 1, ry + 0.5, wx + ww - 1, ry + 0.5, "#484D55"))
        marker = wy + wh / 2 if label == "PITCH" else wy + wh - 8
        parts.append(rect(wx, marker - 1.5, ww, 3, ICON, rx=1))
        parts.append(text(sx + 12, y + h + 11, label, 7.5, LEGEND, anchor="middle", weight="bold"))
    return "\n".join(parts)


def draw_display_and_octave():
    parts = [rect(106, 12, 82, 38, WELL, rx=4),
             rect(109, 15, 76, 32, "#0B2D45", rx=2),
             text(114, 28, "QX61", 10, "#6CC7FF", family=MONO, weight="bold"),
             text(114, 41, "PRESET 01", 8.5, "#6CC7FF", family=MONO)]
    for i, caption in enumerate(("OCT \u2212", "OCT +")):
        bx = 106 + i * 44
        parts.append(rect(bx, 60, 38, 15, CONTROL, rx=3))
        parts.append(line(bx + 3, 60.5, bx + 35, 60.5, CONTROL_EDGE))
        parts.append(text(bx + 19, 70.5, caption, 7, ICON, anchor="middle", weight="bold"))
    for i in range(5):
        lit = i == 2
        parts.append(circle(121 + i * 13, 84, 2, ACCENT_LIGHT if lit else WELL))
    return "\n".join(parts)


def draw_knobs():
    _, y, _, h = rect_of("knobs")
    cy = y + h / 2
    parts = []
    for i in range(16):
        cx = column_centre(i)
        parts.append(circle(cx, cy, 7.6, WELL))
        parts.append(circle(cx, cy, 6.2, "#C9CED6"))
        parts.append(circle(cx, cy, 4.2, "#B5BBC4"))
        parts.append(line(cx, cy, cx - 3.6, cy - 4.3, BODY, width=1.6, cap="round"))
    return "\n".join(parts)


def draw_switches():
    _, y, _, h = rect_of("switches")
    parts = []
    row_h, gap = 14, (h - 3 * 14 - 4) / 2
    for row in range(3):
        ry = y + 2 + row * (row_h + gap)
        for i in range(16):
            cx = column_centre(i)
            parts.append(rect(cx - 12, ry, 24, row_h, CONTROL, rx=3))
            parts.append(line(cx - 9, ry + 0.5, cx + 9, ry + 0.5, CONTROL_EDGE))
            parts.append(rect(cx - 12, ry + row_h - 3, 24, 3, "#4A4F57", rx=1.5))
    return "\n".join(parts)


def transport_icon(kind, cx, cy):
    if kind == "rewind":
        return (polygon([(cx, cy - 3.5), (cx, cy + 3.5), (cx - 4.5, cy)], ICON)
                + polygon([(cx + 4.5, cy - 3.5), (cx + 4.5, cy + 3.5), (cx, cy)], ICON))
    if kind == "forward":
        return (polygon([(cx, cy - 3.5), (cx, cy + 3.5), (cx + 4.5, cy)], ICON)
                + polygon([(cx - 4.5, cy - 3.5), (cx - 4.5, cy + 3.5), (cx, cy)], ICON))
    if kind == "stop":
        return rect(cx - 3.2, cy - 3.2, 6.4, 6.4, ICON)
    if kind == "play":
        return polygon([(cx - 2.8, cy - 4), (cx - 2.8, cy + 4), (cx + 4, cy)], ICON)
    if kind == "loop":
        return (f'<path d="M {cx - 4:g} {cy + 1:g} A 4 3.2 0 1 1 {cx + 1:g} {cy + 3.1:g}" '
                f'fill="none" stroke="{ICON}" stroke-width="1.3"/>'
                + polygon([(cx - 1, cy + 1.3), (cx - 1, cy + 4.9), (cx + 2.2, cy + 3.1)], ICON))
    return circle(cx, cy, 3.6, "#E5483C")


def draw_transport():
    x, y, w, h = rect_of("transport")
    rx_, ry_, rw, rh = rect_of("roll-mode")
    offsets = [0, 26, 52, 78, 104, 129]
    parts = [text(x + 1, y + 11, "TRANSPORT", 7.5, LEGEND, weight="bold")]
    bottom = y + h - 15
    for offset, kind in zip(offsets, ("rewind", "forward", "stop", "play", "loop", "record")):
        parts.append(rect(x + offset, bottom, 23, 15, CONTROL, rx=3))
        parts.append(line(x + offset + 3, bottom + 0.5, x + offset + 20, bottom + 0.5, CONTROL_EDGE))
        parts.append(transport_icon(kind, x + offset + 11.5, bottom + 7.5))
    parts.append(rect(rx_, ry_, rw, rh, CONTROL, rx=3))
    parts.append(line(rx_ + 3, ry_ + 0.5, rx_ + rw - 3, ry_ + 0.5, CONTROL_EDGE))
    parts.append(text(rx_ + rw / 2, ry_ + 10.5, "ROLL", 6.5, ICON, anchor="middle", weight="bold"))
    parts.append(circle(rx_ + rw + 8, ry_ + rh / 2, 2, "#E5483C"))
    parts.append(text(rx_ + rw + 14, ry_ + 10.5, "REPEAT", 6.5, LEGEND, weight="bold"))
    return "\n".join(parts)


def draw_pads():
    x, y, w, h = rect_of("pads")
    size_w, size_h = 33, 32
    gap_x, gap_y = (w - 4 - 4 * size_w) / 3, (h - 4 - 4 * size_h) / 3
    parts = []
    for row in range(4):
        for col in range(4):
            px = x + 2 + col * (size_w + gap_x)
            py = y + 2 + row * (size_h + gap_y)
            parts.append(rect(px, py, size_w, size_h, "#3B4048", rx=4, stroke="#4E545D"))
            number = (3 - row) * 4 + col + 1
            parts.append(text(px + 4, py + 10, str(number), 7, "#7D8591"))
    return "\n".join(parts)


def draw_keybed():
    x, y, w, _ = rect_of("keybed")
    bottom = PRODUCT_H - 2
    white_w = w / 36
    parts = []
    for i in range(36):
        kx = x + i * white_w
        parts.append(rect(kx + 0.75, y, white_w - 1.5, bottom - y, "#F4F5F7", rx=2.5))
        parts.append(rect(kx + 0.75, bottom - 7, white_w - 1.5, 7, "#D6DAE0", rx=2.5))
    black_w, black_h = white_w * 0.58, 100
    for i in range(35):
        if i % 7 in (2, 6):
            continue
        cx = x + (i + 1) * white_w
        parts.append(rect(cx - black_w / 2, y, black_w, black_h, "#1D2025", rx=2))
        parts.append(rect(cx - black_w / 2 + 1.5, y + black_h - 10, black_w - 3, 7, "#33373E", rx=1.5))
    parts.append(rect(166, y - 2, 966, 5, "#7B2230"))
    return "\n".join(parts)


def draw_logo():
    parts = [text(1128, 40, "KAVORI", 12, ACCENT_LIGHT, anchor="end", weight="bold", spacing=4),
             text(1130, 84, "QX61", 40, "#F2F4F7", anchor="end", weight="bold"),
             line(940, 94.5, 1128, 94.5, "#48505B"),
             circle(915, 26, 3, "#36D27A"),
             text(915, 41, "USB", 7, LEGEND, anchor="middle", weight="bold")]
    return "\n".join(parts)


def product_picture():
    body = "\n".join([draw_body(), draw_wheels(), draw_display_and_octave(), draw_transport(),
                      draw_knobs(), draw_switches(), draw_pads(), draw_keybed(), draw_logo()])
    return svg(PRODUCT_W, PRODUCT_H, body)


def selector_overlay(w, h, state):
    if state == "normal":
        return svg(w, h, "")
    if state == "over":
        return svg(w, h, rect(1, 1, w - 2, h - 2, ACCENT, rx=4, fill_opacity=0.2,
                              stroke="#8FD3FF", stroke_width=1.5))
    return svg(w, h, rect(1.5, 1.5, w - 3, h - 3, ACCENT, rx=4, fill_opacity=0.45,
                          stroke="#4FB6FF", stroke_width=2.5))


# ---------------------------------------------------------------------------------------------
# Editor content, tab row and main view.

def keyboard_background():
    body = "\n".join([
        rect(0, 0, 1200, 700, ACCENT),
        rect(29, 55, 1150, 286, "#0C5E94", rx=14, opacity=0.55),
    ])
    return svg(1200, 700, body)


def tab_button(caption, w, state, separator):
    h = 40
    fills = {"normal": ACCENT_DARK, "over": ACCENT_LIGHT, "down": "#FFFFFF"}
    colour = ACCENT if state == "down" else "#FFFFFF"
    weight = "bold" if state == "down" else "normal"
    parts = [rect(0, 0, w, h, fills[state])]
    if state == "down":
        parts.append(rect(0, h - 3, w, 3, ACCENT))
    elif separator:
        parts.append(line(w - 0.5, 8, w - 0.5, h - 8, "#FFFFFF", opacity=0.3))
    parts.append(text(w / 2, 25, caption, 14, colour, anchor="middle", weight=weight))
    return svg(w, h, "\n".join(parts))


def main_icon(kind, cx, cy, colour):
    stroke = f'stroke="{colour}" stroke-width="2" fill="none" stroke-linecap="round" stroke-linejoin="round"'
    if kind in ("down", "up"):
        tip, tail = (cy + 7, cy - 7) if kind == "down" else (cy - 7, cy + 7)
        head = 5 if kind == "down" else -5
        return (f'<path d="M {cx:g} {tail:g} L {cx:g} {tip:g} M {cx - 5:g} {tip - head:g} '
                f'L {cx:g} {tip:g} L {cx + 5:g} {tip - head:g}" {stroke}/>'
                + line(cx - 8, cy + 10 if kind == "down" else cy - 10,
                       cx + 8, cy + 10 if kind == "down" else cy - 10, colour, 2, "round"))
    if kind == "save":
        return (f'<path d="M {cx - 8:g} {cy - 8:g} H {cx + 5:g} L {cx + 8:g} {cy - 5:g} V {cy + 8:g} '
                f'H {cx - 8:g} Z" {stroke}/>'
                + rect(cx - 4, cy - 8, 8, 5, colour) + rect(cx - 5, cy + 2, 10, 6, colour))
    return (f'<path d="M {cx - 9:g} {cy + 7:g} V {cy - 7:g} H {cx - 3:g} L {cx - 1:g} {cy - 4:g} '
            f'H {cx + 8:g} V {cy + 7:g} Z" {stroke}/>')


def main_button(caption, icon, state):
    w, h = 249, 35
    if state == "normal":
        parts = [rect(1, 1, w - 2, h - 2, "none", rx=5, stroke="#FFFFFF", stroke_width=1.5)]
        colour = "#FFFFFF"
    else:
        parts = [rect(0, 0, w, h, "#FFFFFF", rx=5)]
        colour = ACCENT
    parts.append(main_icon(icon, 22, h / 2, colour))
    parts.append(text(44, 23, caption, 15, colour, weight="bold"))
    return svg(w, h, "\n".join(parts))


def bank_arrow(direction, state):
    w, h = 17, 26
    pts = [(2.5, 2.5), (14.5, 13), (2.5, 23.5)]
    if direction == "left":
        pts = [(w - px, py) for px, py in pts]
    if state == "down":
        return svg(w, h, polygon(pts, "none", stroke="#FFFFFF", stroke_width=1.5))
    return svg(w, h, polygon(pts, "#FFFFFF" if state == "normal" else "#D3D3D3"))


def keybed_divider():
    return svg(3, 191, rect(0, 0, 3, 191, "#FFFFFF", opacity=0.25) + rect(1, 0, 1, 191, "#FFFFFF",
                                                                           opacity=0.8))


# ---------------------------------------------------------------------------------------------
# Application shell.

def device_setup_background():
    body = "\n".join([
        rect(0, 0, 360, 425, "#FFFFFF"),
        rect(0, 0, 360, 34, ACCENT),
        text(15, 23, "MIDI Devices", 15, "#FFFFFF", weight="bold"),
        rect(0, 368, 360, 57, "#EEF1F4"),
        line(0, 368.5, 360, 368.5, "#D5DADF"),
    ])
    return svg(360, 425, body)


def list_frame():
    body = "\n".join([
        rect(0.5, 0.5, 326, 140, ACCENT, rx=6, stroke="#0B5E95"),
        rect(4, 8, 319, 125, ACCENT_DARK, rx=3),
    ])
    return svg(327, 141, body)


def about_picture():
    w, h = 484, 267
    keys = []
    kx0, ky, kw, kh = w / 2 - 14 * 11 / 2, 164, 11, 38
    for i in range(14):
        keys.append(rect(kx0 + i * kw + 0.5, ky, kw - 1, kh, "#FFFFFF", rx=1.5))
    for i in range(13):
        if i % 7 in (2, 6):
            continue
        keys.append(rect(kx0 + (i + 1) * kw - 3.5, ky, 7, 23, "#0B4F7D", rx=1))
    body = "\n".join([
        rect(0, 0, w, h, ACCENT),
        text(w / 2, 42, "KAVORI", 13, "#FFFFFF", anchor="middle", weight="bold", spacing=5,
             opacity=0.75),
        text(w / 2, 96, "QX61 Editor", 40, "#FFFFFF", anchor="middle", weight="bold"),
        line(w / 2 - 70, 114.5, w / 2 + 70, 114.5, "#FFFFFF", opacity=0.5),
        "\n".join(keys),
        rect(0, 214, w, h - 214, ACCENT_DARK),
    ])
    return svg(w, h, body)


def program_icon(size):
    """The desktop entry's icon at the size the windows carry it."""
    source = (pathlib.Path(__file__).resolve().parents[2] / "src/resources/linux/qx61-editor.svg").read_text()
    return source.replace('width="256" height="256"', f'width="{size}" height="{size}"', 1)


# ---------------------------------------------------------------------------------------------

def pictures():
    """Yields (file name, expected width, expected height, SVG text)."""
    yield "keyboard-background.png", 1200, 700, keyboard_background()
    yield "product-picture.png", PRODUCT_W, PRODUCT_H, product_picture()
    for name, caption, w in TABS:
        separator = name != TABS[-1][0]
        for state in ("normal", "over", "down"):
            yield f"tab-{name}-{state}.png", w, 40, tab_button(caption, w, state, separator)
    for name, _, _, w, h in SELECTOR_RECTS:
        for state in ("normal", "over", "down"):
            yield f"selector-{name}-{state}.png", w, h, selector_overlay(w, h, state)
    for name, caption, icon in MAIN_BUTTONS:
        for state in ("normal", "over"):
            yield f"main-{name}-{state}.png", 249, 35, main_button(caption, icon, state)
    for direction in ("right", "left"):
        for state in ("normal", "over", "down"):
            yield f"bank-arrow-{direction}-{state}.png", 17, 26, bank_arrow(direction, state)
    yield "keybed-divider.png", 3, 191, keybed_divider()
    yield "device-setup-background.png", 360, 425, device_setup_background()
    yield "device-list-frame.png", 327, 141, list_frame()
    yield "about-picture.png", 484, 267, about_picture()
    yield "program-icon.png", 64, 64, program_icon(64)


def png_size(path):
    data = path.read_bytes()[:24]
    if data[:8] != b"\x89PNG\r\n\x1a\n" or data[12:16] != b"IHDR":
        raise ValueError(f"{path} is not a PNG file")
    return struct.unpack(">II", data[16:24])


def repack(path):
    """Stores the picture in the smallest lossless PNG type without row filters: the editor decodes
    dozens of these as it starts, and unfiltered palette or grey rows decode much faster."""
    packed = path.with_suffix(".packed.png")
    subprocess.run(["convert", str(path), "-strip", "-define", "png:compression-filter=0",
                    "-define", "png:compression-level=9", "-define", "png:exclude-chunks=date,time",
                    str(packed)], check=True)
    same = subprocess.run(["compare", "-metric", "AE", str(path), str(packed), "null:"],
                          capture_output=True, text=True)
    if same.returncode != 0 or same.stderr.strip() != "0":
        packed.unlink()
        raise ValueError(f"{path.name}: repacking changed pixels ({same.stderr.strip()})")
    packed.replace(path)


def main():
    if len(sys.argv) not in (2, 3):
        sys.exit(__doc__)
    out_dir = pathlib.Path(sys.argv[1])
    out_dir.mkdir(parents=True, exist_ok=True)
    with tempfile.TemporaryDirectory() as temp:
        svg_dir = pathlib.Path(sys.argv[2]) if len(sys.argv) == 3 else pathlib.Path(temp)
        svg_dir.mkdir(parents=True, exist_ok=True)
        failures = []
        for name, w, h, source in pictures():
            svg_path = svg_dir / name.replace(".png", ".svg")
            svg_path.write_text(source)
            # The window icon goes to the window manager, which scales it itself.
            zooms = (1,) if name == "program-icon.png" else (1, 2)
            for zoom in zooms:
                png_name = name if zoom == 1 else name.replace(".png", f"@{zoom}x.png")
                png_path = out_dir / png_name
                subprocess.run(["rsvg-convert", "--format=png", f"--zoom={zoom}", "-o", str(png_path),
                                str(svg_path)], check=True)
                repack(png_path)
                size = png_size(png_path)
                if size != (w * zoom, h * zoom):
                    failures.append(f"{png_name}: {size[0]} x {size[1]}, expected {w * zoom} x {h * zoom}")
                else:
                    print(f"{png_name:40s} {w * zoom:5d} x {h * zoom}")
        if failures:
            sys.exit("wrong picture sizes:\n" + "\n".join(failures))


if __name__ == "__main__":
    main()
