#include "perception/View.h"

View::View() : origin(new Vector()), result(new Vector()) {}

void View::setBuffer(BITMAP* bitmap)
{
    buffer = bitmap;
}

Vector& View::toScreen(const Vector& world)
{
    result->x = world.x - origin->x;
    result->y = world.y - origin->y;
    return *result;
}

Vector& View::toWorld(const Vector& screenPoint)
{
    result->x = screenPoint.x + origin->x;
    result->y = screenPoint.y + origin->y;
    return *result;
}

bool View::isOnScreen(const Vector& world) const
{
    return origin->x <= world.x && world.x <= origin->x + SCREEN_W
        && origin->y <= world.y && world.y <= origin->y + SCREEN_H;
}

int View::centreX()
{
    return SCREEN_W / 2;
}

int View::centreY()
{
    return SCREEN_H / 2;
}

double View::centreWorldX() const
{
    return centreX() + origin->x;
}

double View::centreWorldY() const
{
    return centreY() + origin->y;
}

void View::centreOn(const Vector& world)
{
    origin->x = world.x - centreX();
    origin->y = world.y - centreY();
}
