#include "support/TestSupport.h"

int main(int argc, char** argv)
{
    ::testing::InitGoogleTest(&argc, argv);
    TestApp();
    return RUN_ALL_TESTS();
}
