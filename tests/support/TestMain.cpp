#include "support/TestSupport.h"
#include <stdio.h>

int main(int argc, char** argv)
{
    ::testing::InitGoogleTest(&argc, argv);
    TestApp();
    int rc = RUN_ALL_TESTS();
    // Wine now and then hangs in the exit sequence of a process whose tests have all run
    // (a passed test then times out in ctest), or dies there of a signal. The results are
    // printed; end here, and say so in a last line that tools/winerun reads.
    if (!::testing::GTEST_FLAG(list_tests)) printf("[ test program ends with code %d ]\n", rc);
    fflush(stdout);
    fflush(stderr);
    ::TerminateProcess(::GetCurrentProcess(), (UINT)rc);
    return rc;
}
