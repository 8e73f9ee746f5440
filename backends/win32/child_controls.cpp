#include "backends/win32/child_controls.h"

#include "backends/win32/text.h"
#include "forms/button_face.h"
#include "forms/picture_pixels.h"

namespace forms::win32 {
namespace {

// Identifiers start above those of the dialog manager (IDOK, IDCANCEL, ...).
constexpr int kFirstId = 100;

}  // namespace

ChildControls::ChildControls(HWND parent, Form& form, const Scale& scale, GdiFonts& fonts,
                             SUBCLASSPROC subclass)
    : parent_(parent), scale_(scale), fonts_(fonts) {
    HINSTANCE instance = GetModuleHandleW(nullptr);
    int id = kFirstId;
    for (Control* control : form.tabOrder()) {
        const RECT area = areaOf(*control);
        const wchar_t* cls = L"BUTTON";
        DWORD style = WS_CHILD | WS_TABSTOP | WS_CLIPSIBLINGS;
        if (auto* button = dynamic_cast<CommandButton*>(control)) {
            if (!button->picture().isEmpty()) {
                style |= BS_OWNERDRAW;
            } else {
                style |= button->isDefault() ? BS_DEFPUSHBUTTON : BS_PUSHBUTTON;
            }
        } else {
            const auto& text = static_cast<TextBox&>(*control);
            cls = L"EDIT";
            style |= WS_BORDER | ES_AUTOHSCROLL;
            if (text.multiLine()) style |= ES_MULTILINE | ES_WANTRETURN | ES_AUTOVSCROLL;
            if (text.multiLine()) style &= ~static_cast<DWORD>(ES_AUTOHSCROLL);
            if (text.locked()) style |= ES_READONLY;
            const ScrollBars bars = text.scrollBars();
            if (bars == ScrollBars::Vertical || bars == ScrollBars::Both) style |= WS_VSCROLL;
            if (bars == ScrollBars::Horizontal || bars == ScrollBars::Both) style |= WS_HSCROLL;
        }
        HWND child = CreateWindowExW(
            cls == std::wstring_view(L"EDIT") ? WS_EX_CLIENTEDGE : 0, cls, L"", style, area.left,
            area.top, area.right - area.left, area.bottom - area.top, parent,
            reinterpret_cast<HMENU>(static_cast<INT_PTR>(id++)), instance, nullptr);
        if (child == nullptr) continue;
        SetWindowSubclass(child, subclass, 0, reinterpret_cast<DWORD_PTR>(control));
        windows_[control] = child;
        controls_[child] = control;
        update(*control);
    }
}

RECT ChildControls::areaOf(const Control& control) const {
    return scale_.device(pixelRectOf(control.bounds()));
}

void ChildControls::place() {
    for (auto& [child, control] : controls_) {
        const RECT area = areaOf(*control);
        SetWindowPos(child, nullptr, area.left, area.top, area.right - area.left,
                     area.bottom - area.top, SWP_NOZORDER | SWP_NOACTIVATE);
        update(*control);
    }
}

Control* ChildControls::controlOf(HWND child) const {
    const auto it = controls_.find(child);
    return it == controls_.end() ? nullptr : it->second;
}

Control* ChildControls::controlOf(int id) const { return controlOf(GetDlgItem(parent_, id)); }

HWND ChildControls::windowOf(const Control& control) const {
    const auto it = windows_.find(&control);
    return it == windows_.end() ? nullptr : it->second;
}

void ChildControls::update(Control& control) {
    HWND child = windowOf(control);
    if (child == nullptr) return;
    if (auto* button = dynamic_cast<CommandButton*>(&control)) {
        // "&" underlines the access key, which the runtime answers.
        if (button->picture().isEmpty()) SetWindowTextW(child, wide(button->caption()).c_str());
        SendMessageW(child, WM_SETFONT,
                     reinterpret_cast<WPARAM>(fonts_.get(button->font(), scale_.ratio())), TRUE);
    } else if (auto* text = dynamic_cast<TextBox*>(&control)) {
        SendMessageW(child, WM_SETFONT,
                     reinterpret_cast<WPARAM>(fonts_.get(text->font(), scale_.ratio())), TRUE);
        if (textOf(child) != text->text()) {
            settingText_ = true;
            SetWindowTextW(child, wide(text->text()).c_str());
            settingText_ = false;
        }
    }
    ShowWindow(child, control.visible() ? SW_SHOWNA : SW_HIDE);
}

void ChildControls::drawPictureButton(const DRAWITEMSTRUCT& item) const {
    const auto* button = dynamic_cast<const CommandButton*>(controlOf(item.hwndItem));
    if (button == nullptr) return;
    const RECT& r = item.rcItem;
    FillRect(item.hDC, &r, GetSysColorBrush(COLOR_BTNFACE));
    const PixelImage& pixels = pixelsOf(button->picture());
    if (pixels.isEmpty()) return;
    // How the face looks is the core's.
    const PictureButtonFace face = pictureButtonFace(*button, (item.itemState & ODS_SELECTED) != 0,
                                                     (item.itemState & ODS_FOCUS) != 0);
    const int offset = scale_.device(face.pictureOffset);
    BITMAPINFO info{};
    info.bmiHeader.biSize = sizeof(BITMAPINFOHEADER);
    info.bmiHeader.biWidth = pixels.width;
    info.bmiHeader.biHeight = -pixels.height;
    info.bmiHeader.biPlanes = 1;
    info.bmiHeader.biBitCount = 32;
    info.bmiHeader.biCompression = BI_RGB;
    SetStretchBltMode(item.hDC, scale_.isWhole() ? COLORONCOLOR : HALFTONE);
    StretchDIBits(item.hDC, r.left + offset, r.top + offset, r.right - r.left, r.bottom - r.top, 0,
                  0, pixels.width, pixels.height, pixels.pixels.data(), &info, DIB_RGB_COLORS,
                  SRCCOPY);
    if (face.focusRectangle) {
        const PixelRect& f = *face.focusRectangle;
        const RECT focus{r.left + scale_.device(f.left), r.top + scale_.device(f.top),
                         r.left + scale_.device(f.left + f.width),
                         r.top + scale_.device(f.top + f.height)};
        DrawFocusRect(item.hDC, &focus);
    }
}

std::string textOf(HWND edit) {
    const int length = GetWindowTextLengthW(edit);
    std::wstring text(static_cast<size_t>(length) + 1, L'\0');
    GetWindowTextW(edit, text.data(), length + 1);
    text.resize(static_cast<size_t>(length));
    return utf8(text);
}

}  // namespace forms::win32
