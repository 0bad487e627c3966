#include "support/TestSupport.h"
#include <stdio.h>

int main(int argc, char** argv)
{
    ::testing::InitGoogleTest(&argc, argv);
    TestApp();
    int rc = RUN_ALL_TESTS();
    // Wine now and then hangs in the exit sequence of a process whose tests have all run
    // (a passed test then times out in ctest). The results are printed; end here.
    fflush(stdout);
    fflush(stderr);
    ::TerminateProcess(::GetCurrentProcess(), (UINT)rc);
    return rc;
}
