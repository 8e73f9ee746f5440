#include "backends/qt/window_frame_hints.h"

#include <xcb/xcb.h>
#include <QGuiApplication>
#include <QWidget>

#include <array>
#include <cstdint>
#include <cstdlib>
#include <string_view>

namespace forms::qt {
namespace {

xcb_atom_t atom(xcb_connection_t* connection, std::string_view name) {
    xcb_intern_atom_reply_t* reply = xcb_intern_atom_reply(
        connection,
        xcb_intern_atom(connection, 0, static_cast<std::uint16_t>(name.size()), name.data()),
        nullptr);
    const xcb_atom_t result = reply != nullptr ? reply->atom : xcb_atom_t{XCB_ATOM_NONE};
    std::free(reply);
    return result;
}

template <typename T, std::size_t N>
void setProperty(xcb_connection_t* connection, xcb_window_t window, std::string_view name,
                 xcb_atom_t type, const std::array<T, N>& values) {
    xcb_change_property(connection, XCB_PROP_MODE_REPLACE, window, atom(connection, name), type, 32,
                        N, values.data());
}

// The Motif window manager hints, as window managers read them.
constexpr std::uint32_t kMotifFunctions = 1;
constexpr std::uint32_t kMotifDecorations = 2;
constexpr std::uint32_t kMotifMove = 4;
constexpr std::uint32_t kMotifBorder = 2;

}  // namespace

Qt::WindowFlags flagsOf(const WindowFrame& frame) {
    Qt::WindowFlags flags = frame.inTaskbar ? Qt::Window : Qt::Tool;
    if (frame.titleBar == TitleBar::None) return flags | Qt::FramelessWindowHint;
    flags |= Qt::CustomizeWindowHint | Qt::WindowTitleHint;
    if (frame.closeBox) flags |= Qt::WindowSystemMenuHint | Qt::WindowCloseButtonHint;
    if (frame.minimizeBox) flags |= Qt::WindowMinimizeButtonHint;
    if (frame.maximizeBox) flags |= Qt::WindowMaximizeButtonHint;
    return flags;
}

void addWindowManagerHints(QWidget& window, const WindowFrame& frame) {
    // Other platforms, the offscreen one among them, may answer for X11
    // without a connection.
    if (QGuiApplication::platformName() != QLatin1String("xcb")) return;
    auto* x11 = qGuiApp->nativeInterface<QNativeInterface::QX11Application>();
    xcb_connection_t* connection = x11 != nullptr ? x11->connection() : nullptr;
    if (connection == nullptr) return;
    const auto id = static_cast<xcb_window_t>(window.winId());
    if (!frame.inTaskbar) {
        // Said by the window itself: not every window manager reads it from
        // the owner Qt gives a tool window.
        setProperty(connection, id, "_NET_WM_STATE", XCB_ATOM_ATOM,
                    std::array{atom(connection, "_NET_WM_STATE_SKIP_TASKBAR"),
                               atom(connection, "_NET_WM_STATE_SKIP_PAGER")});
    }
    if (frame.titleBar == TitleBar::None && frame.border != Border::None) {
        const xcb_atom_t motif = atom(connection, "_MOTIF_WM_HINTS");
        setProperty(connection, id, "_MOTIF_WM_HINTS", motif,
                    std::array<std::uint32_t, 5>{kMotifFunctions | kMotifDecorations, kMotifMove,
                                                 kMotifBorder, 0, 0});
    }
}

}  // namespace forms::qt
