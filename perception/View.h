#pragma once

#include <allegro.h>

#include <memory>

#include "world/Vector.h"

// The camera: the back buffer every layer draws into, and the world position
// of the screen's top-left corner.
class View {
public:
    BITMAP* buffer = nullptr;        // not owned
    std::unique_ptr<Vector> origin;
    std::unique_ptr<Vector> result;  // scratch answer of toScreen and toWorld

    View();

    void setBuffer(BITMAP* bitmap);
    // Both conversions overwrite and return the same scratch vector.
    Vector& toScreen(const Vector& world);
    Vector& toWorld(const Vector& screenPoint);
    // All four screen edges count as on screen.
    bool isOnScreen(const Vector& world) const;

    // The middle of the screen, halves taken in whole pixels: where the
    // camera keeps the elf and where every sound is heard. In screen pixels,
    // then as a world point.
    static int centreX();
    static int centreY();
    double centreWorldX() const;
    double centreWorldY() const;
    // Moves the camera so that the world point shows at the middle of the screen.
    void centreOn(const Vector& world);
};
