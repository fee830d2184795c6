#pragma once

// Bits of Allegro's mouse_b: the left button throws (paints water in the
// editor), the right one is stealth (paints rock in the editor).
constexpr int LeftButton = 1;
constexpr int RightButton = 2;
