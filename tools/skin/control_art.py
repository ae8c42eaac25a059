"""Skin picture 4 (537 x 382), the sheet every skin control definition is cut from, and the 61
control sections in the order the skin lists them."""

import numpy as np

import art
import raster as rs
from sections import rgb

PICTURE = 4
TEXT = rgb(*art.TEXT)
GREY = rgb(*art.GREY_TEXT)
WHITE = rgb(255, 255, 255)
BLUE = rgb(30, 90, 180)
KEY = rgb(*art.KEY)

# Kinds in the skin's order; positions are visible to every lookup (groupbox 21, stdlabel 22).
ORDER = [
    ("button", "button"), ("toolpanel", "panel"), ("toolbutton", "button"), ("checkbox", "checkradio"),
    ("gauge", "gauge"), ("vgauge", "gauge"), ("radiobox", "checkradio"), ("panel", "panel"),
    ("label", "label"), ("trackbar", "trackbar"), ("htrackbar", "trackbar"), ("grid", "grid"), ("tab", "tab"),
    ("edit", "edit"), ("memo", "memo"), ("hscrollbar", "scrollbar"), ("vscrollbar", "scrollbar"),
    ("listbox", "listbox"), ("combobox", "combobox"), ("checklistbox", "checklistbox"),
    ("spinedit", "spinedit"), ("groupbox", "panel"), ("stdlabel", "stdlabel"), ("statuspanel", "label"),
    ("statusbar", "panel"), ("buttonedit", "edit"), ("vupdown", "updown"), ("hupdown", "updown"),
    ("captionlistbox", "listbox"), ("captionchecklistbox", "checklistbox"), ("captioncombobox", "combobox"),
    ("controlbar", "controlbar"), ("mainmenubar", "mainmenubar"), ("vsplitter", "splitter"),
    ("hsplitter", "splitter"), ("resizebutton", "button"), ("bothhscrollbar", "scrollbar"),
    ("bigtoolpanel", "panel"), ("bigtoolbutton", "button"), ("toolmenubutton", "menubutton"),
    ("toolmenutrackbutton", "menubutton"), ("bigtoolmenubutton", "menubutton"),
    ("bigtoolmenutrackbutton", "menubutton"), ("scrollbox", "scrollbox"), ("treeview", "treeview"),
    ("listview", "listview"), ("statusgauge", "gauge"), ("richedit", "richedit"), ("expanel", "expanel"),
    ("slider", "slider"), ("bevel", "bevel"), ("statusedit", "edit"), ("statusbuttonedit", "edit"),
    ("statusspinedit", "spinedit"), ("statuscombobox", "combobox"), ("resizetoolbutton", "button"),
    ("resizetoolpanel", "panel"), ("combobutton", "button"), ("htracktoolbutton", "button"),
    ("vtracktoolbutton", "button"), ("menuitembutton", "button"),
]

# Places the window's skin fixes on this sheet.
COMBO = (318, 3, 376, 23)
COMBO_HOT_BUTTON = (358, 24, 375, 43)
COMBO_ITEM = (319, 4, 358, 21)
GROUPBOX = (352, 75, 411, 127)
STATUS_COMBO = (420, 3, 478, 21)


def rel(r, base):
    return (r[0] - base[0], r[1] - base[1], r[2] - base[0], r[3] - base[1])


def nine(w, h, m, client=None):
    """Corner points m pixels in from each corner: a nine-piece layout."""
    return {"lefttoppoint": (m, m), "righttoppoint": (w - m, m), "leftbottompoint": (m, h - m),
            "rightbottompoint": (w - m, h - m), "clientrect": client or (m, m, w - m, h - m)}


def hstrip(w, left, right, client):
    """Fixed left and right parts: a horizontal three-piece strip."""
    return {"lefttoppoint": (left, 0), "righttoppoint": (w - right, 0), "clientrect": client}


def vstrip(h, top, bottom, client):
    return {"lefttoppoint": (0, top), "leftbottompoint": (0, h - bottom), "clientrect": client}


def font(colour=TEXT, height=14, style="", name="Arial"):
    return {"fontname": name, "fontheight": height, "fontstyle": style, "fontcolor": colour}


def selection(w, h, focus=False):
    img = rs.vgradient(w, h, art.SEL_TOP, art.SEL_BOTTOM)
    rs.hline(img, 0, w, 0, (150, 186, 240), alpha=0.8)
    if focus:
        for x in range(0, w, 2):
            img[0, x] = img[h - 1, x] = art.WHITE
        for y in range(0, h, 2):
            img[y, 0] = img[y, w - 1] = art.WHITE
    return img


def arrow_button(w, h, state, glyph, radius=2.5, background=art.CLIENT):
    img = art.face(w, h, state, radius, background)
    colour = art.GREY_TEXT if state == "disabled" else art.TEXT
    shift = 0.5 if state == "down" else 0.0
    art.glyph(img, 0, 0, w, h, glyph, colour, dx=shift, dy=shift)
    return img


def combo_button(w, h, state, border=art.FIELD_BORDER, glyph="down"):
    """The drop-down part of a combo box: its own left seam and top edge, the face below."""
    top, bottom, edge = art.FACES[state]
    img = rs.vgradient(w, h, top, bottom)
    if state in ("normal", "hot"):
        rs.hline(img, 1, w, 1, art.WHITE, alpha=0.7)
    edge = border if state == "normal" else edge
    rs.hline(img, 0, w, 0, edge)
    rs.vline(img, 0, 0, h, edge)
    colour = art.GREY_TEXT if state == "disabled" else art.TEXT
    shift = 0.5 if state == "down" else 0.0
    art.glyph(img, 1, 0, w - 1, h, glyph, colour, dx=shift, dy=shift)  # centred right of the seam
    return img


def combo_image(w, h, border=art.FIELD_BORDER, shadow=True):
    img = art.field(w, h, border, shadow=shadow)
    img[0:h - 1, w - 18:w - 1] = combo_button(17, h - 1, "normal", border)
    return img


def toolbar_bg(w, h):
    img = rs.vgradient(w, h, (250, 251, 253), (226, 231, 238))
    rs.hline(img, 0, w, 0, art.WHITE)
    rs.hline(img, 0, w, h - 1, art.FIELD_BORDER_FLAT)
    return img


def check_image(state, checked, round_=False):
    """A 13 x 13 check-box or radio mark on the client colour: drawn as it is, or with its bottom-left
    (corner) colour transparent, it sits cleanly on a light background."""
    img = rs.new_image(13, 13, art.CLIENT)
    border = {"normal": art.FIELD_BORDER, "hot": art.FIELD_BORDER_HOT, "disabled": (190, 196, 206)}[state]
    fill = {"normal": art.WHITE, "hot": (236, 244, 255), "disabled": (238, 240, 243)}[state]
    mark = art.GREY_TEXT if state == "disabled" else art.ACCENT
    if round_:
        rs.blend(img, 0, 0, rs.ellipse_cov(13, 13, 6.5, 6.5, 6.5, 6.5), border)
        rs.blend(img, 0, 0, rs.ellipse_cov(13, 13, 6.5, 6.5, 5.5, 5.5), fill)
        if checked:
            rs.blend(img, 0, 0, rs.ellipse_cov(13, 13, 6.5, 6.5, 3.0, 3.0), mark)
    else:
        rs.fill_rounded(img, 0, 0, 13, 13, 2, border)
        rs.fill_rounded(img, 1, 1, 11, 11, 1, fill)
        if checked:
            art.glyph(img, 0, 0, 13, 13, "check", mark)
    return img


def build():
    """Draw the sheet; return (image, [(name, kind, values)] in ORDER)."""
    sheet = art.Sheet(537, 382, art.CLIENT)
    sheet.reserve(318, 0, 378, 66)
    sheet.reserve(350, 73, 413, 129)
    sheet.reserve(*STATUS_COMBO)
    put = sheet.put
    defs = {}

    # Combo box at its fixed place, with its hot button right under it and the item looks beside.
    put(combo_image(58, 20), COMBO[0], COMBO[1])
    put(combo_button(17, 19, "hot"), COMBO_HOT_BUTTON[0], COMBO_HOT_BUTTON[1])
    focus_item = put(selection(39, 17, focus=True), 319, 25)
    hover_item = put(rs.vgradient(39, 17, (246, 250, 255), (232, 241, 253)), 319, 45)
    down_button = put(combo_button(17, 19, "down"), 358, 45)
    gb = group_box()
    put(gb, GROUPBOX[0], GROUPBOX[1])

    defs["combobox"] = combo_box_section(sheet, COMBO, COMBO_HOT_BUTTON, COMBO_ITEM, focus_item, hover_item,
                                         down_button)
    defs["groupbox"] = dict(
        pictureindex=PICTURE, skinrect=GROUPBOX, lefttoppoint=(5, 17), righttoppoint=(52, 17),
        leftbottompoint=(4, 47), rightbottompoint=(55, 48), clientrect=(2, 17, 57, 50), captionrect=(2, 1, 57, 15),
        alignment="tacenter", **font(WHITE), checkimagerect=put(check_image("normal", True)),
        uncheckimagerect=put(check_image("normal", False)))

    # Buttons.
    def states(w, h, radius=3.0, glyph=None, background=art.CLIENT, flat_normal=False):
        out = {}
        for state, key in (("normal", "skinrect"), ("hot", "activeskinrect"), ("down", "downskinrect"),
                           ("disabled", "disabledskinrect")):
            look = "flat" if flat_normal and state in ("normal", "disabled") else state
            img = art.face(w, h, look, radius, background(w, h) if callable(background) else background)
            if glyph:
                colour = art.GREY_TEXT if state == "disabled" else art.TEXT
                art.glyph(img, 0, 0, w, h, glyph, colour, dx=0.5 if state == "down" else 0)
            out[key] = put(img)
        return out

    button_fonts = dict(**font(), activefontcolor=TEXT, downfontcolor=TEXT, disabledfontcolor=GREY)
    edges = dict(leftstretch=True, rightstretch=True, stretcheffect=True, stretchtype="stfull")
    defs["button"] = dict(pictureindex=PICTURE, **states(64, 24), **nine(64, 24, 4, (3, 3, 61, 21)), **edges,
                          **button_fonts, showfocus=True)
    defs["resizebutton"] = dict(pictureindex=PICTURE, **states(22, 22), **nine(22, 22, 4, (3, 3, 19, 19)), **edges,
                                **button_fonts)
    defs["combobutton"] = dict(pictureindex=PICTURE, **states(17, 19, 2.0), **nine(17, 19, 3, (2, 2, 15, 17)),
                               **edges, **button_fonts)

    tb = lambda w, h: toolbar_bg(w, h + 6)[3:h + 3]
    defs["toolpanel"] = dict(pictureindex=PICTURE, skinrect=put(toolbar_bg(40, 28)), **nine(40, 28, 2, (1, 1, 39, 27)),
                             **edges, **font())
    defs["bigtoolpanel"] = dict(pictureindex=PICTURE, skinrect=put(toolbar_bg(40, 46)),
                                **nine(40, 46, 2, (1, 1, 39, 45)), **edges, **font())
    grip = put(art.dotted_grip(4, 18))
    defs["resizetoolpanel"] = dict(pictureindex=PICTURE, skinrect=put(toolbar_bg(40, 28)),
                                   **nine(40, 28, 2, (1, 1, 39, 27)), **edges, **font(), gripperrect=grip,
                                   grippertransparent=True, grippertransparentcolor=KEY)
    tool_fonts = dict(button_fonts)
    defs["toolbutton"] = dict(pictureindex=PICTURE, **states(24, 22, 3, background=tb, flat_normal=True),
                              **nine(24, 22, 4, (3, 3, 21, 19)), **edges, **tool_fonts)
    defs["resizetoolbutton"] = dict(pictureindex=PICTURE, **states(24, 22, 3, background=tb, flat_normal=True),
                                    **nine(24, 22, 4, (3, 3, 21, 19)), **edges, **tool_fonts)
    defs["bigtoolbutton"] = dict(pictureindex=PICTURE, **states(36, 36, 4, background=tb, flat_normal=True),
                                 **nine(36, 36, 5, (4, 4, 32, 32)), **edges, **tool_fonts)
    defs["htracktoolbutton"] = dict(pictureindex=PICTURE, **states(12, 22, 2, "smallright", tb, True),
                                    **tool_fonts)
    defs["vtracktoolbutton"] = dict(pictureindex=PICTURE, **states(22, 12, 2, "smalldown", tb, True),
                                    **tool_fonts)

    markers = {}
    for key, colour in (("menumarkerflatrect", art.GREY_TEXT), ("menumarkerrect", art.TEXT),
                        ("menumarkeractiverect", art.ACCENT), ("menumarkerdownrect", art.TEXT)):
        img = rs.new_image(7, 4, art.KEY)
        for row in range(4):
            img[row, row:7 - row] = colour
        markers[key] = put(img)
    markers["menumarkertransparentcolor"] = KEY
    defs["toolmenubutton"] = dict(pictureindex=PICTURE, **states(32, 22, 3, background=tb, flat_normal=True),
                                  **nine(32, 22, 4, (3, 3, 29, 19)), **edges, **tool_fonts, **markers)
    defs["bigtoolmenubutton"] = dict(pictureindex=PICTURE, **states(44, 36, 4, background=tb, flat_normal=True),
                                     **nine(44, 36, 5, (4, 4, 40, 32)), **edges, **tool_fonts, **markers)
    defs["toolmenutrackbutton"] = dict(pictureindex=PICTURE, **split_states(sheet, 36, 22, 24, tb),
                                       clientrect=(3, 3, 21, 19), lefttoppoint=(4, 4),
                                       righttoppoint=(20, 4), rightbottompoint=(20, 18), leftbottompoint=(4, 18),
                                       **edges, **tool_fonts, **markers, trackbuttonrect=(24, 0, 36, 22))
    defs["bigtoolmenutrackbutton"] = dict(pictureindex=PICTURE, **split_states(sheet, 48, 36, 36, tb),
                                          lefttoppoint=(5, 5), righttoppoint=(31, 5), leftbottompoint=(5, 31),
                                          rightbottompoint=(31, 31), clientrect=(4, 4, 32, 32), **edges,
                                          **tool_fonts, **markers, trackbuttonrect=(36, 0, 48, 36))
    menu_look = {}
    for state, key in (("normal", "skinrect"), ("hot", "activeskinrect"), ("down", "downskinrect"),
                       ("disabled", "disabledskinrect")):
        if state in ("normal", "disabled"):
            img = rs.new_image(60, 22, art.CLIENT)
        else:
            top, bottom = (art.MENU_TOP, art.MENU_BOTTOM) if state == "hot" else (art.MENU_BOTTOM, (74, 94, 132))
            img = rs.vgradient(60, 22, top, bottom)
            rs.hline(img, 0, 60, 0, (132, 154, 192), alpha=0.7)
        menu_look[key] = put(img)
    defs["menuitembutton"] = dict(pictureindex=PICTURE, **menu_look, **nine(60, 22, 3, (2, 2, 58, 20)), **edges,
                                  **font(), activefontcolor=WHITE, downfontcolor=WHITE, disabledfontcolor=GREY)

    # Check boxes and radio buttons.
    for name, round_ in (("checkbox", False), ("radiobox", True)):
        bg = put(rs.new_image(80, 17, art.CLIENT))
        images = {}
        for key, state, checked in (("checkimagerect", "normal", True), ("uncheckimagerect", "normal", False),
                                    ("activecheckimagerect", "hot", True), ("activeuncheckimagerect", "hot", False),
                                    ("unenabledcheckimagerect", "disabled", True),
                                    ("unenableduncheckimagerect", "disabled", False)):
            images[key] = put(check_image(state, checked, round_))
        defs[name] = dict(pictureindex=PICTURE, skinrect=bg, activeskinrect=bg, **hstrip(80, 1, 1, (0, 0, 80, 17)),
                          **font(), activefontcolor=BLUE, unenabledfontcolor=GREY, framefontcolor=TEXT,
                          checkimagearea=(1, 2, 14, 15), textarea=(18, 0, 80, 17), **images)

    # Gauges.
    def progress(w, h, vertical=False):
        top, bottom = (118, 196, 112), (56, 146, 62)
        img = rs.hgradient(w, h, top, bottom) if vertical else rs.vgradient(w, h, top, bottom)
        if vertical:
            rs.vline(img, 0, 0, h, (200, 240, 196), alpha=0.7)
        else:
            rs.hline(img, 0, w, 0, (200, 240, 196), alpha=0.7)
        return img

    defs["gauge"] = dict(pictureindex=PICTURE, skinrect=put(art.field(80, 18)), **hstrip(80, 3, 3, (2, 2, 78, 16)),
                         progressarea=(2, 2, 78, 16), progressrect=put(progress(24, 14)), beginoffset=0,
                         endoffset=0, **font())
    defs["vgauge"] = dict(pictureindex=PICTURE, skinrect=put(art.field(18, 80)), **vstrip(80, 3, 3, (2, 2, 16, 78)),
                          progressarea=(2, 2, 16, 78), progressrect=put(progress(14, 24, True)), vertical=True,
                          **font())
    defs["statusgauge"] = dict(pictureindex=PICTURE, skinrect=put(art.field(60, 14, art.FIELD_BORDER_FLAT,
                                                                             shadow=False)),
                               **hstrip(60, 3, 3, (2, 2, 58, 12)), progressarea=(2, 2, 58, 12),
                               progressrect=put(progress(20, 10)), **font(height=12))

    # Panels, labels, status bar.
    panel = rs.new_image(40, 40, art.PANEL)
    rs.outline(panel, 0, 0, 40, 40, art.FIELD_BORDER_FLAT)
    rs.hline(panel, 1, 39, 1, art.WHITE)
    rs.vline(panel, 1, 1, 39, art.WHITE)
    rs.hline(panel, 1, 39, 38, (214, 219, 228))
    rs.vline(panel, 38, 1, 39, (214, 219, 228))
    defs["panel"] = dict(pictureindex=PICTURE, skinrect=put(panel), **nine(40, 40, 3, (2, 2, 38, 38)), **font())
    label = put(rs.new_image(24, 17, art.CLIENT))
    defs["label"] = dict(pictureindex=PICTURE, skinrect=label, **nine(24, 17, 1), **font())
    defs["stdlabel"] = dict(pictureindex=PICTURE, skinrect=label, **font(), activefontcolor=BLUE)
    sunken = rs.new_image(40, 20, art.CLIENT)
    rs.hline(sunken, 0, 40, 0, art.FIELD_BORDER_FLAT)
    rs.vline(sunken, 0, 0, 20, art.FIELD_BORDER_FLAT)
    rs.hline(sunken, 0, 40, 19, art.WHITE)
    rs.vline(sunken, 39, 0, 20, art.WHITE)
    defs["statuspanel"] = dict(pictureindex=PICTURE, skinrect=put(sunken), **nine(40, 20, 2, (2, 2, 38, 18)),
                               **font(height=13))
    status = rs.vgradient(60, 22, (246, 247, 250), (228, 232, 239))
    rs.hline(status, 0, 60, 0, art.FIELD_BORDER_FLAT)
    rs.hline(status, 0, 60, 1, art.WHITE)
    size_grip = rs.new_image(12, 12, art.KEY)
    for x, y in ((9, 9), (6, 9), (9, 6), (3, 9), (6, 6), (9, 3)):
        size_grip[y:y + 2, x:x + 2] = (150, 160, 180)
        size_grip[y + 1, x + 1] = art.WHITE
    defs["statusbar"] = dict(pictureindex=PICTURE, skinrect=put(status), **nine(60, 22, 2, (0, 2, 60, 22)),
                             leftstretch=True, rightstretch=True, stretcheffect=True, **font(height=13),
                             gripperrect=put(size_grip), grippertransparent=True, grippertransparentcolor=KEY)
    scrollbox = art.field(40, 40, art.FIELD_BORDER_FLAT, fill=art.PANEL, shadow=False)
    defs["scrollbox"] = dict(pictureindex=PICTURE, skinrect=put(scrollbox), **nine(40, 40, 3, (1, 1, 39, 39)))

    # Edits.
    def edit_family(name, h, border, shadow, button=None):
        w = 60
        right = 3 if button is None else w - 42 if button == "dots" else w - 44
        normal = art.field(w, h, border, shadow=shadow)
        active = art.field(w, h, art.FIELD_BORDER_HOT, shadow=shadow)
        extra = {}
        if button == "dots":
            for img in (normal, active):
                img[1:h - 1, 42:w - 1] = combo_button(17, h - 2, "normal", border, "dots")[:, :]
            extra = dict(buttonrect=(42, 1, 59, h - 1),
                         activebuttonrect=put(combo_button(17, h - 2, "hot", glyph="dots")),
                         downbuttonrect=put(combo_button(17, h - 2, "down", glyph="dots")),
                         unenabledbuttonrect=put(combo_button(17, h - 2, "disabled", glyph="dots")))
        elif button == "spin":
            half = (h - 2) // 2
            for img in (normal, active):
                img[1:1 + half, 44:w - 1] = combo_button(15, half, "normal", border, "smallup")
                img[1 + half:h - 1, 44:w - 1] = combo_button(15, h - 2 - half, "normal", border, "smalldown")
            extra = dict(upbuttonrect=(44, 1, 59, 1 + half), downbuttonrect=(44, 1 + half, 59, h - 1),
                         activeupbuttonrect=put(combo_button(15, half, "hot", glyph="smallup")),
                         downupbuttonrect=put(combo_button(15, half, "down", glyph="smallup")),
                         activedownbuttonrect=put(combo_button(15, h - 2 - half, "hot", glyph="smalldown")),
                         downdownbuttonrect=put(combo_button(15, h - 2 - half, "down", glyph="smalldown")))
        top = 2 if h >= 20 else 1
        values = dict(pictureindex=PICTURE, skinrect=put(normal), activeskinrect=put(active),
                      **hstrip(w, 3, right, (3, top, 60 - right if button else 57, h - top)), **font(),
                      activefontcolor=rgb(0, 0, 0), **extra)
        values.update(fontcolor=rgb(0, 0, 0), disabledfontcolor=GREY)
        return values

    defs["edit"] = edit_family("edit", 20, art.FIELD_BORDER, True)
    defs["buttonedit"] = edit_family("buttonedit", 20, art.FIELD_BORDER, True, "dots")
    defs["spinedit"] = edit_family("spinedit", 20, art.FIELD_BORDER, True, "spin")
    defs["statusedit"] = edit_family("statusedit", 18, art.FIELD_BORDER_FLAT, False)
    defs["statusbuttonedit"] = edit_family("statusbuttonedit", 18, art.FIELD_BORDER_FLAT, False, "dots")
    defs["statusspinedit"] = edit_family("statusspinedit", 18, art.FIELD_BORDER_FLAT, False, "spin")

    memo = put(art.field(48, 48))
    memo_active = put(art.field(48, 48, art.FIELD_BORDER_HOT))
    defs["memo"] = dict(pictureindex=PICTURE, skinrect=memo, activeskinrect=memo_active,
                        **nine(48, 48, 4, (3, 3, 45, 45)), **font(rgb(0, 0, 0)), disabledfontcolor=GREY,
                        activefontcolor=rgb(0, 0, 0), bgcolor=WHITE, activebgcolor=WHITE)
    for name in ("treeview", "listview", "richedit"):
        defs[name] = dict(pictureindex=PICTURE, skinrect=memo, **font(rgb(0, 0, 0)), bgcolor=WHITE)

    # List boxes.
    item = put(rs.new_image(40, 18, art.WHITE))
    active_item = put(selection(40, 18))
    focus_list_item = put(selection(40, 18, focus=True))
    list_items = dict(itemrect=item, activeitemrect=active_item, focusitemrect=focus_list_item, itemleftoffset=2,
                      itemrightoffset=2, itemtextrect=(2, 0, 38, 18), **font(rgb(0, 0, 0)), activefontcolor=WHITE,
                      focusfontcolor=WHITE)
    check_items = dict(itemcheckrect=(2, 2, 15, 15), checkimagerect=defs["checkbox"]["checkimagerect"],
                       uncheckimagerect=defs["checkbox"]["uncheckimagerect"])
    listbox = put(art.field(48, 48))
    defs["listbox"] = dict(pictureindex=PICTURE, skinrect=listbox, **nine(48, 48, 4, (2, 2, 46, 46)), **list_items)
    defs["checklistbox"] = dict(defs["listbox"], **check_items)
    defs["checklistbox"]["itemtextrect"] = (18, 0, 38, 18)
    defs["captionlistbox"] = caption_list_box(sheet, list_items)
    defs["captionchecklistbox"] = dict(defs["captionlistbox"], **check_items)
    defs["captionchecklistbox"]["itemtextrect"] = (18, 0, 38, 18)

    # Combo boxes that share the window's look.
    defs["captioncombobox"] = dict(defs["combobox"])
    defs["captioncombobox"]["fontstyle"] = "fsbold"
    flat = put(combo_image(58, 18, art.FIELD_BORDER_FLAT, shadow=False), *STATUS_COMBO[:2])
    defs["statuscombobox"] = combo_box_section(sheet, flat, None, (flat[0] + 1, flat[1] + 1, flat[0] + 40, flat[1] + 16),
                                               None, None, None)

    # Scroll bars.
    defs["vscrollbar"] = scroll_bar(sheet, vertical=True)
    defs["hscrollbar"] = scroll_bar(sheet, vertical=False)
    defs["bothhscrollbar"] = scroll_bar(sheet, vertical=False, corner=True)

    # Track bars, sliders, up-downs, splitters.
    defs["htrackbar"] = track_bar(sheet, vertical=False)
    defs["trackbar"] = track_bar(sheet, vertical=True)
    defs["vupdown"] = up_down(sheet, vertical=True)
    defs["hupdown"] = up_down(sheet, vertical=False)
    for name, w, h, g in (("vsplitter", 6, 40, (4, 16)), ("hsplitter", 40, 6, (16, 4))):
        img = (rs.hgradient if name == "vsplitter" else rs.vgradient)(w, h, (246, 247, 250), (214, 220, 230))
        layout = vstrip(h, 2, 2, (0, 2, w, h - 2)) if name == "vsplitter" else hstrip(w, 2, 2, (2, 0, w - 2, h))
        defs[name] = dict(pictureindex=PICTURE, skinrect=put(img), **layout, stretcheffect=True,
                          stretchtype="stfull", gripperrect=put(art.dotted_grip(*g)), grippertransparent=True,
                          grippertransparentcolor=KEY)
    defs["slider"] = slider(sheet)
    bevel = rs.new_image(20, 20, art.CLIENT)
    rs.outline(bevel, 0, 0, 19, 19, (160, 170, 188))
    rs.outline(bevel, 1, 1, 19, 19, art.WHITE)
    defs["bevel"] = dict(pictureindex=PICTURE, skinrect=put(bevel), lightcolor=WHITE, darkcolor=rgb(160, 170, 188))

    defs["grid"] = grid(sheet, memo)
    defs["tab"] = tab(sheet)
    defs["controlbar"] = control_bar(sheet)
    defs["mainmenubar"] = dict(pictureindex=PICTURE, skinrect=put(toolbar_bg(60, 20)), itemsrect=(2, 1, 58, 19),
                               menubaritem="mainmenubaritem", closebutton="menubarclosebutton",
                               minbutton="menubarminbutton", maxbutton="menubarmaxbutton",
                               sysmenubutton="menubarsysmenubutton", trackmarkcolor=TEXT, trackmarkactivecolor=BLUE)
    defs["expanel"] = ex_panel(sheet)

    assert len(ORDER) == 61 and set(defs) == {name for name, _ in ORDER}, set(defs) ^ {n for n, _ in ORDER}
    return sheet.finish(), [(name, kind, defs[name]) for name, kind in ORDER]


def group_box():
    """59 x 52: a dark caption band (rows 0-16) over a light body with a two-pixel edge."""
    w, h = 59, 52
    img = rs.new_image(w, h, art.CLIENT)
    rs.fill_rounded(img, 0, 0, w, h, 3, (150, 162, 184))
    rs.fill_rounded(img, 1, 1, w - 2, h - 2, 2, art.PANEL)
    rs.vline(img, 1, 17, h - 3, art.WHITE)
    rs.hline(img, 2, w - 2, h - 2, (226, 230, 237))
    rs.vline(img, w - 2, 17, h - 2, (226, 230, 237))
    band = art.header(w, 17, 3)
    img[0:17] = band
    rs.hline(img, 0, w, 16, art.HEADER_BORDER)
    return img


def combo_box_section(sheet, skin, hot_button, item, focus_item, hover_item, down_button):
    put = sheet.put
    w, h = skin[2] - skin[0], skin[3] - skin[1]
    active = art.field(w, h, art.FIELD_BORDER_HOT, shadow=h >= 20)
    active[0:h - 1, w - 18:w - 1] = combo_button(17, h - 1, "normal", art.FIELD_BORDER_HOT)
    if hot_button is None:
        hot_button = put(combo_button(17, h - 1, "hot"))
        down_button = put(combo_button(17, h - 1, "down"))
        focus_item = put(selection(39, h - 3, focus=True))
        hover_item = put(rs.vgradient(39, h - 3, (246, 250, 255), (232, 241, 253)))
    return dict(pictureindex=PICTURE, skinrect=skin, **hstrip(w, 2, w - 40, (1, 1, 40, h - 2)),
                activeskinrect=put(active), itemrect=item, activeitemrect=hover_item, focusitemrect=focus_item,
                itemleftoffset=1, itemrightoffset=1, itemtextrect=(2, 0, 37, item[3] - item[1]),
                **font(rgb(0, 0, 0)), focusfontcolor=WHITE, activefontcolor=rgb(0, 0, 0), listboxname="listbox",
                buttonrect=(40, 0, 57, h - 1), activebuttonrect=hot_button, downbuttonrect=down_button,
                unenabledbuttonrect=put(combo_button(17, h - 1, "disabled")))


def split_states(sheet, w, h, split, background):
    """A tool button with a separate drop-down part from column `split` on."""
    out = {}
    for state, key in (("normal", "skinrect"), ("hot", "activeskinrect"), ("down", "downskinrect"),
                       ("disabled", "disabledskinrect")):
        if state in ("normal", "disabled"):
            img = background(w, h)
        else:
            img = art.face(w, h, state, 3, background(w, h))
            rs.vline(img, split, 2, h - 2, art.FACES[state][2])
            rs.vline(img, split + 1, 2, h - 2, art.WHITE, alpha=0.6)
        colour = art.GREY_TEXT if state == "disabled" else art.TEXT
        art.glyph(img, split, 0, w - split, h, "smalldown", colour)
        out[key] = sheet.put(img)
    return out


def caption_list_box(sheet, list_items):
    """80 x 80 list box under a dark caption band that carries its up, down and check buttons."""
    put = sheet.put
    w, h = 80, 80
    img = art.field(w, h)
    img[0:21] = art.header(w, 21, 3)
    buttons = {}
    for x, glyph, prefix in ((34, "smallup", "up"), (49, "smalldown", "down"), (64, "check", "check")):
        art.glyph(img, x, 4, 14, 14, glyph, (214, 222, 236))
        for state, look in (("active", 0.22), ("down", -0.3)):
            sprite = img[4:18, x:x + 14].copy()
            colour = art.WHITE if look > 0 else (0, 0, 0)
            rs.fill_rounded(sprite, 0, 0, 14, 14, 3, colour, alpha=abs(look))
            rs.frame_rounded(sprite, 0, 0, 14, 14, 3, art.WHITE, alpha=0.4)
            art.glyph(sprite, 0, 0, 14, 14, glyph, art.WHITE)
            buttons[f"{state}{prefix}buttonrect"] = sprite
        buttons[f"{prefix}buttonrect"] = (x, 4, x + 14, 18)
    skin = put(img)
    values = dict(pictureindex=PICTURE, skinrect=skin, lefttoppoint=(4, 22), righttoppoint=(30, 22),
                  leftbottompoint=(4, 76), rightbottompoint=(76, 76), clientrect=(2, 22, 78, 78), **list_items,
                  captionrect=(4, 2, 32, 20), captionfontname="Arial", captionfontheight=14,
                  captionfontstyle="fsbold", captionfontcolor=WHITE)
    for key, value in buttons.items():
        values[key] = put(value) if isinstance(value, np.ndarray) else value
    return values


def scroll_bar(sheet, vertical, corner=False):
    put = sheet.put
    length, thick, button = 80, 17, 17
    end = length - (17 if corner else 0)
    track = rs.new_image(length, thick, (228, 232, 238))
    rs.hline(track, 0, length, 0, (210, 216, 226))
    rs.hline(track, 0, length, thick - 1, (244, 246, 249))
    first = arrow_button(button, thick, "normal", "left", background=(228, 232, 238))
    second = arrow_button(button, thick, "normal", "right", background=(228, 232, 238))
    track[:, 0:button] = first
    track[:, end - button:end] = second
    if corner:
        track[:, end:] = art.CLIENT
        track[:, end:] = art.dotted_grip(17, 17, background=art.CLIENT)[:, :]
    hot1 = arrow_button(button, thick, "hot", "left", background=(228, 232, 238))
    down1 = arrow_button(button, thick, "down", "left", background=(228, 232, 238))
    hot2 = arrow_button(button, thick, "hot", "right", background=(228, 232, 238))
    down2 = arrow_button(button, thick, "down", "right", background=(228, 232, 238))

    def thumb(state):
        img = art.face(30, 15, state, 3, (228, 232, 238))
        return img

    glyph_img = {}
    for state in ("normal", "hot", "down"):
        g = rs.new_image(9, 9, art.FACES[state][0])
        art.glyph(g, 0, 0, 9, 9, "vgrip", (110, 124, 150) if state == "normal" else art.ACCENT)
        glyph_img[state] = g
    images = [track, hot1, down1, hot2, down2, thumb("normal"), thumb("hot"), thumb("down"),
              glyph_img["normal"], glyph_img["hot"], glyph_img["down"]]
    if vertical:
        images = [np.ascontiguousarray(img.transpose(1, 0, 2)) for img in images]
        images[1:5] = [arrow_button(button, thick, s, g, background=(228, 232, 238))
                       for s, g in (("hot", "up"), ("down", "up"), ("hot", "down"), ("down", "down"))]
        images[0][0:button, :] = arrow_button(button, thick, "normal", "up", background=(228, 232, 238))
        images[0][end - button:end, :] = arrow_button(button, thick, "normal", "down", background=(228, 232, 238))
        for k, state in zip(range(8, 11), ("normal", "hot", "down")):
            g = rs.new_image(9, 9, art.FACES[state][0])
            art.glyph(g, 0, 0, 9, 9, "hgrip", (110, 124, 150) if state == "normal" else art.ACCENT)
            images[k] = g
    rects = [put(img) for img in images]
    keys = ["skinrect", "activeupbuttonrect", "downupbuttonrect", "activedownbuttonrect", "downdownbuttonrect",
            "thumbrect", "activethumbrect", "downthumbrect", "glyphrect", "activeglyphrect", "downglyphrect"]
    values = dict(zip(keys, rects), pictureindex=PICTURE, thumboffset1=4, thumboffset2=4)
    fixed = 20
    if vertical:
        values.update(vstrip(length, fixed, length - end + fixed, (0, 0, thick, length)),
                      trackarea=(0, button, thick, end - button), upbuttonrect=(0, 0, thick, button),
                      downbuttonrect=(0, end - button, thick, end))
    else:
        values.update(hstrip(length, fixed, length - end + fixed, (0, 0, length, thick)),
                      trackarea=(button, 0, end - button, thick), upbuttonrect=(0, 0, button, thick),
                      downbuttonrect=(end - button, 0, end, thick))
    return values


def track_bar(sheet, vertical):
    put = sheet.put
    img = rs.new_image(80, 24, art.CLIENT)
    rs.fill_rounded(img, 6, 10, 68, 5, 2, (200, 207, 219))
    rs.fill_rounded(img, 7, 11, 66, 3, 1.5, (150, 162, 184))
    rs.hline(img, 8, 72, 14, art.WHITE, alpha=0.8)
    thumb = art.face(11, 20, "normal", 3)
    hot = art.face(11, 20, "hot", 3)
    if vertical:
        img, thumb, hot = (np.ascontiguousarray(a.transpose(1, 0, 2)) for a in (img, thumb, hot))
        layout = vstrip(80, 8, 8, (0, 0, 24, 80))
        area = (2, 6, 22, 74)
    else:
        layout = hstrip(80, 8, 8, (0, 0, 80, 24))
        area = (6, 2, 74, 22)
    skin = put(img)
    return dict(pictureindex=PICTURE, skinrect=skin, **layout, activeskinrect=skin, trackarea=area,
                buttonrect=put(thumb), activebuttonrect=put(hot), vertical=vertical)


def up_down(sheet, vertical):
    put = sheet.put
    if vertical:
        w, h, g1, g2 = 15, 11, "smallup", "smalldown"
        whole = np.concatenate([arrow_button(w, h, "normal", g1, 2), arrow_button(w, h, "normal", g2, 2)], axis=0)
        first, second = (0, 0, 15, 11), (0, 11, 15, 22)
    else:
        w, h, g1, g2 = 15, 15, "smallleft", "smallright"
        whole = np.concatenate([arrow_button(w, h, "normal", g1, 2), arrow_button(w, h, "normal", g2, 2)], axis=1)
        first, second = (0, 0, 15, 15), (15, 0, 30, 15)
    # The loader clears an up-down's corner points and client rectangle, so none are written.
    return dict(pictureindex=PICTURE, skinrect=put(whole), upbuttonrect=first,
                activeupbuttonrect=put(arrow_button(w, h, "hot", g1, 2)),
                downupbuttonrect=put(arrow_button(w, h, "down", g1, 2)), downbuttonrect=second,
                activedownbuttonrect=put(arrow_button(w, h, "hot", g2, 2)),
                downdownbuttonrect=put(arrow_button(w, h, "down", g2, 2)))


def slider(sheet):
    put = sheet.put
    ruler = rs.new_image(60, 8, art.CLIENT)
    rs.fill_rounded(ruler, 0, 2, 60, 4, 2, (150, 162, 184))
    rs.hline(ruler, 2, 58, 5, art.WHITE, alpha=0.7)
    vruler = np.ascontiguousarray(ruler.transpose(1, 0, 2))
    thumb = art.face(11, 18, "normal", 3)
    hr = put(ruler)
    return dict(pictureindex=PICTURE, skinrect=hr, bgcolor=rgb(*art.CLIENT), hrulerrect=hr,
                hthumbrect=put(thumb), vrulerrect=put(vruler),
                vthumbrect=put(np.ascontiguousarray(thumb.transpose(1, 0, 2))), edgesize=4,
                pointscolor=rgb(120, 134, 160))


def grid(sheet, frame):
    put = sheet.put
    fixed = rs.vgradient(40, 20, (250, 251, 253), (224, 229, 237))
    rs.vline(fixed, 39, 0, 20, art.FIELD_BORDER_FLAT)
    rs.hline(fixed, 0, 40, 19, art.FIELD_BORDER_FLAT)
    rs.hline(fixed, 0, 39, 0, art.WHITE)
    return dict(pictureindex=PICTURE, skinrect=frame, fixedcellrect=put(fixed), selectcellrect=put(selection(40, 20)),
                focuscellrect=put(selection(40, 20, focus=True)), fixedcellleftoffset=2, fixedcellrightoffset=2,
                fixedcelltextrect=(3, 0, 37, 19), cellleftoffset=2, cellrightoffset=2, celltextrect=(3, 0, 37, 20),
                linescolor=rgb(208, 214, 224), bgcolor=WHITE, **font(rgb(0, 0, 0)), selectfontcolor=WHITE,
                focusfontcolor=WHITE, fixedfontname="Arial", fixedfontheight=14, fixedfontstyle="fsbold",
                fixedfontcolor=TEXT, showfocus=True)


def tab(sheet):
    put = sheet.put
    page = rs.new_image(60, 50, art.PANEL)
    rs.outline(page, 0, 0, 60, 50, (150, 162, 184))
    rs.hline(page, 1, 59, 1, art.WHITE)
    rs.vline(page, 1, 1, 49, art.WHITE)

    def tab_image(h, top, bottom, accent=None, open_bottom=False):
        img = rs.new_image(50, h, art.CLIENT)
        tall = rs.rounded_rect_cov(50, h + 6, 3)[:h]
        rs.paste(img, 0, 0, rs.vgradient(50, h, top, bottom), tall)
        ring = np.clip(tall - rs.rounded_rect_cov(50, h + 6, 2, 1.0)[:h], 0, 1)
        if open_bottom:
            ring[h - 1, 1:49] = 0
        else:
            ring[h - 1, :] = 1
        rs.blend(img, 0, 0, ring, (150, 162, 184))
        if accent:
            rs.hline(img, 2, 48, 1, accent)
            rs.hline(img, 1, 49, 2, accent, alpha=0.6)
        return img

    return dict(pictureindex=PICTURE, skinrect=put(page), tabrect=put(tab_image(21, (240, 242, 246), (222, 227, 235))),
                activetabrect=put(tab_image(23, (255, 255, 255), art.PANEL, art.ACCENT, True)),
                focustabrect=put(tab_image(23, (255, 255, 255), art.PANEL, (96, 144, 218), True)),
                mouseintabrect=put(tab_image(21, (246, 250, 255), (214, 228, 248))), clientrect=(2, 2, 58, 48),
                lefttoppoint=(3, 3), righttoppoint=(57, 3), leftbottompoint=(3, 47), rightbottompoint=(57, 47),
                tableftoffset=4, tabrightoffset=4, tabsbgrect=put(rs.new_image(20, 23, art.CLIENT)),
                **font(TEXT), activefontcolor=rgb(0, 0, 0), focusfontcolor=rgb(0, 0, 0), mouseinfontcolor=BLUE,
                updown="hupdown", showfocus=True, focusoffsetx=3, focusoffsety=3)


def control_bar(sheet):
    put = sheet.put
    band = art.face(40, 26, "normal", 3)
    return dict(pictureindex=PICTURE, skinrect=put(toolbar_bg(60, 30)), **nine(60, 30, 2, (1, 1, 59, 29)),
                leftstretch=True, rightstretch=True, stretcheffect=True, itemrect=put(band),
                hgriprect=put(art.dotted_grip(5, 20)), vgriprect=put(art.dotted_grip(20, 5)), gripoffset1=2,
                gripoffset2=2, itemstretcheffect=True, itemoffset1=3, itemoffset2=3, griptransparent=True,
                griptransparentcolor=KEY)


def ex_panel(sheet):
    """An 80 x 80 panel under a dark caption with roll and close buttons; its rolled looks beside it."""
    put = sheet.put
    w = h = 80
    img = rs.new_image(w, h, art.PANEL)
    rs.fill_rounded(img, 0, 0, w, h, 3, (150, 162, 184))
    rs.fill_rounded(img, 1, 1, w - 2, h - 2, 2, art.PANEL)
    img[0:21] = art.header(w, 21, 3)
    values = dict(pictureindex=PICTURE, lefttoppoint=(4, 22), righttoppoint=(32, 22), leftbottompoint=(4, 76),
                  rightbottompoint=(76, 76), clientrect=(2, 21, 78, 78), captionrect=(4, 2, 32, 20),
                  **font(WHITE, style="fsbold"))

    def caption_buttons(target, button_places):
        for key, (x, y, glyph) in button_places.items():
            art.glyph(target, x, y, 13, 13, glyph, (214, 222, 236))
            values[key + "rect"] = (x, y, x + 13, y + 13)
            for state, look in (("active", 0.22), ("down", -0.3)):
                sprite = target[y:y + 13, x:x + 13].copy()
                rs.fill_rounded(sprite, 0, 0, 13, 13, 3, art.WHITE if look > 0 else (0, 0, 0), alpha=abs(look))
                rs.frame_rounded(sprite, 0, 0, 13, 13, 3, art.WHITE, alpha=0.4)
                art.glyph(sprite, 0, 0, 13, 13, glyph, art.WHITE)
                values[f"{key}{state}rect"] = put(sprite)

    caption_buttons(img, {"vrollbutton": (34, 4, "smallleft"), "hrollbutton": (49, 4, "smallup"),
                          "closebutton": (64, 4, "close")})
    values["skinrect"] = put(img)
    rollh = art.header(w, 21, 3)
    caption_buttons(rollh, {"hrestorebutton": (64, 4, "smalldown")})
    values["rollhskinrect"] = put(rollh)
    rollv = np.ascontiguousarray(art.header(w, 21, 3).transpose(1, 0, 2))
    caption_buttons(rollv, {"vrestorebutton": (4, 4, "smallright")})
    values["rollvskinrect"] = put(rollv)
    values.update(rollleftoffset=4, rollrightoffset=20, rolltopoffset=20, rollbottomoffset=4,
                  rollhcaptionrect=(4, 2, 60, 20), rollvcaptionrect=(2, 20, 20, 76))
    return values
