#include "backends/win32/form_window.h"

#include <windowsx.h>

#include <cmath>
#include <utility>

#include "backends/win32/gdi_canvas.h"
#include "backends/win32/pointer.h"
#include "backends/win32/text.h"
#include "backends/win32/win32_backend.h"
#include "backends/win32/window_style.h"
#include "forms/application.h"
#include "forms/form_painting.h"
#include "forms/pixels.h"
#include "forms/window_frame.h"

namespace forms::win32 {
namespace {

int shiftOf(WPARAM keys) {
    return ((keys & MK_SHIFT) != 0 ? ShiftKey : 0) | ((keys & MK_CONTROL) != 0 ? CtrlKey : 0) |
           (GetKeyState(VK_MENU) < 0 ? AltKey : 0);
}

int buttonsOf(WPARAM keys) {
    return ((keys & MK_LBUTTON) != 0 ? LeftButton : 0) |
           ((keys & MK_RBUTTON) != 0 ? RightButton : 0) |
           ((keys & MK_MBUTTON) != 0 ? MiddleButton : 0);
}

// The client area's size as designed, in logical pixels.
SIZE designedClientSize(const FormDesign& d) {
    return {pixelsFromTwips(d.clientWidth), pixelsFromTwips(d.clientHeight)};
}

// The client area's top-left corner on the screen, in device pixels.
POINT clientOrigin(const FormDesign& d, const Scale& scale, SIZE client) {
    if (d.startPosition == StartPosition::CenterScreen) {
        RECT work{0, 0, 1024, 768};
        SystemParametersInfoW(SPI_GETWORKAREA, 0, &work, 0);
        return {(work.left + work.right) / 2 - client.cx / 2,
                (work.top + work.bottom) / 2 - client.cy / 2};
    }
    return {scale.device(pixelsFromTwips(d.position.x)),
            scale.device(pixelsFromTwips(d.position.y))};
}

// Moves and sizes a window so that its client area, `size` large, has its
// top-left corner at `at` on the screen, whatever its frame measures. The
// frame is measured again after the first move: at a new scale it may
// change with the window.
void placeClientArea(HWND window, POINT at, SIZE size) {
    for (int pass = 0; pass < 2; ++pass) {
        RECT outer{};
        RECT client{};
        POINT corner{0, 0};
        GetWindowRect(window, &outer);
        GetClientRect(window, &client);
        ClientToScreen(window, &corner);
        SetWindowPos(window, nullptr, at.x - (corner.x - outer.left), at.y - (corner.y - outer.top),
                     size.cx + (outer.right - outer.left) - client.right,
                     size.cy + (outer.bottom - outer.top) - client.bottom,
                     SWP_NOZORDER | SWP_NOACTIVATE);
    }
}

}  // namespace

ATOM FormWindow::windowClass() {
    static const ATOM atom = [] {
        WNDCLASSEXW cls{};
        cls.cbSize = sizeof cls;
        cls.lpfnWndProc = &FormWindow::windowProc;
        cls.hInstance = GetModuleHandleW(nullptr);
        cls.hCursor = LoadCursorW(nullptr, IDC_ARROW);
        cls.lpszClassName = L"KlonkatronForm";
        return RegisterClassExW(&cls);
    }();
    return atom;
}

FormWindow::FormWindow(Win32Backend& backend, Form& form) : backend_(backend), form_(&form) {
    const FormDesign& d = form.design();
    const WindowStyle style = windowStyleOf(frameOf(d));
    // Made at a provisional place and size; the monitor it is on gives its
    // scale, which then gives both.
    const SIZE logical = designedClientSize(d);
    RECT frame{0, 0, logical.cx, logical.cy};
    AdjustWindowRectEx(&frame, style.style, FALSE, style.exStyle);
    window_ = CreateWindowExW(style.exStyle, MAKEINTATOM(windowClass()), wide(d.caption).c_str(),
                              style.style, 0, 0, frame.right - frame.left, frame.bottom - frame.top,
                              nullptr, nullptr, GetModuleHandleW(nullptr), nullptr);
    if (window_ == nullptr) throw std::runtime_error("no window for " + d.name);
    SetWindowLongPtrW(window_, GWLP_USERDATA, reinterpret_cast<LONG_PTR>(this));
    setIcons();
    tips_.emplace(window_);
    takeScale(Scale::ofWindow(window_), nullptr);
    placeClientArea(window_, clientOrigin(d, scale_, clientSize()), clientSize());
}

FormWindow::~FormWindow() {
    backend_.forgetPaint(*this);
    tips_.reset();
    if (window_ != nullptr) {
        SetWindowLongPtrW(window_, GWLP_USERDATA, 0);
        DestroyWindow(window_);
    }
    if (pointer_ != nullptr) DestroyCursor(pointer_);
    for (HICON icon : icons_) {
        if (icon != nullptr) DestroyIcon(icon);
    }
}

SIZE FormWindow::clientSize() const {
    const SIZE logical = designedClientSize(form_->design());
    return {scale_.device(logical.cx), scale_.device(logical.cy)};
}

void FormWindow::takeScale(const Scale& scale, const RECT* suggested) {
    scale_ = scale;
    const SIZE logical = designedClientSize(form_->design());
    buffer_ = std::make_unique<BackBuffer>(logical.cx * scale_.paintRatio(),
                                           logical.cy * scale_.paintRatio());
    if (controls_) {
        controls_->place();
    } else {
        controls_.emplace(window_, *form_, scale_, backend_.fonts(), &FormWindow::controlProc);
    }
    // The window keeps its frame's top-left corner, or takes the one the
    // system suggests; its size is the client area's own, not the
    // system's guess.
    if (suggested != nullptr) {
        SetWindowPos(window_, nullptr, suggested->left, suggested->top, 0, 0,
                     SWP_NOSIZE | SWP_NOZORDER | SWP_NOACTIVATE);
    }
    POINT corner{0, 0};
    ClientToScreen(window_, &corner);
    placeClientArea(window_, corner, clientSize());
    tips_->coverClientArea();
    updatePointer();  // where the window is now
    InvalidateRect(window_, nullptr, FALSE);
}

void FormWindow::setIcons() {
    const Picture& big = form_->icon();
    const Picture& small = form_->smallIcon().isEmpty() ? big : form_->smallIcon();
    if (big.isEmpty()) return;
    icons_ = {iconOf(big), iconOf(small)};
    // Without the pictures' pixels, the program's own icon (the board's).
    HICON fallback = LoadIconW(GetModuleHandleW(nullptr), MAKEINTRESOURCEW(1));
    SendMessageW(window_, WM_SETICON, ICON_BIG,
                 reinterpret_cast<LPARAM>(icons_[0] ? icons_[0] : fallback));
    SendMessageW(window_, WM_SETICON, ICON_SMALL,
                 reinterpret_cast<LPARAM>(icons_[1] ? icons_[1] : fallback));
}

FormWindow* FormWindow::of(HWND window) {
    if (window == nullptr || GetClassWord(window, GCW_ATOM) != windowClass()) return nullptr;
    return reinterpret_cast<FormWindow*>(GetWindowLongPtrW(window, GWLP_USERDATA));
}

void FormWindow::detach() {
    form_ = nullptr;
    if (GetCapture() == window_) ReleaseCapture();
    ShowWindow(window_, SW_HIDE);
}

void FormWindow::repaint(const Rect& twips) {
    RECT area = scale_.device(pixelRectOf(twips));
    // A fractional ratio smooths across the edge: one more pixel around.
    if (!scale_.isWhole()) InflateRect(&area, 1, 1);
    if (IsRectEmpty(&area)) return;
    if (collected_.empty()) backend_.paintLater(*this);
    // An area that meets one collected before grows it: a place changed
    // twice is painted once.
    for (RECT& other : collected_) {
        RECT common{};
        if (IntersectRect(&common, &other, &area) != FALSE) {
            UnionRect(&other, &other, &area);
            return;
        }
    }
    collected_.push_back(area);
}

void FormWindow::paintCollected() {
    const std::vector<RECT> areas = std::exchange(collected_, {});
    // A hidden or minimised window is painted whole when it shows again.
    if (form_ == nullptr || areas.empty() || IsWindowVisible(window_) == FALSE ||
        IsIconic(window_) != FALSE)
        return;
    HDC dc = GetDC(window_);
    if (scale_.isWhole()) {
        for (const RECT& area : areas) paintArea(dc, area);
    } else {
        paintArea(dc, areas.front());  // the whole window
    }
    ReleaseDC(window_, dc);
}

void FormWindow::updateControl(Control& control) { controls_->update(control); }

void FormWindow::updatePointer() {
    if (form_ == nullptr) return;
    if (pointer_ != nullptr) DestroyCursor(pointer_);
    pointer_ = nullptr;
    if (form_->mousePointer() == MousePointer::Custom && !form_->mouseIcon().isEmpty())
        pointer_ = pointerOf(form_->mouseIcon(), scale_.ratio());
    // The pointer changes at once where it is over the window.
    POINT at{};
    GetCursorPos(&at);
    if (WindowFromPoint(at) == window_)
        SetCursor(pointer_ ? pointer_ : LoadCursorW(nullptr, IDC_ARROW));
}

void FormWindow::raise() {
    ShowWindow(window_, SW_SHOW);
    SetForegroundWindow(window_);
}

void FormWindow::focus(const Control& control) {
    if (form_ == nullptr) return;
    if (HWND child = controls_->windowOf(control)) SetFocus(child);
}

void FormWindow::focusControl() {
    if (form_ != nullptr && form_->focused() != nullptr) focus(*form_->focused());
}

void FormWindow::captureMouse(bool captured) {
    if (captured) {
        SetCapture(window_);
    } else if (GetCapture() == window_) {
        ReleaseCapture();
    }
}

LRESULT CALLBACK FormWindow::windowProc(HWND window, UINT message, WPARAM wParam, LPARAM lParam) {
    auto* self = reinterpret_cast<FormWindow*>(GetWindowLongPtrW(window, GWLP_USERDATA));
    if (self == nullptr) return DefWindowProcW(window, message, wParam, lParam);
    Win32Backend::InProcedure counted(self->backend_);
    return self->handle(message, wParam, lParam);
}

LRESULT CALLBACK FormWindow::controlProc(HWND child, UINT message, WPARAM wParam, LPARAM lParam,
                                         UINT_PTR, DWORD_PTR reference) {
    auto* control = reinterpret_cast<Control*>(reference);
    FormWindow* self = of(GetParent(child));
    if (self == nullptr || self->form_ == nullptr)
        return DefSubclassProc(child, message, wParam, lParam);
    Win32Backend::InProcedure counted(self->backend_);
    switch (message) {
        case WM_SETFOCUS:
            self->form_->setFocused(control);
            break;
        case WM_MOUSEMOVE:
            // Over a button: for the bold caption under the pointer.
            self->backend_.app().widgetMouseMove(
                *control, self->scale_.logical(GET_X_LPARAM(lParam)),
                self->scale_.logical(GET_Y_LPARAM(lParam)), buttonsOf(wParam), shiftOf(wParam));
            break;
        case WM_MOUSEHOVER: {
            // A button of common controls 6 asks, on the pointer's first
            // move over it, to hear when the pointer rests (for its hot
            // look) and when it leaves, with a hover time of 1 ms. Wine
            // looks where the pointer is every time that time elapses
            // (every 10 ms, its shortest timer) for as long as the pointer
            // stays on the button, the rest included. Once the button has
            // heard of the rest it needs only the leave, which Wine then
            // looks for at the system's hover time (400 ms).
            const LRESULT result = DefSubclassProc(child, message, wParam, lParam);
            TRACKMOUSEEVENT leave{sizeof leave, TME_LEAVE, child, HOVER_DEFAULT};
            TrackMouseEvent(&leave);
            return result;
        }
        default:
            break;
    }
    return DefSubclassProc(child, message, wParam, lParam);
}

LRESULT FormWindow::handle(UINT message, WPARAM wParam, LPARAM lParam) {
    switch (message) {
        case WM_ERASEBKGND:
            return 1;
        case WM_PAINT:
            paint();
            return 0;
        case WM_LBUTTONDOWN:
        case WM_RBUTTONDOWN:
        case WM_MBUTTONDOWN:
        case WM_LBUTTONUP:
        case WM_RBUTTONUP:
        case WM_MBUTTONUP:
        case WM_MOUSEMOVE:
            mouse(message, wParam, lParam);
            return 0;
        case WM_SETCURSOR:
            if (setCursor(reinterpret_cast<HWND>(wParam), LOWORD(lParam))) return TRUE;
            break;
        case WM_COMMAND:
            command(LOWORD(wParam), HIWORD(wParam));
            return 0;
        case WM_NOTIFY:
            if (tips_->notify(*reinterpret_cast<NMHDR*>(lParam))) return 0;
            break;
        case WM_DRAWITEM:
            controls_->drawPictureButton(*reinterpret_cast<const DRAWITEMSTRUCT*>(lParam));
            return TRUE;
        case WM_SETFOCUS:
            // Back in the window, the keys go to the control they went to.
            focusControl();
            return 0;
        case WM_DPICHANGED:
            // Moved to a monitor of another scale, or that monitor's changed.
            if (form_ != nullptr)
                takeScale(Scale(HIWORD(wParam)), reinterpret_cast<const RECT*>(lParam));
            return 0;
        case WM_ENTERSIZEMOVE:
        case WM_ENTERMENULOOP:
            // The system's own loop runs until the move or the menu ends:
            // ticks go on under it.
            backend_.foreignLoopStarts();
            break;
        case WM_EXITSIZEMOVE:
        case WM_EXITMENULOOP:
            backend_.foreignLoopEnds();
            break;
        case WM_CLOSE:
            // Only the runtime closes a window; a close from the system asks it.
            if (form_ != nullptr) backend_.app().closeRequested(*form_);
            return 0;
        default:
            break;
    }
    return DefWindowProcW(window_, message, wParam, lParam);
}

void FormWindow::paint() {
    PAINTSTRUCT ps;
    HDC dc = BeginPaint(window_, &ps);
    if (form_ != nullptr) paintArea(dc, ps.rcPaint);
    EndPaint(window_, &ps);
}

void FormWindow::paintArea(HDC dc, const RECT& area) {
    // The core's painting (forms/form_painting.h) on the back buffer, by
    // the core's scale policy (forms/paint_scale.h).
    const int ratio = scale_.paintRatio();
    if (scale_.isWhole()) {
        const int left = area.left / ratio;
        const int top = area.top / ratio;
        const PixelRect dirty{left, top, (area.right + ratio - 1) / ratio - left,
                              (area.bottom + ratio - 1) / ratio - top};
        {
            GdiCanvas canvas(*buffer_, ratio, backend_.fonts());
            paintForm(canvas, *form_, dirty);
        }
        BitBlt(dc, area.left, area.top, area.right - area.left, area.bottom - area.top,
               buffer_->dc(), area.left, area.top, SRCCOPY);
        return;
    }
    // The whole window, scaled down smoothly in one piece.
    const PixelRect all{0, 0, buffer_->width() / ratio, buffer_->height() / ratio};
    {
        GdiCanvas canvas(*buffer_, ratio, backend_.fonts());
        paintForm(canvas, *form_, all);
    }
    SetStretchBltMode(dc, HALFTONE);
    SetBrushOrgEx(dc, 0, 0, nullptr);
    StretchBlt(dc, 0, 0, scale_.device(all.width), scale_.device(all.height), buffer_->dc(), 0, 0,
               buffer_->width(), buffer_->height(), SRCCOPY);
}

void FormWindow::mouse(UINT message, WPARAM wParam, LPARAM lParam) {
    if (form_ == nullptr) return;
    tips_->relay(message, wParam, lParam);
    const double x = scale_.logical(GET_X_LPARAM(lParam));
    const double y = scale_.logical(GET_Y_LPARAM(lParam));
    Application& app = backend_.app();
    int button = 0;
    switch (message) {
        case WM_MOUSEMOVE:
            tips_->pointerOver(form_->toolTipAt(twipsAt(x, y)));
            app.mouseMove(*form_, x, y, buttonsOf(wParam), shiftOf(wParam));
            return;
        case WM_LBUTTONDOWN:
        case WM_LBUTTONUP:
            button = LeftButton;
            break;
        case WM_RBUTTONDOWN:
        case WM_RBUTTONUP:
            button = RightButton;
            break;
        default:
            button = MiddleButton;
            break;
    }
    const bool press =
        message == WM_LBUTTONDOWN || message == WM_RBUTTONDOWN || message == WM_MBUTTONDOWN;
    // The core captures the mouse from the first press to the last release.
    if (press) {
        app.mousePress(*form_, x, y, button, shiftOf(wParam));
    } else {
        app.mouseRelease(*form_, x, y, button, shiftOf(wParam));
    }
}

void FormWindow::command(int id, int notification) {
    if (form_ == nullptr) return;
    Control* control = controls_->controlOf(id);
    if (control == nullptr) return;
    if (auto* button = dynamic_cast<CommandButton*>(control);
        button && notification == BN_CLICKED) {
        backend_.app().buttonClick(*button);
    } else if (auto* text = dynamic_cast<TextBox*>(control);
               text && notification == EN_CHANGE && !controls_->settingText()) {
        text->userEdited(textOf(controls_->windowOf(*text)));
    }
}

bool FormWindow::setCursor(HWND over, int hitTest) {
    // The child controls keep their own pointers: the buttons the arrow.
    if (over != window_ || hitTest != HTCLIENT) return false;
    SetCursor(pointer_ != nullptr ? pointer_ : LoadCursorW(nullptr, IDC_ARROW));
    return true;
}

namespace {

class Win32FormView : public FormView {
public:
    Win32FormView(Win32Backend& backend, std::unique_ptr<FormWindow> window)
        : backend_(backend), window_(std::move(window)) {}
    ~Win32FormView() override {
        window_->detach();
        backend_.retire(std::move(window_));
    }
    Win32FormView(const Win32FormView&) = delete;
    Win32FormView& operator=(const Win32FormView&) = delete;

    void repaint(const Rect& area) override { window_->repaint(area); }
    void widgetChanged(Control& control) override { window_->updateControl(control); }
    void pointerChanged() override { window_->updatePointer(); }
    void raise() override { window_->raise(); }
    void focus(Control& control) override { window_->focus(control); }
    void captureMouse(bool captured) override { window_->captureMouse(captured); }

private:
    Win32Backend& backend_;
    std::unique_ptr<FormWindow> window_;
};

}  // namespace

std::unique_ptr<FormView> makeFormView(Win32Backend& backend, Form& form) {
    auto window = std::make_unique<FormWindow>(backend, form);
    ShowWindow(window->handle(), SW_SHOW);
    UpdateWindow(window->handle());
    return std::make_unique<Win32FormView>(backend, std::move(window));
}

}  // namespace forms::win32
