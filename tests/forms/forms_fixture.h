#pragma once

// A program on the headless backend whose windows each test defines itself.

#include <gtest/gtest.h>

#include <cstdint>
#include <functional>
#include <memory>
#include <string>
#include <utility>
#include <vector>

#include "backends/headless/test_driver.h"
#include "forms/application.h"
#include "forms/form.h"
#include "forms/system/unavailable_system.h"

namespace coretest {

using namespace forms;
using Log = std::vector<std::string>;

class FormsTest : public ::testing::Test {
protected:
    using Binder = std::function<void(Form&)>;

    // Registers a window. `bind` runs on every new instance of it, before its
    // load handler, and binds the handlers.
    void addForm(FormDesign design, Binder bind = {}) {
        designs_.push_back(std::make_unique<FormDesign>(std::move(design)));
        const FormDesign& d = *designs_.back();
        app().registerForm(d.name, [&d, bind = std::move(bind)](Application& app) {
            auto form = std::make_unique<Form>(app, d);
            if (bind) bind(*form);
            return form;
        });
    }

    Application& app() { return app_; }
    headless::HeadlessBackend& backend() { return backend_; }
    headless::TestDriver& rt() { return runtime_; }
    // The clock the timers count on, in milliseconds.
    std::int64_t now() { return backend().monotonicMicros() / 1000; }

    FormsTest() {
        app().setErrorLog([this](const std::string& line) { errorLines_.push_back(line); });
    }

    // What the handlers did, in order.
    void note(std::string what) { log_.push_back(std::move(what)); }
    void noteAt(const std::string& what) { note(what + "@" + std::to_string(now())); }
    std::vector<std::string> log_;
    // The lines run-time errors left, instead of on standard error.
    std::vector<std::string> errorLines_;

private:
    UnavailableSystem system_;
    std::vector<std::unique_ptr<FormDesign>> designs_;  // the forms refer to their design
    headless::HeadlessBackend backend_;
    Application app_{backend_, system_, "Klonkatron Game"};
    headless::TestDriver runtime_{backend_, app_};
};

inline FormDesign window(std::string name, std::vector<ControlDesign> controls = {},
                         int clientWidth = 3000, int clientHeight = 2000) {
    return FormDesign{.name = std::move(name),
                      .clientWidth = clientWidth,
                      .clientHeight = clientHeight,
                      .controls = std::move(controls)};
}

inline ButtonDesign button(std::string name, std::string caption = "OK", int tabIndex = 0) {
    return ButtonDesign{.name = std::move(name),
                        .left = 2400,
                        .top = 1500,
                        .width = 450,
                        .height = 300,
                        .caption = std::move(caption),
                        .tabIndex = tabIndex};
}

inline LabelDesign label(std::string name, int left, int top, int width, int height) {
    return {.name = std::move(name), .left = left, .top = top, .width = width, .height = height};
}

inline ImageDesign image(std::string name, int left, int top, int width, int height) {
    return {.name = std::move(name), .left = left, .top = top, .width = width, .height = height};
}

}  // namespace coretest
