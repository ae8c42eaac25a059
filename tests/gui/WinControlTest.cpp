// Windowed and graphic controls on a real form: the window-procedure hook chain, graphic children
// painted by their parent (z-order, clipping) and fed the mouse by its hit test, the parent
// background notification, the walk over all controls and the tab order.
#include "gui/Form.h"
#include "gui/WinControl.h"

#include "GuiTestSupport.h"

#include <gtest/gtest.h>

#include <memory>
#include <string>
#include <vector>

namespace vireltan {
namespace {

using testing::pixelAt;
using testing::pumpFor;
using testing::renderClient;

// Fills more than its bounds in its colour: whatever lands outside them shows a clipping fault.
class Block : public TGraphicControl {
  public:
    Block(TComponent* owner, TWinControl* parent, RECT bounds, COLORREF fill)
        : TGraphicControl(owner), fill_(fill) {
        setParent(parent);
        setBounds(bounds.left, bounds.top, bounds.right - bounds.left, bounds.bottom - bounds.top);
    }
    std::vector<std::string> events;
    int backgroundCalls = 0;

    void MouseDown(TMouseButton button, TShiftState shift, int x, int y) override {
        events.push_back("down " + std::to_string(x) + "," + std::to_string(y));
        TGraphicControl::MouseDown(button, shift, x, y);
    }
    void MouseUp(TMouseButton button, TShiftState shift, int x, int y) override {
        events.push_back("up " + std::to_string(x) + "," + std::to_string(y));
        TGraphicControl::MouseUp(button, shift, x, y);
    }
    void Click() override { events.push_back("click"); }
    void ParentBackgroundChanged() override { ++backgroundCalls; }

  protected:
    void Paint() override {
        RECT everything{-1000, -1000, 1000, 1000};
        HBRUSH brush = CreateSolidBrush(fill_);
        FillRect(canvas().handle(), &everything, brush);
        DeleteObject(brush);
    }

  private:
    COLORREF fill_;
};

class Panel : public TCustomControl {
  public:
    Panel(TComponent* owner, TWinControl* parent, RECT bounds) : TCustomControl(owner) {
        setParent(parent);
        setBounds(bounds.left, bounds.top, bounds.right - bounds.left, bounds.bottom - bounds.top);
    }
    int backgroundCalls = 0;
    std::vector<std::string> events;
    void ParentBackgroundChanged() override { ++backgroundCalls; }
    void Click() override { events.push_back("click"); }

  protected:
    void Paint() override {
        canvas().brush().setColor(RGB(0, 0, 200));
        const RECT client = clientRect();
        canvas().fillRect(client);
    }
};

struct FormFixture : ::testing::Test {
    TForm* form = nullptr;
    void SetUp() override {
        form = new TForm(nullptr);
        form->setBorderStyle(TFormBorderStyle::bsSingle);
        form->setBounds(50, 50, 300, 200);
        form->setColor(RGB(255, 255, 255));
        form->show();
    }
    void TearDown() override { delete form; }
};

using GraphicControls = FormFixture;

TEST_F(GraphicControls, PaintedByTheParentInZOrderAndClippedToTheirBounds) {
    new Block(form, form, {10, 10, 50, 40}, RGB(255, 0, 0));
    new Block(form, form, {30, 20, 70, 60}, RGB(0, 255, 0));  // created later: on top
    auto* hidden = new Block(form, form, {100, 10, 120, 30}, RGB(0, 0, 0));
    hidden->setVisible(false);
    TBitmap bitmap;
    renderClient(*form, bitmap);
    struct Case {
        int x, y;
        COLORREF expected;
    };
    const Case cases[] = {
        {10, 10, RGB(255, 0, 0)},       // first block's corner
        {49, 19, RGB(255, 0, 0)},       // first block, above the second
        {30, 20, RGB(0, 255, 0)},       // overlap: the later block wins
        {49, 39, RGB(0, 255, 0)},       // overlap
        {69, 59, RGB(0, 255, 0)},       // second block's last pixel
        {9, 10, RGB(255, 255, 255)},    // just left of the first block
        {10, 9, RGB(255, 255, 255)},    // just above it
        {70, 59, RGB(255, 255, 255)},   // just right of the second
        {69, 60, RGB(255, 255, 255)},   // just below it
        {110, 20, RGB(255, 255, 255)},  // hidden block
    };
    for (const Case& c : cases) {
        EXPECT_EQ(pixelAt(bitmap, c.x, c.y), c.expected) << c.x << "," << c.y;
    }
}

// Moving a graphic control asks its parent to repaint where it was and where it is, nothing else.
TEST_F(GraphicControls, MovingInvalidatesTheOldAndNewBoundsOfTheParent) {
    auto* block = new Block(form, form, {10, 10, 30, 30}, RGB(255, 0, 0));
    UpdateWindow(form->handle());
    RECT none;
    ASSERT_FALSE(GetUpdateRect(form->handle(), &none, FALSE));
    block->setBounds(100, 50, 20, 20);
    RegionHandle update(CreateRectRgn(0, 0, 0, 0));
    ASSERT_NE(GetUpdateRgn(form->handle(), update.get(), FALSE), NULLREGION);
    struct Case {
        int x, y;
        bool invalid;
    };
    const Case cases[] = {{10, 10, true},  {29, 29, true},  {100, 50, true},  {119, 69, true},
                          {30, 30, false}, {60, 40, false}, {120, 70, false}, {5, 5, false}};
    for (const Case& c : cases) {
        EXPECT_EQ(PtInRegion(update.get(), c.x, c.y) != 0, c.invalid) << c.x << "," << c.y;
    }
    UpdateWindow(form->handle());
    TBitmap bitmap;
    renderClient(*form, bitmap);
    EXPECT_EQ(pixelAt(bitmap, 100, 50), RGB(255, 0, 0));
    EXPECT_EQ(pixelAt(bitmap, 10, 10), RGB(255, 255, 255));
}

TEST_F(GraphicControls, PaintedIntoTheirWindowedParentOnly) {
    auto* panel = new Panel(form, form, {100, 50, 200, 150});
    new Block(form, panel, {10, 10, 30, 30}, RGB(255, 0, 0));
    TBitmap bitmap;
    renderClient(*panel, bitmap);
    EXPECT_EQ(pixelAt(bitmap, 10, 10), RGB(255, 0, 0));
    EXPECT_EQ(pixelAt(bitmap, 9, 10), RGB(0, 0, 200));
    EXPECT_EQ(pixelAt(bitmap, 30, 30), RGB(0, 0, 200));
}

TEST_F(GraphicControls, MouseGoesToTheTopmostEnabledControlUnderThePointer) {
    auto* lower = new Block(form, form, {10, 10, 50, 40}, RGB(255, 0, 0));
    auto* upper = new Block(form, form, {30, 20, 70, 60}, RGB(0, 255, 0));
    auto* disabled = new Block(form, form, {100, 10, 140, 40}, RGB(0, 0, 0));
    disabled->setEnabled(false);
    auto* covered = new Block(form, form, {100, 10, 140, 40}, RGB(0, 0, 0));
    std::vector<std::string> formClicks;
    form->OnClick = [&] { formClicks.push_back("form"); };
    HWND window = form->handle();
    auto click = [&](int x, int y) {
        SendMessageW(window, WM_LBUTTONDOWN, MK_LBUTTON, MAKELPARAM(x, y));
        SendMessageW(window, WM_LBUTTONUP, 0, MAKELPARAM(x, y));
    };
    click(15, 12);    // lower only
    click(40, 30);    // overlap: upper
    click(120, 20);   // disabled top: the one below it
    click(200, 150);  // nothing: the form itself
    EXPECT_EQ(lower->events, (std::vector<std::string>{"down 5,2", "up 5,2", "click"}));
    EXPECT_EQ(upper->events, (std::vector<std::string>{"down 10,10", "up 10,10", "click"}));
    EXPECT_TRUE(disabled->events.empty());
    EXPECT_EQ(covered->events, (std::vector<std::string>{"down 20,10", "up 20,10", "click"}));
    EXPECT_EQ(formClicks, (std::vector<std::string>{"form"}));
}

// Press on a control, release elsewhere: the control keeps the mouse until the release, and no
// click follows.
TEST_F(GraphicControls, ReleaseOutsideGoesToThePressedControlWithoutClick) {
    auto* block = new Block(form, form, {10, 10, 50, 40}, RGB(255, 0, 0));
    HWND window = form->handle();
    SendMessageW(window, WM_LBUTTONDOWN, MK_LBUTTON, MAKELPARAM(20, 20));
    SendMessageW(window, WM_LBUTTONUP, 0, MAKELPARAM(100, 100));
    EXPECT_EQ(block->events, (std::vector<std::string>{"down 10,10", "up 90,90"}));
}

// When the mouse is taken away between press and release, the pressed control lets go of it.
TEST_F(GraphicControls, LosingTheCaptureEndsThePress) {
    auto* pressed = new Block(form, form, {10, 10, 50, 40}, RGB(255, 0, 0));
    auto* other = new Block(form, form, {60, 10, 100, 40}, RGB(0, 255, 0));
    HWND window = form->handle();
    SendMessageW(window, WM_LBUTTONDOWN, MK_LBUTTON, MAKELPARAM(20, 20));
    SendMessageW(window, WM_CAPTURECHANGED, 0, 0);
    SendMessageW(window, WM_LBUTTONUP, 0, MAKELPARAM(70, 20));
    EXPECT_EQ(pressed->events, (std::vector<std::string>{"down 10,10"}));
    EXPECT_EQ(other->events, (std::vector<std::string>{"up 10,10"}));
}

TEST_F(GraphicControls, MouseEnterAndLeaveFollowThePointer) {
    auto* a = new Block(form, form, {10, 10, 50, 40}, RGB(255, 0, 0));
    auto* b = new Block(form, form, {60, 10, 100, 40}, RGB(0, 255, 0));
    std::vector<std::string> log;
    a->OnMouseEnter = [&] { log.push_back("enter a"); };
    a->OnMouseLeave = [&] { log.push_back("leave a"); };
    b->OnMouseEnter = [&] { log.push_back("enter b"); };
    b->OnMouseLeave = [&] { log.push_back("leave b"); };
    form->OnMouseEnter = [&] { log.push_back("enter form"); };
    form->OnMouseLeave = [&] { log.push_back("leave form"); };
    HWND window = form->handle();
    for (POINT p : {POINT{20, 20}, POINT{25, 25}, POINT{70, 20}, POINT{150, 150}}) {
        SendMessageW(window, WM_MOUSEMOVE, 0, MAKELPARAM(p.x, p.y));
    }
    SendMessageW(window, WM_MOUSELEAVE, 0, 0);
    EXPECT_EQ(log, (std::vector<std::string>{"enter a", "leave a", "enter b", "leave b", "enter form",
                                             "leave form"}));
}

TEST_F(GraphicControls, ParentBackgroundNotificationReachesWindowedAndGraphicChildren) {
    auto* panel = new Panel(form, form, {100, 50, 200, 150});
    auto* block = new Block(form, form, {10, 10, 30, 30}, RGB(255, 0, 0));
    auto* inner = new Block(form, panel, {10, 10, 30, 30}, RGB(255, 0, 0));
    form->notifyParentBackgroundChanged();
    EXPECT_EQ(panel->backgroundCalls, 1);
    EXPECT_EQ(block->backgroundCalls, 1);
    EXPECT_EQ(inner->backgroundCalls, 0);  // only the direct children hear it
    SendMessageW(panel->handle(), CM_PARENTBACKGROUNDCHANGED, 0, 0);
    EXPECT_EQ(panel->backgroundCalls, 2);
}

// A tree built under a form without a window has no windows of its own; they come, one each, with
// the window of the first control asked for one, whatever its depth.
TEST(WindowCreation, ComesWithTheFormsWindowOnceEach) {
    struct Case {
        const char* asked;  // "form", "outer" or "inner"
    };
    const Case cases[] = {{"form"}, {"outer"}, {"inner"}};
    for (const Case& c : cases) {
        SCOPED_TRACE(c.asked);
        auto form = std::make_unique<TForm>(nullptr);
        form->setBounds(50, 50, 300, 200);
        auto* outer = new Panel(form.get(), form.get(), {10, 10, 200, 150});
        auto* inner = new Panel(form.get(), outer, {5, 5, 50, 50});
        EXPECT_FALSE(form->handleAllocated());
        EXPECT_FALSE(outer->handleAllocated());
        EXPECT_FALSE(inner->handleAllocated());
        const std::string asked = c.asked;
        TWinControl* first = asked == "form"    ? static_cast<TWinControl*>(form.get())
                             : asked == "outer" ? static_cast<TWinControl*>(outer)
                                                : static_cast<TWinControl*>(inner);
        HWND window = first->handle();
        ASSERT_NE(window, nullptr);
        ASSERT_TRUE(form->handleAllocated());
        ASSERT_TRUE(outer->handleAllocated());
        ASSERT_TRUE(inner->handleAllocated());
        EXPECT_EQ(GetParent(outer->handle()), form->handle());
        EXPECT_EQ(GetParent(inner->handle()), outer->handle());
        // Exactly one child window each: none made twice while the parents were being made.
        int outerChildren = 0;
        for (HWND child = GetWindow(form->handle(), GW_CHILD); child; child = GetWindow(child, GW_HWNDNEXT))
            ++outerChildren;
        int innerChildren = 0;
        for (HWND child = GetWindow(outer->handle(), GW_CHILD); child; child = GetWindow(child, GW_HWNDNEXT))
            ++innerChildren;
        EXPECT_EQ(outerChildren, 1);
        EXPECT_EQ(innerChildren, 1);
        RECT bounds{};
        GetWindowRect(inner->handle(), &bounds);
        MapWindowPoints(HWND_DESKTOP, outer->handle(), reinterpret_cast<POINT*>(&bounds), 2);
        EXPECT_EQ(bounds.left, 5);
        EXPECT_EQ(bounds.top, 5);
        // A control added under a form that has its window gets its own at once.
        auto* late = new Panel(form.get(), form.get(), {0, 0, 10, 10});
        EXPECT_TRUE(late->handleAllocated());
    }
}

// A child with a border, an edge or a scroll bar keeps the frame the system draws for it, and so
// does a system control; one of ours without any answers WM_NCPAINT itself, its pixels untouched.
class FramedPanel : public TCustomControl {
  public:
    FramedPanel(TComponent* owner, TWinControl* parent, RECT bounds, DWORD style, DWORD exStyle, bool system)
        : TCustomControl(owner), style_(style), exStyle_(exStyle), system_(system) {
        setParent(parent);
        setBounds(bounds.left, bounds.top, bounds.right - bounds.left, bounds.bottom - bounds.top);
    }
    int defaultNcPaints = 0;  // WM_NCPAINT handed to the system's handling

  protected:
    void createParams(CreateParams& params) override {
        TCustomControl::createParams(params);
        params.style |= style_;
        params.exStyle |= exStyle_;
        if (system_) {
            params.className = L"STATIC";
            params.systemClass = true;
        }
    }
    void DefaultHandler(TMessage& message) override {
        if (message.msg == WM_NCPAINT) ++defaultNcPaints;
        TCustomControl::DefaultHandler(message);
    }
    void Paint() override {
        const RECT all{0, 0, width(), height()};
        FillRect(canvas().handle(), &all, static_cast<HBRUSH>(GetStockObject(WHITE_BRUSH)));
    }

  private:
    DWORD style_, exStyle_;
    bool system_;
};

TEST_F(FormFixture, NonClientPaintingOfChildrenWithAndWithoutAFrame) {
    struct Case {
        DWORD style, exStyle;
        bool system;
        bool systemFrame;  // the corner shows the system's frame
        bool passedOn;     // WM_NCPAINT reaches the system's handling
    };
    const Case cases[] = {{0, 0, false, false, false},
                          {WS_BORDER, 0, false, true, true},
                          {0, WS_EX_CLIENTEDGE, false, true, true},
                          {0, WS_EX_STATICEDGE, false, true, true},
                          {WS_VSCROLL, 0, false, false, true},
                          {0, 0, true, false, true},
                          {WS_BORDER, 0, true, true, true}};
    int x = 10;
    for (const Case& c : cases) {
        SCOPED_TRACE(::testing::Message()
                     << "style " << c.style << " ex " << c.exStyle << " system " << c.system);
        auto* panel = new FramedPanel(form, form, {x, 10, x + 30, 60}, c.style, c.exStyle, c.system);
        x += 36;
        UpdateWindow(form->handle());
        HDC dc = GetWindowDC(panel->handle());
        // The corner's colour after the window is painted, and again after a non-client paint asked
        // for on its own.
        SetPixel(dc, 0, 0, RGB(0, 255, 0));
        panel->defaultNcPaints = 0;
        SendMessageW(panel->handle(), WM_NCPAINT, 1, 0);
        const COLORREF corner = GetPixel(dc, 0, 0);
        ReleaseDC(panel->handle(), dc);
        EXPECT_EQ(corner != RGB(0, 255, 0), c.systemFrame);
        EXPECT_EQ(panel->defaultNcPaints, c.passedOn ? 1 : 0);
    }
}

using Controls = FormFixture;

TEST_F(Controls, WalkVisitsEveryControlAtAnyDepthParentsFirst) {
    auto* outer = new Panel(form, form, {0, 0, 100, 100});
    outer->setName("outer");
    auto* inner = new Panel(form, outer, {0, 0, 50, 50});
    inner->setName("inner");
    new Block(form, inner, {0, 0, 10, 10}, 0);
    form->components().back()->setName("deep");
    new Block(form, form, {0, 0, 10, 10}, 0);
    form->components().back()->setName("top");
    std::vector<std::string> names;
    forEachControl(*form, [&](TControl& control) { names.push_back(control.name()); });
    EXPECT_EQ(names, (std::vector<std::string>{"outer", "inner", "deep", "top"}));
}

TEST_F(Controls, BoundsAreRelativeToTheParentsClientArea) {
    auto* outer = new Panel(form, form, {20, 30, 220, 130});
    auto* inner = new Panel(form, outer, {5, 7, 55, 57});
    RECT windowRect;
    GetWindowRect(inner->handle(), &windowRect);
    MapWindowPoints(HWND_DESKTOP, outer->handle(), reinterpret_cast<POINT*>(&windowRect), 2);
    EXPECT_EQ(windowRect.left, 5);
    EXPECT_EQ(windowRect.top, 7);
    // A move made by the system is reported back.
    SetWindowPos(inner->handle(), nullptr, 11, 13, 40, 30, SWP_NOZORDER);
    EXPECT_EQ(inner->left(), 11);
    EXPECT_EQ(inner->top(), 13);
    EXPECT_EQ(inner->width(), 40);
    EXPECT_EQ(inner->height(), 30);
}

TEST_F(Controls, TabGoesThroughTabStopsInTabOrderAtAnyDepth) {
    auto* a = new Panel(form, form, {0, 0, 50, 50});
    auto* box = new Panel(form, form, {60, 0, 160, 100});  // not a tab stop itself
    auto* b = new Panel(form, box, {0, 0, 20, 20});
    auto* c = new Panel(form, box, {30, 0, 50, 20});
    auto* skipped = new Panel(form, form, {200, 0, 220, 20});
    for (Panel* control : {a, b, c}) control->setTabStop(true);
    c->setTabOrder(0);  // inside the box c now comes before b
    skipped->setTabStop(true);
    skipped->setEnabled(false);
    EXPECT_EQ(form->findNextControl(a, true), c);
    EXPECT_EQ(form->findNextControl(c, true), b);
    EXPECT_EQ(form->findNextControl(b, true), a);  // wraps, skipping the disabled one
    EXPECT_EQ(form->findNextControl(a, false), b);
    EXPECT_EQ(c->tabOrder(), 0);
    EXPECT_EQ(b->tabOrder(), 1);
}

// Hooks see messages newest first, pass on what they do not consume, and can leave in any order.
TEST_F(Controls, WindowProcHooksRunNewestFirstAndPassOnInOrder) {
    auto* panel = new Panel(form, form, {0, 0, 50, 50});
    std::vector<std::string> log;
    auto hook = [&](const std::string& name, UINT consumes) {
        return panel->installWindowProcHook(
            [&log, name, consumes](TMessage& message, const WindowProcNext& next) {
                if (message.msg < WM_APP) return next(message);
                log.push_back(name + " " + std::to_string(message.msg - WM_APP));
                if (message.msg == consumes) {
                    message.result = 42;
                    return;
                }
                next(message);
                message.result += 1;  // a hook may also act after the rest has run
            });
    };
    WindowProcHook first = hook("first", 0);
    WindowProcHook second = hook("second", WM_APP + 2);
    WindowProcHook third = hook("third", 0);
    EXPECT_EQ(SendMessageW(panel->handle(), WM_APP + 1, 0, 0), 3);  // the table's default is 0
    EXPECT_EQ(SendMessageW(panel->handle(), WM_APP + 2, 0, 0), 43);
    second.remove();
    EXPECT_EQ(panel->perform(WM_APP + 3), 2);
    EXPECT_EQ(log, (std::vector<std::string>{"third 1", "second 1", "first 1", "third 2", "second 2",
                                             "third 3", "first 3"}));
}

}  // namespace
}  // namespace vireltan
