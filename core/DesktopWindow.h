#pragma once

#include <cstddef>
#include <cstdint>

// What a desktop reads off a window beyond what Allegro sets (title, class,
// the WM_HINTS icon): the process behind it, _NET_WM_PID with the
// WM_CLIENT_MACHINE that qualifies it, so that a task manager can tie the
// window to its process; and _NET_WM_ICON, the icon at every size it is
// painted, for docks that read only that.

// The icon as _NET_WM_ICON holds it: for each size its width, its height
// and its pixels as ARGB, row by row. The programs offer theirs before
// start-up, as they hand Allegro its icon.
void offerDesktopIcon(const uint32_t* cardinals, size_t count);

// Sets them on Allegro's window, which exists from allegro_init on, so that
// they are there before it first shows.
void introduceWindowToDesktop();
