#pragma once

// The one light over all the art: from the top-left, high above the picture.
namespace light {

constexpr float X = -0.45f, Y = -0.6f, Z = 0.66f;

// How squarely a surface with the normal (nx, ny, nz) faces the light,
// scaled by the lengths of both.
constexpr float facing(float nx, float ny, float nz) { return nx * X + ny * Y + nz * Z; }

}
