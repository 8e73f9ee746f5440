#include "designs/frm_splash1_design.h"

#include "art/catalogue.h"
#include "designs/window_names.h"

namespace klonkatron {

using namespace forms;

const char* const kScriptureText =
    "\"So i looked and behold,\r\n"
    " a pale Windows: and the name of him that sat on it was Fatal Exception,\r\n"
    " and System Errors followed with him.\r\n"
    " And power was given unto them over the fourth part of the computer,\r\n"
    " to kill with errors, and with crashes, and with viruses,\r\n"
    " and with the blue screens of the desktop.\r\n"
    " And the mouse froze in the hand of the user,\r\n"
    " and the hard disk made a noise like unto thunder,\r\n"
    " and no key could be found that would end the task.\"\r\n"
    "\r\n"
    " The book of computer evils 6:8\r\n";

const FormDesign& frmSplash1Design() {
    static const FormDesign design{
        .name = window::kText,
        .caption = "",
        .borderStyle = BorderStyle::FixedDialog,
        .controlBox = false,
        .minButton = false,
        .maxButton = false,
        .clientWidth = 5385,
        .clientHeight = 3255,
        .startPosition = StartPosition::CenterScreen,
        .icon = art::emblem,
        .keyPreview = true,
        .showInTaskbar = false,
        .controls =
            {
                ButtonDesign{.name = "Command1",
                             .left = 120,
                             .top = 2760,
                             .width = 5175,
                             .height = 375,
                             .caption = "&Ok",
                             .tabIndex = 1},
                TextBoxDesign{.name = "Text1",
                              .left = 120,
                              .top = 120,
                              .width = 5175,
                              .height = 2535,
                              .text = kScriptureText,
                              .tabIndex = 0,
                              .multiLine = true,
                              .scrollBars = ScrollBars::Vertical},
            },
    };
    return design;
}

}  // namespace klonkatron
