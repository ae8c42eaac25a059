"""One comment line per section of the skin definition file, for the skin author reading it."""

HEADER = ["; Vireltan: the calculator window's skin. Written by tools/skin/make_skin.py; edit the generator.",
          "; Points and rectangles of [FORMINFO] are in main.bmp; those of a definition in its picture."]

NOTES = {
    "VERSION": "name and author, shown by tools only",
    "PICTURES": "main.bmp frame, mask.bmp shape; list: 0 caption buttons, 1 menu frame, 2 menu item, 3 hint, 4 controls",
    "FORMINFO": "frame: 27-pixel caption bar, 5-pixel sides, 8-pixel bottom; client area tiled from main.bmp",
    "POPUPWINDOW": "pop-up menus: steel-blue frame of picture 1 around the items area",
    "HINTWINDOW": "hint windows: cream note of picture 3",
    "SKINCOLORS": "colours for the parts of controls that have no picture",
    "SKINOBJECTS": "frame and menu objects, in the order the frame builds them",
    "SKINCONTROLS": "control definitions; controls find them by exact name",
    "menuitem": "menu items: white text on steel blue, black when highlighted",
    "caption": "caption text: white bold Arial 16 with a blue-grey shadow, grey when the window is inactive",
    "closebutton": "close button: red rounded square; hot, pressed and disabled looks in picture 0",
    "mainmenubaritem": "main-menu-bar items: light like the tool bars",
    "sysmenubutton": "system-menu button: amber lightning bolt",
    "menubarsysmenubutton": "main-menu-bar system button",
    "menubarclosebutton": "main-menu-bar close button",
    "menubarmaxbutton": "main-menu-bar maximize button",
    "menubarminbutton": "main-menu-bar minimize button",
    "minanimate": "minimize: six frames fading a highlight in while hovered",
    "maxanimate": "maximize: six frames, and six more for its restore look",
    "groupbox": "group boxes: dark caption band, white centred caption, light body; nine-piece, all tiled",
    "combobox": "combo box: white field, drop-down button at the right; horizontal strip",
    "edit": "edit: white field, blue border when hot or focused; horizontal strip",
    "listbox": "list box and drop-down list: white field; nine-piece",
    "vscrollbar": "vertical scroll bar: arrow buttons and a grip thumb; vertical strip",
    "hscrollbar": "horizontal scroll bar; horizontal strip",
    "bothhscrollbar": "horizontal scroll bar that shares its corner with a vertical one",
    "stdlabel": "labels: dark text",
}

KIND_NOTES = {
    "button": "button: light gradient face; hot and pressed looks in blue",
    "menubutton": "button with a drop-down marker",
    "panel": "panel",
    "label": "label",
    "edit": "edit field",
    "memo": "multi-line field; nine-piece",
    "combobox": "combo box",
    "listbox": "list box",
    "checklistbox": "list box with check marks",
    "scrollbar": "scroll bar",
    "checkradio": "check box or radio button with its marks for every state",
    "gauge": "progress bar: green fill in a white trough",
    "splitter": "splitter with a dotted gripper",
    "trackbar": "track bar: groove and thumb",
    "updown": "up-down buttons",
    "grid": "grid: header, selected and focused cells",
    "tab": "tab control: tabs and the page frame",
    "mainmenubar": "main-menu bar: names the objects of its items and buttons",
    "controlbar": "control bar: bands and grips",
    "spinedit": "spin edit: field with two small buttons",
    "scrollbox": "scroll box frame",
    "treeview": "tree view: field frame and colours",
    "listview": "list view: field frame and colours",
    "richedit": "rich edit: field frame and colours",
    "bevel": "bevel: etched lines",
    "slider": "slider: ruler and thumb",
    "expanel": "panel that rolls up under its dark caption",
}


def note(name, kind=None):
    text = NOTES.get(name) or KIND_NOTES.get(kind)
    return [f"; {name}: {text}"] if text else []
