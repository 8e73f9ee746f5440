#include "designs/frm_splash_design.h"

#include <string>

#include "art/catalogue.h"
#include "designs/credits.h"
#include "designs/window_names.h"

namespace klonkatron {
namespace {

using namespace forms;

constexpr Color kOlive = rgb(0xC0C000);

LineDesign rule(const char* name, int x1, int y1, int x2, int y2) {
    return LineDesign{.name = name, .x1 = x1, .y1 = y1, .x2 = x2, .y2 = y2, .color = kOlive};
}

// The label wraps at its width: the runs of blanks push the maker's name and
// the closing line each onto a line of its own, a little indented.
std::string creditsText() {
    return std::string("Design, Programming and Artwork by :") + std::string(40, ' ') +
           credits::kAuthor + std::string(80, ' ') + credits::kCopyright;
}

FormDesign makeFrmSplash() {
    return FormDesign{
        .name = window::kSplash,
        .caption = "",
        .borderStyle = BorderStyle::FixedDialog,
        .controlBox = false,
        .minButton = false,
        .maxButton = false,
        .clientWidth = 7380,
        .clientHeight = 4185,
        .startPosition = StartPosition::CenterScreen,
        .backColor = rgb(0x008000),
        .icon = art::emblem,
        .keyPreview = true,
        .showInTaskbar = false,
        .controls =
            {
                TimerDesign{.name = "Timer1", .interval = 100},
                ButtonDesign{.name = "Command1",
                             .left = 2880,
                             .top = 3240,
                             .width = 1695,
                             .height = 375,
                             .caption = "&Ok!",
                             .tabIndex = 3,
                             .isDefault = true},
                LabelDesign{.name = "Label3",
                            .left = 2880,
                            .top = 960,
                            .width = 4455,
                            .height = 975,
                            .caption = creditsText(),
                            .foreColor = rgb(0xFFFF00)},
                // The rules: right of the picture, under the button, and
                // under the title with a break between 5280 and 5760.
                rule("Line3", 2760, 960, 2760, 4080),
                rule("Line4", 2880, 3720, 7440, 3720),
                rule("Line2", 5760, 840, 6240, 840),
                rule("Line1", 5280, 840, 0, 840),
                LabelDesign{.name = "Label2",
                            .left = 6360,
                            .top = 720,
                            .width = 855,
                            .height = 255,
                            .caption = "Version 1.3",
                            .foreColor = kOlive},
                LabelDesign{.name = "Label1",
                            .left = 480,
                            .top = 0,
                            .width = 6855,
                            .height = 1455,
                            .caption = "Klonkatron",
                            .foreColor = kOlive,
                            .font = Font{"Arial", 36, true}},
                ImageDesign{.name = "Image1",
                            .left = 120,
                            .top = 240,
                            .width = 2625,
                            .height = 3945,
                            .picture = art::splashScene},
                // Behind everything, the picture included: moving left, it
                // slides out from behind the picture.
                LabelDesign{.name = "visit",
                            .left = 2880,
                            .top = 3840,
                            .width = 3255,
                            .height = 255,
                            .caption = std::string("...Visit ") + credits::kWebSite + "...",
                            .foreColor = kOlive},
            },
    };
}

}  // namespace

const FormDesign& frmSplashDesign() {
    static const FormDesign design = makeFrmSplash();
    return design;
}

}  // namespace klonkatron
