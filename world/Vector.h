#pragma once

// A point or direction in world pixels: x grows to the right, y downward.
// Angles are degrees; the unit direction at angle a is (sin a, cos a).
class Vector {
public:
    double x;
    double y;
    double z;

    Vector();

    void copyFrom(const Vector& other);
    // Planar distance; z plays no part.
    double distance(const Vector& other) const;
    double distance3(const Vector& other) const;
    // Direction in which this point lies as seen from other, measured from +y
    // toward +x. A point straight above gives about -180.00003, never +180.
    double angleFrom(const Vector& other) const;
    // Turns about the origin so that angleFrom grows by the given degrees.
    void rotate(double degrees);
    // Becomes the point `distance` along a heading's unit direction from
    // `from`, moved `aside` across it the way rotate turns +x.
    void placeAlong(const Vector& from, double heading, double distance, double aside = 0.0);
    void add(double dx, double dy);
    void add3(double dx, double dy, double dz);
    void lerp(const Vector& a, const Vector& b, double t);
    // Truncates x and y toward zero through a 32-bit integer.
    void truncate();
};
