#pragma once

#include <cstdint>

// What the C++ side asks of the page: the functions of the JavaScript
// libraries beside this file (page_windows.js, page_widgets.js,
// page_canvas.js, page_boxes.js), linked in with --js-library. Windows are
// known by the number the backend gives them, their buttons and text boxes
// by their control's place in the window's list; pictures are passed as
// pointers to their 0xAARRGGBB words (a window's icon, pointer and picture
// faces: those of the program, which live as long as it does).
extern "C" {

// --- Windows (page_windows.js) -----------------------------------------------
double kk_device_pixel_ratio();
// Makes the desktop (the page, scaled down where it is smaller) at least
// that large in logical pixels; then its size is what a window is placed on.
void kk_desktop_fit(int width, int height);
int kk_desktop_width();
int kk_desktop_height();
// Opens a window: `titleBar` 0 none, 1 full, 2 small.
void kk_window_open(int window, const char* title, int titleBar, int titleBarHeight, int border,
                    int closeBox, int left, int top, int clientWidth, int clientHeight);
void kk_window_close(int window);
void kk_window_raise(int window);
void kk_window_icon(int window, const std::uint32_t* pixels, int width, int height);
// The pointer over the client area: a picture and its hot spot, or the
// arrow for no pixels.
void kk_window_pointer(int window, const std::uint32_t* pixels, int width, int height, int hotX,
                       int hotY);
void kk_window_capture(int window, int captured);
// The text the window's canvas shows, one line each, for screen readers.
void kk_window_text(int window, const char* text);
// Asks for a paint of the window on the next frame (klonkatron_paint).
void kk_window_request_paint(int window);

// Whether the window's buttons show which has the focus (the core's
// keyboard cues: once the keyboard has moved around the window).
void kk_window_cues(int window, int shown);

// --- Buttons and text boxes (page_widgets.js) ----------------------------------
void kk_button_add(int window, int control, int left, int top, int width, int height,
                   int pictureFace);
void kk_text_box_add(int window, int control, int left, int top, int width, int height,
                     int multiLine, int verticalBar, int horizontalBar, int locked);
void kk_widget_visible(int window, int control, int visible);
void kk_widget_font(int window, int control, const char* cssFont);
// A button's caption with its access key marked by "&", as designed.
void kk_button_caption(int window, int control, const char* caption);
// A picture face, moved by `offset` pixels, with a dotted focus rectangle
// where `focusWidth` is not 0.
void kk_button_face(int window, int control, const std::uint32_t* pixels, int width, int height,
                    int offset, int focusLeft, int focusTop, int focusWidth, int focusHeight);
// Sets a text box's text (line feeds) where it differs.
void kk_text_box_text(int window, int control, const char* text);
void kk_widget_focus(int window, int control);

// --- Painting (page_canvas.js) -------------------------------------------------
// Starts painting a window at `paintRatio` device pixels to the logical one:
// directly on its canvas, or for `smoothed`, the whole window into a canvas
// of its own that paint_end scales smoothly to the device's `ratio`. Returns
// whether the canvas was made anew (its old pixels are gone).
int kk_paint_begin(int window, double ratio, int paintRatio, int smoothed);
void kk_paint_end(int window);
int kk_dialog_colour();
void kk_fill(int window, int left, int top, int width, int height, int rgb);
void kk_picture(int window, const std::uint32_t* pixels, int width, int height, int x, int y,
                int clipLeft, int clipTop, int clipWidth, int clipHeight);
double kk_line_height(const char* cssFont);
double kk_text_width(const char* cssFont, const char* text, int length);
void kk_text(int window, const char* cssFont, const char* text, int length, double x, double y,
             int clipLeft, int clipTop, int clipWidth, int clipHeight, int rgb);

// --- Time, boxes, the end (page_boxes.js) ---------------------------------------
// The browser's regional names, one a line (page_locale.h), allocated for
// the caller to free.
char* kk_locale_lines();
// Calls klonkatron_alarm once, after `milliseconds`; a negative delay cancels.
void kk_set_alarm(double milliseconds);
// `buttons` and `icon` as forms::MsgButtons and forms::MsgIcon number them.
void kk_message_box(int id, const char* title, const char* text, int buttons, int icon);
// Takes away the boxes still open, unanswered, and says that the program has
// ended, with a way to play again.
void kk_program_ended();
}
