// Prints the X server's current pointer: its size, its hot spot, and the
// colour (ARGB, hex) of the pointer's pixel at the hot spot. Given a file
// name, it also writes the pointer's picture there (PAM, RGB with alpha).
//   pointer_probe [picture.pam]      (on the display of $DISPLAY)
#include <X11/Xlib.h>
#include <X11/extensions/Xfixes.h>

#include <cstdio>

namespace {

// The server keeps the colours premultiplied by the alpha.
bool writePicture(const XFixesCursorImage& image, const char* path) {
    std::FILE* out = std::fopen(path, "wb");
    if (out == nullptr) return false;
    std::fprintf(out, "P7\nWIDTH %d\nHEIGHT %d\nDEPTH 4\nMAXVAL 255\nTUPLTYPE RGB_ALPHA\nENDHDR\n",
                 image.width, image.height);
    for (int i = 0; i < image.width * image.height; ++i) {
        const unsigned long pixel = image.pixels[i];
        const unsigned alpha = (pixel >> 24) & 0xFF;
        const auto straight = [&](int shift) {
            const unsigned value = (pixel >> shift) & 0xFF;
            return static_cast<unsigned char>(alpha == 0 ? 0 : value * 255 / alpha);
        };
        const unsigned char rgba[4] = {straight(16), straight(8), straight(0),
                                       static_cast<unsigned char>(alpha)};
        std::fwrite(rgba, 1, sizeof rgba, out);
    }
    return std::fclose(out) == 0;
}

}  // namespace

int main(int argc, char** argv) {
    Display* display = XOpenDisplay(nullptr);
    if (display == nullptr) return 1;
    XFixesCursorImage* image = XFixesGetCursorImage(display);
    if (image == nullptr) return 1;
    const unsigned long pixel = image->pixels[image->yhot * image->width + image->xhot];
    std::printf("%d %d %d %d %08lx\n", image->width, image->height, image->xhot, image->yhot,
                pixel & 0xFFFFFFFFUL);
    const bool written = argc < 2 || writePicture(*image, argv[1]);
    XFree(image);
    XCloseDisplay(display);
    return written ? 0 : 1;
}
