#!/usr/bin/env python3
"""Render picture levels as plain black-and-white PNG sheets for a reading.

A reader who has never seen the pictures looks at the sheets and writes down
what each picture shows, so the sheets carry no names: nine pictures to a
sheet, in a shuffled order, numbered only by their place (row by row, 1 to 9).
The key file that maps sheet and place back to the source file and the
picture's name is written elsewhere, so it is not handed over with the
sheets; the reader gets it once the blind guesses are written.

    python3 scripts/picture-sheets.py levels/10 --out reading/10 \
        --key reading/keys/10.txt [--seed 27] [--block 24] [--in-order]
"""
import argparse
import os
import random
import struct
import sys
import zlib

PER_SHEET = 9
COLUMNS = 3


def read_picture(path):
    """The name and the picture (rows of booleans) of one source file; the
    picture is None when it is not square."""
    name, rows = "", []
    with open(path, encoding="utf-8") as source:
        for line in source:
            line = line.rstrip("\n")
            if line.startswith("name:"):
                name = line[len("name:"):].strip()
            elif line and not line.startswith(";") and set(line) <= {"#", "."}:
                rows.append([c == "#" for c in line])
    if not rows or any(len(row) != len(rows) for row in rows):
        return name, None
    return name, rows


def picture_files(folders):
    files = []
    for folder in folders:
        if os.path.isfile(folder):
            files.append(folder)
            continue
        for name in sorted(os.listdir(folder)):
            if name.endswith(".txt") and name[0].isdigit():
                files.append(os.path.join(folder, name))
    return files


def write_png(path, width, height, pixels):
    """pixels: a bytearray of width*height grey values."""
    raw = bytearray()
    for y in range(height):
        raw.append(0)
        raw.extend(pixels[y * width:(y + 1) * width])

    def chunk(kind, data):
        body = kind + data
        return (struct.pack(">I", len(data)) + body +
                struct.pack(">I", zlib.crc32(body) & 0xFFFFFFFF))

    header = struct.pack(">IIBBBBB", width, height, 8, 0, 0, 0, 0)
    with open(path, "wb") as out:
        out.write(b"\x89PNG\r\n\x1a\n")
        out.write(chunk(b"IHDR", header))
        out.write(chunk(b"IDAT", zlib.compress(bytes(raw), 9)))
        out.write(chunk(b"IEND", b""))


def paint_sheet(boards, block):
    """Boards side by side, three to a row, each with a thin frame."""
    size = len(boards[0])
    gap = block * 2
    cell = size * block
    rows = (len(boards) + COLUMNS - 1) // COLUMNS
    width = gap + COLUMNS * (cell + gap)
    height = gap + rows * (cell + gap)
    pixels = bytearray([255]) * (width * height)
    for index, board in enumerate(boards):
        left = gap + (index % COLUMNS) * (cell + gap)
        top = gap + (index // COLUMNS) * (cell + gap)
        paint_frame(pixels, width, left - 2, top - 2, cell + 4)
        for y, row in enumerate(board):
            for x, bomb in enumerate(row):
                if bomb:
                    fill(pixels, width, left + x * block, top + y * block,
                         block, block, 0)
    return width, height, pixels


def paint_frame(pixels, width, left, top, side):
    grey = 180
    fill(pixels, width, left, top, side, 1, grey)
    fill(pixels, width, left, top + side - 1, side, 1, grey)
    fill(pixels, width, left, top, 1, side, grey)
    fill(pixels, width, left + side - 1, top, 1, side, grey)


def fill(pixels, width, left, top, w, h, value):
    for y in range(top, top + h):
        start = y * width + left
        pixels[start:start + w] = bytes([value]) * w


def main():
    parser = argparse.ArgumentParser(description=__doc__.splitlines()[0])
    parser.add_argument("sources", nargs="+",
                        help="size folders or source files")
    parser.add_argument("--out", required=True, help="folder for the sheets")
    parser.add_argument("--key", required=True,
                        help="key file: sheet and place to source file")
    parser.add_argument("--seed", type=int, default=27)
    parser.add_argument("--block", type=int, default=0,
                        help="pixels a block (default: 240 / board size)")
    parser.add_argument("--in-order", action="store_true",
                        help="keep the files' order instead of shuffling")
    args = parser.parse_args()

    files = picture_files(args.sources)
    pictures = []
    for path in files:
        name, board = read_picture(path)
        if board is None:
            print("skipped, no square picture: " + path, file=sys.stderr)
            continue
        pictures.append((path, name, board))
    if not pictures:
        print("no pictures", file=sys.stderr)
        return 1
    if not args.in_order:
        random.Random(args.seed).shuffle(pictures)

    key_folder = os.path.dirname(os.path.abspath(args.key))
    if os.path.abspath(args.out) == key_folder:
        print("keep the key outside the sheets' folder", file=sys.stderr)
        return 2
    os.makedirs(args.out, exist_ok=True)
    os.makedirs(key_folder, exist_ok=True)
    lines = []
    for first in range(0, len(pictures), PER_SHEET):
        group = pictures[first:first + PER_SHEET]
        sheet = "sheet-%02d.png" % (first // PER_SHEET + 1)
        sizes = {len(board) for _, _, board in group}
        block = args.block or max(4, 240 // max(sizes))
        padded = [board for _, _, board in group]
        width, height, pixels = paint_sheet(padded, block)
        write_png(os.path.join(args.out, sheet), width, height, pixels)
        for place, (path, name, _) in enumerate(group, 1):
            lines.append("%s %d %s %s" % (sheet, place, path, name))
    with open(args.key, "w", encoding="utf-8") as key:
        key.write("# sheet, place (row by row, 1 to 9), source file, name\n")
        key.write("\n".join(lines) + "\n")
    print("%d pictures on %d sheets in %s; key %s" % (
        len(pictures), (len(pictures) + PER_SHEET - 1) // PER_SHEET,
        args.out, args.key))
    return 0


if __name__ == "__main__":
    sys.exit(main())
