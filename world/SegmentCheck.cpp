#include "world/SegmentCheck.h"

#include "core/DataPath.h"
#include "world/SegmentFile.h"

namespace {
std::string checkSegmentFile(int32_t number)
{
    const std::string name = segment::fileName(number);
    int32_t codes[segment::CodeCount];
    const segment::CodesRead read = segment::readCodes(name, codes);
    if (read.error != 0)
        return readFailure(name, read.error);
    if (read.count < segment::CodeCount)
        return "Bad segment file: " + absoluteDataPath(name) + " (needs " + std::to_string(segment::CodeCount) + " tile codes)";
    return std::string();
}
}

std::string findSegmentProblem()
{
    for (int32_t number = 0; number < segment::FileCount; ++number) {
        std::string problem = checkSegmentFile(number);
        if (!problem.empty())
            return problem;
    }
    return std::string();
}
