// Prints the X server's current pointer: its size, its hot spot, and the
// colour (ARGB, hex) of the pointer's pixel at the hot spot.
//   pointer_probe      (on the display of $DISPLAY)
#include <X11/Xlib.h>
#include <X11/extensions/Xfixes.h>

#include <cstdio>

int main() {
    Display* display = XOpenDisplay(nullptr);
    if (display == nullptr) return 1;
    XFixesCursorImage* image = XFixesGetCursorImage(display);
    if (image == nullptr) return 1;
    const unsigned long pixel = image->pixels[image->yhot * image->width + image->xhot];
    std::printf("%d %d %d %d %08lx\n", image->width, image->height, image->xhot, image->yhot,
                pixel & 0xFFFFFFFFUL);
    XFree(image);
    XCloseDisplay(display);
    return 0;
}
