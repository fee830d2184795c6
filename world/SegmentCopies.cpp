#include "world/SegmentCopies.h"

#include <algorithm>
#include <cerrno>
#include <cstdio>
#include <cstring>
#include <string>

#include "core/DataPath.h"

namespace {
std::string trouble(const segment::CodesRead& read)
{
    if (read.error == ENOENT)
        return "is missing";
    if (read.error != 0)
        return std::string("cannot be read (") + std::strerror(read.error) + ")";
    return "holds only " + std::to_string(read.count) + " of " + std::to_string(segment::CodeCount) + " tile codes";
}

// Named as the player finds it, with the program that says so.
void report(int32_t number, const segment::CodesRead& read, bool fromCopy)
{
    const std::string name = absoluteDataPath(segment::fileName(number));
    const char* outcome = fromCopy ? "the level is built from its last complete copy"
                                   : "no complete copy was read before, so the level gets what it holds";
    std::fprintf(stderr, "%s: %s %s; %s\n", program_invocation_short_name, name.c_str(), trouble(read).c_str(),
                 outcome);
}
}

int SegmentCopies::codesOf(int32_t number, int32_t (&codes)[segment::CodeCount])
{
    if (copies.empty())
        copyAllFiles();
    const segment::CodesRead read = segment::readCodes(segment::fileName(number), codes);
    Copy& copy = copies[number];
    if (read.count == segment::CodeCount) {
        std::copy(codes, codes + segment::CodeCount, copy.codes);
        copy.complete = true;
        copy.reported = false;
        return read.count;
    }
    if (!copy.reported)
        report(number, read, copy.complete);
    copy.reported = true;
    if (!copy.complete)
        return read.count;
    std::copy(copy.codes, copy.codes + segment::CodeCount, codes);
    return segment::CodeCount;
}

void SegmentCopies::copyAllFiles()
{
    for (int32_t number = 0; number < segment::FileCount; ++number) {
        Copy& copy = copies[number];
        copy.complete = segment::readCodes(segment::fileName(number), copy.codes).count == segment::CodeCount;
    }
}
