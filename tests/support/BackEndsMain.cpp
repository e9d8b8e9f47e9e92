// The entry function of the test programs that run on the game's real back ends: installed
// before the first test, as the game installs them at start-up.
#include "BackEnds.h"

#include <gtest/gtest.h>

int main(int argc, char** argv)
{
    installBackEnds();
    testing::InitGoogleTest(&argc, argv);
    return RUN_ALL_TESTS();
}
