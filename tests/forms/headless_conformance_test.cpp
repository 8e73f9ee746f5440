// The backend conformance suite on the headless backend: its input is the
// test driver's, its message boxes scripted, its clock virtual.
#include "backends/headless/headless_backend.h"
#include "backends/headless/test_driver.h"
#include "tests/conformance/backend_conformance.h"

namespace klonkatron::testing::conformance {
namespace {

class HeadlessHarness : public Harness {
public:
    forms::Backend& backend() override { return backend_; }
    void settle() override {}
    void key(forms::Form& form, int keyCode, bool shift) override {
        driver().pressKey(form.name(), {keyCode, 0, shift ? forms::ShiftKey : forms::NoShift});
    }
    void press(forms::Form& form, int x, int y) override {
        form.app().mousePress(form, x, y, forms::LeftButton, forms::NoShift);
    }
    void release(forms::Form& form, int x, int y) override {
        form.app().mouseRelease(form, x, y, forms::LeftButton, forms::NoShift);
    }
    std::optional<bool> capturing(forms::Form& form) override {
        return backend_.window(form.name()).mouseCaptured;
    }
    bool windowShown(const forms::FormDesign& design) override {
        return backend_.window(design.name).open;
    }
    std::optional<PixelRect> focusedWidget(forms::Form& form) override {
        const std::string& name = backend_.window(form.name()).focused;
        if (name.empty()) return std::nullopt;
        return forms::pixelRect(form.control(name).bounds());
    }
    // No platform here: its windows keep the focus the core gives them.
    void focusByPlatform(forms::Form& form, forms::Control& control) override {
        form.focus(control);
    }
    // No widgets either: a control shows as it is.
    bool widgetShown(forms::Form&, forms::Control& control) override { return control.visible(); }
    void answerMessageBox(forms::MessageBoxRequest expected, forms::MsgResult answer,
                          std::function<bool()> ready) override {
        backend_.expectMessageBox(std::move(expected), answer, [this, ready = std::move(ready)] {
            while (!ready()) driver().advance(1);
        });
    }

    bool runUntil(const std::function<bool()>& done) override {
        for (int ms = 0; ms < 10'000; ++ms) {
            if (done()) return true;
            driver().advance(1);
        }
        return done();
    }

private:
    forms::headless::TestDriver driver() { return {backend_, backend_.app()}; }

    forms::headless::HeadlessBackend backend_;
};

std::unique_ptr<Harness> makeHeadlessHarness() { return std::make_unique<HeadlessHarness>(); }

INSTANTIATE_TEST_SUITE_P(Headless, BackendConformance,
                         ::testing::Values(BackendUnderTest{"Headless", &makeHeadlessHarness}));

}  // namespace
}  // namespace klonkatron::testing::conformance
