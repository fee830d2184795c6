#include "Families.h"

Placement atPivot(DataFile file, float size)
{
    return {float(pivotOf(file).x), float(pivotOf(file).y), size, 0.0f};
}
