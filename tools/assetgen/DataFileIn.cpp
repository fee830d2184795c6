#include "Families.h"

std::string dataFileIn(const std::string& game, DataFile file)
{
    char path[64];
    return game + "/" + portablePath(dataPath(file), path, sizeof path);
}

Placement atPivot(DataFile file, float size)
{
    return {float(pivotOf(file).x), float(pivotOf(file).y), size, 0.0f};
}
