// The application object: the error report (text rule, caption, no pile-up, timers running inside
// it), the message hook, and the broadcast to the forms.
#include "gui/Application.h"
#include "gui/Form.h"
#include "gui/SkinMessages.h"
#include "gui/Timer.h"

#include "GuiTestSupport.h"

#include <gtest/gtest.h>

#include <functional>
#include <stdexcept>
#include <string>
#include <vector>

namespace vireltan {
namespace {

using testing::dismissReports;
using testing::pumpFor;
using testing::pumpUntil;
using testing::ReportWindow;

TEST(ErrorReport, FullStopRule) {
    struct Case {
        std::string message;
        std::string expected;
    };
    const Case cases[] = {
        {"", ""},
        {"Floating point division by zero", "Floating point division by zero."},
        {"Ends in a stop.", "Ends in a stop."},
        {"Ends in a comma,", "Ends in a comma,"},   // ',' is below '.'
        {"Ends in a dash-", "Ends in a dash-"},     // '-' is below '.'
        {"Ends in a slash/", "Ends in a slash/."},  // '/' is above '.'
        {"'' is not a valid floating point value", "'' is not a valid floating point value."},
        {"Ends in a blank ", "Ends in a blank "},
        {"Ends in a digit 5", "Ends in a digit 5."},
        {"Ends in a parenthesis)", "Ends in a parenthesis)"},
        {"Türkçe sonu ü", "Türkçe sonu ü."},  // a letter beyond ASCII is above '.'
    };
    for (const Case& c : cases) EXPECT_EQ(TApplication::errorReportText(c.message), c.expected) << c.message;
}

// A failing timer tick opens the report; its ticks go on failing inside the report's own loop and
// must not open further boxes. A second timer, also running inside that loop, inspects and closes it.
TEST(ErrorReport, OneReportAtATimeWhileTimersKeepFailing) {
    TForm form(nullptr);
    form.setBounds(10, 10, 200, 100);
    form.show();
    SetActiveWindow(form.handle());
    const std::string savedTitle = Application().title();
    Application().setTitle("   Vireltan - 12/2009");

    TTimer failing(nullptr);
    failing.setInterval(15);
    int failures = 0;
    bool reachedAfterFailure = false;
    failing.OnTimer = [&] {
        ++failures;
        throw std::runtime_error("Floating point division by zero");
        reachedAfterFailure = true;  // a failing tick ends at the failure
    };

    TTimer inspector(nullptr);
    inspector.setInterval(40);
    int failuresBeforeClose = 0;
    std::vector<ReportWindow> seen;
    bool reportOpenWhileSeen = false;
    bool formEnabledWhileOpen = true;
    inspector.OnTimer = [&] {
        if (failures < 6) return;  // let the failing timer fail several times inside the report
        reportOpenWhileSeen = Application().errorReportOpen();
        formEnabledWhileOpen = IsWindowEnabled(form.handle()) != 0;
        inspector.setEnabled(false);
        failing.setEnabled(false);
        failuresBeforeClose = failures;
        seen = dismissReports();
    };

    EXPECT_TRUE(pumpUntil([&] { return !inspector.enabled() && !Application().errorReportOpen(); }, 10000));
    Application().setTitle(savedTitle);

    EXPECT_GE(failuresBeforeClose, 6);
    EXPECT_FALSE(reachedAfterFailure);
    EXPECT_TRUE(reportOpenWhileSeen);
    ASSERT_EQ(seen.size(), 1u);
    EXPECT_EQ(seen[0].caption, "   Vireltan - 12/2009");
    EXPECT_TRUE(seen[0].says("Floating point division by zero."));
    // The error icon and a single OK button.
    EXPECT_EQ(seen[0].icon, LoadIconW(nullptr, IDI_ERROR));
    EXPECT_EQ(seen[0].buttons, std::vector<std::string>{"OK"});
    EXPECT_TRUE(dismissReports().empty());
    // Owned by the active window, which is disabled while the report is open.
    EXPECT_EQ(seen[0].owner, form.handle());
    EXPECT_FALSE(formEnabledWhileOpen);
    EXPECT_TRUE(IsWindowEnabled(form.handle()));
}

// After the report closes, the next failure opens one again.
TEST(ErrorReport, NextFailureAfterClosingReportsAgain) {
    TTimer failing(nullptr);
    failing.setInterval(15);
    failing.OnTimer = [] { throw std::runtime_error("Invalid floating point operation"); };
    int reportsSeen = 0;
    TTimer closer(nullptr);
    closer.setInterval(40);
    closer.OnTimer = [&] {
        reportsSeen += static_cast<int>(dismissReports().size());
        if (reportsSeen >= 2) failing.setEnabled(false);
    };
    EXPECT_TRUE(pumpUntil([&] { return reportsSeen >= 2 && !Application().errorReportOpen(); }, 10000));
    closer.setEnabled(false);
}

TEST(MessageHook, SeesQueuedMessagesBeforeDispatchAndCanConsumeThem) {
    TForm form(nullptr);
    form.handleNeeded();
    std::vector<UINT> dispatched;
    auto windowHook = form.installWindowProcHook([&](TMessage& message, const WindowProcNext& next) {
        if (message.msg >= WM_APP) dispatched.push_back(message.msg);
        next(message);
    });
    std::vector<UINT> hooked;
    auto hook = Application().installMessageHook([&](MSG& message) {
        if (message.hwnd != form.handle() || message.message < WM_APP) return false;
        hooked.push_back(message.message);
        return message.message == WM_APP + 2;  // consumed: never dispatched
    });
    PostMessageW(form.handle(), WM_APP + 1, 0, 0);
    PostMessageW(form.handle(), WM_APP + 2, 0, 0);
    PostMessageW(form.handle(), WM_APP + 3, 0, 0);
    pumpFor(50);
    EXPECT_EQ(hooked, (std::vector<UINT>{WM_APP + 1, WM_APP + 2, WM_APP + 3}));
    EXPECT_EQ(dispatched, (std::vector<UINT>{WM_APP + 1, WM_APP + 3}));
}

// The chain: the hook installed last sees a message first, one that consumes it hides it from the
// older ones, and any of them can leave in any order (the combo box's list and a skinned menu both
// hook while they are open, and close in either order).
TEST(MessageHook, ChainRunsNewestFirstAndHooksLeaveInAnyOrder) {
    TForm form(nullptr);
    form.handleNeeded();
    std::vector<std::string> order;
    std::string consumer;
    const auto logger = [&](std::string name) {
        return [&, name](MSG& message) {
            if (message.message != WM_APP + 7) return false;
            order.push_back(name);
            return name == consumer;
        };
    };
    MessageHookRegistration a = Application().installMessageHook(logger("a"));
    MessageHookRegistration b = Application().installMessageHook(logger("b"));
    MessageHookRegistration c = Application().installMessageHook(logger("c"));
    struct Case {
        std::function<void()> change;
        std::string consumer;
        std::vector<std::string> expected;
    };
    const Case cases[] = {
        {[] {}, "", {"c", "b", "a"}},
        {[] {}, "b", {"c", "b"}},               // consumed by b: a never sees it
        {[&] { b.remove(); }, "", {"c", "a"}},  // the middle one leaves
        {[&] { b = Application().installMessageHook(logger("b")); }, "", {"b", "c", "a"}},
        {[&] { c = MessageHookRegistration(); }, "", {"b", "a"}},  // moved over: the old one goes
        {[&] {
             a.remove();
             b.remove();
         },
         "",
         {}},
    };
    for (const Case& row : cases) {
        row.change();
        consumer = row.consumer;
        order.clear();
        PostMessageW(form.handle(), WM_APP + 7, 0, 0);
        pumpFor(30);
        EXPECT_EQ(order, row.expected) << "consumer '" << row.consumer << "'";
    }
}

// A hook that removes itself while it runs does not disturb the others on the same message.
TEST(MessageHook, AHookMayRemoveItselfWhileRunning) {
    TForm form(nullptr);
    form.handleNeeded();
    std::vector<std::string> order;
    MessageHookRegistration older = Application().installMessageHook([&](MSG& message) {
        if (message.message == WM_APP + 8) order.push_back("older");
        return false;
    });
    MessageHookRegistration once;
    once = Application().installMessageHook([&](MSG& message) {
        if (message.message != WM_APP + 8) return false;
        order.push_back("once");
        once.remove();
        return false;
    });
    PostMessageW(form.handle(), WM_APP + 8, 0, 0);
    PostMessageW(form.handle(), WM_APP + 8, 0, 0);
    pumpFor(30);
    EXPECT_EQ(order, (std::vector<std::string>{"once", "older", "older"}));
}

// The error report's modal loop takes the queued messages itself; the hooks must see them there too.
TEST(MessageHook, SeesMessagesTakenByTheErrorReportsModalLoop) {
    TForm form(nullptr);
    form.handleNeeded();
    int seenInsideReport = 0;
    MessageHookRegistration hook = Application().installMessageHook([&](MSG& message) {
        if (message.hwnd == form.handle() && message.message == WM_APP + 9 && Application().errorReportOpen())
            ++seenInsideReport;
        return false;
    });
    TTimer poster(nullptr);
    poster.setInterval(20);
    int ticks = 0;
    poster.OnTimer = [&] {
        ++ticks;
        if (ticks == 1) throw std::runtime_error("first tick fails");
        if (ticks < 5) {
            PostMessageW(form.handle(), WM_APP + 9, 0, 0);
        } else {
            dismissReports();
        }
    };
    EXPECT_TRUE(pumpUntil([&] { return ticks >= 5 && !Application().errorReportOpen(); }, 10000));
    poster.setEnabled(false);
    EXPECT_EQ(seenInsideReport, 3);
}

int skinDataStandIn = 0;
const void* expectedSkinData = &skinDataStandIn;

// A form that logs the skin messages it receives.
class LoggingForm : public TForm {
  public:
    LoggingForm(std::vector<std::string>& log, const std::string& name) : TForm(nullptr), log_(log) {
        setName(name);
        handleNeeded();
    }

  protected:
    void WndProc(TMessage& message) override {
        if (message.msg >= BSM_BEFORECHANGE && message.msg <= BSM_SKINNABLEFORM) {
            const bool addressed = message.wParam == reinterpret_cast<WPARAM>(expectedSkinData);
            std::string entry = name();
            entry += ':';
            entry += std::to_string(message.lParam);
            if (message.msg != BSM_BEFORECHANGE) {
                entry += ' ';
                entry += std::to_string(message.msg - WM_USER);
            }
            if (!addressed) entry += " (wrong address)";
            log_.push_back(entry);
            message.result = 1;
            return;
        }
        TForm::WndProc(message);
    }

  private:
    std::vector<std::string>& log_;
};

TEST(Broadcast, ReachesEveryFormSynchronouslyInListOrderWithTheFirstFirst) {
    struct Case {
        int first;  // index of the form to hear it first, -1 for none
        std::vector<std::string> expected;
    };
    const Case cases[] = {
        {-1, {"a:1000", "b:1000", "c:1000"}},
        {2, {"c:1000", "a:1000", "b:1000"}},
        {1, {"b:1000", "a:1000", "c:1000"}},
    };
    expectedSkinData = &skinDataStandIn;
    for (const Case& c : cases) {
        std::vector<std::string> log;
        LoggingForm a(log, "a"), b(log, "b"), cForm(log, "c");
        TForm* forms[] = {&a, &b, &cForm};
        broadcastSkinMessage(BSM_BEFORECHANGE, &skinDataStandIn, c.first < 0 ? nullptr : forms[c.first]);
        EXPECT_EQ(log, c.expected) << "first " << c.first;
    }
}

// The portable skin model announces through the Windows notifier: its own form first, then the rest.
TEST(Broadcast, SkinDataAnnouncesThroughTheFormNotifier) {
    std::vector<std::string> log;
    LoggingForm a(log, "a"), b(log, "b"), owner(log, "owner");
    TbsSkinData data;
    FormSkinNotifier notifier(&owner);
    data.setNotifier(&notifier);
    expectedSkinData = &data;
    data.setSkinnableForm(!data.SkinnableForm());
    expectedSkinData = &skinDataStandIn;
    EXPECT_EQ(log, (std::vector<std::string>{"owner:1000 270", "a:1000 270", "b:1000 270"}));
}

}  // namespace
}  // namespace vireltan
