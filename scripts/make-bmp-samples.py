#!/usr/bin/env python3
"""Writes small BMP files of one 4 x 2 picture in every layout the editor reads
into fuzz/seeds/bmp: the BMP reader's tests decode each one, and the fuzz
harness starts from them. Top row: red, green, blue, white; bottom row: black,
yellow, cyan, magenta."""
import os
import struct

PICTURE = [[(255, 0, 0), (0, 255, 0), (0, 0, 255), (255, 255, 255)],
           [(0, 0, 0), (255, 255, 0), (0, 255, 255), (255, 0, 255)]]
PALETTE = [c for row in PICTURE for c in row]
W, H = 4, 2


def pad(row):
    return row + b'\0' * (-len(row) % 4)


def rows(encode, top_down):
    order = PICTURE if top_down else list(reversed(PICTURE))
    return b''.join(pad(encode(r)) for r in order)


def info(bpp, compression, data, top_down=False, colours=0, size=40):
    h = -H if top_down else H
    head = struct.pack('<IiiHHIIiiII', size, W, h, 1, bpp, compression, len(data), 2835, 2835,
                       colours, 0)
    return head + b'\0' * (size - 40)


def bmp(header, extra, data):
    offset = 14 + len(header) + len(extra)
    return b'BM' + struct.pack('<IHHI', offset + len(data), 0, 0, offset) + header + extra + data


def palette_bytes(count, entry=4):
    out = b''
    for k in range(count):
        r, g, b = PALETTE[k] if k < len(PALETTE) else (0, 0, 0)
        out += bytes([b, g, r]) + (b'\0' if entry == 4 else b'')
    return out


def pal8(top_down):
    data = rows(lambda r: bytes(PALETTE.index(c) for c in r), top_down)
    return bmp(info(8, 0, data, top_down, colours=8), palette_bytes(8), data)


def pal4():
    def enc(r):
        i = [PALETTE.index(c) for c in r]
        return bytes([i[0] << 4 | i[1], i[2] << 4 | i[3]])
    data = rows(enc, True)
    return bmp(info(4, 0, data, True), palette_bytes(16), data)


def rgb24():
    data = rows(lambda r: b''.join(bytes([b, g, r_]) for r_, g, b in r), True)
    return bmp(info(24, 0, data, True), b'', data)


def rgb32():
    data = rows(lambda r: b''.join(bytes([b, g, r_, 0]) for r_, g, b in r), False)
    return bmp(info(32, 0, data), b'', data)


def fields32_v5():
    # Masks of the later header (RGBX order), which a reader must take from there.
    data = rows(lambda r: b''.join(struct.pack('<I', r_ << 24 | g << 16 | b << 8) for r_, g, b in r),
                False)
    head = bytearray(info(32, 3, data, size=124))
    head[40:52] = struct.pack('<III', 0xFF000000, 0x00FF0000, 0x0000FF00)
    return bmp(bytes(head), b'', data)


def fields16():
    def px(c):
        r, g, b = c
        return struct.pack('<H', (r >> 3) << 11 | (g >> 2) << 5 | b >> 3)
    data = rows(lambda r: b''.join(px(c) for c in r), False)
    return bmp(info(16, 3, data), struct.pack('<III', 0xF800, 0x07E0, 0x001F), data)


def core8():
    data = rows(lambda r: bytes(PALETTE.index(c) for c in r), False)
    head = struct.pack('<IHHHH', 12, W, H, 1, 8)
    return bmp(head, palette_bytes(256, entry=3), data)


FILES = {
    'pal8_bottom_up.bmp': pal8(False), 'pal8_top_down.bmp': pal8(True), 'pal4_top_down.bmp': pal4(),
    'rgb24_top_down.bmp': rgb24(), 'rgb32_bottom_up.bmp': rgb32(),
    'fields32_v5.bmp': fields32_v5(), 'fields16.bmp': fields16(), 'core_pal8.bmp': core8(),
}

if __name__ == '__main__':
    folder = os.path.join(os.path.dirname(os.path.abspath(__file__)), '..', 'fuzz', 'seeds', 'bmp')
    os.makedirs(folder, exist_ok=True)
    for name, data in FILES.items():
        with open(os.path.join(folder, name), 'wb') as f:
            f.write(data)
