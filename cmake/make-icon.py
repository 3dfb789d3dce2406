#!/usr/bin/python3
"""Makes a Windows icon (.ico) from a text picture: colour lines
("<char> RRGGBB"), then equal rows of characters, "." transparent; "#"
starts a comment. The icon holds the picture at 1x and 2x, as 32-bit
images with alpha. The same text always gives the same bytes.

Usage: make-icon.py picture.txt out.ico
"""
import struct
import sys


def read_picture(path):
    colours, rows = {}, []
    for line in open(path, encoding="ascii"):
        line = line.rstrip("\n")
        if not line or line.startswith("#"):
            continue
        parts = line.split()
        if len(parts) == 2 and len(parts[0]) == 1 and len(parts[1]) == 6:
            colours[parts[0]] = tuple(int(parts[1][i:i + 2], 16) for i in (0, 2, 4))
        else:
            rows.append(line)
    if not rows or any(len(row) != len(rows[0]) for row in rows):
        sys.exit(f"{path}: the rows of the picture differ in length")
    for row in rows:
        for pixel in row:
            if pixel != "." and pixel not in colours:
                sys.exit(f"{path}: no colour for {pixel!r}")
    return colours, rows


def image(colours, rows, scale):
    """One icon image: BITMAPINFOHEADER, BGRA rows bottom-up, AND mask."""
    width, height = len(rows[0]) * scale, len(rows) * scale
    pixels, mask = b"", b""
    mask_row_bytes = (width + 31) // 32 * 4
    for y in reversed(range(height)):
        row = rows[y // scale]
        bits = 0
        for x in range(width):
            pixel = row[x // scale]
            if pixel == ".":
                pixels += b"\0\0\0\0"
                bits |= 1 << (mask_row_bytes * 8 - 1 - x)
            else:
                red, green, blue = colours[pixel]
                pixels += bytes((blue, green, red, 255))
        mask += bits.to_bytes(mask_row_bytes, "big")
    header = struct.pack("<IiiHHIIiiII", 40, width, height * 2, 1, 32, 0, len(pixels) + len(mask), 0, 0, 0, 0)
    return width, height, header + pixels + mask


def main(source, target):
    colours, rows = read_picture(source)
    images = [image(colours, rows, scale) for scale in (1, 2)]
    out = struct.pack("<HHH", 0, 1, len(images))
    offset = 6 + 16 * len(images)
    for width, height, data in images:
        out += struct.pack("<BBBBHHII", width % 256, height % 256, 0, 0, 1, 32, len(data), offset)
        offset += len(data)
    out += b"".join(data for _, _, data in images)
    with open(target, "wb") as ico:
        ico.write(out)


if __name__ == "__main__":
    main(*sys.argv[1:])
