#include "world/SegmentFile.h"

#include <cstdint>

namespace segment {

std::string fileName(int32_t number)
{
    return "maps//seg" + std::to_string(number) + ".txt";
}

bool readCode(std::FILE* file, int32_t& code)
{
    // Read wider than a code so that a huge number cannot overflow the
    // conversion; it becomes a code that stamps nothing, as any unknown code.
    long long value = 0;
    if (std::fscanf(file, " %lld ", &value) != 1)
        return false;
    code = (value < INT32_MIN || value > INT32_MAX) ? UnknownCode : static_cast<int32_t>(value);
    return true;
}

}
