#!/usr/bin/env python3
"""skintool on the window's stored skin and on malformed stored skins built here in the container
format (version, flagged pictures, picture count, BMP files, text; zlib).

usage: skintool_test.py SKINTOOL REPO
Every case runs the tool as a separate process: a crash shows as a negative return code.
"""

import os
import struct
import subprocess
import sys
import tempfile
import zlib

SKINTOOL, REPO = sys.argv[1], sys.argv[2]
SKIN = os.path.join(REPO, "resources", "skin", "vireltan.skin")
SOURCE = os.path.join(REPO, "resources", "skin", "source")
failures = []

OBJECTS = ("objects 11 menuitem:menuitem caption:caption closebutton:stdbutton mainmenubaritem:mainmenubaritem "
           "sysmenubutton:stdbutton menubarsysmenubutton:mainmenubarbutton menubarclosebutton:mainmenubarbutton "
           "menubarmaxbutton:mainmenubarbutton menubarminbutton:mainmenubarbutton minanimate:animate "
           "maxanimate:animate")
CONTROL_NAMES = (
    "button toolpanel toolbutton checkbox gauge vgauge radiobox panel label trackbar htrackbar grid tab edit memo "
    "hscrollbar vscrollbar listbox combobox checklistbox spinedit groupbox stdlabel statuspanel statusbar "
    "buttonedit vupdown hupdown captionlistbox captionchecklistbox captioncombobox controlbar mainmenubar "
    "vsplitter hsplitter resizebutton bothhscrollbar bigtoolpanel bigtoolbutton toolmenubutton "
    "toolmenutrackbutton bigtoolmenubutton bigtoolmenutrackbutton scrollbox treeview listview statusgauge "
    "richedit expanel slider bevel statusedit statusbuttonedit statusspinedit statuscombobox resizetoolbutton "
    "resizetoolpanel combobutton htracktoolbutton vtracktoolbutton menuitembutton").split()


def run(*args):
    result = subprocess.run([SKINTOOL, *args], capture_output=True, text=True, errors="replace")
    return result.returncode, result.stdout.splitlines(), result.stderr.splitlines()


def check(name, condition, detail=""):
    if not condition:
        failures.append(f"{name}: {detail}")


def expect_failure(name, code, out, err, stdout_lines, error):
    check(name, code == 1, f"exit {code}")
    check(name, out == stdout_lines, f"stdout {out!r}, expected {stdout_lines!r}")
    check(name, err == [f"error: {error}"], f"stderr {err!r}")


def bmp24(width, height, fill=b"\x40"):
    stride = (width * 3 + 3) & ~3
    image = fill * (stride * height)
    info = struct.pack("<IiiHHIIiiII", 40, width, height, 1, 24, 0, len(image), 0, 0, 0, 0)
    return struct.pack("<2sIHHI", b"BM", 54 + len(image), 0, 0, 54) + info + image


INI = ("[VERSION]\r\nskinname=t\r\n[PICTURES]\r\npicture=main.bmp\r\nactivepicturescount=1\r\n0=p.bmp\r\n"
       "[FORMINFO]\r\nclientrect=1,1,3,3\r\n[SKINOBJECTS]\r\ncount=1\r\n0=caption:caption\r\n"
       "[SKINCONTROLS]\r\ncount=2\r\n0=edit:edit\r\n1=odd:Panel\r\n[caption]\r\nskinrect=0,0,4,2\r\n")


def container(version=3, main=bmp24(4, 4), count=1, pictures=(bmp24(2, 3),), text=INI, legacy=b""):
    out = struct.pack("<i", version) + (b"\x00" + main if main else b"\x01") + b"\x01\x01" + legacy
    return out + struct.pack("<i", count) + b"".join(pictures) + text.encode("latin-1")


def stored(tmp, name, data, compress=True):
    path = os.path.join(tmp, name)
    with open(path, "wb") as f:
        f.write(zlib.compress(data, 9) if compress else data)
    return path


def read_bmp(path):
    """Width, height and rows (top first) of (b, g, r) tuples of an uncompressed 1- or 24-bit BMP."""
    with open(path, "rb") as f:
        data = f.read()
    offset, = struct.unpack_from("<I", data, 10)
    width, height, _, bits = struct.unpack_from("<iiHH", data, 18)
    header_size, = struct.unpack_from("<I", data, 14)
    palette = [tuple(data[14 + header_size + 4 * i:14 + header_size + 4 * i + 3]) for i in range(2)] if bits == 1 else []
    rows_count = abs(height)
    stride = ((width * bits + 31) // 32) * 4
    rows = []
    for y in range(rows_count):
        start = offset + stride * (rows_count - 1 - y if height > 0 else y)
        line = data[start:start + stride]
        if bits == 24:
            rows.append([tuple(line[3 * x:3 * x + 3]) for x in range(width)])
        else:
            rows.append([palette[(line[x // 8] >> (7 - x % 8)) & 1] for x in range(width)])
    return width, abs(height), rows


def crop(picture, left, top, right, bottom):
    return [row[left:right] for row in picture[2][top:bottom]]


def paint_checks(tmp):
    out = os.path.join(tmp, "out.bmp")
    controls = read_bmp(os.path.join(SOURCE, "controls.bmp"))
    main_picture = read_bmp(os.path.join(SOURCE, "main.bmp"))

    # render: the group box and list box at their own sizes are their skin rectangles; a strip keeps its
    # skin rectangle's height whatever height is asked for.
    for name, rect in (("groupbox", (352, 75, 411, 127)), ("listbox", (262, 0, 310, 48)),
                       ("edit", (52, 199, 112, 219))):
        w, h = rect[2] - rect[0], rect[3] - rect[1]
        code, lines, err = run("render", SKIN, name, str(w), str(h), out)
        check(f"render {name}", code == 0 and not lines and not err, f"{code} {lines} {err}")
        if code == 0:
            check(f"render {name} at its own size", read_bmp(out)[2] == crop(controls, *rect))
    code, lines, err = run("render", SKIN, "groupbox", "713", "134", out)
    check("render groupbox 713x134", code == 0, f"{code} {err}")
    if code == 0:
        width, height, rows = read_bmp(out)
        check("render groupbox size", (width, height) == (713, 134), f"{width}x{height}")
        # Corners unscaled at their moved places; the client area (2,17)-(711,132) tiled from the
        # definition's client image (skin columns 2..57, rows 17..50: 55 x 33 tiles) from its top-left corner.
        check("render groupbox top-left", crop((0, 0, rows), 0, 0, 5, 17) == crop(controls, 352, 75, 357, 92))
        check("render groupbox bottom-right", crop((0, 0, rows), 709, 130, 713, 134) ==
              crop(controls, 407, 123, 411, 127))
        check("render groupbox client tile", rows[17 + 33 + 7][2 + 55 + 7] == controls[2][75 + 17 + 7][352 + 2 + 7])
    code, lines, err = run("render", SKIN, "edit", "200", "90", out)
    check("render edit keeps its height", code == 0 and read_bmp(out)[:2] == (200, 20), f"{code} {err}")

    # frame: at the main picture's size the pieces are the main picture outside the client rectangle.
    code, lines, err = run("frame", SKIN, "150", "150", out)
    check("frame 150", code == 0 and not lines and not err, f"{code} {err}")
    if code == 0:
        rows = read_bmp(out)[2]
        wrong = [(x, y) for y in range(150) for x in range(150) if rows[y][x] != (
            (0, 0, 0) if 5 <= x < 145 and 27 <= y < 142 else main_picture[2][y][x])]
        check("frame 150 reproduces the main picture", not wrong, f"{len(wrong)} pixels, first {wrong[:3]}")
    code, lines, err = run("frame", SKIN, "746", "411", out)
    if code == 0:
        width, height, rows = read_bmp(out)
        check("frame 746x411", (width, height) == (746, 411) and rows[200][300] == (0, 0, 0) and
              crop((0, 0, rows), 677, 0, 746, 27) == crop(main_picture, 81, 0, 150, 27))
    else:
        check("frame 746x411", False, f"{code} {err}")

    # region: the mask's black pixels, the rounded top corners left out.
    mask = read_bmp(os.path.join(SOURCE, "mask.bmp"))
    for width, height in ((150, 150), (746, 411)):
        code, lines, err = run("region", SKIN, str(width), str(height))
        name = f"region {width}x{height}"
        check(name, code == 0 and not err and len(lines) >= 2, f"{code} {err}")
        if code != 0 or len(lines) < 2:
            continue
        rects = [tuple(int(v) for v in line.split(",")) for line in lines[2:]]
        check(name + " count", lines[0] == f"rects {len(rects)}", lines[0])
        check(name + " bounds", lines[1] == f"bounds 0,0,{width},{height}", lines[1])
        covered = set()
        for left, top, right, bottom in rects:
            covered.update((x, y) for y in range(top, bottom) for x in range(left, right))
        outside = set()
        for y in range(mask[1]):
            for x in range(mask[0] // 2):
                if mask[2][y][x] != (0, 0, 0):
                    outside.add((x, y))
                if mask[2][y][mask[0] - 1 - x] != (0, 0, 0):
                    outside.add((width - 1 - x, y))
        check(name + " corners", (0, 0) in outside and (width - 1, 0) in outside and not covered & outside)
        check(name + " covers the rest", len(covered) == width * height - len(outside),
              f"{len(covered)} of {width * height - len(outside)}")

    # Errors: one line on stderr, nothing on stdout, exit 1.
    for name, args in (("unknown name", ("render", SKIN, "nosuchcontrol", "10", "10", out)),
                       ("other letter case", ("render", SKIN, "GroupBox", "10", "10", out)),
                       ("not a skin rectangle", ("render", SKIN, "stdlabel", "10", "10", out)),
                       ("zero width", ("render", SKIN, "groupbox", "0", "10", out)),
                       ("negative height", ("frame", SKIN, "10", "-3", out)),
                       ("not a number", ("region", SKIN, "12x", "10")),
                       ("empty number", ("region", SKIN, "", "10")),
                       ("huge size", ("frame", SKIN, "99999999999", "10", out)),
                       ("too large picture", ("frame", SKIN, "1000000", "1000000", out)),
                       ("missing file", ("region", os.path.join(tmp, "missing.skin"), "10", "10")),
                       ("not a skin", ("frame", os.path.join(SOURCE, "skin.ini"), "10", "10", out)),
                       ("unwritable output", ("frame", SKIN, "10", "10", os.path.join(tmp, "no", "x.bmp"))),
                       ("missing argument", ("render", SKIN, "groupbox", "10", "10"))):
        code, lines, err = run(*args)
        check(name, code == 1 and not lines and len(err) == 1 and err[0].startswith("error: "),
              f"{code} {lines} {err}")


def main():
    # The window's skin: exactly the values the skin is made to have.
    code, out, err = run("info", SKIN)
    check("info", code == 0 and not err, f"exit {code} {err}")
    check("info", out[:7] == ["version 3", "main 150x150x24", "inactive none", "mask 150x150x1",
                              "pictures 5 185x114x24 146x257x24 65x115x24 117x100x24 537x382x24", "sections 80",
                              OBJECTS], f"{out[:7]}")
    controls = out[7].split() if len(out) > 7 else []
    check("info controls", controls[:2] == ["controls", "61"] and [c.split(":")[0] for c in controls[2:]] ==
          CONTROL_NAMES, f"{controls[:4]}")
    check("info groupbox kind", "groupbox:panel" in controls and "stdlabel:stdlabel" in controls)

    code, out, err = run("show", SKIN, "groupbox")
    check("show groupbox", code == 0 and out[:4] == ["[groupbox]", "pictureindex=4", "maskpictureindex=-1",
                                                     "skinrect=352,75,411,127"], f"{code} {out[:4]}")
    check("show groupbox caption", "captionrect=2,1,57,15" in out and "fontcolor=16777215" in out)
    code, out, err = run("show", SKIN, "closebutton")
    check("show closebutton", code == 0 and "disableskinrsect=21,28,38,45" in out and "command=cmclose" in out)
    code, out, err = run("show", SKIN, "GroupBox")
    expect_failure("show with other letter case", code, out, err, [], "no definition named 'GroupBox'")

    with tempfile.TemporaryDirectory() as tmp:
        # The committed stored skin is what skintool packs from the committed source.
        packed = os.path.join(tmp, "packed.skin")
        code, out, err = run("pack", os.path.join(SOURCE, "skin.ini"), packed)
        check("pack", code == 0, f"{code} {err}")
        with open(packed, "rb") as a, open(SKIN, "rb") as b:
            check("pack reproduces the committed skin", a.read() == b.read())
        unpacked = os.path.join(tmp, "unpacked")
        code, out, err = run("unpack", SKIN, unpacked)
        check("unpack", code == 0, f"{code} {err}")
        for name in sorted(os.listdir(SOURCE)):
            with open(os.path.join(SOURCE, name), "rb") as a, open(os.path.join(unpacked, name), "rb") as b:
                check(f"unpack {name}", a.read() == b.read())

        # A small skin and its variants.
        good = stored(tmp, "good.skin", container())
        code, out, err = run("info", good)
        check("small skin", code == 0 and out == ["version 3", "main 4x4x24", "inactive none", "mask none",
                                                  "pictures 1 2x3x24", "sections 6", "objects 1 caption:caption",
                                                  "controls 1 edit:edit"], f"{code} {out} {err}")
        legacy = stored(tmp, "v2.skin", container(2, legacy=b"\x00" + bmp24(1, 1) + b"\x01"))
        code, out2, err = run("info", legacy)
        check("version 2 reads as version 3", code == 0 and out2[1:] == out[1:], f"{out2}")

        header = ["version 3", "main 4x4x24", "inactive none", "mask none"]
        cases = [
            ("empty file", stored(tmp, "empty", b"", compress=False), [], "%s is empty" % os.path.join(tmp, "empty")),
            ("not zlib", stored(tmp, "raw", b"hello, not a stream", compress=False), [], "compression error"),
            ("damaged zlib", stored(tmp, "dmg", zlib.compress(container(), 9)[:40] + b"\0" * 40, compress=False),
             [], "compression error"),
            ("version 4", stored(tmp, "v4", container(4)), ["version 4"], "container version 4 is not supported"),
            ("short version", stored(tmp, "short", b"\x03\x00"), [], "Stream read error"),
            ("not a BMP", stored(tmp, "nobmp", container(main=b"XM" + bmp24(4, 4)[2:])), ["version 3"],
             "Bitmap image is not valid"),
            ("truncated picture list", stored(tmp, "trunc", container(count=3, text="")),
             header + ["pictures 1 2x3x24"], "Stream read error"),
            ("giant count", stored(tmp, "giant", container(count=0x7FFFFFFF)), header + ["pictures 1 2x3x24"],
             "Bitmap image is not valid"),
            ("malformed clientrect", stored(tmp, "rect", container(text=INI.replace("1,1,3,3", "1,1,3"))),
             header + ["pictures 1 2x3x24", "sections 6"], "'' is not a valid integer value"),
            ("malformed object rect", stored(tmp, "orect", container(text=INI.replace("0,0,4,2", "0,,4,2"))),
             header + ["pictures 1 2x3x24", "sections 6"], "'' is not a valid integer value"),
        ]
        for name, path, lines, error in cases:
            code, out, err = run("info", path)
            expect_failure(name, code, out, err, lines, error)
        # Headers that claim huge or negative sizes end the load with an error, never a crash.
        for name, width, height in (("huge bmp", 1 << 20, 1 << 20), ("negative bmp", -4, 4),
                                    ("zero-width bmp", 0, 4)):
            lying = bytearray(bmp24(4, 4))
            struct.pack_into("<ii", lying, 18, width, height)
            code, out, err = run("info", stored(tmp, name, container(main=bytes(lying))))
            check(name, code == 1 and len(err) == 1 and out[:1] == ["version 3"], f"{code} {err}")
        negative = stored(tmp, "neg", container(count=-5, pictures=()))
        code, out, err = run("info", negative)
        check("negative count", code == 0 and out[4] == "pictures 0", f"{code} {out} {err}")
        code, out, err = run("show", stored(tmp, "v4b", container(4)), "edit")
        expect_failure("show version 4", code, out, err, [], "container version 4 is not supported")

        # import: version, length, data.
        data = zlib.compress(container(), 9)
        csk = os.path.join(tmp, "a.csk")
        with open(csk, "wb") as f:
            f.write(struct.pack("<ii", 3, len(data)) + data)
        target = os.path.join(tmp, "imported.skin")
        code, out, err = run("import", csk, target)
        with open(target, "rb") as f:
            check("import", code == 0 and f.read() == data, f"{code} {err}")
        with open(csk, "wb") as f:
            f.write(struct.pack("<ii", 4, len(data)) + data)
        code, out, err = run("import", csk, target)
        expect_failure("import version 4", code, out, err, [], "container version 4 is not supported")
        with open(csk, "wb") as f:
            f.write(struct.pack("<ii", 3, 0x7FFFFFF0) + data)
        code, out, err = run("import", csk, target)
        expect_failure("import length past the end", code, out, err, [], "Stream read error")

        # pack: a skin file without its required sections packs nothing.
        bare = os.path.join(tmp, "bare.ini")
        with open(bare, "w") as f:
            f.write("[VERSION]\r\n")
        code, out, err = run("pack", bare, os.path.join(tmp, "bare.skin"))
        check("pack without sections", code == 1 and len(err) == 1 and not os.path.exists(
            os.path.join(tmp, "bare.skin")), f"{code} {err}")
        paint_checks(tmp)
        code, out, err = run("info")
        check("usage", code == 1 and err == ["error: usage: skintool info FILE"], f"{code} {err}")

    for failure in failures:
        print("FAIL", failure)
    print(f"skintool: {len(failures)} failures")
    return 1 if failures else 0


if __name__ == "__main__":
    sys.exit(main())
