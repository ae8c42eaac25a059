#!/usr/bin/python3
"""Writes the calculator window's skin source: skin.ini (CR LF) and the BMP files it names.

usage: make_skin.py [OUTDIR]      (default: resources/skin/source of this repository)

The output depends only on this code (and numpy's float arithmetic), so running it again gives the
same bytes; the committed files are its output.
"""

import os
import sys

import art
import bmp
import control_art
import notes
import frame_art as fa
import raster as rs
import sections as sx
from sections import rgb

PICTURES = ["buttons.bmp", "popup.bmp", "menuitem.bmp", "hint.bmp", "controls.bmp"]

OBJECT_ORDER = [
    ("menuitem", "menuitem"), ("caption", "caption"), ("closebutton", "stdbutton"),
    ("mainmenubaritem", "mainmenubaritem"), ("sysmenubutton", "stdbutton"),
    ("menubarsysmenubutton", "mainmenubarbutton"), ("menubarclosebutton", "mainmenubarbutton"),
    ("menubarmaxbutton", "mainmenubarbutton"), ("menubarminbutton", "mainmenubarbutton"),
    ("minanimate", "animate"), ("maxanimate", "animate"),
]


def object_sections(r):
    """The eleven skin objects; r holds the rectangles of skin picture 0."""
    text = rgb(*art.TEXT)
    grey = rgb(*art.GREY_TEXT)
    menubar = {}
    for name, key, command in (("menubarsysmenubutton", "mbsys", "cmsysmenu"),
                               ("menubarclosebutton", "mbclose", "cmclose"),
                               ("menubarmaxbutton", "mbmax", "cmmaximize"),
                               ("menubarminbutton", "mbmin", "cmminimize")):
        menubar[name] = dict(activepictureindex=0, skinrectinapicture=True, skinrect=r[f"{key}_normal"],
                             activeskinrect=r[f"{key}_hot"], downrect=r[f"{key}_down"], command=command)
    strip_frame = lambda s: (s[0], s[1], s[0] + 19, s[3])
    values = {
        "menuitem": dict(activepictureindex=2, skinrect=(1, 1, 64, 24), activeskinrect=(1, 1, 64, 24),
                         itemleftoffset=1, itemrightoffset=1, dividerrect=(2, 44, 63, 46), textrect=(4, 0, 60, 23),
                         fontname="Arial", fontheight=14, fontcolor=rgb(255, 255, 255), activefontcolor=rgb(0, 0, 0),
                         unenabledfontcolor=rgb(79, 95, 128), imagecolor=rgb(255, 255, 255)),
        "caption": dict(skinrect=fa.CAPTION, textrect=(2, 0, 53, 17), fontname="Arial", fontheight=16,
                        fontstyle="fsbold", fontcolor=rgb(185, 190, 194), activefontcolor=rgb(255, 255, 255),
                        alignment="taleftjustify", shadow=True, shadowcolor=rgb(0, 0, 0),
                        activeshadowcolor=rgb(74, 89, 119)),
        "closebutton": dict(activepictureindex=0, skinrect=fa.CLOSE, activeskinrect=r["close_hot"],
                            downrect=r["close_down"], disableskinrsect=r["close_disabled"], command="cmclose"),
        "mainmenubaritem": dict(activepictureindex=0, skinrectinapicture=True, skinrect=r["mbitem"],
                                activeskinrect=r["mbitem_hot"], itemleftoffset=3, itemrightoffset=3,
                                downrect=r["mbitem_down"], textrect=(3, 2, 43, 18), fontname="Arial", fontheight=14,
                                fontcolor=text, activefontcolor=text, downfontcolor=text, unenabledfontColor=grey),
        "sysmenubutton": dict(activepictureindex=0, skinrect=fa.SYSMENU, activeskinrect=r["sys_hot"],
                              downrect=r["sys_down"], command="cmsysmenu"),
        **menubar,
        "minanimate": dict(activepictureindex=0, skinrect=fa.MINIMIZE, activeskinrect=r["min_strip"], countframes=6,
                           buttonstyle=True, timerinterval=25, command="cmminimize", downskinrect=r["min_down"]),
        "maxanimate": dict(activepictureindex=0, skinrect=fa.MAXIMIZE, activeskinrect=r["max_strip"], countframes=6,
                           buttonstyle=True, timerinterval=25, command="cmmaximize", downskinrect=r["max_down"],
                           restorerect=strip_frame(r["restore_strip"]), restoreactiverect=r["restore_strip"],
                           restoredownrect=r["restore_down"]),
    }
    return [(name, kind, values[name]) for name, kind in OBJECT_ORDER]


def window_sections():
    form = dict(lefttoppoint=(30, 28), righttoppoint=(81, 28), leftbottompoint=(6, 140), rightbottompoint=(127, 134),
                clientrect=fa.CLIENT_RECT, maskrectarea=(5, 3, 145, 145), hittestlefttoppoint=(10, 10),
                hittestrighttoppoint=(140, 10), hittestleftbottompoint=(10, 140), hittestrightbottompoint=(140, 140),
                buttonsrect=(85, 5, 148, 26), captionrect=fa.CAPTION, buttonsoffset=2, borderwidth=3)
    popup = dict(windowpictureindex=1, lefttoppoint=(8, 8), righttoppoint=(138, 8), leftbottompoint=(8, 249),
                 rightbottompoint=(138, 249), itemsrect=(2, 2, 144, 255), scrollmarkercolor=rgb(200, 212, 232),
                 scrollmarkeractivecolor=rgb(255, 255, 255))
    hint = dict(windowpictureindex=3, lefttoppoint=(6, 6), righttoppoint=(111, 6), leftbottompoint=(6, 94),
                rightbottompoint=(111, 94), clientrect=(4, 4, 113, 96), fontname="Arial", fontheight=14,
                fontcolor=rgb(48, 44, 30))
    colours = dict(cbtnface=rgb(*art.CLIENT), cbtntext=rgb(*art.TEXT), cwindow=rgb(255, 255, 255),
                   cwindowtext=rgb(0, 0, 0), chighlight=rgb(*art.SEL_BOTTOM), chighlighttext=rgb(255, 255, 255),
                   cbtnhighlight=rgb(255, 255, 255), cbtnshadow=rgb(*art.FIELD_BORDER))
    return [
        sx.plain_lines("VERSION", [("skinname", "Vireltan"), ("skinauthor", "Vireltan"), ("authoremail", ""),
                                   ("authorurl", ""),
                                   ("skincomments", "Dark slate caption and frame, light client area.")]),
        sx.plain_lines("PICTURES", [("picture", "main.bmp"), ("inactivepicture", ""), ("mask", "mask.bmp"),
                                    ("activepicturescount", str(len(PICTURES)))] +
                       [(str(i), name) for i, name in enumerate(PICTURES)]),
        sx.section_lines("FORMINFO", sx.FORMINFO, form),
        sx.section_lines("POPUPWINDOW", sx.POPUPWINDOW, popup),
        sx.section_lines("HINTWINDOW", sx.HINTWINDOW, hint),
        sx.section_lines("SKINCOLORS", sx.SKINCOLORS, colours),
    ]


def main():
    here = os.path.dirname(os.path.abspath(__file__))
    out = sys.argv[1] if len(sys.argv) > 1 else os.path.join(here, "..", "..", "resources", "skin", "source")
    os.makedirs(out, exist_ok=True)

    sheet0, rects0 = fa.button_sheet()
    controls_img, controls = control_art.build()
    pictures = {"main.bmp": fa.main_picture(), PICTURES[0]: sheet0, PICTURES[1]: fa.popup_picture(),
                PICTURES[2]: fa.menu_item_picture(), PICTURES[3]: fa.hint_picture(), PICTURES[4]: controls_img}
    for name, img in pictures.items():
        with open(os.path.join(out, name), "wb") as f:
            f.write(bmp.bmp24(rs.to_bytes(img)))
    with open(os.path.join(out, "mask.bmp"), "wb") as f:
        f.write(bmp.bmp1(fa.mask_picture()))

    objects = object_sections(rects0)
    sections = window_sections()
    sections.append(sx.plain_lines("SKINOBJECTS", [("count", str(len(objects)))] +
                                   [(str(i), f"{n}:{k}") for i, (n, k, _) in enumerate(objects)]))
    sections.append(sx.plain_lines("SKINCONTROLS", [("count", str(len(controls)))] +
                                   [(str(i), f"{n}:{k}") for i, (n, k, _) in enumerate(controls)]))
    sections += [sx.section_lines(n, sx.OBJECT_KINDS[k], v) for n, k, v in objects]
    sections += [sx.section_lines(n, sx.CONTROL_KINDS[k], v) for n, k, v in controls]
    assert len(sections) == 80, len(sections)
    kinds = {n: k for n, k, _ in controls}
    sections = [notes.note(lines[0][1:-1], kinds.get(lines[0][1:-1])) + lines for lines in sections]
    sections[0] = notes.HEADER + sections[0]
    size = sx.write_ini(os.path.join(out, "skin.ini"), sections)
    print(f"{out}: {len(pictures) + 1} pictures, skin.ini {size} bytes, {len(sections)} sections")


if __name__ == "__main__":
    main()
