// A view has one owner at a time: its maker until its window exists, the window after.
#include "support/TestSupport.h"
#include "fw/DocFrameWnd.h"
#include "fw/Document.h"
#include "fw/SplitterWnd.h"
#include "fw/View.h"
#include "res/resource.h"

namespace {

enum class Failure { None, BeforeWindow, InWindowCreation };

Failure g_failure = Failure::None;
int g_viewsDeleted = 0;

class CProbeView : public CView {
public:
    ~CProbeView() override { ++g_viewsDeleted; }
    BOOL PreCreateWindow(CREATESTRUCTA& cs) override
    {
        return g_failure == Failure::BeforeWindow ? FALSE : CView::PreCreateWindow(cs);
    }

protected:
    LRESULT OnCreate(WPARAM, LPARAM) { return g_failure == Failure::InWindowCreation ? -1 : 0; }
    DECLARE_MESSAGE_MAP()
};

BEGIN_MESSAGE_MAP(CProbeView, CView)
    ON_MESSAGE(WM_CREATE, OnCreate)
END_MESSAGE_MAP()

enum class Maker { Direct, Splitter, Frame };

// Makes one probe view the maker's way in a fresh host window; true when a view came of it.
// The host (or the frame) is destroyed by Close.
class CViewMaker {
public:
    explicit CViewMaker(Maker maker) : m_maker(maker)
    {
        RECT rc = {0, 0, 400, 300};
        m_host.CreateEx(0, nullptr, "view host", WS_OVERLAPPEDWINDOW | WS_CLIPCHILDREN, rc, nullptr, 0);
    }
    ~CViewMaker() { Close(); }

    bool Make()
    {
        CCreateContext context;
        context.m_pCurrentDoc = &m_doc;
        RECT rc = {0, 0, 200, 100};
        switch (m_maker) {
        case Maker::Direct:
            return AfxCreateView(AfxNewView<CProbeView>, WS_CHILD | WS_VISIBLE, rc, m_host.m_hWnd,
                                 AFX_IDW_PANE_FIRST, &context) != nullptr;
        case Maker::Splitter:
            if (!m_splitter.CreateStatic(&m_host, 1, 2)) return false;
            return m_splitter.CreateView(0, 0, AfxNewView<CProbeView>, SIZE{200, 100}, &context) != FALSE;
        case Maker::Frame: {
            context.m_pfnNewView = AfxNewView<CProbeView>;
            CDocFrameWnd* frame = new CDocFrameWnd;
            if (!frame->LoadFrame(IDR_VIEWER, WS_OVERLAPPEDWINDOW, nullptr, &context)) {
                delete frame;  // a frame whose window failed is its maker's to delete
                return false;
            }
            m_frame = frame->m_hWnd;
            return true;
        }
        }
        return false;
    }
    // Destroys the windows; views that belong to them go with them.
    void Close()
    {
        if (m_frame && ::IsWindow(m_frame)) ::DestroyWindow(m_frame);
        m_frame = nullptr;
        m_host.DestroyWindow();
    }
    CDocument& Doc() { return m_doc; }

private:
    Maker m_maker;
    CDocument m_doc;  // outlives the windows: views leave it as they go
    CWnd m_host;
    CSplitterWnd m_splitter;
    HWND m_frame = nullptr;
};

}  // namespace

TEST(ViewOwnership, AViewIsDeletedOnceWhetherItsWindowIsMadeOrNot)
{
    struct Case {
        Maker maker;
        Failure failure;
    };
    const Case cases[] = {
        {Maker::Direct, Failure::None},       {Maker::Direct, Failure::BeforeWindow},
        {Maker::Direct, Failure::InWindowCreation}, {Maker::Splitter, Failure::None},
        {Maker::Splitter, Failure::BeforeWindow},   {Maker::Splitter, Failure::InWindowCreation},
        {Maker::Frame, Failure::None},        {Maker::Frame, Failure::BeforeWindow},
        {Maker::Frame, Failure::InWindowCreation},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(testing::Message() << "maker " << (int)c.maker << ", failure " << (int)c.failure);
        g_failure = c.failure;
        g_viewsDeleted = 0;
        {
            CViewMaker maker(c.maker);
            bool made = maker.Make();
            EXPECT_EQ(made, c.failure == Failure::None);
            if (made) {
                EXPECT_EQ(g_viewsDeleted, 0);
                EXPECT_EQ(maker.Doc().GetViewCount(), 1);
            } else {
                EXPECT_EQ(g_viewsDeleted, 1);  // gone at once, and only once
                EXPECT_EQ(maker.Doc().GetViewCount(), 0);
            }
            maker.Close();
            EXPECT_EQ(g_viewsDeleted, 1);  // a made view went with its window
            EXPECT_EQ(maker.Doc().GetViewCount(), 0);
        }
        EXPECT_EQ(g_viewsDeleted, 1);
    }
    g_failure = Failure::None;
}
