// What the explorer's tests from outside start with: fresh settings, a drive letter of the
// test's own holding the folders and files the test made on it, and the explorer started as a
// user starts it.
#pragma once

#include "ExplorerDriver.h"
#include "ExplorerFixture.h"
#include <initializer_list>
#include <string>
#include <utility>

class ExplorerOnADrive : public ::testing::Test {
protected:
    explicit ExplorerOnADrive(char letter) : drive(letter) {}
    // Makes the folders, in order, then the files with their contents, then starts the explorer.
    void MakeAndStart(std::initializer_list<const char*> folders,
                      std::initializer_list<std::pair<const char*, std::string>> files)
    {
        ClearSettings();
        ASSERT_TRUE(drive.IsReady());
        for (const char* d : folders) ASSERT_TRUE(drive.MakeDir(d)) << d;
        for (const auto& f : files) ASSERT_TRUE(drive.MakeFile(f.first, f.second)) << f.first;
        ASSERT_TRUE(app.Start());
    }
    bool ShowsRow(const std::string& name) const
    {
        for (const std::string& row : app.Rows())
            if (row == name) return true;
        return false;
    }

    CTestDrive drive;
    CExplorerProcess app;
};
