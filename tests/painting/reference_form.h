#pragma once

// A window that takes every part of the core's painting: a back colour and
// a window picture, labels that wrap and align, pictures with a mask and
// cut by their rectangle, a hidden one, lines level, upright and slanted,
// and a button, which is a widget and not painted. Shown on the headless
// backend, for the core's own test and for each backend's canvas.

#include <array>
#include <memory>
#include <optional>

#include "backends/headless/headless_backend.h"
#include "backends/headless/test_driver.h"
#include "forms/application.h"
#include "forms/picture_pixels.h"
#include "forms/system/unavailable_system.h"
#include "tests/forms/png_samples.h"

namespace painting {

using namespace forms;

// 3 by 2, masked: red, clear, blue; yellow, clear, blue.
inline constexpr PictureSource kIcon{"painting-icon", 3, 2};
// 2 by 2, opaque: (10,20,30) (15,25,35); (11,22,33) and one more.
inline constexpr PictureSource kOpaque{"painting-opaque", 2, 2};

inline constexpr Color kBack = rgb(0x204060);
inline const Font kFont{"Arial", 8.25, false};

// Pixels as twips.
constexpr int tw(int pixels) { return pixels * kTwipsPerPixel; }

inline FormDesign referenceForm(std::optional<Color> backColor = kBack) {
    return FormDesign{.name = "Reference",
                      .clientWidth = tw(64),
                      .clientHeight = tw(48),
                      .backColor = backColor,
                      .picture = kOpaque,
                      .controls = {
                          LabelDesign{.name = "centred",
                                      .left = tw(4),
                                      .top = tw(4),
                                      .width = tw(40),
                                      .height = tw(10),
                                      .caption = "Hi",
                                      .foreColor = rgb(0xFFFF00),
                                      .font = kFont,
                                      .alignment = Alignment::Center},
                          LabelDesign{.name = "wrapped",
                                      .left = tw(4),
                                      .top = tw(16),
                                      .width = tw(24),
                                      .height = tw(30),
                                      .caption = "one two three four five six",
                                      .foreColor = rgb(0xFFFFFF),
                                      .font = kFont,
                                      .alignment = Alignment::Right},
                          ButtonDesign{.name = "button",
                                       .left = tw(30),
                                       .top = tw(30),
                                       .width = tw(20),
                                       .height = tw(10),
                                       .caption = "OK"},
                          ImageDesign{.name = "icon",
                                      .left = tw(48),
                                      .top = tw(4),
                                      .width = tw(2),
                                      .height = tw(2),
                                      .picture = kIcon},
                          ImageDesign{.name = "opaque",
                                      .left = tw(50),
                                      .top = tw(20),
                                      .width = tw(2),
                                      .height = tw(2),
                                      .picture = kOpaque},
                          ImageDesign{.name = "hidden",
                                      .left = tw(40),
                                      .top = tw(30),
                                      .width = tw(3),
                                      .height = tw(2),
                                      .picture = kIcon,
                                      .visible = false},
                          LineDesign{.name = "level",
                                     .x1 = tw(60),
                                     .y1 = tw(42),
                                     .x2 = tw(30),
                                     .y2 = tw(42),
                                     .color = rgb(0xFF8000),
                                     .borderWidth = 2},
                          LineDesign{.name = "upright",
                                     .x1 = tw(56),
                                     .y1 = tw(10),
                                     .x2 = tw(56),
                                     .y2 = tw(40),
                                     .color = rgb(0x00FF00)},
                          LineDesign{.name = "slanted",
                                     .x1 = tw(34),
                                     .y1 = tw(20),
                                     .x2 = tw(40),
                                     .y2 = tw(23),
                                     .color = rgb(0x8000FF)},
                      }};
}

inline void addReferenceImages() {
    static const std::array<EncodedImage, 2> images{
        EncodedImage{kIcon.resource, coretest::png::kIcon},
        EncodedImage{kOpaque.resource, coretest::png::kOpaque}};
    addImages(images);
}

// The reference window shown on the headless backend.
class ReferenceProgram {
public:
    explicit ReferenceProgram(std::optional<Color> backColor = kBack)
        : design_(referenceForm(backColor)) {
        addReferenceImages();
        app_.registerForm(design_.name, [this](Application& app) {
            return std::make_unique<Form>(app, design_);
        });
        app_.show(design_.name);
    }
    [[nodiscard]] Form& form() { return driver_.form(design_.name); }

private:
    FormDesign design_;
    headless::HeadlessBackend backend_;
    UnavailableSystem system_;
    Application app_{backend_, system_, "Painting"};
    headless::TestDriver driver_{backend_, app_};
};

}  // namespace painting
