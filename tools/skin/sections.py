"""Key tables of every section kind of the skin definition file, and the writer of the file.

Each kind lists its keys in the order the loader reads them (inherited keys first) with their value
type and default. A section is written with every key of its kind, in that order: values the author
gives replace the defaults, and a value for a key the kind does not read is refused, so the file
never carries a key that nothing reads.
"""

# Value types: int, bool, colour, str, rect, point, fontstyle, align, stretch, morph, effect, command.
R0 = (0, 0, 0, 0)
P0 = (0, 0)


def _keys(key_list):
    """Parse 'name:type=default' words into (name, type, default) triples."""
    out = []
    for word in key_list.split():
        name, rest = word.split(":")
        kind, _, default = rest.partition("=")
        out.append((name, kind, _default(kind, default)))
    return out


def _default(kind, text):
    if kind in ("rect",):
        return R0
    if kind == "point":
        return P0
    if kind in ("int", "colour"):
        return int(text) if text else 0
    if kind == "bool":
        return False
    if kind == "str":
        return text
    return text  # words: fontstyle (empty), align, stretch, morph, effect, command


FONT = "fontname:str=Arial fontheight:int=14 fontstyle:fontstyle= fontcolor:colour=0"

CONTROL = _keys("pictureindex:int=-1 maskpictureindex:int=-1 skinrect:rect")
CUSTOM = CONTROL + _keys(
    "lefttoppoint:point righttoppoint:point leftbottompoint:point rightbottompoint:point clientrect:rect "
    "leftstretch:bool topstretch:bool rightstretch:bool bottomstretch:bool stretcheffect:bool "
    "stretchtype:stretch=stfull")
EDIT = CUSTOM + _keys(
    "activeskinrect:rect " + FONT + " disabledfontcolor:colour activefontcolor:colour buttonrect:rect "
    "activebuttonrect:rect downbuttonrect:rect unenabledbuttonrect:rect")
LISTBOX = CUSTOM + _keys(
    "itemrect:rect activeitemrect:rect focusitemrect:rect itemleftoffset:int itemrightoffset:int "
    "itemtextrect:rect " + FONT + " activefontcolor:colour focusfontcolor:colour captionrect:rect "
    "captionfontname:str=Arial captionfontheight:int=14 captionfontstyle:fontstyle= captionfontcolor:colour "
    "upbuttonrect:rect activeupbuttonrect:rect downupbuttonrect:rect downbuttonrect:rect "
    "activedownbuttonrect:rect downdownbuttonrect:rect checkbuttonrect:rect activecheckbuttonrect:rect "
    "downcheckbuttonrect:rect vscrollbarname:str=vscrollbar hscrollbarname:str=hscrollbar "
    "bothhscrollbarname:str=bothhscrollbar showfocus:bool")
BUTTON = CUSTOM + _keys(
    FONT + " activefontcolor:colour downfontcolor:colour disabledfontcolor:colour activeskinrect:rect "
    "downskinrect:rect disabledskinrect:rect morphing:bool morphkind:morph=mkdefault animateskinrect:rect "
    "framecount:int animateinterval:int=25 showfocus:bool menumarkerflatrect:rect menumarkerrect:rect "
    "menumarkeractiverect:rect menumarkerdownrect:rect menumarkertransparentcolor:colour")

CONTROL_KINDS = {
    "panel": CUSTOM + _keys(
        "bgpictureindex:int=-1 captionrect:rect alignment:align=tacenter " + FONT + " checkimagerect:rect "
        "uncheckimagerect:rect markframerect:rect framerect:rect frametextrect:rect frameleftoffset:int "
        "framerightoffset:int gripperrect:rect grippertransparent:bool grippertransparentcolor:colour"),
    "label": CUSTOM + _keys(FONT),
    "stdlabel": CONTROL + _keys(FONT + " activefontcolor:colour=16711680"),
    "edit": EDIT,
    "memo": EDIT + _keys("bgcolor:colour activebgcolor:colour"),
    "combobox": CUSTOM + _keys(
        "activeskinrect:rect itemrect:rect activeitemrect:rect focusitemrect:rect itemleftoffset:int "
        "itemrightoffset:int itemtextrect:rect " + FONT + " focusfontcolor:colour activefontcolor:colour "
        "listboxname:str= buttonrect:rect activebuttonrect:rect downbuttonrect:rect unenabledbuttonrect:rect "
        "itemstretcheffect:bool focusitemstretcheffect:bool showfocus:bool"),
    "listbox": LISTBOX,
    "checklistbox": LISTBOX + _keys("itemcheckrect:rect checkimagerect:rect uncheckimagerect:rect"),
    "scrollbar": CUSTOM + _keys(
        "trackarea:rect upbuttonrect:rect activeupbuttonrect:rect downupbuttonrect:rect downbuttonrect:rect "
        "activedownbuttonrect:rect downdownbuttonrect:rect thumbrect:rect activethumbrect:rect "
        "downthumbrect:rect thumboffset1:int thumboffset2:int thumbtransparent:bool "
        "thumbtransparentcolor:colour glyphrect:rect activeglyphrect:rect downglyphrect:rect"),
    "button": BUTTON,
    "menubutton": BUTTON + _keys("trackbuttonrect:rect"),
    "expanel": CUSTOM + _keys(
        "rollhskinrect:rect rollvskinrect:rect rollleftoffset:int rollrightoffset:int rolltopoffset:int "
        "rollbottomoffset:int rollvcaptionrect:rect rollhcaptionrect:rect closebuttonrect:rect "
        "closebuttonactiverect:rect closebuttondownrect:rect hrollbuttonrect:rect hrollbuttonactiverect:rect "
        "hrollbuttondownrect:rect hrestorebuttonrect:rect hrestorebuttonactiverect:rect "
        "hrestorebuttondownrect:rect vrollbuttonrect:rect vrollbuttonactiverect:rect vrollbuttondownrect:rect "
        "vrestorebuttonrect:rect vrestorebuttonactiverect:rect vrestorebuttondownrect:rect captionrect:rect "
        + FONT + " buttonstransparent:bool buttonstransparentcolor:colour"),
    "checkradio": CUSTOM + _keys(
        FONT + " activefontcolor:colour unenabledfontcolor:colour framefontcolor:colour activeskinrect:rect "
        "checkimagearea:rect textarea:rect checkimagerect:rect uncheckimagerect:rect activecheckimagerect:rect "
        "activeuncheckimagerect:rect unenabledcheckimagerect:rect unenableduncheckimagerect:rect "
        "morphing:bool morphkind:morph=mkdefault"),
    "gauge": CUSTOM + _keys(
        "progressarea:rect progressrect:rect beginoffset:int endoffset:int vertical:bool " + FONT +
        " progresstransparent:bool progresstransparentcolor:colour progressstretch:bool"),
    "splitter": CUSTOM + _keys("gripperrect:rect grippertransparent:bool grippertransparentcolor:colour"),
    "trackbar": CUSTOM + _keys(
        "activeskinrect:rect trackarea:rect buttonrect:rect activebuttonrect:rect vertical:bool "
        "buttontransparent:bool buttontransparentcolor:colour"),
    "updown": CUSTOM + _keys(
        "upbuttonrect:rect activeupbuttonrect:rect downupbuttonrect:rect downbuttonrect:rect "
        "activedownbuttonrect:rect downdownbuttonrect:rect"),
    "grid": CONTROL + _keys(
        "fixedcellrect:rect selectcellrect:rect focuscellrect:rect fixedcellleftoffset:int "
        "fixedcellrightoffset:int fixedcelltextrect:rect cellleftoffset:int cellrightoffset:int "
        "celltextrect:rect linescolor:colour bgcolor:colour " + FONT + " selectfontcolor:colour "
        "focusfontcolor:colour fixedfontname:str=Arial fixedfontheight:int=14 fixedfontstyle:fontstyle= "
        "fixedfontcolor:colour cellstretcheffect:bool fixedcellstretcheffect:bool showfocus:bool"),
    "tab": CONTROL + _keys(
        "tabrect:rect activetabrect:rect focustabrect:rect mouseintabrect:rect clientrect:rect "
        "bgpictureindex:int=-1 lefttoppoint:point righttoppoint:point leftbottompoint:point "
        "rightbottompoint:point tableftoffset:int tabrightoffset:int tabsbgrect:rect tabstretcheffect:bool "
        "leftstretch:bool topstretch:bool rightstretch:bool bottomstretch:bool stretcheffect:bool "
        "stretchtype:stretch=stfull " + FONT + " activefontcolor:colour focusfontcolor:colour "
        "mouseinfontcolor:colour updown:str= showfocus:bool focusoffsetx:int focusoffsety:int"),
    "mainmenubar": CONTROL + _keys(
        "itemsrect:rect menubaritem:str= closebutton:str= minbutton:str= maxbutton:str= sysmenubutton:str= "
        "trackmarkcolor:colour trackmarkactivecolor:colour stretcheffect:bool itemtransparent:bool"),
    "controlbar": CUSTOM + _keys(
        "itemrect:rect bgpictureindex:int=-1 hgriprect:rect vgriprect:rect gripoffset1:int gripoffset2:int "
        "itemstretcheffect:bool itemoffset1:int=3 itemoffset2:int=3 itemtransparent:bool "
        "itemtransparentcolor:colour griptransparent:bool griptransparentcolor:colour"),
    "spinedit": CUSTOM + _keys(
        "activeskinrect:rect " + FONT + " activefontcolor:colour disabledfontcolor:colour upbuttonrect:rect "
        "activeupbuttonrect:rect downupbuttonrect:rect downbuttonrect:rect activedownbuttonrect:rect "
        "downdownbuttonrect:rect"),
    "scrollbox": CUSTOM + _keys("bgpictureindex:int=-1"),
    "treeview": CONTROL + _keys(FONT + " bgcolor:colour"),
    "bevel": CONTROL + _keys("lightcolor:colour darkcolor:colour"),
    "slider": CONTROL + _keys(
        "bgcolor:colour hrulerrect:rect hthumbrect:rect vrulerrect:rect vthumbrect:rect edgesize:int "
        "pointscolor:colour"),
    "listview": CONTROL + _keys(FONT + " bgcolor:colour"),
    "richedit": CONTROL + _keys(FONT + " bgcolor:colour"),
}

OBJECT = _keys(
    "hint:str= activepictureindex:int=-1 skinrectinapicture:bool skinrect:rect activeskinrect:rect "
    "inactiveskinrect:rect morphing:bool morphkind:morph=mkdefault")
OBJ_BUTTON = OBJECT + _keys("downrect:rect disableskinrsect:rect")
RESTORE = "restorerect:rect restoreactiverect:rect restoredownrect:rect restoreinactiverect:rect"
OBJ_STDBUTTON = OBJ_BUTTON + _keys("command:command=cmdefault " + RESTORE)
OBJ_MAINMENUITEM = OBJECT + _keys(
    "itemleftoffset:int itemrightoffset:int downrect:rect textrect:rect " + FONT +
    " activefontcolor:colour downfontcolor:colour unenabledfontColor:colour stretcheffect:bool "
    "animateskinrect:rect framecount:int animateinterval:int=25 inactiveanimation:bool")

OBJECT_KINDS = {
    "menuitem": OBJECT + _keys(
        "itemleftoffset:int itemrightoffset:int dividerrect:rect dividerleftoffset:int dividerrightoffset:int "
        "textrect:rect imagerect:rect " + FONT + " activefontcolor:colour unenabledfontcolor:colour "
        "stretcheffect:bool inactivestretcheffect:bool dividerstretcheffect:bool animateskinrect:rect "
        "framecount:int animateinterval:int=25 inactiveanimation:bool useimagecolor:bool imagecolor:colour "
        "activeimagecolor:colour"),
    "mainmenubaritem": OBJ_MAINMENUITEM,
    "stdbutton": OBJ_STDBUTTON,
    "mainmenubarbutton": OBJ_STDBUTTON,
    "button": OBJ_BUTTON,
    "caption": OBJECT + _keys(
        "textrect:rect " + FONT + " activefontcolor:colour alignment:align=tacenter light:bool "
        "lightcolor:colour activelightcolor:colour shadow:bool shadowcolor:colour activeshadowcolor:colour "
        "framerect:rect activeframerect:rect frametextrect:rect frameleftoffset:int framerightoffset:int "
        "stretcheffect:bool animateskinrect:rect framecount:int animateinterval:int=25 "
        "inactiveanimation:bool fullframe:bool"),
    "animate": OBJECT + _keys(
        "countframes:int=1 cycle:bool buttonstyle:bool timerinterval:int=50 command:command=cmdefault "
        "downskinrect:rect " + RESTORE),
    "userobject": _keys("skinrect:rect"),
}

FORMINFO = _keys(
    "lefttoppoint:point righttoppoint:point leftbottompoint:point rightbottompoint:point clientrect:rect "
    "bgpictureindex:int=-1 mdibgpictureindex:int=-1 leftstretch:bool rightstretch:bool topstretch:bool "
    "bottomstretch:bool stretcheffect:bool stretchtype:stretch=stfull mdibgstretcheffect:bool "
    "mdibgstretchtype:stretch=stfull maskrectarea:rect hittestlefttoppoint:point hittestrighttoppoint:point "
    "hittestleftbottompoint:point hittestrightbottompoint:point buttonsrect:rect captionrect:rect "
    "buttonsoffset:int buttonsinleft:bool mainmenupopupup:bool borderwidth:int formminwidth:int "
    "mditabstransparent:bool mainmenubartransparent:bool autorenderinginactiveimage:bool "
    "inactiveeffect:effect=iebrightness")
STRETCH4 = "leftstretch:bool rightstretch:bool topstretch:bool bottomstretch:bool"
CORNERS = "lefttoppoint:point righttoppoint:point leftbottompoint:point rightbottompoint:point"
POPUPWINDOW = _keys(
    "windowpictureindex:int=-1 maskpictureindex:int=-1 " + CORNERS + " itemsrect:rect "
    "scrollmarkercolor:colour scrollmarkeractivecolor:colour " + STRETCH4 +
    " stretcheffect:bool stretchtype:stretch=stfull")
HINTWINDOW = _keys(
    "windowpictureindex:int=-1 maskpictureindex:int=-1 " + CORNERS + " clientrect:rect " + FONT + " " +
    STRETCH4 + " stretcheffect:bool stretchtype:stretch=stfull")
SKINCOLORS = _keys(
    "cbtnface:colour cbtntext:colour cwindow:colour cwindowtext:colour chighlight:colour "
    "chighlighttext:colour cbtnhighlight:colour cbtnshadow:colour")

WORDS = {
    "align": {"taleftjustify", "tarightjustify", "tacenter"},
    "stretch": {"stfull", "sthorz", "stvert"},
    "morph": {"mkdefault", "mkgradient", "mkleftgradient", "mkrightgradient", "mkleftslide", "mkrightslide",
              "mkpush"},
    "effect": {"iebrightness", "iedarkness", "iegrayscale", "ienoise", "iesplitblur", "ieinvert"},
    "command": {"cmclose", "cmmaximize", "cmminimize", "cmsysmenu", "cmdefault", "cmrollup", "cmminimizetotray"},
}
FONT_STYLES = ("fsbold", "fsitalic", "fsunderline", "fsstrikeout")


def rgb(r, g, b):
    """A skin colour: red in the lowest byte."""
    return r | (g << 8) | (b << 16)


def format_value(kind, value):
    value = getattr(value, "rect", value)  # a sprite placed by the sheet packer
    if kind == "rect":
        assert len(value) == 4 and all(isinstance(v, int) and v >= 0 for v in value), value
        return ",".join(str(v) for v in value)
    if kind == "point":
        assert len(value) == 2 and all(isinstance(v, int) and v >= 0 for v in value), value
        return ",".join(str(v) for v in value)
    if kind == "bool":
        assert isinstance(value, bool), value
        return "1" if value else "0"
    if kind in ("int", "colour"):
        assert isinstance(value, int) and not isinstance(value, bool), value
        if kind == "colour":
            assert 0 <= value <= 0xFFFFFF, value
        return str(value)
    if kind == "fontstyle":
        words = [w for w in value.split(",") if w]
        assert all(w in FONT_STYLES for w in words), value
        return ",".join(w for w in FONT_STYLES if w in words)
    if kind in WORDS:
        assert value in WORDS[kind], (kind, value)
        return value
    assert kind == "str"
    return value


def section_lines(name, table, values):
    known = {key for key, _, _ in table}
    unknown = set(values) - known
    assert not unknown, f"[{name}] has keys its kind does not read: {sorted(unknown)}"
    lines = [f"[{name}]"]
    for key, kind, default in table:
        lines.append(f"{key}={format_value(kind, values.get(key, default))}")
    return lines


def plain_lines(name, pairs):
    """A section of plain string keys in the given order ([VERSION], [PICTURES], the two lists)."""
    return [f"[{name}]"] + [f"{key}={value}" for key, value in pairs]


def write_ini(path, sections):
    """sections: list of line lists; sections are separated by an empty line, lines end with CR LF."""
    text = "\r\n\r\n".join("\r\n".join(lines) for lines in sections) + "\r\n"
    with open(path, "wb") as out:
        out.write(text.encode("ascii"))
    return len(text)
