#include "support/Headless.h"

#include "core/Startup.h"
#include "tools/pngfile/PngFile.h"

namespace headless {

static GFX_DRIVER fakeDriver;

void start()
{
    install_allegro(SYSTEM_NONE, &errno, atexit);
    set_color_depth(ColourDepth);
    fakeDriver.name = "headless";
    fakeDriver.w = WindowWidth;
    fakeDriver.h = WindowHeight;
    fakeDriver.windowed = TRUE;
    gfx_driver = &fakeDriver;
    screen = create_bitmap(WindowWidth, WindowHeight);
    clear_to_color(screen, 0);
    releaseInput();
}

void releaseInput()
{
    for (int k = 0; k < KEY_MAX; ++k)
        key[k] = 0;
    mouse_x = 0;
    mouse_y = 0;
    mouse_b = 0;
}

static int rgbOf(int c) { return (getr16(c) << 16) | (getg16(c) << 8) | getb16(c); }

int rgbAt(BITMAP* bitmap, int x, int y) { return rgbOf(getpixel(bitmap, x, y)); }

int rgb16(int r, int g, int b) { return rgbOf(makecol16(r, g, b)); }

bool savePng(BITMAP* bitmap, const char* pngPath) { return ::savePng(bitmap, pngPath); }

}
