#include "core/DesktopWindow.h"

#include <allegro.h>
#include <unistd.h>

#include <climits>
#include <vector>

// After the game's headers: it brings in Xlib's macros. Allegro keeps its X
// display and window in these internals; nothing else of ours touches Xlib.
#include <xalleg.h>
#include <X11/Xatom.h>
#include <X11/Xutil.h>

namespace {
const uint32_t* iconCardinals = nullptr;
size_t iconCount = 0;

// Xlib hands 32-bit properties over as longs.
void setCardinals(Window window, const char* name, const std::vector<unsigned long>& values)
{
    XChangeProperty(_xwin.display, window, XInternAtom(_xwin.display, name, False), XA_CARDINAL, 32,
                    PropModeReplace, reinterpret_cast<const unsigned char*>(values.data()),
                    static_cast<int>(values.size()));
}

void setClientMachine(Window window)
{
    char host[HOST_NAME_MAX + 1] = {};
    char* names[] = {host};
    XTextProperty text;
    if (gethostname(host, sizeof host - 1) != 0 || !XStringListToTextProperty(names, 1, &text))
        return;
    XSetWMClientMachine(_xwin.display, window, &text);
    XFree(text.value);
}
}

void offerDesktopIcon(const uint32_t* cardinals, size_t count)
{
    iconCardinals = cardinals;
    iconCount = count;
}

void introduceWindowToDesktop()
{
    // The outer window, the one the window manager manages; Allegro draws
    // into another inside it.
    const Window window = _xwin.wm_window;
    if (!_xwin.display || window == None)
        return;
    XLOCK();  // Allegro's input thread talks to the same display
    setClientMachine(window);
    setCardinals(window, "_NET_WM_PID", {static_cast<unsigned long>(getpid())});
    if (iconCount > 0)
        setCardinals(window, "_NET_WM_ICON", std::vector<unsigned long>(iconCardinals, iconCardinals + iconCount));
    XUNLOCK();
}
