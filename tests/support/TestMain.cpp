// Kept free of allegro.h: its magic main would rename this function.
#include <gtest/gtest.h>

namespace headless {
void start();
}

int main(int argc, char** argv)
{
    testing::InitGoogleTest(&argc, argv);
    headless::start();
    return RUN_ALL_TESTS();
}
