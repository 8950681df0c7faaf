#!/usr/bin/env python3
"""Writes the banner's three pieces as XPM files beside this script.

The pieces share one vertical shading, so it is kept here once: light blue at
the top, deep navy just below the middle, lighter again at the bottom edge.
Edit the stops below and run the script; the XPM files it writes are what the
build compiles in, so commit them too.
"""

from pathlib import Path

HEIGHT = 35

# (row, colour) stops; rows between two stops are interpolated linearly.
STOPS = [
    (0, (0xB4, 0xD2, 0xF5)),
    (6, (0x6E, 0x9C, 0xE0)),
    (21, (0x00, 0x14, 0x5A)),
    (30, (0x14, 0x32, 0x82)),
    (34, (0x46, 0x6E, 0xBE)),
]

# The outermost column of each end piece is this far towards white.
EDGE_LIGHTEN = 0.45

SYMBOLS = "abcdefghijklmnopqrstuvwxyzABCDEFGHIJKLMNOPQRSTUVWXYZ0123456789"


def shade(row):
    for (r0, c0), (r1, c1) in zip(STOPS, STOPS[1:]):
        if r0 <= row <= r1:
            t = (row - r0) / (r1 - r0)
            return tuple(round(a + (b - a) * t) for a, b in zip(c0, c1))
    raise ValueError(row)


def lighten(colour):
    return tuple(round(c + (255 - c) * EDGE_LIGHTEN) for c in colour)


def write_xpm(path, name, columns):
    """columns: one function row -> colour per column, left to right."""
    pixels = [[column(row) for column in columns] for row in range(HEIGHT)]
    palette = sorted({p for line in pixels for p in line})
    codes = {}
    for i, colour in enumerate(palette):
        codes[colour] = SYMBOLS[i // len(SYMBOLS)] + SYMBOLS[i % len(SYMBOLS)]
    lines = ["/* XPM */", f"static const char *{name}[] = {{"]
    lines.append(f'"{len(columns)} {HEIGHT} {len(palette)} 2",')
    for colour in palette:
        lines.append('"%s c #%02X%02X%02X",' % ((codes[colour],) + colour))
    rows = ['"' + "".join(codes[p] for p in line) + '"' for line in pixels]
    lines.append(",\n".join(rows))
    lines.append("};")
    path.write_text("\n".join(lines) + "\n")


def main():
    here = Path(__file__).resolve().parent
    edge = lambda row: lighten(shade(row))
    write_xpm(here / "banner-left.xpm", "banner_left", [edge, shade, shade])
    write_xpm(here / "banner-middle.xpm", "banner_middle", [shade] * 20)
    write_xpm(here / "banner-right.xpm", "banner_right", [shade, shade, edge])


if __name__ == "__main__":
    main()
