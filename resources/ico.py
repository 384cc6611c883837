#!/usr/bin/env python3
# SPDX-License-Identifier: GPL-3.0-or-later
# SPDX-FileCopyrightText: 2026 Les auteurs de SalvaNOR
"""Packs raw RGBA pictures into one Windows icon file with chosen colour depths.

usage: ico.py OUT.ico SIZE:BITS:FILE.rgba [...]
BITS is 4 (16 colours), 8 (256 colours) or 24 (true colour). Each FILE.rgba holds
SIZE x SIZE pixels, already reduced by the caller to the colours BITS allows.
"""
import struct
import sys


def dib(size, bits, rgba):
    pixels = [rgba[i:i + 4] for i in range(0, len(rgba), 4)]
    rows = [pixels[y * size:(y + 1) * size] for y in range(size)][::-1]  # bottom-up
    palette = []
    if bits in (4, 8):
        for p in pixels:
            if p[:3] not in palette:
                palette.append(p[:3])
        if len(palette) > (1 << bits):
            sys.exit(f"{size}px: {len(palette)} colours do not fit {bits} bits")
        palette += [b"\0\0\0"] * ((1 << bits) - len(palette))
    xor = bytearray()
    for row in rows:
        line = bytearray()
        if bits == 24:
            for p in row:
                line += bytes((p[2], p[1], p[0]))
        elif bits == 8:
            line += bytes(palette.index(p[:3]) for p in row)
        else:
            idx = [palette.index(p[:3]) for p in row]
            line += bytes((idx[i] << 4) | idx[i + 1] for i in range(0, size, 2))
        line += b"\0" * (-len(line) % 4)
        xor += line
    mask = bytearray()
    for row in rows:
        line = bytearray((size + 7) // 8)
        for x, p in enumerate(row):
            if p[3] < 128:  # transparent
                line[x // 8] |= 0x80 >> (x % 8)
        line += b"\0" * (-len(line) % 4)
        mask += line
    header = struct.pack("<IiiHHIIiiII", 40, size, size * 2, 1, bits, 0,
                         len(xor) + len(mask), 0, 0,
                         (1 << bits) if bits <= 8 else 0, 0)
    colours = b"".join(bytes((c[2], c[1], c[0], 0)) for c in palette)
    return header + colours + bytes(xor) + bytes(mask)


def main():
    out, entries = sys.argv[1], sys.argv[2:]
    images = []
    for entry in entries:
        size, bits, path = entry.split(":", 2)
        size, bits = int(size), int(bits)
        with open(path, "rb") as f:
            images.append((size, bits, dib(size, bits, f.read())))
    offset = 6 + 16 * len(images)
    data = struct.pack("<HHH", 0, 1, len(images))
    for size, bits, blob in images:
        data += struct.pack("<BBBBHHII", size % 256, size % 256, 16 if bits == 4 else 0, 0,
                            1, bits, len(blob), offset)
        offset += len(blob)
    data += b"".join(blob for _, _, blob in images)
    with open(out, "wb") as f:
        f.write(data)


if __name__ == "__main__":
    main()
