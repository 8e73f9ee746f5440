#include "designs/form1_design.h"

#include <string>

#include "art/catalogue.h"
#include "designs/credits.h"
#include "designs/window_names.h"

namespace klonkatron {
namespace {

using namespace forms;

constexpr Color kOlive = rgb(0xC0C000);
constexpr Color kYellow = rgb(0xFFFF00);
constexpr Color kPaleYellow = rgb(0xFFFF80);
constexpr Color kPalestYellow = rgb(0xFFFFC0);
constexpr Color kBoardGreen = rgb(0x008000);

const Font kArialBold8{"Arial", 8.25, true};
const Font kArialBold20{"Arial", 20.25, true};
const Font kArialBold24{"Arial", 24, true};
const Font kArial6{"Arial", 6.75, false};

ImageDesign place(const char* name, int left, int top) {
    return ImageDesign{
        .name = name, .left = left, .top = top, .width = 480, .height = 480, .visible = false};
}

ImageDesign holeAt(const char* name, int left, int top) {
    return ImageDesign{
        .name = name, .left = left, .top = top, .width = 480, .height = 480, .picture = art::hole};
}

ImageDesign holder(const char* name, int left, int top, const PictureSource& picture,
                   bool visible = true) {
    return ImageDesign{.name = name,
                       .left = left,
                       .top = top,
                       .width = 480,
                       .height = 480,
                       .picture = picture,
                       .visible = visible};
}

ImageDesign barHolder(const char* name, int left, const PictureSource& picture) {
    return ImageDesign{
        .name = name, .left = left, .top = 720, .width = 165, .height = 525, .picture = picture};
}

LineDesign line(const char* name, int x1, int y1, int x2, int y2, Color color) {
    return LineDesign{.name = name, .x1 = x1, .y1 = y1, .x2 = x2, .y2 = y2, .color = color};
}

FormDesign makeForm1() {
    return FormDesign{
        .name = window::kBoard,
        .caption = std::string("Klonkatron - By ") + credits::kAuthor,
        .borderStyle = BorderStyle::FixedToolWindow,
        .controlBox = false,
        .minButton = false,
        .maxButton = false,
        .clientWidth = 4920,
        .clientHeight = 4200,
        .startPosition = StartPosition::CenterScreen,
        .backColor = kBoardGreen,
        .picture = art::form1Background,
        .icon = art::form1Icon,
        .smallIcon = art::form1SmallIcon,
        .mousePointer = MousePointer::Custom,
        .mouseIcon = art::upp,
        .controls =
            {
                // Buttons, always in front.
                ButtonDesign{.name = "Command3",
                             .left = 120,
                             .top = 3720,
                             .width = 2175,
                             .height = 375,
                             .caption = "&Start New Game",
                             .tabIndex = 1,
                             .isDefault = true},
                ButtonDesign{.name = "Command2",
                             .left = 2400,
                             .top = 3720,
                             .width = 2415,
                             .height = 375,
                             .caption = "&About Klonkatron",
                             .tabIndex = 2},
                ButtonDesign{.name = "Command1",
                             .left = 240,
                             .top = 3015,
                             .width = 2775,
                             .height = 300,
                             .tabIndex = 3,
                             .picture = art::exitFace},

                // The drawn controls, front to back.
                ImageDesign{.name = "Image12",
                            .left = 4200,
                            .top = 240,
                            .width = 480,
                            .height = 480,
                            .picture = art::emblem},
                LabelDesign{.name = "Label5",
                            .left = 4320,
                            .top = 360,
                            .width = 615,
                            .height = 375,
                            .caption = "0",
                            .foreColor = kBoardGreen},
                ImageDesign{.name = "bar",
                            .left = 4080,
                            .top = 1800,
                            .width = 165,
                            .height = 525,
                            .picture = art::bar1},
                LabelDesign{.name = "timescore",
                            .left = 3360,
                            .top = 3360,
                            .width = 1455,
                            .height = 255,
                            .caption = "0",
                            .foreColor = kYellow,
                            .font = kArial6,
                            .alignment = Alignment::Center},
                line("Line6", 120, 3600, 4800, 3600, kOlive),
                LabelDesign{.name = "time",
                            .left = 1920,
                            .top = 720,
                            .width = 2175,
                            .height = 255,
                            .caption = "Loading Graphics and stuff...",
                            .foreColor = kYellow,
                            .alignment = Alignment::Right},
                LabelDesign{.name = "pauz",
                            .left = 120,
                            .top = 960,
                            .width = 3015,
                            .height = 2055,
                            .caption = kWelcomeBanner,
                            .foreColor = kYellow,
                            .font = kArialBold20,
                            .alignment = Alignment::Center},
                line("Line5", 3480, 1680, 4680, 1680, kYellow),
                line("Line8", 3360, 2280, 3360, 1080, kPalestYellow),
                line("Line7", 3360, 1080, 3720, 1080, kPalestYellow),
                line("Line4", 3360, 1080, 4800, 1080, kPaleYellow),
                line("Line3", 4800, 3600, 4800, 1080, kOlive),
                line("Line2", 3360, 3240, 4800, 3240, kOlive),
                line("Line1", 3480, 2400, 4680, 2400, kYellow),
                ImageDesign{.name = "mug",
                            .left = 3525,
                            .top = 1800,
                            .width = 480,
                            .height = 480,
                            .picture = art::tio,
                            .toolTip = "Thy Happyface is coming if you bang many computers"},
                line("Line10", 3360, 3600, 3360, 1080, kPaleYellow),
                LabelDesign{.name = "level",
                            .left = 3360,
                            .top = 2640,
                            .width = 1335,
                            .height = 615,
                            .caption = "1",
                            .foreColor = kYellow,
                            .font = kArialBold24,
                            .alignment = Alignment::Center,
                            .toolTip = "Thy level yer' in"},
                LabelDesign{.name = "Label3",
                            .left = 3480,
                            .top = 2520,
                            .width = 1215,
                            .height = 255,
                            .caption = "Level  :",
                            .foreColor = kOlive,
                            .alignment = Alignment::Center},
                LabelDesign{.name = "Label2",
                            .left = 3480,
                            .top = 1200,
                            .width = 975,
                            .height = 255,
                            .caption = "Score :",
                            .foreColor = kOlive},
                LabelDesign{.name = "score",
                            .left = 3480,
                            .top = 1440,
                            .width = 1215,
                            .height = 255,
                            .caption = "0",
                            .foreColor = kYellow,
                            .font = kArialBold8,
                            .alignment = Alignment::Right,
                            .toolTip = "yer' score"},

                // The places, 240 twips above their holes.
                place("upleft", 600, 1200),
                place("up", 1320, 1200),
                place("upright", 2040, 1200),
                place("leftt", 480, 1680),
                place("middle", 1320, 1680),
                place("right", 2160, 1680),
                place("downleft", 360, 2160),
                place("down", 1320, 2160),
                place("downright", 2400, 2160),

                // The holes.
                holeAt("Image1", 600, 1440),
                holeAt("Image2", 1320, 1440),
                holeAt("Image3", 2040, 1440),
                holeAt("Image4", 480, 1920),
                holeAt("Image5", 1320, 1920),
                holeAt("Image6", 2160, 1920),
                holeAt("Image7", 360, 2400),
                holeAt("Image8", 1320, 2400),
                holeAt("Image9", 2400, 2400),

                ImageDesign{.name = "Image10",
                            .left = 120,
                            .top = 1320,
                            .width = 3225,
                            .height = 2280,
                            .picture = art::table},
                ImageDesign{.name = "Image11",
                            .left = 120,
                            .top = 0,
                            .width = 4095,
                            .height = 1050,
                            .picture = art::banner},

                // Hidden counter and picture holders, outside the client area.
                LabelDesign{.name = "died",
                            .left = 480,
                            .top = 4800,
                            .width = 1935,
                            .height = 1935,
                            .caption = "0",
                            .visible = false},
                holder("ibm", 3600, 4800, art::ibm, false),
                holder("ibm2", 6000, 6480, art::ibm2),
                holder("bang", 2640, 4560, art::bang, false),
                holder("bang2", 6360, 5880, art::bang2),
                holder("ner", 3120, 7080, art::ner, false),
                holder("upp", 3960, 7200, art::upp, false),
                holder("tjugo", 3120, 5280, art::tjugo),
                holder("trettio", 6240, 1800, art::trettio),
                holder("förtio", 6360, 3120, art::fortio),
                holder("femtio", 6840, 4200, art::femtio),
                holder("sextio", 6240, 4680, art::sextio),
                holder("sjuttio", 5520, 5280, art::sjuttio),
                holder("åttio", 4200, 6120, art::attio),
                holder("nittio", 3000, 6000, art::nittio),
                holder("hundra", 6480, 5160, art::hundra),
                barHolder("two", 5160, art::bar2),
                barHolder("three", 5400, art::bar3),
                barHolder("four", 5640, art::bar4),
                barHolder("five", 5880, art::bar5),
                barHolder("six", 6120, art::bar6),
                barHolder("seven", 6360, art::bar7),
                barHolder("eight", 6600, art::bar8),
                barHolder("nine", 6840, art::bar9),
                barHolder("ten", 7080, art::bar10),

                // Timers, in the order their ticks run when due together.
                TimerDesign{.name = "Timer1", .interval = 3000},
                TimerDesign{.name = "Timer2", .interval = 3500},
                TimerDesign{.name = "Timer3", .interval = 100},
                TimerDesign{.name = "Timer4", .interval = 1},
                TimerDesign{.name = "Timer5", .interval = 1000},
                TimerDesign{.name = "Timer6", .interval = 1000},
                TimerDesign{.name = "Timer8", .interval = 1},
                TimerDesign{.name = "killometer", .interval = 1000},
            },
    };
}

}  // namespace

const FormDesign& form1Design() {
    static const FormDesign design = makeForm1();
    return design;
}

}  // namespace klonkatron
