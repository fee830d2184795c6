#pragma once

// Bits of Allegro's mouse_b: the left button throws (paints water in the
// editor), the right one is stealth (paints rock in the editor).
constexpr int LeftButton = 1;
constexpr int RightButton = 2;

// The aim point, where the crosshair is centred, sits this far up and left of
// the mouse, in the game and in the editor alike.
constexpr int AimOffset = 32;
