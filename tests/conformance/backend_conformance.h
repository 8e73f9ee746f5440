#pragma once

// One suite for every backend: the duties of docs/BACKEND_CONTRACT.md that
// are not painting, checked through each backend's own input and windows.
// A backend's runner gives a Harness (its backend, and the platform's hands
// on it) and instantiates the suite, as the registry cases run against
// every registry:
//
//   INSTANTIATE_TEST_SUITE_P(Qt, BackendConformance,
//                            ::testing::Values(BackendUnderTest{"Qt", &makeQtHarness}));

#include <gtest/gtest.h>

#include <functional>
#include <memory>
#include <optional>
#include <ostream>
#include <string>
#include <vector>

#include "forms/application.h"
#include "forms/backend.h"
#include "forms/form.h"
#include "forms/pixels.h"
#include "forms/system/unavailable_system.h"

namespace klonkatron::testing::conformance {

using forms::PixelRect;

// What the suite needs of a backend beyond forms::Backend: input as its
// platform delivers it, and a look at its windows. Points are client pixels
// of the form's window.
class Harness {
public:
    virtual ~Harness() = default;
    virtual forms::Backend& backend() = 0;
    // Runs the program's event loop until the program ends. Where the
    // platform's loop goes on after run() has handed over to it (a web
    // page's), the harness runs that loop until then too.
    virtual int runLoop(forms::Application& app) { return app.run(); }
    // Delivers what the platform has queued (focus, closing, deferred work).
    virtual void settle() = 0;
    // A key as the platform's keyboard sends it to the window with the
    // focus: a code of forms/events.h, with Shift or not.
    virtual void key(forms::Form& form, int keyCode, bool shift) = 0;
    virtual void press(forms::Form& form, int x, int y) = 0;
    virtual void release(forms::Form& form, int x, int y) = 0;
    // Whether the platform holds the mouse for the window; none where the
    // platform holds it for a pressed window by itself.
    virtual std::optional<bool> capturing(forms::Form& form) = 0;
    // Whether a window of that form and caption shows.
    virtual bool windowShown(const forms::FormDesign& design) = 0;
    // The place of the widget that has the window's keyboard focus.
    virtual std::optional<PixelRect> focusedWidget(forms::Form& form) = 0;
    // The platform moves the focus to a control's widget, as a click on it
    // would.
    virtual void focusByPlatform(forms::Form& form, forms::Control& control) = 0;
    // Whether a button's or text box's widget shows.
    virtual bool widgetShown(forms::Form& form, forms::Control& control) = 0;
    // Answers the next message box, showing `expected`, once `ready` holds,
    // while the box keeps the program running under it.
    virtual void answerMessageBox(forms::MessageBoxRequest expected, forms::MsgResult answer,
                                  std::function<bool()> ready) = 0;
    // Runs the event loop until `done` holds, as the program's loop would
    // run while a box is open; false when it does not within ten seconds.
    virtual bool runUntil(const std::function<bool()>& done) = 0;
};

// A backend under test: its name in the tests' names, and its harness.
struct BackendUnderTest {
    const char* name;
    std::unique_ptr<Harness> (*make)();
    friend void PrintTo(const BackendUnderTest& backend, std::ostream* out) {
        *out << backend.name;
    }
};

// The reference windows: "Conformance" with a text box, buttons (one hidden)
// and a label; "Other", which keeps the program alive.
inline const forms::FormDesign& referenceDesign() {
    using namespace forms;
    static const FormDesign design{
        .name = "Conformance",
        .caption = "Conformance",
        .borderStyle = BorderStyle::FixedSingle,
        .clientWidth = 3600,
        .clientHeight = 2400,
        .controls = {TextBoxDesign{.name = "Text",
                                   .left = 120,
                                   .top = 120,
                                   .width = 1500,
                                   .height = 315,
                                   .tabIndex = 0},
                     ButtonDesign{.name = "Ok",
                                  .left = 120,
                                  .top = 600,
                                  .width = 1200,
                                  .height = 375,
                                  .caption = "&Ok",
                                  .tabIndex = 1,
                                  .isDefault = true},
                     ButtonDesign{.name = "Hidden",
                                  .left = 1440,
                                  .top = 600,
                                  .width = 600,
                                  .height = 375,
                                  .caption = "Hidden",
                                  .tabIndex = 2},
                     ButtonDesign{.name = "Cancel",
                                  .left = 2160,
                                  .top = 600,
                                  .width = 1200,
                                  .height = 375,
                                  .caption = "Cancel",
                                  .tabIndex = 3,
                                  .isCancel = true},
                     LabelDesign{.name = "Target",
                                 .left = 120,
                                 .top = 1200,
                                 .width = 1500,
                                 .height = 600,
                                 .caption = "Target"},
                     TimerDesign{.name = "Tick", .interval = 1, .enabled = false}}};
    return design;
}

inline const forms::FormDesign& otherDesign() {
    static const forms::FormDesign design{.name = "Other",
                                          .caption = "Other",
                                          .borderStyle = forms::BorderStyle::FixedSingle,
                                          .clientWidth = 1500,
                                          .clientHeight = 1000};
    return design;
}

class BackendConformance : public ::testing::TestWithParam<BackendUnderTest> {
protected:
    BackendConformance() : harness_(GetParam().make()) {
        app_ = std::make_unique<forms::Application>(harness_->backend(), system_, "Conformance");
        app_->registerForm("Conformance", [this](forms::Application& app) {
            auto form = std::make_unique<forms::Form>(app, referenceDesign());
            form->onLoad = [f = form.get()] { f->control("Hidden").setVisible(false); };
            form->control("Ok").onClick = [this] {
                note("Ok");
                return onOk();
            };
            form->control("Cancel").onClick = [this] { note("Cancel"); };
            form->control("Target").onMouseDown = [this](const forms::MouseEvent&) {
                note("MouseDown");
            };
            form->control("Target").onMouseUp = [this](const forms::MouseEvent& e) {
                note(e.x < 0 && e.y < 0 ? "MouseUp outside" : "MouseUp");
            };
            form->get<forms::Timer>("Tick").onTimer = [this] { return onTick(); };
            return form;
        });
        app_->registerForm("Other", [](forms::Application& app) {
            return std::make_unique<forms::Form>(app, otherDesign());
        });
    }
    ~BackendConformance() override {
        app_.reset();
        harness_->settle();
    }

    forms::Application& app() { return *app_; }
    Harness& harness() { return *harness_; }
    forms::Form& shown() {
        forms::Form& form = app().show("Conformance");
        harness().settle();
        return form;
    }
    void note(std::string what) { log_.push_back(std::move(what)); }
    // The control whose place the focused widget has, or "" for none.
    std::string focusedName(forms::Form& form) {
        const std::optional<PixelRect> place = harness().focusedWidget(form);
        if (!place) return "";
        for (const auto& control : form.controls()) {
            if (forms::pixelRect(control->bounds()) == *place) return control->name();
        }
        return "?";
    }
    // The core's focus and the platform's, which must agree.
    void expectFocus(forms::Form& form, const std::string& name) {
        ASSERT_NE(form.focused(), nullptr);
        EXPECT_EQ(form.focused()->name(), name);
        EXPECT_EQ(focusedName(form), name);
    }
    void pressKey(forms::Form& form, int keyCode, bool shift = false) {
        harness().key(form, keyCode, shift);
        harness().settle();
    }
    // A backend may answer a box from its event loop, after showMessageBox
    // has returned: the loop runs until no handler waits.
    void untilNoHandlerWaits() {
        EXPECT_TRUE(harness().runUntil([this] { return !app().handlerWaits(); }))
            << "a handler still waits for its message box";
    }

    forms::Handler onOk = [] {};
    forms::Handler onTick = [] {};
    std::vector<std::string> log_;

private:
    std::unique_ptr<Harness> harness_;
    forms::UnavailableSystem system_;
    std::unique_ptr<forms::Application> app_;
};

TEST_P(BackendConformance, AWindowShowsWithTheFocusOnTheFirstInTheTabOrder) {
    forms::Form& form = shown();
    EXPECT_TRUE(harness().windowShown(referenceDesign()));
    expectFocus(form, "Text");
}

TEST_P(BackendConformance, TabAndShiftTabWalkTheTabOrderPastHiddenControlsAndRound) {
    forms::Form& form = shown();
    pressKey(form, forms::kKeyTab);
    expectFocus(form, "Ok");
    pressKey(form, forms::kKeyTab);
    expectFocus(form, "Cancel");  // past the hidden one
    pressKey(form, forms::kKeyTab);
    expectFocus(form, "Text");
    pressKey(form, forms::kKeyTab, true);
    expectFocus(form, "Cancel");
    EXPECT_TRUE(form.showsKeyboardCues());
    EXPECT_TRUE(log_.empty());
}

TEST_P(BackendConformance, AFocusThePlatformMovesIsTheCoresToo) {
    forms::Form& form = shown();
    harness().focusByPlatform(form, form.control("Cancel"));
    harness().settle();
    expectFocus(form, "Cancel");
    pressKey(form, forms::kKeyTab);
    expectFocus(form, "Text");
}

TEST_P(BackendConformance, AWidgetFollowsItsControl) {
    forms::Form& form = shown();
    forms::Control& hidden = form.control("Hidden");
    EXPECT_FALSE(harness().widgetShown(form, hidden));
    hidden.setVisible(true);
    harness().settle();
    EXPECT_TRUE(harness().widgetShown(form, hidden));
    form.control("Cancel").setVisible(false);
    harness().settle();
    EXPECT_FALSE(harness().widgetShown(form, form.control("Cancel")));
}

TEST_P(BackendConformance, EnterAndEscapeReachTheCoreBeforeTheFocusedTextBox) {
    forms::Form& form = shown();
    pressKey(form, forms::kKeyEnter);
    pressKey(form, forms::kKeyEscape);
    EXPECT_EQ(log_, (std::vector<std::string>{"Ok", "Cancel"}));
    EXPECT_EQ(form.get<forms::TextBox>("Text").text(), "");
}

TEST_P(BackendConformance, AHandlerUnloadingItsOwnWindowClosesItAndTheProgramGoesOn) {
    app().show("Other");
    forms::Form& form = shown();
    onOk = [this, &form] { app().unload(form); };
    pressKey(form, forms::kKeyEnter);
    EXPECT_FALSE(app().isLoaded("Conformance"));
    EXPECT_FALSE(harness().windowShown(referenceDesign()));
    EXPECT_TRUE(harness().windowShown(otherDesign()));
    EXPECT_FALSE(app().ended());
    // Shown again, it is a new window with the focus where it starts.
    expectFocus(shown(), "Text");
    EXPECT_TRUE(harness().windowShown(referenceDesign()));
}

TEST_P(BackendConformance, AHandlerEndingTheProgramLeavesTheEventLoop) {
    forms::Form& form = shown();
    onTick = [this] { app().end(); };
    form.get<forms::Timer>("Tick").setEnabled(true);
    EXPECT_EQ(harness().runLoop(app()), 0);
    EXPECT_TRUE(app().ended());
    EXPECT_FALSE(harness().windowShown(referenceDesign()));
}

TEST_P(BackendConformance, AProgramEndedBeforeItsLoopNeverRunsIt) {
    shown();
    app().end();
    EXPECT_EQ(harness().runLoop(app()), 0);
}

TEST_P(BackendConformance, TheMouseIsCapturedFromThePressToTheRelease) {
    forms::Form& form = shown();
    const PixelRect target = forms::pixelRect(form.control("Target").bounds());
    harness().press(form, target.left + 5, target.top + 5);
    EXPECT_NE(harness().capturing(form), std::optional<bool>(false));
    harness().release(form, -20, -20);  // outside the window
    harness().settle();
    EXPECT_NE(harness().capturing(form), std::optional<bool>(true));
    EXPECT_EQ(log_, (std::vector<std::string>{"MouseDown", "MouseUp outside"}));
}

TEST_P(BackendConformance, TimersTickUnderAMessageBoxUntilItIsAnswered) {
    forms::Form& form = shown();
    int ticks = 0;
    onTick = [&ticks] { ++ticks; };
    forms::MsgResult answer{};
    onOk = [this, &answer]() -> forms::Task {
        answer = co_await app().msgBox("Wait", forms::MsgButtons::YesNo);
    };
    harness().answerMessageBox({"Wait", "Conformance", forms::MsgButtons::YesNo},
                               forms::MsgResult::No, [&ticks] { return ticks >= 3; });
    form.get<forms::Timer>("Tick").setEnabled(true);
    pressKey(form, forms::kKeyEnter);
    untilNoHandlerWaits();
    EXPECT_GE(ticks, 3);
    EXPECT_EQ(answer, forms::MsgResult::No);
    EXPECT_EQ(log_, (std::vector<std::string>{"Ok"}));
}

TEST_P(BackendConformance, AHandlerGoesOnAfterEachOfItsBoxesInOrder) {
    forms::Form& form = shown();
    forms::MsgResult first{};
    forms::MsgResult second{};
    onOk = [this, &first, &second]() -> forms::Task {
        first = co_await app().msgBox("First", forms::MsgButtons::YesNo);
        note("between");
        // The second box is answered once it shows, as the first was.
        harness().answerMessageBox({"Second", "Conformance", forms::MsgButtons::OkCancel},
                                   forms::MsgResult::Cancel, [] { return true; });
        second = co_await app().msgBox("Second", forms::MsgButtons::OkCancel);
        note("after");
    };
    harness().answerMessageBox({"First", "Conformance", forms::MsgButtons::YesNo},
                               forms::MsgResult::Yes, [] { return true; });
    pressKey(form, forms::kKeyEnter);
    untilNoHandlerWaits();
    EXPECT_EQ(log_, (std::vector<std::string>{"Ok", "between", "after"}));
    EXPECT_EQ(first, forms::MsgResult::Yes);
    EXPECT_EQ(second, forms::MsgResult::Cancel);
    EXPECT_FALSE(app().handlerWaits());
}

TEST_P(BackendConformance, AHandlerEndingTheProgramAfterItsBoxClosesEveryWindow) {
    app().show("Other");
    forms::Form& form = shown();
    onOk = [this]() -> forms::Task {
        co_await app().msgBox("Bye");
        app().end();
        note("never");
    };
    harness().answerMessageBox({"Bye", "Conformance"}, forms::MsgResult::Ok, [] { return true; });
    pressKey(form, forms::kKeyEnter);
    EXPECT_EQ(harness().runLoop(app()), 0);
    EXPECT_TRUE(app().ended());
    EXPECT_EQ(log_, (std::vector<std::string>{"Ok"}));
    EXPECT_FALSE(harness().windowShown(referenceDesign()));
    EXPECT_FALSE(harness().windowShown(otherDesign()));
}

}  // namespace klonkatron::testing::conformance
