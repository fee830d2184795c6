#include <gtest/gtest.h>

#include "ScratchMaps.h"
#include "world/SegmentCheck.h"

TEST(SegmentCheck, ShippedSegmentsPassAndTheFirstFileAtFaultIsNamed)
{
    EXPECT_EQ(findSegmentProblem(), "");
    ScratchMaps maps;
    std::string good = segmentText(filledSegment(0));
    maps.writeAll(good + "trailing words are never read\n");
    EXPECT_EQ(findSegmentProblem(), "");
    maps.remove(3);
    EXPECT_EQ(findSegmentProblem(), "Missing data file: maps//seg3.txt");
    maps.write(3, good);
    maps.write(7, good.substr(0, good.size() - 2));
    EXPECT_EQ(findSegmentProblem(), "Bad segment file: maps//seg7.txt (needs 100 tile codes)");
    maps.write(7, "2 2 rock " + good);
    EXPECT_EQ(findSegmentProblem(), "Bad segment file: maps//seg7.txt (needs 100 tile codes)");
}
