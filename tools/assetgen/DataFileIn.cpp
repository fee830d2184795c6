#include "Families.h"

std::string dataFileIn(const std::string& game, DataFile file)
{
    char path[64];
    return game + "/" + portablePath(dataPath(file), path, sizeof path);
}
