#include "designs/frm_about_design.h"

#include <string>

#include "art/catalogue.h"
#include "designs/credits.h"
#include "designs/window_names.h"

namespace klonkatron {
namespace {

using namespace forms;

std::string makeCredits() {
    return std::string("Credits:\r\n") + "Programming, graphics and such:  " + credits::kAuthor +
           "\r\n" + " \r\n" + "Inspirated from: " + credits::kInspiration + "\r\n" + " \r\n" +
           "E-Mail Me for Comments and bugs...\r\n" + credits::kEmail + "\r\n";
}

FormDesign makeFrmAbout() {
    return FormDesign{
        .name = window::kAbout,
        .caption = "About Klonkatron",
        .borderStyle = BorderStyle::FixedToolWindow,
        .controlBox = true,
        .minButton = false,
        .maxButton = false,
        .clientWidth = 5190,
        .clientHeight = 3270,
        .startPosition = StartPosition::Manual,
        .position = {2340, 1890},
        .icon = art::questionMark,
        .showInTaskbar = false,
        .controls =
            {
                // OK takes both Enter and Escape.
                ButtonDesign{.name = "cmdOK",
                             .left = 120,
                             .top = 2760,
                             .width = 1335,
                             .height = 375,
                             .caption = "OK",
                             .tabIndex = 0,
                             .isDefault = true,
                             .isCancel = true},
                ButtonDesign{.name = "cmdSysInfo",
                             .left = 3720,
                             .top = 2760,
                             .width = 1335,
                             .height = 375,
                             .caption = "&System Info...",
                             .tabIndex = 1},
                TextBoxDesign{.name = "Text1",
                              .left = 120,
                              .top = 720,
                              .width = 4935,
                              .height = 1695,
                              .text = aboutCredits(),
                              .tabIndex = 3,
                              .multiLine = true,
                              .scrollBars = ScrollBars::None,
                              .locked = true},
                LabelDesign{.name = "Label1",
                            .left = 720,
                            .top = 120,
                            .width = 4815,
                            .height = 615,
                            .caption = "Klonkatron",
                            .foreColor = rgb(0xFF0000),
                            .font = Font{"Arial", 24, false}},
                ImageDesign{.name = "Image1",
                            .left = 120,
                            .top = 120,
                            .width = 480,
                            .height = 480,
                            .picture = art::emblem},
                // An etched rule above the buttons: grey, with white below.
                LineDesign{.name = "Line1",
                           .index = 1,
                           .x1 = 90,
                           .y1 = 2565,
                           .x2 = 5040,
                           .y2 = 2565,
                           .color = rgb(0x808080),
                           .borderWidth = 1},
                LineDesign{.name = "Line1",
                           .index = 0,
                           .x1 = 105,
                           .y1 = 2580,
                           .x2 = 5040,
                           .y2 = 2580,
                           .color = rgb(0xFFFFFF),
                           .borderWidth = 2},
            },
    };
}

}  // namespace

const std::string& aboutCredits() {
    static const std::string text = makeCredits();
    return text;
}

const FormDesign& frmAboutDesign() {
    static const FormDesign design = makeFrmAbout();
    return design;
}

}  // namespace klonkatron
