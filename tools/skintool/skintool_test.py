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
        code, out, err = run("info")
        check("usage", code == 1 and err == ["error: usage: skintool info FILE"], f"{code} {err}")

    for failure in failures:
        print("FAIL", failure)
    print(f"skintool: {len(failures)} failures")
    return 1 if failures else 0


if __name__ == "__main__":
    sys.exit(main())
