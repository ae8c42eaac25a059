#include "skin/FramePaint.h"

#include <algorithm>
#include <new>
#include <type_traits>

#include "skin/Blit.h"
#include "skin/FrameButtons.h"
#include "skin/SkinData.h"
#include "skin/SkinGeometry.h"
#include "skin/SkinObjects.h"

namespace vireltan {
namespace {

FramePictureRef mainPicture() {
    return {};
}
FramePictureRef listPicture(int index) {
    return {FramePictureRef::Which::List, index};
}

ObjectImage copyOf(FramePictureRef picture, const PixelRect& source, const PixelRect& target) {
    ObjectImage i;
    i.kind = source.empty() ? ObjectImage::Kind::None : ObjectImage::Kind::Copy;
    i.picture = picture;
    i.source = source;
    i.target = target;
    return i;
}

bool morphUnderWay(const FrameObject& o, bool skinEffects) {
    if (!o.morphing || !skinEffects) return false;
    return (o.state.active && o.state.morph != 1) || (!o.state.active && o.state.morph != 0);
}

ObjectImage morphOf(const FrameObject& o, FramePictureRef normal, const PixelRect& normalSource,
                    const PixelRect& activeSource) {
    ObjectImage i = copyOf(normal, normalSource, o.rect);
    i.kind = ObjectImage::Kind::Morph;
    i.activePicture = listPicture(o.activePicture);
    i.activeSource = activeSource;
    i.factor = o.state.morph;
    i.morphKind = o.morphKind;
    return i;
}

// TbsActiveSkinObject's look.
ObjectImage baseImage(const FrameObject& o, const ObjectLook& look) {
    const FrameObjectState& s = o.state;
    const FramePictureRef active = listPicture(o.activePicture);
    const FramePictureRef normal = o.inAPicture ? active : mainPicture();
    if (o.enabled && !look.windowActive && !o.inactiveRect.empty())
        return copyOf(active, o.inactiveRect, o.rect);
    if (morphUnderWay(o, look.skinEffects)) return morphOf(o, normal, o.skinRect, o.activeRect);
    if (!s.active || o.activeRect.empty()) {
        if (look.redraw || o.inAPicture) return copyOf(normal, o.skinRect, o.rect);
        return {};
    }
    return copyOf(active, o.activeRect, o.rect);
}

ObjectImage buttonImage(const FrameObject& o, const ObjectLook& look) {
    const FramePictureRef active = listPicture(o.activePicture);
    if (!o.enabled && !o.disabledRect.empty()) return copyOf(active, o.disabledRect, o.rect);
    if (o.state.down && o.state.pointerIn && !o.downRect.empty()) return copyOf(active, o.downRect, o.rect);
    return baseImage(o, look);
}

ObjectImage stdButtonImage(const FrameObject& o, const ObjectLook& look) {
    if (!o.skinned) return {};  // the plain look is the Win32 side's drawing
    const FrameObjectState& s = o.state;
    const FramePictureRef active = listPicture(o.activePicture);
    if (look.restoreState && o.enabled && !o.restoreRect.empty()) {
        if (!look.windowActive && !o.restoreInactiveRect.empty()) {
            return copyOf(active, o.restoreInactiveRect, o.rect);
        }
        if (s.down && s.pointerIn && !o.restoreDownRect.empty())
            return copyOf(active, o.restoreDownRect, o.rect);
        if (morphUnderWay(o, look.skinEffects)) return morphOf(o, active, o.restoreRect, o.restoreActiveRect);
        if (s.active && !o.restoreActiveRect.empty()) return copyOf(active, o.restoreActiveRect, o.rect);
        return copyOf(active, o.restoreRect, o.rect);
    }
    return buttonImage(o, look);
}

ObjectImage animateImage(const FrameObject& o, const ObjectLook& look) {
    if (o.activePicture < 0) return {};
    const FrameObjectState& s = o.state;
    const bool restore = look.restoreState && !o.restoreActiveRect.empty();
    const PixelRect strip = restore ? o.restoreActiveRect : o.activeRect;
    const PixelRect down = restore ? o.restoreDownRect : o.downRect;
    const PixelRect inactive = restore ? o.restoreInactiveRect : o.inactiveRect;
    const int w = o.skinRect.width();
    const int h = o.skinRect.height();
    auto frame = [&](int k) {
        k = std::clamp(k, 1, std::max(1, o.countFrames));
        return PixelRect{strip.left + w * (k - 1), strip.top, strip.left + w * k, strip.top + h};
    };
    const FramePictureRef active = listPicture(o.activePicture);
    if (s.menuShown) return copyOf(active, down.empty() ? frame(o.countFrames) : down, o.rect);
    if (!look.windowActive && !inactive.empty()) return copyOf(active, inactive, o.rect);
    if (!s.pressed || !s.pointerIn || down.empty()) return copyOf(active, frame(s.frame), o.rect);
    return copyOf(active, down, o.rect);
}

// An image of the target's size from one source: a strip fit, a copy, or a stretch.
Raster renderSide(const Raster& picture, const PixelRect& source, const ObjectImage& image) {
    const PixelRect& t = image.target;
    Raster out(t.width(), t.height());
    if (out.empty()) return out;
    if (image.strip && (image.fixedLeft > 0 || image.fixedRight > 0)) {
        Raster strip;
        ComposeHorizontalStrip(picture, source, image.fixedLeft, image.fixedRight, image.middle, t.width(),
                               strip);
        copyPiece(strip, strip.bounds(), out, 0, 0);
    } else if (source.width() == t.width() && source.height() == t.height()) {
        copyPiece(picture, source, out, 0, 0);
    } else {
        stretchPiece(picture, intersect(source, picture.bounds()), out, out.bounds());
    }
    return out;
}

}  // namespace

const Raster* FramePictures::find(const FramePictureRef& ref) const {
    switch (ref.which) {
        case FramePictureRef::Which::Main:
            return &main;
        case FramePictureRef::Which::Inactive:
            return &inactive;
        case FramePictureRef::Which::List:
            return listed(ref.index);
    }
    return nullptr;
}

const Raster* FramePictures::listed(int index) const {
    return skin ? skin->activePictureRaster(index) : nullptr;
}

FramePictures framePictures(const TbsSkinData& skin) {
    FramePictures p;
    p.main = rasterFromPicture(skin.MainPicture);
    p.inactive = rasterFromPicture(skin.InactivePicture);
    p.mask = rasterFromPicture(skin.MaskPicture);
    p.skin = &skin;
    return p;
}

ObjectImage objectImage(const FrameObject& o, const ObjectLook& look) {
    switch (o.kind) {
        case FrameObjectKind::StdButton:
            return stdButtonImage(o, look);
        case FrameObjectKind::Button:
            return buttonImage(o, look);
        case FrameObjectKind::Animate:
            return animateImage(o, look);
        case FrameObjectKind::Caption:
        case FrameObjectKind::User:
            return {};
    }
    return {};
}

CaptionTextPlan captionTextPlan(const FrameObject& caption, const TbsDataSkinCaption& def, bool active) {
    CaptionTextPlan p;
    const PixelRect& r = caption.rect;
    PixelRect t = pixelRect(def.textrect);
    if (!t.empty()) t.right = r.width() + t.right - def.skinrect.width();
    const PixelRect frame = pixelRect(def.framerect);
    if (!frame.empty()) {
        const PixelRect ft = pixelRect(def.frametextrect);
        t.left += ft.left;
        t.top += ft.top;
        t.right += ft.right - frame.width();
    }
    p.textRect = t.empty() ? PixelRect{} : t.offset(r.left, r.top);
    p.alignment = def.alignment;
    p.fontName = def.fontname;
    p.fontHeight = def.fontheight;
    p.fontStyle = def.fontstyle;
    p.color = active ? def.activefontcolor : def.fontcolor;
    p.light = def.light;
    p.shadow = def.shadow;
    p.lightColor = active ? def.activelightcolor : def.lightcolor;
    p.shadowColor = active ? def.activeshadowcolor : def.shadowcolor;
    return p;
}

std::u16string captionTextToDraw(std::u16string_view text, const PixelRect& t, const MeasureUtf16& measure) {
    if (text.empty() || t.empty()) return {};
    return FitTextWithEllipsis(text, t.width(), measure);
}

CaptionTextPlaces captionTextPlaces(const PixelRect& t, Alignment alignment, int textWidth, int textHeight) {
    const int y = t.top + t.height() / 2 - textHeight / 2;
    int x = t.left;
    if (alignment == Alignment::taRightJustify) x = t.right - textWidth;
    if (alignment == Alignment::taCenter) x = t.left + t.width() / 2 - textWidth / 2;
    return {{x, y}, {x - 1, y - 1}, {x + 1, y + 1}};
}

namespace {

bool captionAnimates(const FrameObject& o, const ObjectLook& look) {
    return look.skinEffects && !o.animateRect.empty() && o.activePicture >= 0;
}

bool captionAnimationFrameShown(const FrameObject& o, const ObjectLook& look) {
    return captionAnimates(o, look) && o.state.frame >= 1 && o.state.frame <= o.countFrames;
}

// A caption with no activeskinrect that neither morphs nor animates (the calculator's): the frame
// picture already shows its background, and only its text is drawn.
bool captionShowsFramePicture(const FrameObject& o, const TbsDataSkinCaption& def, const ObjectLook& look) {
    if (captionAnimationFrameShown(o, look) || morphUnderWay(o, look.skinEffects)) return false;
    return o.activeRect.empty() || (!o.state.active && !def.stretcheffect && !captionAnimates(o, look));
}

ObjectImage captionSourceImage(const FrameObject& o, const ObjectLook& look) {
    if (captionAnimationFrameShown(o, look)) {
        const PixelRect slice = stripAnimationFrame(captionAnimation(o), o.skinRect.height(), o.state.frame);
        return copyOf(listPicture(o.activePicture), slice, o.rect);
    }
    if (morphUnderWay(o, look.skinEffects)) return morphOf(o, mainPicture(), o.skinRect, o.activeRect);
    if (!o.state.active) return copyOf(mainPicture(), o.skinRect, o.rect);
    return copyOf(listPicture(o.activePicture), o.activeRect, o.rect);
}

// The caption's image where it has one (not captionShowsFramePicture).
ObjectImage captionStripImage(const FrameObject& caption, const TbsDataSkinCaption& def,
                              const SkinFormInfo& form, const ObjectLook& look) {
    ObjectImage image = captionSourceImage(caption, look);
    image.strip = true;
    image.fixedLeft = std::max(0, form.lefttoppoint.x - def.skinrect.left);
    image.fixedRight = std::max(0, def.skinrect.right - form.righttoppoint.x);
    image.middle = def.stretcheffect ? FillMode::Stretch : FillMode::Tile;
    return image;
}

// Builds a plan value where it stays. Assigning a returned struct copies it out of a temporary that
// the callee has just written field by field, and the copy's wide loads wait for those narrow stores
// to reach the cache: such waits took half of the planning of a frame paint.
template <class T, class Make>
void buildInPlace(T& target, Make&& make) {
    static_assert(std::is_trivially_destructible_v<T>);
    ::new (static_cast<void*>(&target)) T(make());  // the callee's result is made in target itself
}

}  // namespace

std::optional<ObjectImage> captionImage(const FrameObject& caption, const TbsDataSkinCaption& def,
                                        const SkinFormInfo& form, const ObjectLook& look) {
    if (captionShowsFramePicture(caption, def, look)) return std::nullopt;
    return captionStripImage(caption, def, form, look);
}

FramePaintPlan planSkinFrame(const TbsSkinData& skin, const FrameLayout& layout, const FramePaintInput& in) {
    FramePaintPlan plan;
    const FrameMetrics& m = layout.metrics;
    if (m.width < in.minWidth || m.height < in.minHeight) return plan;
    plan.paint = true;
    const SkinPicture& inactive = skin.InactivePicture;
    // An inactive picture of another size than the main one does not fit the frame's geometry.
    const bool inactiveFits = !inactive.isEmpty() && inactive.width == skin.MainPicture.width &&
                              inactive.height == skin.MainPicture.height;
    if (!in.windowActive && inactiveFits) plan.source.which = FramePictureRef::Which::Inactive;
    buildInPlace(plan.geometry, [&] {
        return frameGeometry(skin.FormInfo, m.pictureWidth, m.pictureHeight, m.width, m.height);
    });
    buildInPlace(plan.strips, [&] { return borderStripPlans(plan.geometry.pieces); });
    plan.places = framePiecePlaces(plan.geometry.pieces, plan.strips);
    plan.clientExclude = m.client;
    if (!in.windowActive && skin.FormInfo.autorenderinginactiveimage)
        plan.effect = skin.FormInfo.inactiveeffect;

    ObjectLook look;
    look.windowActive = in.windowActive;
    look.skinEffects = skin.EnableSkinEffects;
    const int bottomTop = plan.geometry.pieces.moved.client.bottom;
    plan.objects.reserve(layout.objects.size());
    for (std::size_t i = 0; i < layout.objects.size(); ++i) {
        const FrameObject& o = layout.objects[i];
        if (!o.visible || drawsWindowIcon(o, in.showIcon)) continue;
        look.restoreState = (o.command == StdCommand::cmMaximize && in.maximized) ||
                            (o.command == StdCommand::cmMinimize && in.restore.minimized) ||
                            (o.command == StdCommand::cmRollUp && in.restore.rolledUp);
        ObjectDraw& draw = plan.objects.emplace_back();
        draw.object = int(i);
        if (o.kind == FrameObjectKind::Caption) {
            if (plan.caption < 0) plan.caption = int(i);
            const auto* def = o.definition >= 0 && o.definition < int(skin.ObjectDefinitions.size())
                                  ? dynamic_cast<const TbsDataSkinCaption*>(
                                        skin.ObjectDefinitions[std::size_t(o.definition)].get())
                                  : nullptr;
            if (def && !captionShowsFramePicture(o, *def, look)) {
                buildInPlace(draw.image, [&] { return captionStripImage(o, *def, skin.FormInfo, look); });
            }
        } else {
            buildInPlace(draw.image, [&] { return objectImage(o, look); });
        }
        if (draw.image.kind == ObjectImage::Kind::None) {
            plan.objects.pop_back();
            continue;
        }
        if (o.rect.bottom > m.client.top) {
            draw.piece = FramePiece::Bottom;
            draw.image.target = draw.image.target.offset(0, -bottomTop);
        }
    }
    return plan;
}

void drawObjectImage(const FramePictures& pictures, const ObjectImage& image, Raster& dst) {
    const Raster* picture = pictures.find(image.picture);
    if (image.kind == ObjectImage::Kind::None || !picture || picture->empty()) return;
    const PixelRect& t = image.target;
    if (image.kind == ObjectImage::Kind::Copy) {
        // Straight into the destination, without an image of its own: a caption is as wide as the
        // window, and a copy of it first would cost as much as its piece.
        if (image.strip && (image.fixedLeft > 0 || image.fixedRight > 0)) {
            const PaintPlan plan =
                horizontalStripPlan(image.source, image.fixedLeft, image.fixedRight, image.middle, t.width());
            paintPlan(*picture, plan, dst, {t.left, t.top}, t);
        } else if (image.source.width() == t.width() && image.source.height() == t.height()) {
            copyPiece(*picture, image.source, dst, t.left, t.top);  // clipped to the picture and dst
        } else {
            stretchPiece(*picture, intersect(image.source, picture->bounds()), dst, t);
        }
        return;
    }
    Raster out = renderSide(*picture, image.source, image);
    const Raster* active = pictures.find(image.activePicture);
    if (active && !active->empty()) {
        applyMorph(out, renderSide(*active, image.activeSource, image), image.morphKind, image.factor);
    }
    copyPiece(out, out.bounds(), dst, t.left, t.top);
}

namespace {

// The part of the top piece that an object image paints over whole: a caption image cut from inside
// its picture covers every pixel of its rectangle.
PixelRect coveredByCaption(const FramePictures& pictures, const FramePaintPlan& plan) {
    if (plan.caption < 0) return {};
    for (const ObjectDraw& d : plan.objects) {
        const ObjectImage& i = d.image;
        if (d.object != plan.caption || d.piece != FramePiece::Top) continue;
        const Raster* picture = pictures.find(i.picture);
        const bool whole = i.kind == ObjectImage::Kind::Copy && i.strip && picture &&
                           intersect(i.source, picture->bounds()) == i.source &&
                           i.source.height() >= i.target.height();
        return whole ? i.target : PixelRect{};
    }
    return {};
}

// ComposeBorderStrips, leaving out the top piece's pixels under `covered`: the caption image drawn
// there next would only paint them again.
void composePieces(const Raster& picture, const NinePieceParams& p, const BorderStripPlans& plans,
                   const PixelRect& covered, BorderStrips& strips) {
    if (covered.empty()) {
        ComposeBorderStrips(picture, p, plans, strips);
        return;
    }
    strips.top.resize(plans.topHeight > 0 ? p.width : 0, plans.topHeight);
    strips.bottom.resize(plans.bottomHeight > 0 ? p.width : 0, plans.bottomHeight);
    strips.left.resize(plans.leftWidth, plans.leftWidth > 0 ? plans.sideHeight : 0);
    strips.right.resize(plans.rightWidth, plans.rightWidth > 0 ? plans.sideHeight : 0);
    if (picture.empty()) return;
    const PixelRect b = strips.top.bounds();
    const PixelRect c = intersect(covered, b);
    const PixelRect around[] = {{0, 0, b.right, c.top},
                                {0, c.top, c.left, c.bottom},
                                {c.right, c.top, b.right, c.bottom},
                                {0, c.bottom, b.right, b.bottom}};
    for (const PixelRect& part : around) {
        if (!part.empty()) paintPlan(picture, plans.top, strips.top, {0, 0}, part);
    }
    paintPlan(picture, plans.bottom, strips.bottom, {0, 0}, strips.bottom.bounds());
    paintPlan(picture, plans.left, strips.left, {0, 0}, strips.left.bounds());
    paintPlan(picture, plans.right, strips.right, {0, 0}, strips.right.bounds());
}

}  // namespace

void composeFramePieces(const FramePictures& pictures, const FramePaintPlan& plan, BorderStrips& pieces,
                        NoiseGenerator& noise) {
    const Raster* source = pictures.find(plan.source);
    if (!plan.paint || !source) return;
    composePieces(*source, plan.geometry.pieces, plan.strips, coveredByCaption(pictures, plan), pieces);
    for (const ObjectDraw& d : plan.objects) {
        drawObjectImage(pictures, d.image, d.piece == FramePiece::Top ? pieces.top : pieces.bottom);
    }
    if (!plan.effect) return;
    for (Raster* piece : {&pieces.top, &pieces.bottom, &pieces.left, &pieces.right}) {
        if (!piece->empty()) applyInactiveEffect(*piece, *plan.effect, noise);
    }
}

PixelPoint logoPosition(int clientWidth, int clientHeight, int logoWidth, int logoHeight) {
    return {std::max(0, clientWidth / 2 - logoWidth / 2), std::max(0, clientHeight / 2 - logoHeight / 2)};
}

ClientBackgroundPlan planClientBackground(const TbsSkinData& skin, int clientWidth, int clientHeight,
                                          int frameWidth, int frameHeight) {
    ClientBackgroundPlan plan;
    if (skin.SkinEmpty()) return plan;
    const SkinFormInfo& form = skin.FormInfo;
    int index = form.bgpictureindex;
    if (index < -1 || index >= int(skin.ActivePictures.size())) index = -1;  // names no picture
    PixelRect tile;
    if (index == -1) {
        const SkinPicture& main = skin.MainPicture;
        tile = intersect(pixelRect(form.clientrect), {0, 0, main.width, main.height});
    } else {
        const SkinPicture& picture = skin.ActivePictures[std::size_t(index)];
        tile = {0, 0, picture.width, picture.height};
        plan.picture = listPicture(index);
    }
    if (tile.empty()) return plan;
    plan.plainFill = false;
    if (clientWidth <= 0 || clientHeight <= 0) return plan;
    if (form.stretcheffect) {
        const PaintOpKind kind = form.stretchtype == StretchType::stFull   ? PaintOpKind::Stretch
                                 : form.stretchtype == StretchType::stVert ? PaintOpKind::StretchRows
                                                                           : PaintOpKind::StretchColumns;
        plan.ops.push_back({kind, tile, {0, 0, frameWidth, frameHeight}});
    } else {
        plan.ops.push_back({PaintOpKind::Tile, tile, {0, 0, clientWidth, clientHeight}});
    }
    return plan;
}

}  // namespace vireltan
