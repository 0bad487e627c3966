// Exceptions never leave what the platform calls: a throwing handler behind a drop target or
// a thread function ends as an error code, and the process goes on.
#include "support/TestSupport.h"
#include "fw/Barrier.h"
#include "fw/OleDataSource.h"
#include "fw/OleDropTarget.h"
#include "fw/Thread.h"
#include "fw/View.h"
#include <stdexcept>

namespace {

class CThrowingView : public CView {
public:
    DROPEFFECT OnDragEnter(COleDataObject*, DWORD, POINT) override { throw std::bad_alloc(); }
    DROPEFFECT OnDragOver(COleDataObject*, DWORD, POINT) override
    {
        if (overThrows) throw std::runtime_error("over");
        return DROPEFFECT_COPY;
    }
    void OnDragLeave() override { throw std::runtime_error("leave"); }
    BOOL OnDrop(COleDataObject*, DROPEFFECT, POINT) override { throw std::bad_alloc(); }
    void PostNcDestroy() override {}  // on the test's stack

    bool overThrows = true;
};

UINT ThrowingThread(LPVOID) { throw std::bad_alloc(); }

}  // namespace

TEST(Barrier, ExceptionsBecomeErrorCodes)
{
    EXPECT_EQ(ComBarrier([]() -> HRESULT { throw std::bad_alloc(); }), E_OUTOFMEMORY);
    EXPECT_EQ(ComBarrier([]() -> HRESULT { throw 42; }), E_UNEXPECTED);
    EXPECT_EQ(ComBarrier([] { return S_FALSE; }), S_FALSE);
}

TEST(Barrier, DropTargetAnswersAThrowingViewWithAnErrorAndNoEffect)
{
    ASSERT_TRUE(SUCCEEDED(::OleInitialize(nullptr)));
    {
        CWnd parent;
        RECT rc = {100, 100, 400, 300};
        ASSERT_TRUE(parent.CreateEx(0, nullptr, "barrier host", WS_POPUP, rc, nullptr, 0));
        CThrowingView view;
        RECT child = {0, 0, 200, 200};
        ASSERT_TRUE(view.Create(nullptr, WS_CHILD, child, parent.m_hWnd, 1, nullptr));
        COleDropTarget target;
        ASSERT_TRUE(target.Register(&view));
        COleDataSource source;
        CGlobalMemory mem(::GlobalAlloc(GMEM_MOVEABLE | GMEM_ZEROINIT, 4));
        ASSERT_TRUE(source.CacheGlobalData(CF_HDROP, mem));

        IDropTarget* it = target.GetInterface();
        POINTL pt = {110, 110};
        DWORD effect = DROPEFFECT_COPY;
        EXPECT_EQ(it->DragEnter(source.GetInterface(), MK_LBUTTON, pt, &effect), E_OUTOFMEMORY);
        EXPECT_EQ(effect, (DWORD)DROPEFFECT_NONE);
        effect = DROPEFFECT_COPY;
        EXPECT_EQ(it->DragOver(MK_LBUTTON, pt, &effect), E_UNEXPECTED);
        EXPECT_EQ(effect, (DWORD)DROPEFFECT_NONE);
        EXPECT_EQ(it->DragLeave(), E_UNEXPECTED);
        view.overThrows = false;
        effect = DROPEFFECT_COPY;
        EXPECT_EQ(it->Drop(source.GetInterface(), 0, pt, &effect), E_OUTOFMEMORY);
        EXPECT_EQ(effect, (DWORD)DROPEFFECT_NONE);
        view.DestroyWindow();
    }
    ::OleUninitialize();
}

TEST(Barrier, AThreadWhoseFunctionThrowsEndsAloneWithItsOwnExitCode)
{
    CWinThread* t = AfxBeginThread(ThrowingThread, nullptr, THREAD_PRIORITY_NORMAL, 0, CREATE_SUSPENDED);
    ASSERT_NE(t, nullptr);
    HANDLE h = nullptr;
    ASSERT_TRUE(::DuplicateHandle(::GetCurrentProcess(), t->m_hThread, ::GetCurrentProcess(), &h, SYNCHRONIZE | THREAD_QUERY_INFORMATION, FALSE, 0));
    t->ResumeThread();
    ASSERT_EQ(::WaitForSingleObject(h, 10000), WAIT_OBJECT_0);
    DWORD code = 0;
    EXPECT_TRUE(::GetExitCodeThread(h, &code));
    EXPECT_EQ(code, THREAD_EXIT_EXCEPTION);
    ::CloseHandle(h);
}
