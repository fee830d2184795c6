#include "player/Elf.h"

#include "core/DataFiles.h"
#include "perception/PivotSprite.h"
#include "perception/View.h"
#include "world/TileMap.h"
#include "world/WallProbes.h"

namespace {
constexpr double StartViewRange = 450.0;
constexpr double StartViewHalfAngle = 35.0;
constexpr double StartBodyRadius = 20.0;

// Speeds in pixels per tick along each axis: straight, then diagonal.
constexpr double StealthSpeed = 6.0;
constexpr double StealthDiagonalSpeed = 4.0;
constexpr double BagSpeed = 16.0;
constexpr double BagDiagonalSpeed = 12.0;
constexpr double RunSpeed = 20.0;
constexpr double RunDiagonalSpeed = 14.0;

constexpr int ThrowCooldownTicks = 15;
constexpr double PickUpReach = 45.0;

constexpr int DrawnCooldownArmUp = 12;   // cooldown above this: frame 1
constexpr int DrawnCooldownReach = 5;    // above this: frame 2, else frame 0
constexpr int EmptyHandedFrame = 2;
constexpr int PivotX = pivotOf(DataFile::Elf0).x;  // every elf picture turns about the same point
constexpr int PivotY = pivotOf(DataFile::Elf0).y;

double speedOf(const Elf& elf, bool diagonal)
{
    if (elf.stealthHeld)
        return diagonal ? StealthDiagonalSpeed : StealthSpeed;
    if (elf.carryingBag)
        return diagonal ? BagDiagonalSpeed : BagSpeed;
    return diagonal ? RunDiagonalSpeed : RunSpeed;
}

void placeEyePoint(Elf& elf)
{
    elf.eyePoint->placeAlong(*elf.position, elf.facing, Elf::EyeDistance);
}

void throwIfAllowed(Elf& elf)
{
    if (elf.fireHeld && !elf.stealthHeld && !elf.carryingBag && elf.throwCooldown <= 0) {
        elf.daggers->throwDagger(*elf.position, elf.eyePoint->angleFrom(*elf.position));
        // Also with an empty hand: the button still has to wait.
        elf.throwCooldown = ThrowCooldownTicks;
    }
    if (elf.throwCooldown > 0)
        --elf.throwCooldown;
}

void pickUpDaggers(Elf& elf)
{
    DaggerSet& set = *elf.daggers;
    for (int i = 0; i < DaggerSet::DaggerCount; ++i)
        if (elf.position->distance(*set.position[i]) < PickUpReach && set.state[i] == Lying)
            set.state[i] = InHand;
}

int frameIndex(const Elf& elf)
{
    if (elf.daggers->inHandCount < 1)
        return EmptyHandedFrame;
    if (elf.throwCooldown > DrawnCooldownArmUp)
        return 1;
    if (elf.throwCooldown > DrawnCooldownReach)
        return 2;
    return 0;
}

BITMAP* spriteOf(const Elf& elf)
{
    if (elf.dead)
        return elf.deadSprite;
    if (elf.carryingBag)
        return elf.bagSprite;
    if (elf.stealthHeld)
        return elf.stealthSprite;
    return elf.frames[frameIndex(elf)];
}
}

Elf::Elf()
    : position(new Vector()),
      eyePoint(new Vector()),
      facing(0.0),
      viewRange(StartViewRange),
      viewHalfAngle(StartViewHalfAngle),
      bodyRadius(StartBodyRadius),
      daggers(new DaggerSet()),
      throwCooldown(0),
      carryingBag(true),
      dead(false)
{
    for (auto& probe : probes)
        probe.reset(new Vector());
}

void Elf::kill()
{
    dead = true;
}

void Elf::update()
{
    if (dead)
        return;
    move();
    pushOutOfWalls();
    placeEyePoint(*this);
    throwIfAllowed(*this);
    daggers->update();
    pickUpDaggers(*this);
}

void Elf::move()
{
    // Opposite keys cancel each other but still make the step diagonal.
    const bool diagonal = (moveUp || moveDown) && (moveLeft || moveRight);
    const double s = speedOf(*this, diagonal);
    if (moveUp)
        position->y -= s;
    if (moveDown)
        position->y += s;
    if (moveLeft)
        position->x -= s;
    if (moveRight)
        position->x += s;
}

void Elf::placeProbes()
{
    placeWallProbes(*position, bodyRadius, probes);
}

void Elf::pushOutOfWalls()
{
    pushOutOfRock(*map, *position, bodyRadius, probes);
}

void Elf::draw(View& view)
{
    BITMAP* sprite = spriteOf(*this);
    if (!sprite || !view.buffer)
        return;
    const Vector& s = view.toScreen(*position);
    pivotSprite(view.buffer, sprite, static_cast<int>(s.x), static_cast<int>(s.y), PivotX, PivotY,
                 allegroAngle(facing));
}
