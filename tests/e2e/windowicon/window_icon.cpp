// window-icon WINDOW FILE: writes the icon that the window names in its
// WM_HINTS, pixmap and mask, to FILE as XPM; no tool of X's own reads pixmaps.
#include <X11/Xlib.h>
#include <X11/Xutil.h>
#include <X11/xpm.h>

#include <cstdlib>

int main(int argc, char** argv)
{
    Display* display = XOpenDisplay(nullptr);
    XWMHints* hints = argc == 3 && display ? XGetWMHints(display, std::strtoul(argv[1], nullptr, 0)) : nullptr;
    if (!hints || !(hints->flags & IconPixmapHint))
        return 1;
    Pixmap mask = hints->flags & IconMaskHint ? hints->icon_mask : 0;
    return XpmWriteFileFromPixmap(display, argv[2], hints->icon_pixmap, mask, nullptr) != XpmSuccess;
}
