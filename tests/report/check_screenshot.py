#!/usr/bin/env python3
"""Checks a screenshot of the report page: its size, that the page was drawn
(neither blank nor a block of one colour), that the slip marks' red shows, and
that the plots' lines keep their satellites' colours apart.

    check_screenshot.py PAGE.png WIDTH HEIGHT COLOURS

COLOURS is the least number of the palette's colours that must be seen.
Reads 8-bit RGB or RGBA PNG files (what Chromium writes) with the standard
library alone."""
import struct
import sys
import zlib

# The line palette of report/SvgPlot.cpp and the slip marks' red.
PALETTE = ["1f77b4", "d62728", "2ca02c", "ff7f0e", "9467bd", "8c564b", "e377c2", "17becf",
           "7f7f7f", "bcbd22", "393b79", "637939", "8c6d31", "843c39", "7b4173", "3182bd",
           "e6550d", "31a354", "756bb1", "000000"]
SLIP_RED = (0xdd, 0x00, 0x00)


def read_png(path):
    data = open(path, "rb").read()
    if data[:8] != b"\x89PNG\r\n\x1a\n":
        sys.exit("not a PNG file: " + path)
    pos, chunks, header = 8, [], None
    while pos < len(data):
        length, kind = struct.unpack(">I4s", data[pos:pos + 8])
        body = data[pos + 8:pos + 8 + length]
        if kind == b"IHDR":
            header = struct.unpack(">IIBBBBB", body)
        elif kind == b"IDAT":
            chunks.append(body)
        pos += 12 + length
    width, height, depth, colour_type, _, _, interlace = header
    if depth != 8 or colour_type not in (2, 6) or interlace:
        sys.exit("unexpected PNG form: depth %d, colour type %d" % (depth, colour_type))
    channels = 3 if colour_type == 2 else 4
    raw = zlib.decompress(b"".join(chunks))
    stride = width * channels
    rows, previous = [], bytearray(stride)
    for y in range(height):
        start = y * (stride + 1)
        kind, line = raw[start], bytearray(raw[start + 1:start + 1 + stride])
        for i in range(stride):
            left = line[i - channels] if i >= channels else 0
            up = previous[i]
            corner = previous[i - channels] if i >= channels else 0
            if kind == 1:
                line[i] = (line[i] + left) & 255
            elif kind == 2:
                line[i] = (line[i] + up) & 255
            elif kind == 3:
                line[i] = (line[i] + (left + up) // 2) & 255
            elif kind == 4:
                p = left + up - corner
                pa, pb, pc = abs(p - left), abs(p - up), abs(p - corner)
                line[i] = (line[i] + (left if pa <= pb and pa <= pc else up if pb <= pc else corner)) & 255
        rows.append(bytes(line))
        previous = line
    return width, height, channels, rows


def main():
    path, width, height, wanted = sys.argv[1], int(sys.argv[2]), int(sys.argv[3]), int(sys.argv[4])
    w, h, channels, rows = read_png(path)
    if (w, h) != (width, height):
        sys.exit("screenshot is %dx%d, not %dx%d" % (w, h, width, height))
    palette = [tuple(int(c[i:i + 2], 16) for i in (0, 2, 4)) for c in PALETTE]
    counts, drawn, red = {}, 0, 0
    for row in rows:
        for x in range(0, w * channels, channels):
            pixel = (row[x], row[x + 1], row[x + 2])
            if pixel == (255, 255, 255):
                continue
            drawn += 1
            if pixel == SLIP_RED:
                red += 1
            if pixel in palette:
                counts[pixel] = counts.get(pixel, 0) + 1
    share = drawn / (w * h)
    seen = sum(1 for n in counts.values() if n >= 20)
    problems = []
    if not 0.03 <= share <= 0.6:
        problems.append("%.1f %% of the pixels drawn: not a rendered page" % (100 * share))
    if red < 20:
        problems.append("the slip marks' red is missing (%d pixels)" % red)
    if seen < wanted:
        problems.append("%d palette colours seen, %d expected" % (seen, wanted))
    if problems:
        sys.exit("; ".join(problems))
    print("screenshot: %dx%d, %.1f %% drawn, %d red, %d palette colours"
          % (w, h, 100 * share, red, seen))


main()
