// The skinned frame's paint plan: which border pieces are composed from which picture, which object
// image goes where in which piece, the inactive effect, the caption text's place and colours, and the
// client background's tiles. The Win32 painter composes the pieces with composeFramePieces (pure
// pixels), draws the caption text into the top piece with GDI and copies each piece once.
#pragma once

#include <optional>
#include <string>
#include <vector>

#include "skin/Compose.h"
#include "skin/Effects.h"
#include "skin/FrameGeometry.h"
#include "skin/FrameObjects.h"
#include "skin/Raster.h"
#include "skin/TextFit.h"

namespace vireltan {

class TbsSkinData;
class TbsDataSkinCaption;

// A picture of the skin: the main or inactive picture, or skin picture `index` of the list.
struct FramePictureRef {
    enum class Which { Main, Inactive, List } which = Which::Main;
    int index = -1;
    friend bool operator==(const FramePictureRef&, const FramePictureRef&) = default;
};

// One object image: a copy of `source` to `target`, or a blend of two sources by the morph factor.
// Sources are clipped to their picture when the plan is run, so nothing is read outside one.
struct ObjectImage {
    enum class Kind { None, Copy, Morph } kind = Kind::None;
    FramePictureRef picture;  // Copy, and the normal side of a Morph
    PixelRect source;
    FramePictureRef activePicture;  // the active side of a Morph
    PixelRect activeSource;
    double factor = 0;
    MorphKind morphKind = MorphKind::mkDefault;
    PixelRect target;  // in the coordinates of what it is drawn on
    // Captions: each source fitted to the target's width as a horizontal strip with fixed parts
    // (fixedLeft, fixedRight); other images of another size than the target are stretched.
    bool strip = false;
    int fixedLeft = 0, fixedRight = 0;
    FillMode middle = FillMode::Tile;
    friend bool operator==(const ObjectImage&, const ObjectImage&) = default;
};

// What selects an object's look besides its own state.
struct ObjectLook {
    bool windowActive = true;
    bool redraw = false;  // false inside a full frame paint, whose pieces show the normal images
    bool restoreState =
        false;  // cmmaximize while maximized, cmminimize while minimized, cmrollup while rolled up
    bool skinEffects = true;
};
// Draw() of a button, animation or user object (the caption draws through captionImage). Plain
// buttons have no skin image (kind None).
ObjectImage objectImage(const FrameObject& o, const ObjectLook& look);

// The caption object's text: T in window coordinates, font and colours for the window's state.
struct CaptionTextPlan {
    PixelRect textRect;  // empty: no text is drawn
    Alignment alignment = Alignment::taLeftJustify;
    std::string fontName;
    int fontHeight = 0;
    FontStyles fontStyle;
    SkinColor color = 0;
    bool light = false, shadow = false;
    SkinColor lightColor = 0, shadowColor = 0;
    friend bool operator==(const CaptionTextPlan&, const CaptionTextPlan&) = default;
};
CaptionTextPlan captionTextPlan(const FrameObject& caption, const TbsDataSkinCaption& def, bool active);

// The caption text as drawn in T: nothing when the text or T is empty, else fitted to T's width with
// "..." (so a text area narrower than "..." still shows "...").
std::u16string captionTextToDraw(std::u16string_view text, const PixelRect& t, const MeasureUtf16& measure);

// Where text of textWidth x textHeight is drawn in T (halves truncated toward zero); light and shadow
// one pixel up-left and down-right. FitTextWithEllipsis(text, T.width()) comes first.
struct CaptionTextPlaces {
    PixelPoint text, light, shadow;
    friend bool operator==(const CaptionTextPlaces&, const CaptionTextPlaces&) = default;
};
CaptionTextPlaces captionTextPlaces(const PixelRect& t, Alignment alignment, int textWidth, int textHeight);

// The caption's own image, when it has one over the frame picture (not for a caption with no
// activeskinrect that neither morphs nor animates: the calculator's, whose frame picture already
// shows the caption background). Built by a horizontal strip with fixed parts a and b.
std::optional<ObjectImage> captionImage(const FrameObject& caption, const TbsDataSkinCaption& def,
                                        const SkinFormInfo& form, const ObjectLook& look);

enum class FramePiece { Top, Bottom, Left, Right };

struct ObjectDraw {
    int object = -1;
    FramePiece piece = FramePiece::Top;
    ObjectImage image;  // target in the piece's coordinates
};

struct FramePaintPlan {
    bool paint = false;  // false below the minimum size: nothing is painted
    FramePictureRef source;
    FrameGeometry geometry;   // the pieces and the mask for the size
    BorderStripPlans strips;  // each piece's paint steps, made once per paint
    FramePiecePlaces places;
    std::vector<ObjectDraw> objects;
    std::optional<InactiveEffect> effect;
    PixelRect clientExclude;  // C: never touched
    int caption = -1;         // the caption object whose text goes into the top piece
};

struct FramePaintInput {
    bool windowActive = true;
    int minWidth = 0, minHeight = 0;
    FrameSizeState restore;  // for the restore looks
    bool maximized = false;
    bool showIcon = false;  // ShowIcon: the icon button's image is left out (the window draws the icon)
};
// PaintSkinFrame's plan for the layout (laid out for the window's size).
FramePaintPlan planSkinFrame(const TbsSkinData& skin, const FrameLayout& layout, const FramePaintInput& in);

// The skin's pictures as rasters, converted once per skin.
// The frame's own copies of its three window pictures; the list pictures are the skin data's, made
// into rasters on first use, so that the frame never holds a second copy of a picture it never draws.
struct FramePictures {
    Raster main, inactive, mask;
    const TbsSkinData* skin = nullptr;
    const Raster* listed(int index) const;
    const Raster* find(const FramePictureRef& ref) const;
};
FramePictures framePictures(const TbsSkinData& skin);

// Runs the plan: the four pieces composed (memory reused at one size), each object image drawn into
// its piece, the inactive effect applied. Caption text is left to the caller.
void composeFramePieces(const FramePictures& pictures, const FramePaintPlan& plan, BorderStrips& pieces,
                        NoiseGenerator& noise);
// One object image drawn onto a raster (a piece, or the window's picture for a redraw).
void drawObjectImage(const FramePictures& pictures, const ObjectImage& image, Raster& dst);

// PaintClientBackground: a plain fill, or tiles/stretches of a picture piece over the client area.
struct ClientBackgroundPlan {
    bool plainFill = true;  // clBtnFace over the client rectangle
    FramePictureRef picture;
    PaintPlan ops;  // in client coordinates
};
// Where LogoBitMap goes on the client background: centred, but never left of or above its corner.
PixelPoint logoPosition(int clientWidth, int clientHeight, int logoWidth, int logoHeight);

// bgpictureindex -1: the main picture's clientrect part (a plain fill when that is empty);
// otherwise that skin picture, an index past the list counting as -1.
ClientBackgroundPlan planClientBackground(const TbsSkinData& skin, int clientWidth, int clientHeight,
                                          int frameWidth, int frameHeight);

}  // namespace vireltan
