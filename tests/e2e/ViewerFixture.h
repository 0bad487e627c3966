// What every test of the viewer from outside starts with: fresh settings, a folder of its own,
// and the temporary copies there were before (a viewer must leave none behind).
#pragma once

#include "support/Driver.h"
#include <string>
#include <vector>

class ViewerFixture : public ::testing::Test {
protected:
    void SetUp() override
    {
        ClearSettings();
        before = TempCopies();
    }
    CTempDir dir;
    std::vector<std::string> before;
};
