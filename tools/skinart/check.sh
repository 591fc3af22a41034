#!/bin/sh
# Checks the default skin pictures, at 1x and at 2x ("<name>@2x.bmp": twice the size, the same
# layout in blocks of 2 x 2 pixels): every file present, exact size, 4- or 8-bit with a palette,
# the transparent colour in the palette, and the unused areas of the slider and list box
# pictures in that colour, and the "on" accent in exactly the pictures of states that are on.
# Prints one line per file; exits non-zero on any fault.
# Usage: tools/skinart/check.sh [repository root]
root="${1:-$(dirname "$0")/../..}"
exec python3 - "$root" <<'PY'
import os, struct, sys

root = sys.argv[1]
BACKGROUND = (62, 73, 67)
ACCENT = (247, 178, 72)  # the glyph colour of a state that is on, used nowhere else

def command_table():
    """The button pictures of the command table: (pictures, pictures of a state that is on).
    Only the numbered pictures are in the built-in set."""
    import re
    text = open(os.path.join(root, "src", "common", "ButtonCommand.h")).read()
    row = re.compile(r'\{ButtonCommand::\w+, "[^"]*", "[^"]*", "([^"]+)\.bmp", '
                     r'(?:"([^"]+)\.bmp"|nullptr), (?:true|false)\}')
    pictures, on = [], set()
    for picture, picture_on in row.findall(text):
        for name in (picture, picture_on):
            if re.match(r"\d{3}_", name):
                pictures.append(name)
        if picture_on:
            on.add(picture_on)
    if not pictures:
        sys.exit("no button pictures found in src/common/ButtonCommand.h")
    return pictures, on

buttons, ON_STATES = command_table()

def expected_size(name, size_class):
    u = 10 * (size_class + 1)
    if name in buttons:
        return (3 * u, u)
    if name in ("200_progress", "201_volume"):
        return (4 * u, u * 5 // 2)
    return {"300_info": (15, 20), "400_listbox": (40, 25)}[name]

def read_bmp(path):
    data = open(path, "rb").read()
    if data[:2] != b"BM":
        raise ValueError("not a BMP file")
    offset = struct.unpack_from("<I", data, 10)[0]
    header_size, width, height, _, bits, compression = struct.unpack_from("<IiiHHI", data, 14)
    colours_used = struct.unpack_from("<I", data, 46)[0] or (1 << bits if bits <= 8 else 0)
    palette_start = 14 + header_size
    palette = [tuple(reversed(data[palette_start + 4 * i: palette_start + 4 * i + 3]))
               for i in range(colours_used)]
    if bits not in (4, 8) or compression != 0:
        return width, height, bits, palette, None
    stride = ((width * bits + 31) // 32) * 4
    pixels = {}
    for row in range(abs(height)):
        y = abs(height) - 1 - row if height > 0 else row
        line = data[offset + row * stride: offset + (row + 1) * stride]
        for x in range(width):
            if bits == 8:
                index = line[x]
            else:
                index = (line[x // 2] >> (4 if x % 2 == 0 else 0)) & 0xF
            pixels[(x, y)] = palette[index]
    return width, abs(height), bits, palette, pixels

def scaled(area, scale):
    return {(x * scale + dx, y * scale + dy) for x, y in area
            for dx in range(scale) for dy in range(scale)}

def unused_area(name, size_class):
    u = 10 * (size_class + 1)
    if name in ("200_progress", "201_volume"):
        area = {(x, y) for x in range(int(2.5 * u), 3 * u) for y in range(u, 2 * u)}
        area |= {(x, y) for x in range(3 * u) for y in range(2 * u, u * 5 // 2)}
        return area - {(0, u * 5 // 2 - 1)}
    if name == "400_listbox":
        used = [(0, 20), (5, 20), (10, 20), (15, 20), (25, 15), (25, 10), (25, 20), (20, 20)]
        tiles = {(tx + x, ty + y) for tx, ty in used for x in range(5) for y in range(5)}
        return {(x, y) for x in range(40) for y in range(25)} - tiles
    return set()

faults = 0
print("%-25s %5s %9s %9s %5s %8s" % ("file", "class", "size", "expected", "bits", "colours"))
for scale, suffix, size_class, name in [
        (scale, suffix, size_class, name)
        for scale, suffix in ((1, ".bmp"), (2, "@2x.bmp")) for size_class in range(3)
        for name in buttons + ["200_progress", "201_volume", "300_info", "400_listbox"]]:
        file_name = name + suffix
        path = os.path.join(root, "resources", "default", str(size_class), file_name)
        problems = []
        try:
            width, height, bits, palette, pixels = read_bmp(path)
        except (OSError, ValueError, struct.error) as error:
            print("%-25s %5d  FAULT: %s" % (file_name, size_class, error))
            faults += 1
            continue
        expected = tuple(scale * side for side in expected_size(name, size_class))
        if (width, height) != expected:
            problems.append("wrong size")
        if bits not in (4, 8):
            problems.append("not 4 or 8 bits")
        if BACKGROUND not in palette:
            problems.append("background colour missing from the palette")
        if pixels is not None:
            if any(pixels[p] != BACKGROUND
                   for p in scaled(unused_area(name, size_class), scale)):
                problems.append("unused area not in the background colour")
            if name in ("200_progress", "201_volume"):
                block = scaled({(0, height // scale - 1)}, scale)
                if len({pixels[p] for p in block}) != 1 or pixels[(0, height - 1)] == BACKGROUND:
                    problems.append("fill colour block is the background colour or uneven")
            if (ACCENT in pixels.values()) != (name in ON_STATES):
                problems.append("accent colour where it does not belong, or missing")
            if all(colour == BACKGROUND for colour in pixels.values()):
                problems.append("picture is empty")
        used = len(set(pixels.values())) if pixels else 0
        print("%-25s %5d %9s %9s %5d %8d %s" % (file_name, size_class,
              "%dx%d" % (width, height), "%dx%d" % expected, bits, used,
              "FAULT: " + "; ".join(problems) if problems else "ok"))
        faults += bool(problems)
print("%d faults" % faults)
sys.exit(1 if faults else 0)
PY
