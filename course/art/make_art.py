#!/usr/bin/env python3
"""Draws the demo course's pictures as SVG files under course/content/.

The course compiler turns every .svg into a 24-bit .bmp of the same name,
with transparent parts in the key colour (pure green), so nothing here may
use pure green itself.  Run this script after changing it and commit the SVG
files it writes:

    python3 course/art/make_art.py

Layout the scripts rely on (work-area pixels, 640 x 440):
  * The bottom bar is part of every backdrop except the main menu's.  Its
    buttons sit in the regions of the bar script (Main menu 113,407,54,33;
    Word processor 204,410,87,35; Calculator 330,407,92,35; Formula sheet
    455,406,63,35; Index 556,407,73,35), drawn from y 410 to 436.  Hover
    pictures (*mmover.bmp ...) are as big as their region and replace the
    button when drawn at the region's top-left; state pictures (*returna.bmp
    ...) are one pixel smaller and go at the region's left + 1, top + 1.
  * Lesson backdrops (backdrop\\withstyl.bmp and backdrop\\w_ostyle.bmp of each
    topic and exam folder) also carry Back at 4,407,46,33 and Forward at
    52,407,59,33, for "@goback 4,407,46,33,..." and "@goforward 52,407,59,33,
    ...".  Their hover, pressed and disabled pictures are *backover.bmp,
    *backdep.bmp, *backdis.bmp and *forwover.bmp, *forwdep.bmp, *forwdis.bmp.
  * Popups are 240 x 100: the popup panel shows that much of qeltpop.bmp.
  * Stop-clock: draw stopclk.bmp at (x - 8, y - 12), then "@atgraphic x,y"
    and "@createclock ...": the digit pictures fms10bf0..9 (8 x 14, the last
    two columns transparent) fall into its window and the face supplies the
    point.
  * Meter dial: dialscl.bmp is the scale (130 x 30, steps of 12 pixels from
    x 5); dial.bmp (10 x 14) is the knob that "@dial" draws at the picture
    position and the pointer moves along the scale.
  * Sound (database\\waves\\topic2): the frames of the moving air
    (sound1..4.bmp) and the air at rest (still.bmp) go 82 pixels right of
    speaker.bmp, at the same y; the cone's front is part of each frame.
  * The drag pointer pictures\\dragicon\\grab.cur (32 x 32, hot spot in the
    middle) is written as a cursor file, not drawn from SVG.
"""

import math
import os

ROOT = os.path.join(os.path.dirname(os.path.abspath(__file__)), "..", "content")

FONT = "Liberation Sans"

# Palette.
NAVY = "#1d3557"
INK = "#22303c"
CREAM = "#fdf8ee"
PAPER = "#fffdf7"
SAND = "#efe3cb"
YELLOW = "#f4c95d"
ORANGE = "#f4a261"
CORAL = "#e76f51"
RED = "#d1495b"
TICK = "#2f9e5b"
SKY_TOP = "#101d3c"
SKY_LOW = "#3b3f8c"

AREAS = {
    # folder: (title, accent, tint, dark)
    "electric": ("Electricity and Magnetism", "#f2a541", "#fde9c4", "#9a5b0c"),
    "forces": ("Forces and Motion", "#e76f51", "#fadbd2", "#8c2f1b"),
    "waves": ("Waves", "#3d8bd9", "#d6e8f8", "#1d4f86"),
    "earth": ("The Earth and Beyond", "#5b5fc7", "#dddff6", "#2c2f7a"),
    "energy": ("Energy", "#43aa8b", "#d3efe6", "#1f6b54"),
    "radio": ("Radioactivity", "#b5478f", "#f3d9ea", "#6e2153"),
    "quiz": ("Quiz", "#2a9d8f", "#d2eeea", "#17605a"),
    "exam": ("Exam", "#4a6fa5", "#dae3f0", "#263f66"),
}

written = []


def save(rel, w, h, body, defs=""):
    path = os.path.join(ROOT, rel)
    os.makedirs(os.path.dirname(path), exist_ok=True)
    text = (
        f'<svg xmlns="http://www.w3.org/2000/svg" width="{w}" height="{h}" '
        f'viewBox="0 0 {w} {h}">\n'
    )
    if defs:
        text += f"<defs>{defs}</defs>\n"
    text += body + "\n</svg>\n"
    with open(path, "w") as f:
        f.write(text)
    written.append(rel)


def grad(gid, top, bottom, x2="0", y2="1"):
    return (
        f'<linearGradient id="{gid}" x1="0" y1="0" x2="{x2}" y2="{y2}">'
        f'<stop offset="0" stop-color="{top}"/><stop offset="1" stop-color="{bottom}"/>'
        f"</linearGradient>"
    )


def text(x, y, s, size, fill=INK, weight="bold", anchor="middle", style=""):
    return (
        f'<text x="{x}" y="{y}" font-family="{FONT}" font-size="{size}" '
        f'font-weight="{weight}" fill="{fill}" text-anchor="{anchor}"{style}>{s}</text>'
    )


# ---- The bottom bar ---------------------------------------------------------

BUTTON_TOP, BUTTON_BOTTOM = 410, 436

# name, region (x, y, w, h), label lines, icon
BAR = [
    ("mm", (113, 407, 54, 33), ["Main", "menu"], None),
    ("wp", (204, 410, 87, 35), ["Word", "processor"], None),
    ("calc", (330, 407, 92, 35), ["Calculator"], "calc"),
    ("frms", (455, 406, 63, 35), ["Formula", "sheet"], None),
    ("indx", (556, 407, 73, 35), ["Index"], "glass"),
]
BACK = ("back", (4, 407, 46, 33), ["Back"], "left")
FORWARD = ("forw", (52, 407, 59, 33), ["Forward"], "right")

STYLES = {
    # fill top, fill bottom, edge, label
    "normal": ("#fbf6ea", "#e3d6ba", "#0f1c2e", NAVY),
    "hover": ("#fff1c2", "#f4c95d", "#7a4b00", "#5a3300"),
    "pressed": ("#d9cfb8", "#f3ead6", "#0f1c2e", NAVY),
    "state": ("#c9d6e8", "#9fb4d1", "#0f1c2e", "#23406b"),
    "return": ("#ffd9b8", "#f4a261", "#7a3300", "#5a2500"),
    "disabled": ("#e9e6df", "#d5d0c4", "#8a8a8a", "#9a9a9a"),
}


def icon(kind, x, y, colour):
    """A small icon with its left edge at x, centred on y."""
    if kind == "calc":
        return (
            f'<rect x="{x}" y="{y - 7}" width="10" height="14" rx="2" fill="none" '
            f'stroke="{colour}" stroke-width="1.5"/>'
            f'<rect x="{x + 2}" y="{y - 5}" width="6" height="3" fill="{colour}"/>'
            + "".join(
                f'<rect x="{x + 2 + 3 * i}" y="{y + j * 3}" width="2" height="2" fill="{colour}"/>'
                for i in range(2)
                for j in range(2)
            )
        )
    if kind == "glass":
        return (
            f'<circle cx="{x + 5}" cy="{y - 2}" r="4.5" fill="none" stroke="{colour}" stroke-width="2"/>'
            f'<line x1="{x + 8}" y1="{y + 1.5}" x2="{x + 12}" y2="{y + 6}" stroke="{colour}" '
            f'stroke-width="2.5" stroke-linecap="round"/>'
        )
    if kind == "left":
        return f'<polygon points="{x + 7},{y - 6} {x + 7},{y + 6} {x},{y}" fill="{colour}"/>'
    if kind == "right":
        return f'<polygon points="{x},{y - 6} {x},{y + 6} {x + 7},{y}" fill="{colour}"/>'
    return ""


def button(gid, bx, by, bw, bh, labels, ic, style):
    """A rounded button filling (bx, by, bw, bh); returns (defs, body)."""
    top, bottom, edge, ink = STYLES[style]
    defs = grad(gid, top, bottom)
    if style == "pressed":
        defs = grad(gid, top, bottom)
    body = (
        f'<rect x="{bx + 0.5}" y="{by + 0.5}" width="{bw - 1}" height="{bh - 1}" rx="7" '
        f'fill="url(#{gid})" stroke="{edge}" stroke-width="1"/>'
    )
    if style in ("normal", "hover", "return"):
        body += (
            f'<rect x="{bx + 3}" y="{by + 2}" width="{bw - 6}" height="{bh / 2 - 3}" rx="5" '
            f'fill="#ffffff" opacity="0.45"/>'
        )
    cx = bx + bw / 2 + (1 if style in ("pressed", "state") else 0)
    cy = by + bh / 2 + (1 if style in ("pressed", "state") else 0)
    size = 10
    if len(labels) == 1:
        width = len(labels[0]) * 5.8
        if ic == "right":
            tx = cx - 4
            body += text(tx, cy + 3.5, labels[0], size, ink)
            body += icon(ic, tx + width / 2 + 2, cy, ink)
        elif ic:
            tx = cx + 7 if ic != "left" else cx + 5
            body += icon(ic, tx - width / 2 - (15 if ic != "left" else 11), cy, ink)
            body += text(tx, cy + 3.5, labels[0], size, ink)
        else:
            body += text(cx, cy + 3.5, labels[0], size, ink)
    else:
        body += text(cx, cy - 1.5, labels[0], 9.5, ink)
        body += text(cx, cy + 8.5, labels[1], 9.5, ink)
    return defs, body


def bar_button_rect(region):
    x, y, w, h = region
    return x + 2, BUTTON_TOP, w - 4, BUTTON_BOTTOM - BUTTON_TOP


def bottom_bar(with_back_forward):
    """Defs and body of the bar across the foot of a 640 x 440 backdrop."""
    defs = grad("barband", "#31507a", "#1b2c47")
    body = (
        '<rect x="0" y="400" width="640" height="40" fill="url(#barband)"/>'
        '<rect x="0" y="400" width="640" height="2" fill="#f4c95d"/>'
    )
    buttons = list(BAR) + ([BACK, FORWARD] if with_back_forward else [])
    for name, region, labels, ic in buttons:
        bx, by, bw, bh = bar_button_rect(region)
        d, b = button("bar_" + name, bx, by, bw, bh, labels, ic, "normal")
        defs += d
        body += b
    return defs, body


def bar_pictures():
    """Hover and state pictures of the bar, in the shared pictures folder."""
    hover_names = {"mm": ["mmover", "mmtover"], "wp": ["wpover", "wptover"],
                   "calc": ["calcover", "clctover"], "frms": ["frmsover", "frmtover"],
                   "indx": ["indxover", "indtover"]}
    for name, region, labels, ic in BAR:
        x, y, w, h = region
        bx, by, bw, bh = bar_button_rect(region)
        for pic in hover_names[name]:
            d, b = button("b", bx - x, by - y, bw, bh, labels, ic, "hover")
            save(f"pictures/{pic}.svg", w, h, b, d)
        if name == "indx":
            d, b = button("b", bx - x, by - y, bw, bh, ["Return"], "left", "hover")
            save("pictures/retrnovr.svg", w, h, b, d)
    # State pictures go one pixel in from the region's corner.
    states = {"returna": ("indx", ["Return"], "left", "return"),
              "indxmina": ("indx", ["Index"], "glass", "state"),
              "wpmina": ("wp", ["Word", "processor"], None, "state"),
              "frmsmina": ("frms", ["Formula", "sheet"], None, "disabled")}
    for pic, (name, labels, ic, style) in states.items():
        region = next(r for n, r, _, _ in BAR if n == name)
        x, y, w, h = region
        bx, by, bw, bh = bar_button_rect(region)
        d, b = button("b", bx - x - 1, by - y - 1, bw, bh, labels, ic, style)
        save(f"pictures/{pic}.svg", w - 1, h - 1, b, d)
    for name, region, labels, ic in (BACK, FORWARD):
        x, y, w, h = region
        bx, by, bw, bh = bar_button_rect(region)
        for suffix, style in (("over", "hover"), ("dep", "pressed"), ("dis", "disabled")):
            d, b = button("b", bx - x, by - y, bw, bh, labels, ic, style)
            save(f"pictures/{name}{suffix}.svg", w, h, b, d)


# ---- Small shared pictures -------------------------------------------------


def small_pictures():
    # "#*" draws the bullet at the line's top + 4: the dot sits lower in its
    # picture so that it is centred on the letters.
    save("pictures/bullet.svg", 10, 13,
         f'<circle cx="5" cy="7.5" r="4.5" fill="{CORAL}"/>'
         '<circle cx="3.8" cy="6.1" r="1.6" fill="#ffffff" opacity="0.7"/>')
    save("pictures/sbullet.svg", 7, 7, f'<circle cx="3.5" cy="3.5" r="3.2" fill="{NAVY}"/>')
    save("pictures/vsbullet.svg", 5, 5, f'<rect x="0.5" y="0.5" width="4" height="4" rx="1" fill="{NAVY}"/>')
    # Ticks and crosses sit on a white disc so that they show over
    # pictures and the squared paper of the backdrops.
    save("pictures/ticksml.svg", 11, 11,
         '<circle cx="5.5" cy="5.5" r="5.5" fill="#ffffff"/>'
         f'<polyline points="2.2,5.8 4.6,8.2 8.8,2.6" fill="none" stroke="{TICK}" stroke-width="2.2" '
         'stroke-linecap="round" stroke-linejoin="round"/>')
    save("pictures/crosssml.svg", 11, 11,
         '<circle cx="5.5" cy="5.5" r="5.5" fill="#ffffff"/>'
         f'<path d="M3,3 L8,8 M8,3 L3,8" stroke="{RED}" stroke-width="2.2" stroke-linecap="round"/>')
    for name, on in (("checkoff", False), ("checkon", True)):
        body = (f'<rect x="1.5" y="1.5" width="13" height="13" rx="2.5" fill="#ffffff" '
                f'stroke="{NAVY}" stroke-width="1.5"/>')
        if on:
            body += (f'<polyline points="4,8.5 7,11.5 12.5,4.5" fill="none" stroke="{TICK}" '
                     'stroke-width="2.4" stroke-linecap="round" stroke-linejoin="round"/>')
        save(f"pictures/{name}.svg", 16, 16, body)
    # Popdown list: button out and in, and the frame pieces of the open list.
    for name, pressed in (("popdnbo", False), ("popdnbi", True)):
        top, bottom = ("#d9cfb8", "#f3ead6") if pressed else ("#fbf6ea", "#e3d6ba")
        off = 1 if pressed else 0
        save(f"pictures/{name}.svg", 20, 20,
             f'<rect x="0.5" y="0.5" width="19" height="19" rx="4" fill="url(#g)" stroke="{NAVY}"/>'
             f'<polygon points="{5 + off},{8 + off} {15 + off},{8 + off} {10 + off},{14 + off}" fill="{NAVY}"/>',
             grad("g", top, bottom))
    save("pictures/popdownl.svg", 4, 20, '<rect x="0" y="0" width="4" height="20" fill="#774f2b"/>'
         '<rect x="1" y="0" width="3" height="20" fill="#b79377"/>')
    save("pictures/popdownm.svg", 16, 20, '<rect x="0" y="0" width="16" height="20" fill="#8c6239"/>'
         '<rect x="0" y="0" width="16" height="1" fill="#d7bfa6"/>')
    save("pictures/popdownr.svg", 4, 20, '<rect x="0" y="0" width="4" height="20" fill="#774f2b"/>'
         '<rect x="0" y="0" width="3" height="20" fill="#b79377"/>')
    # Scroll bar parts (18 wide): up and down buttons out and in, track and thumb.
    def arrow_button(up, pressed):
        top, bottom = ("#d9cfb8", "#f3ead6") if pressed else ("#fbf6ea", "#e3d6ba")
        o = 1 if pressed else 0
        pts = (f"{4 + o},{11 + o} {14 + o},{11 + o} {9 + o},{5 + o}" if up
               else f"{4 + o},{7 + o} {14 + o},{7 + o} {9 + o},{13 + o}")
        return (f'<rect x="0.5" y="0.5" width="17" height="17" rx="3" fill="url(#g)" stroke="{NAVY}"/>'
                f'<polygon points="{pts}" fill="{NAVY}"/>', grad("g", top, bottom))
    for name, up, pressed in (("scrollup", True, False), ("scrollui", True, True),
                              ("scrolldn", False, False), ("scrolldi", False, True)):
        b, d = arrow_button(up, pressed)
        save(f"pictures/{name}.svg", 18, 18, b, d)
    save("pictures/scrollbk.svg", 18, 18, '<rect x="0" y="0" width="18" height="18" fill="#e8e1d2"/>'
         '<rect x="8" y="0" width="2" height="18" fill="#cfc4ad"/>')
    save("pictures/scrollbi.svg", 18, 18,
         f'<rect x="1.5" y="1.5" width="15" height="15" rx="4" fill="url(#g)" stroke="{NAVY}"/>'
         f'<path d="M5,7 H13 M5,9 H13 M5,11 H13" stroke="{NAVY}" stroke-width="1"/>',
         grad("g", "#c9d6e8", "#8aa3c6"))
    save("pictures/audiobut.svg", 24, 24,
         f'<circle cx="12" cy="12" r="11" fill="url(#g)" stroke="{NAVY}"/>'
         f'<polygon points="6,10 9,10 13,6 13,18 9,14 6,14" fill="{NAVY}"/>'
         f'<path d="M15.5,9 Q18,12 15.5,15 M17.5,7 Q21.5,12 17.5,17" fill="none" stroke="{NAVY}" '
         'stroke-width="1.5" stroke-linecap="round"/>',
         grad("g", "#fff1c2", YELLOW))
    # Twinkling stars, dim to bright.
    save("pictures/star1.svg", 8, 8, '<rect x="3" y="3" width="2" height="2" fill="#c6d4ff"/>')
    save("pictures/star2.svg", 8, 8, '<path d="M4,2 V6 M2,4 H6" stroke="#dfe7ff" stroke-width="1"/>'
         '<rect x="3.5" y="3.5" width="1" height="1" fill="#ffffff"/>')
    save("pictures/star3.svg", 8, 8, '<path d="M4,1 V7 M1,4 H7" stroke="#eef2ff" stroke-width="1"/>'
         '<rect x="3" y="3" width="2" height="2" fill="#ffffff"/>')
    save("pictures/star4.svg", 8, 8, '<path d="M4,0 V8 M0,4 H8" stroke="#fffbe0" stroke-width="1.2"/>'
         '<path d="M1.5,1.5 L6.5,6.5 M6.5,1.5 L1.5,6.5" stroke="#fff4b0" stroke-width="0.8"/>'
         '<rect x="3" y="3" width="2" height="2" fill="#ffffff"/>')
    save("pictures/printico.svg", 20, 20,
         f'<rect x="5" y="1.5" width="10" height="6" fill="#ffffff" stroke="{NAVY}"/>'
         f'<rect x="1.5" y="7" width="17" height="8" rx="2" fill="#8aa3c6" stroke="{NAVY}"/>'
         f'<rect x="5" y="12" width="10" height="6.5" fill="#ffffff" stroke="{NAVY}"/>'
         f'<path d="M7,14.5 H13 M7,16.5 H11" stroke="{NAVY}" stroke-width="0.8"/>'
         '<circle cx="15.5" cy="9.5" r="1" fill="#f4c95d"/>')
    for name, pressed in (("gobut", False), ("gobuti", True)):
        d, b = button("g", 0, 0, 46, 26, ["Go!"], "right", "pressed" if pressed else "hover")
        save(f"pictures/{name}.svg", 46, 26, b, d)


# ---- Illustrations ---------------------------------------------------------


def atom(cx, cy, r, colour, nucleus=CORAL):
    body = ""
    for angle in (0, 60, 120):
        body += (f'<ellipse cx="{cx}" cy="{cy}" rx="{r}" ry="{r * 0.36}" fill="none" stroke="{colour}" '
                 f'stroke-width="{r / 16:.1f}" transform="rotate({angle} {cx} {cy})"/>')
    for angle in (0, 120, 240):
        a = math.radians(angle + 20)
        body += f'<circle cx="{cx + r * math.cos(a):.1f}" cy="{cy + r * 0.36 * math.sin(a):.1f}" r="{r / 9:.1f}" fill="{YELLOW}" transform="rotate({angle / 2} {cx} {cy})"/>'
    body += f'<circle cx="{cx}" cy="{cy}" r="{r / 5:.1f}" fill="{nucleus}"/>'
    return body


def illustration(area, w, h):
    """A picture for an area, on a key-coloured (transparent) background."""
    title, accent, tint, dark = AREAS[area]
    if area == "electric":
        left, right, top, bottom = 22, w - 22, 20, h - 20
        mid = h / 2
        wire = f'stroke="{INK}" stroke-width="3" fill="none" stroke-linecap="round"'
        return (
            # wires, broken where the parts sit
            f'<path d="M{left},{mid - 10} V{top} H{w / 2 - 14} M{w / 2 + 14},{top} H{right} V{mid - 15} '
            f'M{right},{mid + 15} V{bottom} H{w / 2 + 16} M{w / 2 - 16},{bottom} H{left} V{mid + 10}" {wire}/>'
            # cell: long and short plates
            f'<path d="M{left - 10},{mid - 10} H{left + 10}" stroke="{INK}" stroke-width="3"/>'
            f'<path d="M{left - 5},{mid + 10} H{left + 5}" stroke="{INK}" stroke-width="6"/>'
            # lamp glowing at the top
            + "".join(
                f'<line x1="{w / 2 + 19 * math.cos(math.radians(a)):.1f}" y1="{top + 19 * math.sin(math.radians(a)):.1f}" '
                f'x2="{w / 2 + 26 * math.cos(math.radians(a)):.1f}" y2="{top + 26 * math.sin(math.radians(a)):.1f}" '
                f'stroke="{accent}" stroke-width="3" stroke-linecap="round"/>'
                for a in (150, 190, 230, 270, 310, 350, 30)
            )
            + f'<circle cx="{w / 2}" cy="{top}" r="14" fill="{YELLOW}" stroke="{INK}" stroke-width="3"/>'
            f'<path d="M{w / 2 - 10},{top - 10} L{w / 2 + 10},{top + 10} M{w / 2 + 10},{top - 10} L{w / 2 - 10},{top + 10}" '
            f'stroke="{INK}" stroke-width="2.5"/>'
            # ammeter on the right
            f'<circle cx="{right}" cy="{mid}" r="15" fill="#ffffff" stroke="{INK}" stroke-width="3"/>'
            + text(right, mid + 6, "A", 16, INK)
            # switch at the bottom
            + f'<circle cx="{w / 2 - 14}" cy="{bottom}" r="3.5" fill="{INK}"/>'
            f'<circle cx="{w / 2 + 14}" cy="{bottom}" r="3.5" fill="{INK}"/>'
            f'<line x1="{w / 2 - 14}" y1="{bottom}" x2="{w / 2 + 12}" y2="{bottom - 10}" stroke="{INK}" stroke-width="3" stroke-linecap="round"/>'
            # electrons on their way
            + "".join(
                f'<circle cx="{x}" cy="{y}" r="3" fill="#3d8bd9"/>'
                for x, y in ((w * 0.3, bottom), (w * 0.75, top), (left, h * 0.3), (right, h * 0.75))
            )
        )
    if area == "forces":
        return (
            f'<rect x="{w * 0.18}" y="{h * 0.38}" width="{w * 0.6}" height="{h * 0.28}" rx="10" fill="{accent}" stroke="{INK}" stroke-width="2"/>'
            f'<path d="M{w * 0.3},{h * 0.38} L{w * 0.38},{h * 0.18} H{w * 0.6} L{w * 0.7},{h * 0.38} Z" fill="{tint}" stroke="{INK}" stroke-width="2"/>'
            f'<line x1="{w * 0.49}" y1="{h * 0.2}" x2="{w * 0.49}" y2="{h * 0.38}" stroke="{INK}" stroke-width="2"/>'
            f'<circle cx="{w * 0.32}" cy="{h * 0.68}" r="{h * 0.12}" fill="{INK}"/>'
            f'<circle cx="{w * 0.32}" cy="{h * 0.68}" r="{h * 0.05}" fill="#cccccc"/>'
            f'<circle cx="{w * 0.66}" cy="{h * 0.68}" r="{h * 0.12}" fill="{INK}"/>'
            f'<circle cx="{w * 0.66}" cy="{h * 0.68}" r="{h * 0.05}" fill="#cccccc"/>'
            # driving force and drag
            f'<line x1="{w * 0.8}" y1="{h * 0.52}" x2="{w * 0.97}" y2="{h * 0.52}" stroke="{dark}" stroke-width="4"/>'
            f'<polygon points="{w * 0.97},{h * 0.43} {w},{h * 0.52} {w * 0.97},{h * 0.61}" fill="{dark}"/>'
            f'<line x1="{w * 0.16}" y1="{h * 0.52}" x2="{w * 0.04}" y2="{h * 0.52}" stroke="#3d8bd9" stroke-width="4"/>'
            f'<polygon points="{w * 0.04},{h * 0.43} 0,{h * 0.52} {w * 0.04},{h * 0.61}" fill="#3d8bd9"/>'
            f'<path d="M{w * 0.05},{h * 0.9} H{w * 0.95}" stroke="#8a8a8a" stroke-width="3" stroke-dasharray="10,6"/>'
        )
    if area == "waves":
        pts = " ".join(
            f"{x:.1f},{h * 0.5 - h * 0.3 * math.sin(2 * math.pi * x / (w * 0.45)):.1f}"
            for x in range(4, w - 3, 2)
        )
        return (
            f'<line x1="4" y1="{h * 0.5}" x2="{w - 4}" y2="{h * 0.5}" stroke="#8a9bb0" stroke-width="1.5" stroke-dasharray="4,3"/>'
            f'<polyline points="{pts}" fill="none" stroke="{accent}" stroke-width="4" stroke-linecap="round"/>'
            # wavelength and amplitude markers
            f'<path d="M{w * 0.1125 + 2},{h * 0.12} H{w * 0.5625 + 2}" stroke="{dark}" stroke-width="2"/>'
            f'<path d="M{w * 0.1125 + 2},{h * 0.07} V{h * 0.17} M{w * 0.5625 + 2},{h * 0.07} V{h * 0.17}" stroke="{dark}" stroke-width="2"/>'
            f'<path d="M{w * 0.79},{h * 0.5} V{h * 0.8}" stroke="{CORAL}" stroke-width="2"/>'
            f'<polygon points="{w * 0.79 - 4},{h * 0.76} {w * 0.79 + 4},{h * 0.76} {w * 0.79},{h * 0.81}" fill="{CORAL}"/>'
        )
    if area == "earth":
        return (
            f'<circle cx="{w * 0.2}" cy="{h * 0.5}" r="{h * 0.3}" fill="{YELLOW}" stroke="{ORANGE}" stroke-width="3"/>'
            f'<ellipse cx="{w * 0.2}" cy="{h * 0.5}" rx="{w * 0.45}" ry="{h * 0.32}" fill="none" stroke="#9aa3d9" stroke-width="1.5" stroke-dasharray="3,3"/>'
            f'<circle cx="{w * 0.62}" cy="{h * 0.25}" r="{h * 0.09}" fill="#3d8bd9" stroke="{INK}" stroke-width="1.5"/>'
            f'<path d="M{w * 0.6},{h * 0.22} q4,-3 8,0 q-2,5 -6,4 z" fill="#43aa8b"/>'
            f'<circle cx="{w * 0.84}" cy="{h * 0.62}" r="{h * 0.13}" fill="#e0a96d" stroke="{INK}" stroke-width="1.5"/>'
            f'<ellipse cx="{w * 0.84}" cy="{h * 0.62}" rx="{h * 0.24}" ry="{h * 0.06}" fill="none" stroke="#c98d4a" stroke-width="3" transform="rotate(-15 {w * 0.84} {h * 0.62})"/>'
        )
    if area == "energy":
        return (
            # battery
            f'<rect x="6" y="{h * 0.3}" width="{w * 0.26}" height="{h * 0.45}" rx="5" fill="{accent}" stroke="{INK}" stroke-width="2"/>'
            f'<rect x="{6 + w * 0.26}" y="{h * 0.44}" width="5" height="{h * 0.17}" fill="{INK}"/>'
            + text(6 + w * 0.13, h * 0.6, "+", 18, "#ffffff")
            # flame
            + f'<path d="M{w * 0.5},{h * 0.15} C{w * 0.62},{h * 0.35} {w * 0.62},{h * 0.55} {w * 0.5},{h * 0.78} C{w * 0.38},{h * 0.55} {w * 0.4},{h * 0.4} {w * 0.5},{h * 0.15} Z" fill="{CORAL}" stroke="#8c2f1b" stroke-width="1.5"/>'
            f'<path d="M{w * 0.5},{h * 0.42} C{w * 0.56},{h * 0.55} {w * 0.55},{h * 0.65} {w * 0.5},{h * 0.76} C{w * 0.45},{h * 0.65} {w * 0.45},{h * 0.55} {w * 0.5},{h * 0.42} Z" fill="{YELLOW}"/>'
            # spring
            + f'<polyline points="{w * 0.72},{h * 0.8} ' + " ".join(
                f"{w * (0.72 if i % 2 == 0 else 0.94):.1f},{h * (0.8 - 0.09 * i):.1f}" for i in range(1, 8)
            ) + f'" fill="none" stroke="{INK}" stroke-width="2.5"/>'
            f'<rect x="{w * 0.7}" y="{h * 0.8}" width="{w * 0.26}" height="4" fill="{INK}"/>'
        )
    if area == "radio":
        cx, cy, r = w / 2, h / 2, min(w, h) * 0.42
        body = f'<circle cx="{cx}" cy="{cy}" r="{r}" fill="{YELLOW}" stroke="{INK}" stroke-width="3"/>'
        for k in range(3):
            a0 = math.radians(-90 + 120 * k - 30)
            a1 = math.radians(-90 + 120 * k + 30)
            r0, r1 = r * 0.22, r * 0.85
            body += (
                f'<path d="M{cx + r0 * math.cos(a0):.1f},{cy + r0 * math.sin(a0):.1f} '
                f'L{cx + r1 * math.cos(a0):.1f},{cy + r1 * math.sin(a0):.1f} '
                f'A{r1:.1f},{r1:.1f} 0 0 1 {cx + r1 * math.cos(a1):.1f},{cy + r1 * math.sin(a1):.1f} '
                f'L{cx + r0 * math.cos(a1):.1f},{cy + r0 * math.sin(a1):.1f} '
                f'A{r0:.1f},{r0:.1f} 0 0 0 {cx + r0 * math.cos(a0):.1f},{cy + r0 * math.sin(a0):.1f} Z" '
                f'fill="{INK}"/>'
            )
        body += f'<circle cx="{cx}" cy="{cy}" r="{r * 0.14}" fill="{INK}"/>'
        return body
    if area == "quiz":
        return (
            f'<path d="M10,10 H{w - 10} V{h * 0.7} H{w * 0.45} L{w * 0.3},{h - 6} L{w * 0.32},{h * 0.7} H10 Z" '
            f'fill="{tint}" stroke="{dark}" stroke-width="3" stroke-linejoin="round"/>'
            + text(w / 2, h * 0.55, "?", h * 0.5, accent)
        )
    if area == "exam":
        return (
            f'<rect x="{w * 0.12}" y="6" width="{w * 0.62}" height="{h - 12}" fill="#ffffff" stroke="{INK}" stroke-width="2"/>'
            + "".join(
                f'<line x1="{w * 0.2}" y1="{20 + 12 * i}" x2="{w * 0.66}" y2="{20 + 12 * i}" stroke="#9fb4d1" stroke-width="2"/>'
                for i in range(int((h - 30) / 12))
            )
            + f'<polyline points="{w * 0.2},{h * 0.3} {w * 0.24},{h * 0.35} {w * 0.3},{h * 0.25}" fill="none" stroke="{TICK}" stroke-width="3"/>'
            + f'<g transform="rotate(35 {w * 0.8} {h * 0.5})"><rect x="{w * 0.76}" y="{h * 0.1}" width="{w * 0.09}" height="{h * 0.65}" fill="{YELLOW}" stroke="{INK}" stroke-width="1.5"/>'
            f'<polygon points="{w * 0.76},{h * 0.75} {w * 0.85},{h * 0.75} {w * 0.805},{h * 0.88}" fill="#f1d9b5" stroke="{INK}" stroke-width="1.5"/></g>'
        )
    raise ValueError(area)


# ---- Backdrops -------------------------------------------------------------


def main_menu():
    defs = grad("sky", SKY_TOP, SKY_LOW) + grad("right", "#fbf3e2", "#f3e3c4")
    defs += ('<radialGradient id="moon" cx="0.4" cy="0.4" r="0.6"><stop offset="0" stop-color="#fffbe8"/>'
             '<stop offset="1" stop-color="#e8dcb8"/></radialGradient>')
    defs += ('<radialGradient id="planet" cx="0.35" cy="0.35" r="0.7"><stop offset="0" stop-color="#f7c59f"/>'
             '<stop offset="1" stop-color="#c56b3c"/></radialGradient>')
    defs += ('<radialGradient id="earthg" cx="0.35" cy="0.35" r="0.7"><stop offset="0" stop-color="#7fb7f0"/>'
             '<stop offset="1" stop-color="#1f5fa8"/></radialGradient>')
    body = '<rect x="0" y="0" width="640" height="440" fill="url(#right)"/>'
    body += '<rect x="0" y="0" width="250" height="440" fill="url(#sky)"/>'
    # Quiet fixed stars (the twinkling ones are drawn by the program).
    seed = 7
    for i in range(60):
        seed = (seed * 1103515245 + 12345) % 2147483648
        x = 6 + seed % 238
        seed = (seed * 1103515245 + 12345) % 2147483648
        y = 6 + seed % 428
        op = 0.35 + (i % 5) * 0.12
        body += f'<rect x="{x}" y="{y}" width="1" height="1" fill="#ffffff" opacity="{op:.2f}"/>'
    body += '<circle cx="70" cy="80" r="30" fill="url(#moon)"/>'
    body += '<circle cx="60" cy="72" r="5" fill="#e3d5ad"/><circle cx="82" cy="92" r="4" fill="#e3d5ad"/>'
    body += '<circle cx="176" cy="210" r="34" fill="url(#planet)"/>'
    body += ('<ellipse cx="176" cy="210" rx="62" ry="13" fill="none" stroke="#f4c95d" stroke-width="5" '
             'transform="rotate(-18 176 210)" opacity="0.9"/>')
    body += '<circle cx="66" cy="330" r="24" fill="url(#earthg)"/>'
    body += '<path d="M52,318 q8,-6 16,0 q-3,10 -12,9 z M70,336 q9,-2 12,6 q-8,5 -14,0 z" fill="#5cb85c"/>'
    # A rocket climbing away.
    body += ('<g transform="translate(150,350) rotate(35)">'
             f'<path d="M0,-30 C10,-18 10,8 6,16 H-6 C-10,8 -10,-18 0,-30 Z" fill="#f4f1ea" stroke="{INK}" stroke-width="1.5"/>'
             f'<circle cx="0" cy="-10" r="4" fill="#7fb7f0" stroke="{INK}"/>'
             f'<path d="M-6,8 L-13,20 L-6,16 Z M6,8 L13,20 L6,16 Z" fill="{CORAL}"/>'
             f'<path d="M-4,17 Q0,32 4,17 Z" fill="{ORANGE}"/></g>')
    # The right side shows under the menu panel's edges only.
    body += '<rect x="250" y="0" width="4" height="440" fill="#f4c95d"/>'
    save("database/pictures/mainback.svg", 640, 440, body, defs)

    # The menu card that lies on the panel box.
    cdefs = grad("card", "#fffdf7", "#f6ecd8")
    cbody = ('<rect x="0.5" y="0.5" width="355" height="401" rx="16" fill="url(#card)" '
             'stroke="#c9b48a" stroke-width="1"/>')
    cbody += '<rect x="16" y="80" width="324" height="2" fill="#e9c46a"/>'
    cbody += '<rect x="16" y="360" width="324" height="1" fill="#e2d3b5"/>'
    save("database/pictures/menucard.svg", 356, 402, cbody, cdefs)
    # The logo that wipes in.
    # Wiped in, so drawn opaquely: its corners have the card's colour.
    save("database/pictures/logo.svg", 72, 72,
         '<rect x="0" y="0" width="72" height="72" fill="#fefaf2"/>'
         f'<circle cx="36" cy="36" r="35" fill="{NAVY}"/>' + atom(36, 36, 28, "#a8dadc"))
    # The area pictures of the menu, small.
    glyphs = {
        "electric": '<polygon points="14,3 6,14 11,14 9,21 18,9 13,9 16,3" fill="#ffffff"/>',
        "forces": '<path d="M5,12 H16" stroke="#ffffff" stroke-width="3"/><polygon points="15,7 21,12 15,17" fill="#ffffff"/>',
        "waves": '<path d="M3,12 Q6.5,5 10,12 T17,12 T24,12" fill="none" stroke="#ffffff" stroke-width="2.5"/>',
        "earth": '<circle cx="12" cy="12" r="5" fill="#ffffff"/><ellipse cx="12" cy="12" rx="10" ry="3" fill="none" stroke="#ffffff" stroke-width="1.5" transform="rotate(-20 12 12)"/>',
        "energy": '<path d="M12,3 C17,9 17,14 12,21 C7,14 8,9 12,3 Z" fill="#ffffff"/>',
        "radio": '<circle cx="12" cy="12" r="2.5" fill="#ffffff"/><path d="M12,4 L16,10 H8 Z M5,16 L9,14 L11,19 Z M19,16 L13,19 L15,14 Z" fill="#ffffff"/>',
        "quiz": '<text x="12" y="18" font-family="Liberation Sans" font-size="16" font-weight="bold" fill="#ffffff" text-anchor="middle">?</text>',
        "exam": '<polyline points="6,12 10,16 18,7" fill="none" stroke="#ffffff" stroke-width="3" stroke-linecap="round" stroke-linejoin="round"/>',
    }
    for area, glyph in glyphs.items():
        title, accent, tint, dark = AREAS[area]
        save(f"database/pictures/m_{area}.svg", 24, 24,
             f'<circle cx="12" cy="12" r="11.5" fill="{accent}"/>'
             f'<circle cx="12" cy="12" r="11" fill="none" stroke="{dark}" stroke-width="1"/>' + glyph)


def popup_panel():
    """The background of the popup panel (pictures\\qeltpop.bmp): the panel
    shows as much of it as the popup's rectangle is big, so the course's
    popups are all 240 x 100."""
    save("pictures/qeltpop.svg", 240, 100,
         '<rect x="0" y="0" width="240" height="100" fill="url(#bg)"/>'
         '<rect x="1" y="1" width="238" height="98" fill="none" stroke="#8a6a3a" stroke-width="2"/>'
         f'<rect x="4" y="4" width="232" height="3" fill="{YELLOW}" opacity="0.7"/>',
         grad("bg", "#fffbe8", "#f3e7c0"))


def area_card():
    """The card that lies on the coloured box of an area menu."""
    save("pictures/areacard.svg", 576, 280,
         '<rect x="0.5" y="0.5" width="575" height="279" rx="14" fill="url(#card)" stroke="#c9b48a"/>'
         '<rect x="16" y="62" width="370" height="2" fill="#e9c46a"/>',
         grad("card", "#fffdf7", "#f6ecd8"))


def area_backdrop(area, decorated=True):
    title, accent, tint, dark = AREAS[area]
    defs = grad("head", accent, dark) + grad("body", "#fffdf8", CREAM)
    bar_defs, bar_body = bottom_bar(False)
    body = '<rect x="0" y="0" width="640" height="440" fill="url(#body)"/>'
    body += '<rect x="0" y="0" width="640" height="64" fill="url(#head)"/>'
    body += f'<rect x="0" y="64" width="640" height="3" fill="{tint}"/>'
    # A soft repeated motif in the header.
    for i in range(9):
        body += (f'<circle cx="{40 + 72 * i}" cy="{18 + (i % 2) * 26}" r="{10 + (i % 3) * 4}" '
                 f'fill="#ffffff" opacity="0.10"/>')
    body += text(24, 44, title, 28, "#ffffff", anchor="start")
    body += text(616, 44, "Qelt Vintara", 13, "#ffffff", weight="normal", anchor="end",
                 style=' opacity="0.85"')
    body += f'<rect x="0" y="380" width="640" height="20" fill="{tint}" opacity="0.6"/>'
    save(f"database/{area}/pictures/areaback.svg", 640, 440, body + bar_body, defs + bar_defs)


def lesson_backdrop(area, folder, decorated):
    title, accent, tint, dark = AREAS[area]
    bar_defs, bar_body = bottom_bar(True)
    if decorated:
        defs = grad("body", "#fffdf8", tint) + grad("ribbon", accent, dark, x2="1", y2="0")
        body = '<rect x="0" y="0" width="640" height="440" fill="url(#body)"/>'
        # Squared paper, faint.
        for x in range(0, 640, 20):
            body += f'<rect x="{x}" y="0" width="1" height="400" fill="{accent}" opacity="0.08"/>'
        for y in range(0, 400, 20):
            body += f'<rect x="0" y="{y}" width="640" height="1" fill="{accent}" opacity="0.08"/>'
        body += '<rect x="0" y="0" width="640" height="10" fill="url(#ribbon)"/>'
        body += f'<rect x="0" y="10" width="640" height="2" fill="{YELLOW}"/>'
        body += f'<circle cx="612" cy="40" r="20" fill="{accent}" opacity="0.25"/>'
        body += f'<circle cx="586" cy="24" r="9" fill="{accent}" opacity="0.18"/>'
    else:
        defs = ""
        body = f'<rect x="0" y="0" width="640" height="440" fill="{PAPER}"/>'
        body += f'<rect x="0" y="0" width="640" height="4" fill="{accent}"/>'
    save(f"database/{area}/{folder}/pictures/backdrop/{'withstyl' if decorated else 'w_ostyle'}.svg",
         640, 440, body + bar_body, defs + bar_defs)


# ---- Gadgets ---------------------------------------------------------------

SEGMENTS = {  # a b c d e f g
    "0": "abcdef", "1": "bc", "2": "abdeg", "3": "abcdg", "4": "bcfg",
    "5": "acdfg", "6": "acdefg", "7": "abc", "8": "abcdefg", "9": "abcdfg",
}


def gadgets(folder):
    # Clock digits: a six-pixel lit digit and two transparent columns.
    for d, segs in SEGMENTS.items():
        on, off = "#ff8a3d", "#2b1a14"
        rects = {
            "a": (1, 1, 4, 1), "b": (5, 2, 1, 4), "c": (5, 8, 1, 4), "d": (1, 12, 4, 1),
            "e": (0, 8, 1, 4), "f": (0, 2, 1, 4), "g": (1, 7, 4, 0.01),
        }
        body = '<rect x="0" y="0" width="6" height="14" fill="#1b1411"/>'
        for s, (x, y, w, h) in rects.items():
            if s == "g":
                body += f'<rect x="1" y="6.5" width="4" height="1" fill="{on if s in segs else off}"/>'
            else:
                body += f'<rect x="{x}" y="{y}" width="{w}" height="{h}" fill="{on if s in segs else off}"/>'
        save(f"{folder}/fms10bf{d}.svg", 8, 14, body)
    # The stop-clock face: digits go at (8, 12) and (16, 12); the point at 14.
    save(f"{folder}/stopclk.svg", 32, 34,
         f'<rect x="13" y="0" width="6" height="4" rx="1" fill="{INK}"/>'
         f'<rect x="1" y="4.5" width="30" height="29" rx="9" fill="#dfe6ee" stroke="{INK}" stroke-width="1.5"/>'
         '<rect x="6" y="10" width="20" height="18" rx="2" fill="#1b1411"/>'
         '<rect x="14" y="24" width="2" height="2" fill="#ff6b3d"/>')
    # Meter dial: the scale and its knob.
    scale = '<rect x="0.5" y="0.5" width="129" height="29" rx="5" fill="#f7f3e8" stroke="{0}"/>'.format(INK)
    scale += f'<rect x="5" y="9" width="120" height="3" rx="1.5" fill="#9fb4d1"/>'
    for i in range(11):
        x = 5 + 12 * i
        scale += f'<rect x="{x - 0.5}" y="14" width="1" height="{6 if i % 5 == 0 else 3}" fill="{INK}"/>'
    scale += text(5, 28, "0", 7, INK) + text(65, 28, "5", 7, INK) + text(125, 28, "10", 7, INK)
    save(f"{folder}/dialscl.svg", 130, 30, scale)
    save(f"{folder}/dial.svg", 10, 14,
         f'<path d="M1,1 H9 V9 L5,13 L1,9 Z" fill="{CORAL}" stroke="{INK}" stroke-width="1"/>'
         '<rect x="3" y="3" width="4" height="1" fill="#ffffff" opacity="0.7"/>')
    # Ammeter face with its needle at zero.
    amp = (f'<rect x="0.5" y="0.5" width="69" height="55" rx="8" fill="#f7f3e8" stroke="{INK}" stroke-width="1.5"/>'
           f'<path d="M10,40 A26,26 0 0 1 60,40" fill="none" stroke="{INK}" stroke-width="1.5"/>')
    for i in range(6):
        a = math.radians(180 + 36 * i)
        amp += (f'<line x1="{35 + 25 * math.cos(a):.1f}" y1="{42 + 25 * math.sin(a):.1f}" '
                f'x2="{35 + 20 * math.cos(a):.1f}" y2="{42 + 20 * math.sin(a):.1f}" stroke="{INK}" stroke-width="1.2"/>')
    amp += f'<line x1="35" y1="42" x2="12" y2="40" stroke="{RED}" stroke-width="2" stroke-linecap="round"/>'
    amp += f'<circle cx="35" cy="42" r="3" fill="{INK}"/>' + text(35, 53, "A", 10, INK)
    save(f"{folder}/amc0.svg", 70, 56, amp)


# ---- Sound (Waves, topic 2) ------------------------------------------------

SOUND = "database/waves/topic2/pictures"
SCOPE_TRACE = "#8df5a5"  # a bright mint: pure green is the key colour


def card(body):
    """A picture card like the circuit symbols (120 x 80, white, rounded)."""
    return ('<rect x="2" y="2" width="116" height="76" rx="10" fill="#ffffff" '
            'stroke="#8a9bb0" stroke-width="2"/>' + body)


def sound_pictures():
    title, accent, tint, dark = AREAS["waves"]
    # The loudspeaker, side on: magnet, basket and rim. The cone's front is
    # part of the frames (sound1..4, and still) drawn just right of it at
    # x + 82.
    save(f"{SOUND}/speaker.svg", 84, 130,
         f'<rect x="2" y="46" width="26" height="38" rx="3" fill="{INK}"/>'
         f'<rect x="6" y="50" width="18" height="30" rx="2" fill="#4a5a6a"/>'
         f'<path d="M28,52 L78,10 M28,78 L78,120" stroke="#5b6b7b" stroke-width="3" fill="none"/>'
         f'<path d="M28,52 L78,10 L78,120 L28,78 Z" fill="{tint}" opacity="0.55"/>'
         f'<rect x="76" y="6" width="7" height="118" rx="2" fill="{dark}"/>')
    # The frames of the moving air, a quarter period apart: a column of
    # particles every 9 pixels, each moved along the wave; where they crowd
    # together is a compression, where they spread a rarefaction. The cone's
    # front moves with the first column.
    # "still" is the air at rest, with the cone in the middle of its travel.
    wavelength = 80.0
    for n, name, amp in ((0, "sound1", 6.0), (1, "sound2", 6.0), (2, "sound3", 6.0),
                         (3, "sound4", 6.0), (0, "still", 0.0)):
        phase = n * math.pi / 2
        body = ""
        cone = 4 + amp * math.sin(-phase)
        body += (f'<path d="M{cone:.1f},12 Q{cone + 9:.1f},65 {cone:.1f},118" fill="none" '
                 f'stroke="{CORAL}" stroke-width="4" stroke-linecap="round"/>')
        for i in range(25):
            x0 = 22 + 11 * i
            x = x0 + amp * math.sin(2 * math.pi * x0 / wavelength - phase)
            for j in range(7):
                y = 17 + 16 * j + (8 if i % 2 else 0)
                if y < 122:
                    body += f'<circle cx="{x:.1f}" cy="{y:.1f}" r="2.8" fill="{accent}" stroke="{dark}" stroke-width="0.8"/>'
        save(f"{SOUND}/{name}.svg", 300, 130, body)
    # The oscilloscope's screen, drawn opaquely: a bezel, a grid and a trace.
    def scope(name, amplitude, cycles):
        body = ('<rect x="0" y="0" width="220" height="140" fill="#3b4252"/>'
                '<rect x="1" y="1" width="218" height="138" fill="none" stroke="#222831" stroke-width="2"/>'
                '<rect x="10" y="10" width="200" height="110" rx="4" fill="#0f2a20"/>')
        for gx in range(30, 210, 20):
            body += f'<rect x="{gx}" y="10" width="1" height="110" fill="#1f4d3a"/>'
        for gy in range(25, 120, 15):
            body += f'<rect x="10" y="{gy}" width="200" height="1" fill="#1f4d3a"/>'
        body += '<rect x="10" y="64.5" width="200" height="1" fill="#2e6b52"/>'
        pts = " ".join(
            f"{x:.1f},{65 - amplitude * math.sin(2 * math.pi * cycles * (x - 14) / 192):.1f}"
            for x in [14 + k * 0.5 for k in range(385)])
        body += f'<polyline points="{pts}" fill="none" stroke="{SCOPE_TRACE}" stroke-width="2.2"/>'
        body += text(110, 133, "OSCILLOSCOPE", 8, "#c9d1dc", weight="normal", style=' letter-spacing="2"')
        for kx in (168, 190):
            body += f'<circle cx="{kx}" cy="129" r="4" fill="#c9d1dc" stroke="#222831"/>'
        save(f"{SOUND}/{name}.svg", 220, 140, body)
    scope("scopeq", 14, 3)
    scope("scopel", 42, 3)
    scope("scopeh", 42, 6)
    # Icons beside the screen: the loudspeaker with one small or three big
    # sound arcs, and two notes going up for a high pitch.
    horn = (f'<rect x="4" y="22" width="12" height="18" rx="2" fill="{NAVY}"/>'
            f'<polygon points="16,22 30,10 30,52 16,40" fill="{NAVY}"/>')
    save(f"{SOUND}/vol1.svg", 70, 62, horn +
         f'<path d="M37,24 Q42,31 37,38" fill="none" stroke="{accent}" stroke-width="3" stroke-linecap="round"/>')
    save(f"{SOUND}/vol3.svg", 70, 62, horn + "".join(
        f'<path d="M{36 + 9 * k},{22 - 6 * k} Q{44 + 12 * k},31 {36 + 9 * k},{40 + 6 * k}" fill="none" '
        f'stroke="{accent}" stroke-width="3.5" stroke-linecap="round"/>' for k in range(3)))
    note = lambda x, y: (f'<ellipse cx="{x}" cy="{y}" rx="6" ry="4.5" fill="{NAVY}" transform="rotate(-20 {x} {y})"/>'
                         f'<rect x="{x + 4.5}" y="{y - 26}" width="2.5" height="26" fill="{NAVY}"/>'
                         f'<path d="M{x + 7},{y - 26} q8,4 7,13" fill="none" stroke="{NAVY}" stroke-width="2.5"/>')
    save(f"{SOUND}/notehi.svg", 70, 62, note(14, 50) + note(40, 32) +
         f'<path d="M56,40 V12" stroke="{CORAL}" stroke-width="3"/>'
         f'<polygon points="50,16 56,5 62,16" fill="{CORAL}"/>')
    # The ear, in section, for a labelled diagram: leader lines end at the
    # right edge at y 24, 62, 100 and 134 (outer ear, ear canal, eardrum,
    # cochlea); the script writes the labels beside them.
    skin, inner = "#f1c8a5", "#e3a985"
    body = (
        f'<path d="M40,8 C8,10 2,50 18,72 C26,84 20,100 30,116 C38,130 56,128 58,112 '
        f'C60,100 54,94 56,84 L58,66 C60,40 66,10 40,8 Z" fill="{skin}" stroke="#a0623a" stroke-width="2"/>'
        f'<path d="M36,30 C22,34 22,58 34,66" fill="none" stroke="{inner}" stroke-width="4" stroke-linecap="round"/>'
        f'<rect x="54" y="56" width="44" height="14" fill="{inner}" stroke="#a0623a" stroke-width="2"/>'
        f'<path d="M98,50 Q102,63 98,76" fill="none" stroke="{NAVY}" stroke-width="3"/>'
        f'<path d="M102,62 L112,58 L118,66" fill="none" stroke="#8a6a3a" stroke-width="3" stroke-linecap="round"/>'
    )
    spiral = []
    for k in range(60):
        a = k * 0.26
        r = 16 - k * 0.22
        spiral.append(f"{136 + r * math.cos(a):.1f},{92 + r * math.sin(a):.1f}")
    body += f'<polyline points="{" ".join(spiral)}" fill="none" stroke="{CORAL}" stroke-width="4" stroke-linecap="round"/>'
    body += f'<path d="M118,66 Q126,72 124,80" fill="none" stroke="{CORAL}" stroke-width="3"/>'
    for sx in (-26, -18, -10):
        body += f'<path d="M{sx + 30},{30 + sx / 2} q6,6 0,12" fill="none" stroke="{accent}" stroke-width="2"/>'
    # Leader lines: outer ear to y 16, ear canal to y 46, cochlea to y 92,
    # eardrum (down, then right) to y 126.
    for d, (x1, y1) in (("M40,16 H190", (40, 16)), ("M74,58 L84,46 H190", (74, 58)),
                        ("M152,92 H190", (152, 92)), ("M99,76 V126 H190", (99, 76))):
        body += (f'<path d="{d}" fill="none" stroke="{INK}" stroke-width="1"/>'
                 f'<circle cx="{x1}" cy="{y1}" r="2" fill="{INK}"/>')
    save(f"{SOUND}/ear.svg", 190, 140, body)
    # The cards the jumps go through, and the badge that replaces their tick.
    save(f"{SOUND}/echo.svg", 120, 80, card(
        f'<rect x="92" y="14" width="20" height="56" fill="#a88b6a" stroke="#6f5a44" stroke-width="1.5"/>'
        f'<path d="M92,14 l6,10 l-6,10 l5,12 l-5,10 l4,14" fill="none" stroke="#6f5a44" stroke-width="1.5"/>'
        f'<circle cx="20" cy="30" r="6" fill="{INK}"/>'
        f'<path d="M20,36 V56 M20,56 L13,68 M20,56 L27,68 M20,42 L30,38" stroke="{INK}" stroke-width="3" '
        f'stroke-linecap="round" fill="none"/>'
        + "".join(f'<path d="M{38 + 14 * k},24 q6,10 0,20" fill="none" stroke="{accent}" stroke-width="2.5" '
                  f'stroke-linecap="round"/>' for k in range(3))
        + "".join(f'<path d="M{84 - 14 * k},44 q-6,10 0,20" fill="none" stroke="{CORAL}" stroke-width="2.5" '
                  f'stroke-linecap="round"/>' for k in range(3))))
    save(f"{SOUND}/ultra.svg", 120, 80, card(
        f'<path d="M14,40 C20,28 30,30 34,36 C36,30 40,30 42,36 C46,30 56,28 62,40 C54,38 48,44 44,50 '
        f'C40,46 36,46 32,50 C28,44 22,38 14,40 Z" fill="{INK}"/>'
        f'<path d="M36,34 l1.5,-5 l1.5,5 M40,34 l1.5,-5 l1.5,5" stroke="{INK}" stroke-width="1.5" fill="none"/>'
        + "".join(f'<path d="M{68 + 10 * k},{30 - 4 * k} q8,{10 + 4 * k} 0,{20 + 8 * k}" fill="none" '
                  f'stroke="{accent}" stroke-width="2" stroke-linecap="round"/>' for k in range(4))
        + f'<circle cx="110" cy="40" r="4" fill="{CORAL}"/>'))
    save(f"{SOUND}/seen.svg", 24, 24,
         f'<circle cx="12" cy="12" r="11.5" fill="{TICK}"/>'
         '<circle cx="12" cy="12" r="9.5" fill="none" stroke="#ffffff" stroke-width="1.2"/>'
         '<polyline points="7,12.5 10.5,16 17,8.5" fill="none" stroke="#ffffff" stroke-width="2.6" '
         'stroke-linecap="round" stroke-linejoin="round"/>')


# ---- The drag pointer ------------------------------------------------------


def drag_cursor():
    """pictures\\dragicon\\grab.cur: a 32 x 32 pointer (a hand closed on
    what it carries) written as a cursor file, hot spot in the middle."""
    size = 32

    def inside(x, y):
        # Returns the colour at (x, y), or None outside the shape.
        palm = (x - 16) ** 2 / 81 + (y - 18) ** 2 / 64 <= 1
        fingers = any((x - fx) ** 2 + (y - 9) ** 2 <= 12.5 for fx in (10, 14, 18, 22))
        thumb = (x - 6.5) ** 2 + (y - 17) ** 2 <= 9
        if palm or fingers or thumb:
            edge = not ((x - 16) ** 2 / 56 + (y - 18) ** 2 / 42 <= 1
                        or any((x - fx) ** 2 + (y - 9) ** 2 <= 5 for fx in (10, 14, 18, 22))
                        or (x - 6.5) ** 2 + (y - 17) ** 2 <= 3.5)
            return (0x1d, 0x35, 0x57) if edge else (0xf4, 0xc9, 0x5d)
        return None

    pixels = []  # bottom-up rows of BGRA
    for row in range(size - 1, -1, -1):
        line = b""
        for col in range(size):
            samples = [inside(col + (sx + 0.5) / 4, row + (sy + 0.5) / 4) for sx in range(4) for sy in range(4)]
            hits = [s for s in samples if s]
            if not hits:
                line += bytes((0, 0, 0, 0))
                continue
            r = sum(h[0] for h in hits) // len(hits)
            g = sum(h[1] for h in hits) // len(hits)
            b = sum(h[2] for h in hits) // len(hits)
            line += bytes((b, g, r, 255 * len(hits) // len(samples)))
        pixels.append(line)
    import struct
    xor = b"".join(pixels)
    and_mask = bytes(size * 4)  # all opaque: the alpha channel decides
    header = struct.pack("<IiiHHIIiiII", 40, size, size * 2, 1, 32, 0, len(xor) + len(and_mask), 0, 0, 0, 0)
    image = header + xor + and_mask
    data = struct.pack("<HHH", 0, 2, 1) + struct.pack("<BBBBHHII", size, size, 0, 0, 16, 16, len(image), 22) + image
    rel = "pictures/dragicon/grab.cur"
    path = os.path.join(ROOT, rel)
    os.makedirs(os.path.dirname(path), exist_ok=True)
    with open(path, "wb") as f:
        f.write(data)
    written.append(rel)


def main():
    bar_pictures()
    small_pictures()
    area_card()
    main_menu()
    for area in AREAS:
        area_backdrop(area)
        # The area menu's picture is wiped in, so it is opaque: a framed
        # panel on the card's colour.
        title, accent, tint, dark = AREAS[area]
        save(f"database/{area}/pictures/illus.svg", 168, 118,
             '<rect x="0" y="0" width="168" height="118" fill="#f9f2e3"/>'
             f'<rect x="1" y="1" width="166" height="116" rx="10" fill="#ffffff" stroke="{accent}" stroke-width="2"/>'
             '<g transform="translate(4,4)">' + illustration(area, 160, 110) + '</g>')
        folders = ["exam"] if area in ("quiz", "exam") else ["topic1", "exam"]
        if area in ("electric", "waves", "energy", "radio"):
            folders.append("topic2")
        for folder in folders:
            lesson_backdrop(area, folder, True)
            lesson_backdrop(area, folder, False)
            save(f"database/{area}/{folder}/pictures/illus.svg", 160, 110, illustration(area, 160, 110))
    gadgets("database/electric/topic1/pictures")
    gadgets("database/forces/topic1/pictures")
    gadgets("database/exam/exam/pictures")
    popup_panel()
    sound_pictures()
    drag_cursor()
    print(f"{len(written)} pictures written under {os.path.normpath(ROOT)}")


if __name__ == "__main__":
    main()
