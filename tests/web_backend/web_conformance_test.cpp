// The backend conformance suite on the web backend, in a page of headless
// Chromium (tests/web/conformance.mjs): the page's own windows, controls
// and dialogs, driven by DOM events dispatched to them as the browser
// dispatches its input. The browser's event loop cannot run under a test
// that waits, so the harness runs it itself: it fires the page's alarm once
// it is due, as the browser would.
#include <emscripten.h>

#include <deque>

#include "backends/web/web_backend.h"
#include "tests/conformance/backend_conformance.h"

namespace klonkatron::testing::conformance {
namespace {

// The platform's hands, in the page: each finds the window by its caption.
// clang-format off
EM_JS(void, test_key, (const char* caption, const char* key, int shift), {
    var frame = document.querySelector('.kk-window[aria-label="' + UTF8ToString(caption) + '"]');
    var target = frame && frame.contains(document.activeElement) ? document.activeElement : frame;
    target.dispatchEvent(new KeyboardEvent('keydown', {key : UTF8ToString(key), shiftKey : !!shift,
                                                       bubbles : true, cancelable : true}));
});
EM_JS(void, test_pointer, (const char* caption, const char* type, int x, int y), {
    var canvas =
        document.querySelector('.kk-window[aria-label="' + UTF8ToString(caption) + '"] .kk-surface');
    var r = canvas.getBoundingClientRect();
    var name = UTF8ToString(type);
    canvas.dispatchEvent(new PointerEvent(name, {
        clientX : r.left + x, clientY : r.top + y, button : 0, buttons : name == 'pointerdown' ? 1 : 0,
        pointerId : 1, bubbles : true, cancelable : true
    }));
});
EM_JS(int, test_window_shown, (const char* caption), {
    return document.querySelector('.kk-window[aria-label="' + UTF8ToString(caption) + '"]') ? 1 : 0;
});
// The focused widget's place in its window, or width -1.
EM_JS(void, test_focused_place, (const char* caption, int* place), {
    var frame = document.querySelector('.kk-window[aria-label="' + UTF8ToString(caption) + '"]');
    var focused = document.activeElement;
    var values = [ 0, 0, -1, 0 ];
    if (frame && frame.contains(focused) && focused.classList.contains('kk-widget')) {
        var s = focused.style;
        values = [ parseInt(s.left, 10), parseInt(s.top, 10), parseInt(s.width, 10), parseInt(s.height, 10) ];
    }
    HEAP32.set(values, place >> 2);
});
EM_JS(int, test_widget, (const char* caption, int control, int focus), {
    var frame = document.querySelector('.kk-window[aria-label="' + UTF8ToString(caption) + '"]');
    var widget = frame.querySelector('[data-control="' + control + '"]');
    if (focus) widget.focus();
    return widget.hidden ? 0 : 1;
});
// The open message box as "title|text|buttons", or "".
EM_JS(char*, test_open_box, (), {
    var box = document.querySelector('dialog.kk-box[open]');
    if (!box) return 0;
    var buttons = Array.from(box.querySelectorAll('.kk-box-buttons button')).map(function(b) { return b.textContent; });
    var text = box.querySelector('.kk-title').textContent + '|' + box.querySelector('.kk-box-text').textContent +
               '|' + buttons.join(',');
    return allocateUTF8(text);
});
EM_JS(void, test_click_box_button, (const char* label), {
    var want = UTF8ToString(label);
    Array.from(document.querySelectorAll('dialog.kk-box[open] .kk-box-buttons button'))
        .filter(function(b) { return b.textContent == want; })[0]
        .click();
});
// Fires the page's alarm if it is due, as the browser's loop would.
EM_JS(int, test_fire_due_alarm, (), {
    if (KKBoxes.alarm === null || performance.now() < KKBoxes.alarmAt) return 0;
    clearTimeout(KKBoxes.alarm);
    KKBoxes.alarm = null;
    _klonkatron_alarm();
    return 1;
});
// clang-format on

const char* labelOf(forms::MsgResult answer) {
    switch (answer) {
        case forms::MsgResult::Ok:
            return "OK";
        case forms::MsgResult::Cancel:
            return "Cancel";
        case forms::MsgResult::Yes:
            return "Yes";
        case forms::MsgResult::No:
            return "No";
    }
    return "";
}

const char* buttonsOf(forms::MsgButtons buttons) {
    switch (buttons) {
        case forms::MsgButtons::Ok:
            return "OK";
        case forms::MsgButtons::OkCancel:
            return "OK,Cancel";
        case forms::MsgButtons::YesNo:
            return "Yes,No";
    }
    return "";
}

class WebHarness : public Harness {
public:
    forms::Backend& backend() override { return backend_; }

    // Answers the boxes the test expects, running the page's loop under
    // each until it may.
    void settle() override {
        const double giveUp = emscripten_get_now() + 10000;
        while (!boxes_.empty() && emscripten_get_now() < giveUp) {
            char* open = test_open_box();
            if (open == nullptr) return;  // the box has not come yet
            const std::string shown(open);
            free(open);
            ExpectedBox& next = boxes_.front();
            if (!next.ready()) {
                test_fire_due_alarm();
                continue;
            }
            const forms::MessageBoxRequest& e = next.expected;
            EXPECT_EQ(shown, e.title + "|" + e.text + "|" + buttonsOf(e.buttons));
            const forms::MsgResult answer = next.answer;
            boxes_.pop_front();
            test_click_box_button(labelOf(answer));
        }
    }
    bool runUntil(const std::function<bool()>& done) override {
        const double giveUp = emscripten_get_now() + 10000;
        while (!done() && emscripten_get_now() < giveUp) {
            settle();
            test_fire_due_alarm();
        }
        return done();
    }
    int runLoop(forms::Application& app) override {
        const int code = app.run();  // hands over to the page at once
        runUntil([&app] { return app.ended(); });
        return code;
    }
    void key(forms::Form& form, int keyCode, bool shift) override {
        const char* key = keyCode == forms::kKeyTab      ? "Tab"
                          : keyCode == forms::kKeyEnter  ? "Enter"
                          : keyCode == forms::kKeyEscape ? "Escape"
                                                         : " ";
        test_key(form.design().caption.c_str(), key, shift ? 1 : 0);
    }
    void press(forms::Form& form, int x, int y) override {
        test_pointer(form.design().caption.c_str(), "pointerdown", x, y);
    }
    void release(forms::Form& form, int x, int y) override {
        test_pointer(form.design().caption.c_str(), "pointerup", x, y);
    }
    // The browser holds a pointer only for its own events, not for the
    // test's: what the core asked for is not seen here.
    std::optional<bool> capturing(forms::Form&) override { return std::nullopt; }
    bool windowShown(const forms::FormDesign& design) override {
        return test_window_shown(design.caption.c_str()) != 0;
    }
    std::optional<PixelRect> focusedWidget(forms::Form& form) override {
        int place[4] = {};
        test_focused_place(form.design().caption.c_str(), place);
        if (place[2] < 0) return std::nullopt;
        return PixelRect{place[0], place[1], place[2], place[3]};
    }
    void focusByPlatform(forms::Form& form, forms::Control& control) override {
        test_widget(form.design().caption.c_str(), indexOf(form, control), 1);
    }
    bool widgetShown(forms::Form& form, forms::Control& control) override {
        return test_widget(form.design().caption.c_str(), indexOf(form, control), 0) != 0;
    }
    void answerMessageBox(forms::MessageBoxRequest expected, forms::MsgResult answer,
                          std::function<bool()> ready) override {
        boxes_.push_back({std::move(expected), answer, std::move(ready)});
    }

private:
    struct ExpectedBox {
        forms::MessageBoxRequest expected;
        forms::MsgResult answer;
        std::function<bool()> ready;
    };
    static int indexOf(forms::Form& form, forms::Control& control) {
        const auto& controls = form.controls();
        for (std::size_t i = 0; i < controls.size(); ++i) {
            if (controls[i].get() == &control) return static_cast<int>(i);
        }
        return -1;
    }

    forms::web::WebBackend backend_;
    std::deque<ExpectedBox> boxes_;
};

std::unique_ptr<Harness> makeWebHarness() { return std::make_unique<WebHarness>(); }

INSTANTIATE_TEST_SUITE_P(Web, BackendConformance,
                         ::testing::Values(BackendUnderTest{"Web", &makeWebHarness}));

// The page's own input beyond the suite's, on the same reference window.
class WebPageInput : public BackendConformance {};

TEST_P(WebPageInput, ATouchTheBrowserTakesOverEndsAsARelease) {
    forms::Form& form = shown();
    const PixelRect target = forms::pixelRect(form.control("Target").bounds());
    harness().press(form, target.left + 5, target.top + 5);
    test_pointer(form.design().caption.c_str(), "pointercancel", target.left + 5, target.top + 5);
    EXPECT_EQ(log_, (std::vector<std::string>{"MouseDown", "MouseUp"}));
    // The next press is a press of its own again.
    harness().press(form, target.left + 5, target.top + 5);
    EXPECT_EQ(log_.back(), "MouseDown");
}

INSTANTIATE_TEST_SUITE_P(Web, WebPageInput,
                         ::testing::Values(BackendUnderTest{"Web", &makeWebHarness}));

}  // namespace
}  // namespace klonkatron::testing::conformance
