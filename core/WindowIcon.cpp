// Built only into the programs, not the core library: it includes the XPM
// and the icon list that the asset generator writes.
#include "core/WindowIcon.h"

#include <cstdint>

#include "core/DesktopWindow.h"
#include "orkcave-icon-cardinals.h"
#include "orkcave-icon.xpm"

// Allegro's X11 icon; its headers do not declare it.
extern "C" void* allegro_icon;

void useOrkHeadIcon()
{
    allegro_icon = const_cast<char**>(orkcave_icon_xpm);
    offerDesktopIcon(orkcave_icon_cardinals, sizeof orkcave_icon_cardinals / sizeof orkcave_icon_cardinals[0]);
}
