// How one ork and one footprint look on screen.
#include <allegro.h>

#include "core/DataFiles.h"
#include "perception/OrkHorde.h"
#include "perception/OrkKind.h"
#include "perception/PivotSprite.h"
#include "perception/View.h"

namespace {
constexpr Pivot OrkTurn = pivotOf(DataFile::Ork0);  // every ork picture, the corpse too
constexpr Pivot PrintTurn = pivotOf(DataFile::Footprint0);  // the bloody print too

// A quarter turn would be 64 units; 90 is the print art's own offset and is kept on purpose.
constexpr double PrintAngleOffset = 90.0;

BITMAP* orkFrame(const OrkHorde& horde, int i)
{
    if (horde.health[i] <= 0)
        return horde.deadSprite;
    if (horde.attackTimer[i] >= Ork.raisedArmFrom)
        return horde.orkSprites[1];
    if (horde.attackTimer[i] >= Ork.swingFrom)
        return horde.orkSprites[2];
    return horde.orkSprites[0];
}

BITMAP* printFrameByAge(const OrkHorde& horde, int age)
{
    if (age > Ork.freshPrintAbove)
        return horde.footprintSprites[0];
    if (age > Ork.fadingPrintAbove)
        return horde.footprintSprites[1];
    if (age > Ork.faintPrintAbove)
        return horde.footprintSprites[2];
    return nullptr;
}
}

void OrkHorde::drawOrk(View& view, int i)
{
    if (!isActive(i))
        return;
    BITMAP* sprite = orkFrame(*this, i);
    if (!sprite || !view.buffer || !view.isOnScreen(*pos[i]))
        return;
    const double heading = pos[i]->angleFrom(*target[i]);
    const Vector& s = view.toScreen(*pos[i]);
    pivotSprite(view.buffer, sprite, static_cast<int>(s.x), static_cast<int>(s.y), OrkTurn.x, OrkTurn.y,
                 allegroAngle(heading));
}

void OrkHorde::drawFootprint(View& view, int i, int j)
{
    if (!isActive(i) || j < 0 || j >= FootprintCount)
        return;
    BITMAP* sprite = printFrameByAge(*this, footprintAge[i][j]);
    if (!sprite || !view.isOnScreen(*footprintPos[i][j]))
        return;
    if (footprintBloody[i][j])
        sprite = bloodSprite;
    if (!sprite || !view.buffer)
        return;
    const Vector& s = view.toScreen(*footprintPos[i][j]);
    const fixed angle = ftofix(PrintAngleOffset + allegroTurns(footprintHeading[i][j]));
    const int x = static_cast<int>(s.x);
    const int y = static_cast<int>(s.y);
    // Successive prints alternate left and right feet.
    if (j % 2 == 1)
        pivotSprite(view.buffer, sprite, x, y, PrintTurn.x, PrintTurn.y, angle);
    else
        pivotSprite(view.buffer, sprite, x, y, PrintTurn.x, PrintTurn.y, angle, true);
}
