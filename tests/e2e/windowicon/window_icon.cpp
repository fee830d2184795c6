// window-icon WINDOW: writes the icon pixmap that the window names in its
// WM_HINTS to stdout as a PPM picture; no tool of X's own reads pixmaps.
#include <X11/Xlib.h>
#include <X11/Xutil.h>

#include <cstdio>
#include <cstdlib>

int main(int argc, char** argv)
{
    Display* display = XOpenDisplay(nullptr);
    XWMHints* hints = argc == 2 && display ? XGetWMHints(display, std::strtoul(argv[1], nullptr, 0)) : nullptr;
    if (!hints || !(hints->flags & IconPixmapHint)) {
        std::fprintf(stderr, "window-icon: no icon pixmap\n");
        return 1;
    }
    Window root;
    int x, y;
    unsigned width, height, border, depth;
    XGetGeometry(display, hints->icon_pixmap, &root, &x, &y, &width, &height, &border, &depth);
    XImage* image = XGetImage(display, hints->icon_pixmap, 0, 0, width, height, AllPlanes, ZPixmap);
    std::printf("P6\n%u %u\n255\n", width, height);
    for (unsigned row = 0; row < height; ++row)
        for (unsigned column = 0; column < width; ++column) {
            unsigned long pixel = XGetPixel(image, column, row);  // 0xrrggbb on a 24-bit screen
            std::printf("%c%c%c", int(pixel >> 16 & 255), int(pixel >> 8 & 255), int(pixel & 255));
        }
    return 0;
}
