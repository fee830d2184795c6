#include <gtest/gtest.h>

#include <cstdio>

#include "world/SegmentFile.h"

// Numbers beyond 32 or even 64 bits read as the unknown code, the reading
// goes on after them, and a word that is no number ends it.
TEST(HugeCode, NumbersOutOfAnyRangeReadAsTheUnknownCode)
{
    std::FILE* file = std::tmpfile();
    std::fputs(" 99999999999999999999999 -9223372036854775809 2147483648 +2\n-7 x", file);
    std::rewind(file);
    int32_t code = 0;
    for (int32_t expected : {segment::UnknownCode, segment::UnknownCode, segment::UnknownCode, 2, -7}) {
        ASSERT_TRUE(segment::readCode(file, code));
        EXPECT_EQ(code, expected);
    }
    EXPECT_FALSE(segment::readCode(file, code));
    std::fclose(file);
}
