#include "world/SegmentCheck.h"

#include <cerrno>
#include <cstdio>

#include "core/DataPath.h"
#include "world/SegmentFile.h"

namespace {
bool holdsAllCodes(std::FILE* file)
{
    int32_t code = 0;
    for (int i = 0; i < segment::CodeCount; ++i)
        if (!segment::readCode(file, code))
            return false;
    return true;
}

std::string checkSegmentFile(int32_t number)
{
    std::string name = segment::fileName(number);
    std::FILE* file = std::fopen(name.c_str(), "r");
    if (!file)
        return readFailure(name, errno);
    bool complete = holdsAllCodes(file);
    const int error = std::ferror(file) ? errno : 0;
    std::fclose(file);
    if (error != 0)
        return readFailure(name, error);
    if (!complete)
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
