// The explorer's main frame made the way the application makes it, shown, and destroyed after
// the test.
#pragma once

#include "ExplorerFixture.h"
#include "explorer/ShellIcons.h"
#include "app/BrindlexApp.h"
#include "app/MainFrame.h"

class ExplorerFrameTest : public ::testing::Test {
protected:
    void SetUp() override
    {
        ClearSettings();
        AttachSystemImageList();
        ASSERT_TRUE(CreateExplorerFrame(&TestApp()));
        frame = dynamic_cast<CMainFrame*>(TestApp().m_pMainWnd);
        ASSERT_TRUE(frame);
        frame->ShowWindow(SW_SHOWNORMAL);
    }
    void TearDown() override
    {
        // Not the main window any more: closing it must not end the test's message loop.
        TestApp().m_pMainWnd = nullptr;
        if (frame && ::IsWindow(frame->m_hWnd)) ::DestroyWindow(frame->m_hWnd);
    }

    CMainFrame* frame = nullptr;
};
