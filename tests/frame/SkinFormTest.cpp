// The skinned frame on a real window with the calculator's stored skin: geometry and region, what it
// paints and passes on for the messages that change the frame (as sequences, in the way of Wine's own
// message tests), its pixels through the print request, and the caption buttons under the pointer.
#include "frame/SkinForm.h"

#include "SkinnedFormSupport.h"
#include "gui/Messages.h"
#include "skin/FrameGeometry.h"
#include "skin/SkinGeometry.h"
#include "skin/SkinObjects.h"

#include <gtest/gtest.h>

#include <memory>
#include <string>
#include <vector>

namespace vireltan {
namespace {

using testing::pumpFor;
using testing::pumpUntil;

constexpr int kWidth = 746, kHeight = 411;

// One message as the window received it, and whether the frame passed it on to the form.
struct Seen {
    UINT msg;
    bool passed;
    friend bool operator==(const Seen&, const Seen&) = default;
};

std::string describe(const std::vector<Seen>& seen) {
    std::string out;
    for (const Seen& s : seen) out += std::to_string(s.msg) + (s.passed ? "+ " : "- ");
    return out;
}

class SkinFormTest : public ::testing::Test {
  protected:
    void SetUp() override {
        form = testing::singleBorderForm("   Vireltan - 12/2009", 60, 40, kWidth, kHeight);
        // Behind the frame: sees what the frame passes on.
        behind = form->installWindowProcHook([this](TMessage& m, const WindowProcNext& next) {
            if (!open.empty() && log[open.back()].msg == m.msg) log[open.back()].passed = true;
            next(m);
        });
        frame = testing::skinnedFrame(*form, data, {true, true, false, false, false});
        ASSERT_NE(data, nullptr);
        // In front of the frame: sees every message the window receives.
        front = form->installWindowProcHook([this](TMessage& m, const WindowProcNext& next) {
            if (!recording || !watched(m.msg)) return next(m);
            log.push_back({m.msg, false});
            open.push_back(log.size() - 1);
            next(m);
            open.pop_back();
        });
        form->show();
        SetForegroundWindow(form->handle());
        pumpUntil([&] { return frame->IsFrameActive(); }, 2000);
        pumpFor(50);
    }

    void TearDown() override {
        recording = false;
        other.reset();
        front.remove();
        behind.remove();
        form.reset();
    }

    static bool watched(UINT msg) {
        switch (msg) {
            case WM_NCACTIVATE:
            case WM_ACTIVATE:
            case WM_SETTEXT:
            case WM_NCPAINT:
            case WM_ERASEBKGND:
            case BSM_BEFORECHANGE:
            case BSM_CHANGE:
            case BSM_AFTERCHANGE:
                return true;
            default:
                return false;
        }
    }

    void printFrame(TBitmap& out) { ASSERT_TRUE(testing::printFrame(*form, out)); }

    PixelPoint screenPoint(int object) const {
        const PixelRect& r = frame->layout().objects[std::size_t(object)].rect;
        RECT w{};
        GetWindowRect(form->handle(), &w);
        return {w.left + (r.left + r.right) / 2, w.top + (r.top + r.bottom) / 2};
    }

    // The pointer over a point of the screen, as the system reports it to the window.
    void pointAt(PixelPoint p) {
        SetCursorPos(p.x, p.y);
        SendMessageW(form->handle(), WM_NCHITTEST, 0, MAKELPARAM(p.x, p.y));
    }

  public:
    std::unique_ptr<TForm> form, other;
    WindowProcHook behind, front;
    SkinDataComponent* data = nullptr;
    TbsSkinForm* frame = nullptr;
    bool recording = false;
    std::vector<Seen> log;
    std::vector<std::size_t> open;
    testing::CursorRestore cursor;
};

TEST_F(SkinFormTest, TheSkinGivesTheClientAreaAndTheOutline) {
    ASSERT_TRUE(frame->SkinReady());
    RECT client{};
    GetClientRect(form->handle(), &client);
    EXPECT_EQ(client.right, 736);
    EXPECT_EQ(client.bottom, 376);
    POINT origin{0, 0};
    ClientToScreen(form->handle(), &origin);
    RECT w{};
    GetWindowRect(form->handle(), &w);
    EXPECT_EQ(origin.x - w.left, 5);
    EXPECT_EQ(origin.y - w.top, 27);
    ASSERT_TRUE(frame->hasWindowRegion());
    // The rounded top corners are cut away; the rest of the outline is the window's rectangle.
    struct Case {
        int x, y;
        bool inside;
    };
    const Case cases[] = {{0, 0, false},
                          {kWidth - 1, 0, false},
                          {10, 0, true},
                          {0, 10, true},
                          {kWidth / 2, 1, true},
                          {0, kHeight - 1, true},
                          {kWidth - 1, kHeight - 1, true}};
    HRGN region = CreateRectRgn(0, 0, 0, 0);
    ASSERT_NE(GetWindowRgn(form->handle(), region), ERROR);
    for (const Case& c : cases) {
        EXPECT_EQ(PtInRegion(region, c.x, c.y) != FALSE, c.inside) << c.x << "," << c.y;
    }
    DeleteObject(region);
    // The design's BorderIcons of the window never show: the frame has its own.
    EXPECT_EQ(form->borderIcons(), 0u);
}

TEST_F(SkinFormTest, HitTestsAnswerForTheCalculatorFrame) {
    struct Case {
        int x, y;
        LRESULT hit;
    };
    const Case cases[] = {
        {100, 10, HTCAPTION}, {28, 4, HTCAPTION},
        {680, 20, HTCAPTION}, {681, 10, HTOBJECT /*maximize*/},
        {710, 10, HTOBJECT},  {2, 200, HTOBJECT},
        {5, 27, HTCLIENT},    {740, 402, HTCLIENT},
        {741, 403, HTOBJECT}, {15, 15, HTOBJECT /*system menu*/},
    };
    // On the primary monitor, and left of and above it (negative screen coordinates).
    for (const POINT origin : {POINT{60, 40}, POINT{-300, -200}}) {
        form->setBounds(origin.x, origin.y, kWidth, kHeight);
        RECT w{};
        GetWindowRect(form->handle(), &w);
        ASSERT_EQ(w.left, origin.x);
        for (const Case& c : cases) {
            const LRESULT hit =
                SendMessageW(form->handle(), WM_NCHITTEST, 0, MAKELPARAM(w.left + c.x, w.top + c.y));
            EXPECT_EQ(hit, c.hit) << origin.x << ": " << c.x << "," << c.y;
        }
    }
}

TEST_F(SkinFormTest, PrintRequestGivesTheComposedPieces) {
    TBitmap printed;
    printFrame(printed);
    // Independently composed from the main picture: equal everywhere but in the caption's text.
    const FramePictures pictures = framePictures(data->skinData());
    const FrameGeometry g = frameGeometry(data->skinData().FormInfo, 150, 150, kWidth, kHeight);
    const Raster expected = composeFramePicture(pictures.main, g);
    const int caption = frame->findObject("caption");
    ASSERT_GE(caption, 0);
    const PixelRect text = frame->layout().objects[std::size_t(caption)].rect;
    const Raster got = printed.raster();
    int differences = 0, insideText = 0;
    for (int y = 0; y < kHeight; ++y) {
        for (int x = 0; x < kWidth; ++x) {
            if (x >= 5 && x < 741 && y >= 27 && y < 403) continue;  // client area: not the frame's
            if (got.pixel(x, y) == expected.pixel(x, y)) continue;
            const bool inText = x >= text.left && x < text.right && y >= text.top && y < text.bottom;
            (inText ? insideText : differences)++;
        }
    }
    EXPECT_EQ(differences, 0);
    EXPECT_GT(insideText, 50);  // the caption text is there
}

// The client background repeats the main picture's clientrect part from the client area's top-left
// corner, also when it is printed into a context whose origin is moved.
TEST_F(SkinFormTest, ClientBackgroundRepeatsTheTileFromTheClientOrigin) {
    const FramePictures pictures = framePictures(data->skinData());
    const PixelRect tile = pixelRect(data->skinData().FormInfo.clientrect);
    ASSERT_EQ(tile.width(), 140);
    ASSERT_EQ(tile.height(), 115);
    RECT client{};
    GetClientRect(form->handle(), &client);
    struct Case {
        int originX, originY;
    };
    for (const Case& c : {Case{0, 0}, Case{13, 7}, Case{-30, 50}}) {
        SCOPED_TRACE(::testing::Message() << "origin " << c.originX << ", " << c.originY);
        TBitmap printed(client.right + 40, client.bottom + 60);
        printed.raster().fill({1, 2, 3});
        SetViewportOrgEx(printed.canvasHandle(), c.originX, c.originY, nullptr);
        SendMessageW(form->handle(), WM_ERASEBKGND, WPARAM(printed.canvasHandle()), 0);
        SetViewportOrgEx(printed.canvasHandle(), 0, 0, nullptr);
        GdiFlush();
        const Raster got = printed.raster();
        int wrong = 0, outside = 0;
        for (int y = 0; y < got.height(); ++y) {
            for (int x = 0; x < got.width(); ++x) {
                const int cx = x - c.originX, cy = y - c.originY;
                if (cx < 0 || cy < 0 || cx >= client.right || cy >= client.bottom) {
                    outside += got.pixel(x, y) != Bgr{1, 2, 3};
                    continue;
                }
                const Bgr want =
                    pictures.main.pixel(tile.left + cx % tile.width(), tile.top + cy % tile.height());
                wrong += got.pixel(x, y) != want;
            }
        }
        EXPECT_EQ(wrong, 0);
        EXPECT_EQ(outside, 0) << "nothing beyond the client area";
    }
}

TEST_F(SkinFormTest, ActiveAndInactiveDifferOnlyInTheCaptionText) {
    TBitmap active, inactive;
    printFrame(active);
    SendMessageW(form->handle(), WM_NCACTIVATE, FALSE, 0);
    ASSERT_FALSE(frame->IsFrameActive());
    printFrame(inactive);
    const PixelRect text = frame->layout().objects[std::size_t(frame->findObject("caption"))].rect;
    int outside = 0, inside = 0;
    for (int y = 0; y < kHeight; ++y) {
        for (int x = 0; x < kWidth; ++x) {
            if (active.raster().pixel(x, y) == inactive.raster().pixel(x, y)) continue;
            const bool inText = x >= text.left && x < text.right && y >= text.top && y < text.bottom;
            (inText ? inside : outside)++;
        }
    }
    EXPECT_EQ(outside, 0);
    EXPECT_GT(inside, 50);
    SendMessageW(form->handle(), WM_NCACTIVATE, TRUE, 0);
}

TEST_F(SkinFormTest, OnCaptionPaintReplacesTheCaptionText) {
    struct Case {
        bool skinned;
        RECT rect;  // where the caption is drawn on its canvas (the plain bar's right edge unchecked)
    };
    const Case cases[] = {{true, {28, 4, 681, 21}},
                          {false, {17, 0, 0, 19}}};  // plain: right of the system-menu button
    // The record outlives every paint the frame makes while the handler is set: the skin's removal
    // below repaints the frame too.
    std::vector<RECT> calls;
    frame->OnCaptionPaint = [&](HDC, const RECT& r, bool active) {
        calls.push_back(r);
        EXPECT_TRUE(active);
    };
    for (const Case& c : cases) {
        if (!c.skinned) frame->setSkinData(nullptr);
        calls.clear();
        const int texts = frame->paintCounts().captionTexts;
        TBitmap printed;
        printFrame(printed);
        ASSERT_EQ(calls.size(), 1u) << c.skinned;
        EXPECT_EQ(calls[0].left, c.rect.left) << c.skinned;
        EXPECT_EQ(calls[0].top, c.rect.top) << c.skinned;
        EXPECT_EQ(calls[0].bottom, c.rect.bottom) << c.skinned;
        EXPECT_EQ(frame->paintCounts().captionTexts, texts) << c.skinned;  // no text of the frame's
        if (!c.skinned) continue;
        EXPECT_EQ(calls[0].right, c.rect.right);
        // The caption area shows the frame picture alone.
        const FramePictures pictures = framePictures(data->skinData());
        const Raster expected = composeFramePicture(
            pictures.main, frameGeometry(data->skinData().FormInfo, 150, 150, kWidth, kHeight));
        int differences = 0;
        for (int y = 0; y < 27; ++y) {
            for (int x = 0; x < kWidth; ++x)
                differences += printed.raster().pixel(x, y) != expected.pixel(x, y);
        }
        EXPECT_EQ(differences, 0);
    }
    frame->OnCaptionPaint = nullptr;
}

TEST_F(SkinFormTest, LongCaptionEndsInEllipsisInsideItsArea) {
    form->setCaption(std::string(200, 'W'));
    TBitmap printed;
    printFrame(printed);
    const PixelRect area = frame->layout().objects[std::size_t(frame->findObject("caption"))].rect;
    // White text pixels right of the text area would mean the text ran past it.
    int beyond = 0;
    for (int y = area.top; y < area.bottom; ++y) {
        for (int x = area.right; x < kWidth; ++x) {
            if (printed.raster().pixel(x, y) == Bgr{255, 255, 255}) ++beyond;
        }
    }
    EXPECT_EQ(beyond, 0);
    EXPECT_GT(frame->paintCounts().captionTexts, 0);
}

// The region is cut while the window is still hidden: its first paint on the screen already has the
// skin's outline, and setting the region does not paint the window and every child a second time.
TEST_F(SkinFormTest, TheRegionIsInPlaceBeforeTheFirstPaint) {
    auto fresh = testing::singleBorderForm("fresh", 100, 80, kWidth, kHeight);
    (new TbsSkinForm(fresh.get()))->setSkinData(data);
    int erases = 0, regionAtFirstPaint = -1;
    auto hook = fresh->installWindowProcHook([&](TMessage& m, const WindowProcNext& next) {
        const bool paint = m.msg == WM_NCPAINT || m.msg == WM_ERASEBKGND;
        if (paint && IsWindowVisible(fresh->handle())) {
            if (regionAtFirstPaint < 0) {
                RegionHandle region(CreateRectRgn(0, 0, 0, 0));
                regionAtFirstPaint = GetWindowRgn(fresh->handle(), region.get());
            }
            erases += m.msg == WM_ERASEBKGND;
        }
        next(m);
    });
    fresh->show();
    pumpFor(100);
    EXPECT_EQ(regionAtFirstPaint, COMPLEXREGION);
    EXPECT_EQ(erases, 1);
    hook.remove();
}

// What the frame paints and passes on, message by message ('+' passed on to the form's handling).
TEST_F(SkinFormTest, MessageSequences) {
    struct Case {
        const char* name;
        std::function<void(SkinFormTest&)> act;
        std::vector<Seen> expected;
    };
    const Case cases[] = {
        {"WM_SETTEXT",
         [](SkinFormTest& t) { SetWindowTextW(t.form->handle(), L"x"); },
         {{WM_SETTEXT, true}, {WM_NCPAINT, false}}},
        {"WM_NCACTIVATE off",
         [](SkinFormTest& t) { SendMessageW(t.form->handle(), WM_NCACTIVATE, FALSE, 0); },
         // The frame paints, then the caption's state change paints it again; nothing is passed on.
         {{WM_NCACTIVATE, false}, {WM_NCPAINT, false}, {WM_NCPAINT, false}}},
        {"WM_NCACTIVATE on",
         [](SkinFormTest& t) { SendMessageW(t.form->handle(), WM_NCACTIVATE, TRUE, 0); },
         {{WM_NCACTIVATE, false}, {WM_NCPAINT, false}, {WM_NCPAINT, false}}},
        {"WM_ACTIVATE",
         [](SkinFormTest& t) { SendMessageW(t.form->handle(), WM_ACTIVATE, WA_ACTIVE, 0); },
         {{WM_ACTIVATE, true}, {WM_NCPAINT, false}}},
        {"deactivation by the system",
         [](SkinFormTest& t) {
             t.other = std::make_unique<TForm>(nullptr);
             t.other->setBounds(900, 700, 200, 100);
             t.other->show();
             SetForegroundWindow(t.other->handle());
         },
         // The frame repaints for the frame's activation state, again for the caption's, and once
         // more when the window hears it has lost the activation; only WM_ACTIVATE goes on.
         {{WM_NCACTIVATE, false},
          {WM_NCPAINT, false},
          {WM_NCPAINT, false},
          {WM_ACTIVATE, true},
          {WM_NCPAINT, false}}},
        {"activation by the system",
         [](SkinFormTest& t) { SetForegroundWindow(t.form->handle()); },
         {{WM_NCACTIVATE, false},
          {WM_NCPAINT, false},
          {WM_NCPAINT, false},
          {WM_ACTIVATE, true},
          {WM_NCPAINT, false}}},
        {"skin change",
         [](SkinFormTest& t) { t.data->setCompressedStoredSkin(t.data->compressedStoredSkin()); },
         {{BSM_BEFORECHANGE, true}, {BSM_CHANGE, true}, {WM_NCPAINT, false}, {BSM_AFTERCHANGE, true}}},
    };
    for (const Case& c : cases) {
        log.clear();
        recording = true;
        c.act(*this);
        recording = false;
        // The skin change repaints the window at once and the system may add frame paints of its own;
        // what is checked is the frame's rows in their order.
        std::vector<Seen> got;
        for (const Seen& s : log) {
            if (s.msg == WM_ERASEBKGND) continue;
            if (!got.empty() && s.msg == WM_NCPAINT && got.back().msg == WM_NCPAINT &&
                std::string(c.name) == "skin change")
                continue;
            got.push_back(s);
        }
        EXPECT_EQ(got, c.expected) << c.name << ": " << describe(got);
    }
}

TEST_F(SkinFormTest, HoverPlaysTheMinimizeAnimationAndRedrawsOneObject) {
    const int minimize = frame->findObject("minanimate");
    ASSERT_GE(minimize, 0);
    const auto& o = frame->layout().objects[std::size_t(minimize)];
    ASSERT_EQ(o.countFrames, 6);
    const int paints = frame->paintCounts().framePaints;
    const int draws = frame->paintCounts().objectDraws;
    pointAt(screenPoint(minimize));
    ASSERT_TRUE(
        pumpUntil([&] { return frame->layout().objects[std::size_t(minimize)].state.frame == 6; }, 2000));
    EXPECT_EQ(frame->paintCounts().objectDraws - draws, 5);  // frames 2..6, one object each
    RECT w{};
    GetWindowRect(form->handle(), &w);
    pointAt({w.left + 300, w.top + 200});  // into the client area: the timer notices
    ASSERT_TRUE(
        pumpUntil([&] { return frame->layout().objects[std::size_t(minimize)].state.frame == 1; }, 2000));
    pumpFor(60);
    EXPECT_EQ(frame->paintCounts().objectDraws - draws, 10);  // and back again
    EXPECT_EQ(frame->paintCounts().framePaints, paints);      // never the whole frame
}

TEST_F(SkinFormTest, PressOnCloseReleasedOutsideRunsNoCommand) {
    bool closed = false;
    form->OnClose = [&] { closed = true; };
    const int close = frame->findObject("closebutton");
    ASSERT_GE(close, 0);
    const PixelPoint p = screenPoint(close);
    pointAt(p);
    pumpFor(60);
    SendMessageW(form->handle(), WM_NCLBUTTONDOWN, HTOBJECT, MAKELPARAM(p.x, p.y));
    EXPECT_TRUE(frame->layout().objects[std::size_t(close)].state.down);
    EXPECT_EQ(GetCapture(), form->handle());
    RECT w{};
    GetWindowRect(form->handle(), &w);
    SetCursorPos(w.left + 300, w.top + 200);
    ASSERT_TRUE(pumpUntil([&] { return !frame->layout().objects[std::size_t(close)].state.active; }, 1000));
    SendMessageW(form->handle(), WM_LBUTTONUP, 0, MAKELPARAM(295, 173));
    EXPECT_FALSE(closed);
    EXPECT_TRUE(IsWindowVisible(form->handle()));
    EXPECT_FALSE(frame->layout().objects[std::size_t(close)].state.down);
    EXPECT_NE(GetCapture(), form->handle());
}

TEST_F(SkinFormTest, ObjectEventsCarryWindowCoordinates) {
    std::vector<std::string> events;
    auto note = [&](const char* what, const std::string& name, int x, int y) {
        events.push_back(std::string(what) + " " + name + " " + std::to_string(x) + "," + std::to_string(y));
    };
    frame->OnMouseEnterEvent = [&](const std::string& name) { note("enter", name, 0, 0); };
    frame->OnMouseLeaveEvent = [&](const std::string& name) { note("leave", name, 0, 0); };
    frame->OnMouseDownEvent = [&](const std::string& name, int x, int y, const PixelRect&, MouseButton) {
        note("down", name, x, y);
    };
    frame->OnMouseUpEvent = [&](const std::string& name, int x, int y, const PixelRect&, MouseButton) {
        note("up", name, x, y);
    };
    frame->OnSystemMenu = [](const RECT&) {};
    const PixelPoint p = screenPoint(frame->findObject("sysmenubutton"));
    RECT w{};
    GetWindowRect(form->handle(), &w);
    pointAt(p);
    SendMessageW(form->handle(), WM_NCLBUTTONDOWN, HTOBJECT, MAKELPARAM(p.x, p.y));
    SendMessageW(form->handle(), WM_LBUTTONUP, 0, 0);  // released over the client area while captured
    SetCursorPos(w.left + 300, w.top + 200);
    ASSERT_TRUE(pumpUntil([&] { return frame->activeObject() < 0; }, 1000));
    // Standard buttons fire no down event; the release over the client area carries (-1, -1).
    const std::vector<std::string> expected{"enter sysmenubutton 0,0", "up sysmenubutton -1,-1",
                                            "leave sysmenubutton 0,0"};
    EXPECT_EQ(events, expected);
}

TEST_F(SkinFormTest, CloseButtonClosesTheWindow) {
    bool closed = false;
    form->OnClose = [&] { closed = true; };
    const PixelPoint p = screenPoint(frame->findObject("closebutton"));
    pointAt(p);
    pumpFor(60);
    SendMessageW(form->handle(), WM_NCLBUTTONDOWN, HTOBJECT, MAKELPARAM(p.x, p.y));
    SendMessageW(form->handle(), WM_LBUTTONUP, 0, 0);
    EXPECT_TRUE(closed);
    EXPECT_FALSE(IsWindowVisible(form->handle()));
}

TEST_F(SkinFormTest, MinimizeButtonMinimizesTheMainWindowAndRestoresInPlace) {
    TForm* previousMain = Application().mainForm();
    Application().setMainForm(form.get());
    RECT before{};
    GetWindowRect(form->handle(), &before);
    const PixelPoint p = screenPoint(frame->findObject("minanimate"));
    pointAt(p);
    pumpFor(60);
    SendMessageW(form->handle(), WM_NCLBUTTONDOWN, HTOBJECT, MAKELPARAM(p.x, p.y));
    SendMessageW(form->handle(), WM_LBUTTONUP, 0, 0);
    EXPECT_TRUE(IsIconic(form->handle()));
    EXPECT_EQ(frame->FrameWindowState(), TbsFrameWindowState::Normal);  // the application is minimized
    ShowWindow(form->handle(), SW_RESTORE);                             // as the taskbar button does
    pumpFor(30);
    RECT after{};
    GetWindowRect(form->handle(), &after);
    EXPECT_EQ(after.left, before.left);
    EXPECT_EQ(after.top, before.top);
    EXPECT_EQ(after.right - after.left, before.right - before.left);
    EXPECT_EQ(after.bottom - after.top, before.bottom - before.top);
    Application().setMainForm(previousMain);
}

TEST_F(SkinFormTest, SystemMenuTriggersShareOneOperation) {
    std::vector<RECT> anchors;
    frame->OnSystemMenu = [&](const RECT& anchor) { anchors.push_back(anchor); };
    const int sysmenu = frame->findObject("sysmenubutton");
    ASSERT_GE(sysmenu, 0);
    const PixelPoint p = screenPoint(sysmenu);
    pointAt(p);
    pumpFor(60);
    SendMessageW(form->handle(), WM_NCLBUTTONDOWN, HTOBJECT, MAKELPARAM(p.x, p.y));
    SendMessageW(form->handle(), WM_LBUTTONUP, 0, 0);
    ASSERT_EQ(anchors.size(), 1u);
    RECT w{};
    GetWindowRect(form->handle(), &w);
    EXPECT_EQ(anchors[0].left, w.left + 10);  // under the button: (10, 10, 23, 23) on the window
    EXPECT_EQ(anchors[0].bottom, w.top + 23);
    EXPECT_FALSE(frame->layout().objects[std::size_t(sysmenu)].state.down);  // released when it closed
    SendMessageW(form->handle(), WM_SYSCOMMAND, SC_KEYMENU, ' ');            // Alt+Space
    ASSERT_EQ(anchors.size(), 2u);
    EXPECT_EQ(anchors[1].top, w.top + 10);
    const LPARAM onCaption = MAKELPARAM(w.left + 200, w.top + 12);
    // The system's handling of the press waits for the release before the frame's work runs.
    PostMessageW(form->handle(), WM_RBUTTONUP, 0, 0);
    SendMessageW(form->handle(), WM_NCRBUTTONDOWN, HTCAPTION, onCaption);
    ASSERT_EQ(anchors.size(), 3u);
    EXPECT_EQ(anchors[2].left, anchors[2].right);  // the empty rectangle at the cursor
    SendMessageW(form->handle(), WM_NCRBUTTONDOWN, HTOBJECT, MAKELPARAM(p.x, p.y));  // not on a button
    SendMessageW(form->handle(), WM_RBUTTONUP, 0, 0);
    EXPECT_EQ(anchors.size(), 3u);
}

TEST_F(SkinFormTest, WithoutASkinThePlainFrameIsUsed) {
    frame->setSkinData(nullptr);
    EXPECT_FALSE(frame->SkinReady());
    RECT client{};
    GetClientRect(form->handle(), &client);
    EXPECT_EQ(client.right, kWidth - 6);
    EXPECT_EQ(client.bottom, kHeight - 25);
    const FrameBorders b = frame->frameBorders();
    EXPECT_EQ(b, (FrameBorders{3, 22, 3, 3}));
    TBitmap printed;
    printFrame(printed);
    // The caption bar's face colour where no line or text lies, and the outer bevel.
    EXPECT_EQ(testing::pixelAt(printed, 4, 4), GetSysColor(COLOR_BTNFACE));
    EXPECT_EQ(testing::pixelAt(printed, 0, 100), GetSysColor(COLOR_3DLIGHT));
    EXPECT_EQ(testing::pixelAt(printed, kWidth - 1, 100), GetSysColor(COLOR_3DDKSHADOW));
}

TEST_F(SkinFormTest, MinimumTrackingSizeIsTheSkinsMinimum) {
    MINMAXINFO info{};
    SendMessageW(form->handle(), WM_GETMINMAXINFO, 0, LPARAM(&info));
    EXPECT_EQ(info.ptMinTrackSize.x, 150);
    EXPECT_EQ(info.ptMinTrackSize.y, 35);
    EXPECT_GT(info.ptMaxTrackSize.x, 150);
}

}  // namespace
}  // namespace vireltan
