#pragma once

#include <optional>
#include <string>
#include <variant>
#include <vector>

#include "forms/font.h"
#include "forms/geometry.h"
#include "forms/picture.h"

namespace forms {

// Window and control definitions as data: each window file lists its
// controls front to back with their design values, in twips and #RRGGBB.

enum class Alignment { Left, Right, Center };
enum class BorderStyle {
    None,
    FixedSingle,
    Sizable,
    FixedDialog,
    FixedToolWindow,
    SizableToolWindow
};
enum class StartPosition { Manual, CenterScreen };
enum class ScrollBars { None, Horizontal, Vertical, Both };
enum class MousePointer { Default, Custom };

struct LabelDesign {
    std::string name;
    int left = 0, top = 0, width = 0, height = 0;
    std::string caption;
    Color foreColor = rgb(0x000000);
    std::optional<Font> font;  // none: the window's font
    Alignment alignment = Alignment::Left;
    std::string toolTip;
    bool visible = true;
};

struct ImageDesign {
    std::string name;
    int left = 0, top = 0, width = 0, height = 0;
    PictureSource picture;
    std::string toolTip;
    bool visible = true;
};

struct ButtonDesign {
    std::string name;
    int left = 0, top = 0, width = 0, height = 0;
    std::string caption;  // "&" marks the access key
    int tabIndex = 0;
    bool isDefault = false;  // takes Enter
    bool isCancel = false;   // takes Escape
    PictureSource picture;   // a picture face instead of text
    std::optional<Font> font;
};

struct TextBoxDesign {
    std::string name;
    int left = 0, top = 0, width = 0, height = 0;
    std::string text;
    int tabIndex = 0;
    bool multiLine = false;
    ScrollBars scrollBars = ScrollBars::None;
    bool locked = false;  // read-only
    std::optional<Font> font;
};

struct LineDesign {
    std::string name;
    int index = -1;  // position in a control array; -1 for a single control
    int x1 = 0, y1 = 0, x2 = 0, y2 = 0;
    Color color = rgb(0x000000);
    int borderWidth = 1;  // pixels
};

struct TimerDesign {
    std::string name;
    int interval = 0;  // milliseconds
    bool enabled = true;
};

using ControlDesign =
    std::variant<LabelDesign, ImageDesign, ButtonDesign, TextBoxDesign, LineDesign, TimerDesign>;

struct FormDesign {
    std::string name;
    std::string caption;
    BorderStyle borderStyle = BorderStyle::Sizable;
    bool controlBox = true;
    bool minButton = true;
    bool maxButton = true;
    int clientWidth = 0;   // twips
    int clientHeight = 0;  // twips
    StartPosition startPosition = StartPosition::Manual;
    Point position;                  // client area on the screen, twips, for Manual
    std::optional<Color> backColor;  // none: the platform's dialog colour
    PictureSource picture;           // drawn at its own size from the top-left corner
    PictureSource icon;
    PictureSource smallIcon;  // the 16 by 16 image of the window icon, where there is one
    MousePointer mousePointer = MousePointer::Default;
    PictureSource mouseIcon;
    bool keyPreview = false;
    bool showInTaskbar = true;
    Font font{"MS Sans Serif", 8.25, false};
    std::vector<ControlDesign> controls;  // front to back
};

}  // namespace forms
