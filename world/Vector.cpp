#include "world/Vector.h"

#include <cmath>
#include <cstdint>

namespace {
// Deliberately not 180/pi and pi/180: these are the game's own constants, and
// a point straight above must come out slightly below -180.
constexpr double RadiansToDegrees = 57.29579;
constexpr double DegreesToRadians = 0.0174532925;
}

Vector::Vector() : x(0.0), y(0.0), z(0.0) {}

void Vector::copyFrom(const Vector& other)
{
    x = other.x;
    y = other.y;
    z = other.z;
}

double Vector::distance(const Vector& other) const
{
    double dx = x - other.x;
    double dy = y - other.y;
    return std::sqrt(dx * dx + dy * dy);
}

double Vector::distance3(const Vector& other) const
{
    double dx = x - other.x;
    double dy = y - other.y;
    double dz = z - other.z;
    return std::sqrt(dx * dx + dy * dy + dz * dz);
}

double Vector::angleFrom(const Vector& other) const
{
    double dx = x - other.x;
    double dy = y - other.y;
    double d = std::sqrt(dx * dx + dy * dy);
    if (d == 0.0)
        return 0.0;
    double a = std::acos(dy / d);
    return dx > 0 ? a * RadiansToDegrees : a * -RadiansToDegrees;
}

void Vector::rotate(double degrees)
{
    double r = degrees * DegreesToRadians;
    double s = std::sin(r);
    double c = std::cos(r);
    double oldX = x;
    double oldY = y;
    x = c * oldX + s * oldY;
    y = c * oldY - s * oldX;
}

void Vector::placeAlong(const Vector& from, double heading, double distance, double aside)
{
    x = aside;
    y = distance;
    rotate(heading);
    add(from.x, from.y);
}

void Vector::add(double dx, double dy)
{
    x += dx;
    y += dy;
}

void Vector::add3(double dx, double dy, double dz)
{
    x += dx;
    y += dy;
    z += dz;
}

void Vector::lerp(const Vector& a, const Vector& b, double t)
{
    x = t * b.x + (1 - t) * a.x;
    y = t * b.y + (1 - t) * a.y;
}

void Vector::truncate()
{
    x = static_cast<double>(static_cast<int32_t>(x));
    y = static_cast<double>(static_cast<int32_t>(y));
}
