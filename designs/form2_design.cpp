#include "designs/form2_design.h"

#include "art/catalogue.h"
#include "designs/window_names.h"

namespace klonkatron {

using namespace forms;

const FormDesign& form2Design() {
    static const FormDesign design{
        .name = window::kPicture,
        .caption = "Form2",  // seen only outside the window, as in the taskbar
        .borderStyle = BorderStyle::None,
        .clientWidth = 3405,
        .clientHeight = 3720,
        .startPosition = StartPosition::CenterScreen,
        .backColor = rgb(0xFFFFFF),
        .icon = art::mee,
        .controls =
            {
                // Larger than the window and 8 pixels up and left of it: it
                // covers the whole client area, so every click lands on it.
                ImageDesign{.name = "Image1",
                            .left = -120,
                            .top = -120,
                            .width = 3570,
                            .height = 3960,
                            .picture = art::dachshund},
            },
    };
    return design;
}

}  // namespace klonkatron
