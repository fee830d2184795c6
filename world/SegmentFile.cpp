#include "world/SegmentFile.h"

namespace segment {

std::string fileName(int32_t number)
{
    return "maps//seg" + std::to_string(number) + ".txt";
}

bool readCode(std::FILE* file, int32_t& code)
{
    int value = 0;
    if (std::fscanf(file, " %d ", &value) != 1)
        return false;
    code = value;
    return true;
}

}
