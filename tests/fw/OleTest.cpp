// The framework's clipboard and OLE pieces against the real platform: data source and data
// object, the clipboard, and a drop target registered on a view's window.
#include "support/TestSupport.h"
#include "fw/Clipboard.h"
#include "fw/OleDataSource.h"
#include "fw/OleDataObject.h"
#include "fw/OleDropTarget.h"
#include "fw/View.h"
#include <vector>

namespace {

class OleThread : public ::testing::Test {
protected:
    void SetUp() override { ASSERT_TRUE(SUCCEEDED(::OleInitialize(nullptr))); }
    void TearDown() override { ::OleUninitialize(); }
};

CGlobalMemory Block(const std::string& bytes)
{
    CGlobalMemory mem(::GlobalAlloc(GMEM_MOVEABLE | GMEM_ZEROINIT, bytes.size()));
    if (void* p = mem.IsValid() ? ::GlobalLock(mem) : nullptr) {
        memcpy(p, bytes.data(), bytes.size());
        ::GlobalUnlock(mem);
    }
    return mem;
}

std::string Bytes(HGLOBAL h, size_t n)
{
    std::string s;
    if (const char* p = (const char*)::GlobalLock(h)) {
        s.assign(p, n);
        ::GlobalUnlock(h);
    }
    return s;
}

// A view that notes what the drop target hands it.
class CRecordingView : public CView {
public:
    DROPEFFECT OnDragEnter(COleDataObject* pData, DWORD dwKeyState, POINT point) override
    {
        calls.push_back("enter");
        last = point;
        keys = dwKeyState;
        return pData->IsDataAvailable(CF_HDROP) ? answer : DROPEFFECT_NONE;
    }
    DROPEFFECT OnDragOver(COleDataObject* pData, DWORD dwKeyState, POINT point) override
    {
        calls.push_back("over");
        last = point;
        keys = dwKeyState;
        return pData->IsDataAvailable(CF_HDROP) ? answer : DROPEFFECT_NONE;
    }
    void OnDragLeave() override { calls.push_back("leave"); }
    BOOL OnDrop(COleDataObject* pData, DROPEFFECT effect, POINT point) override
    {
        calls.push_back("drop");
        last = point;
        dropped = effect;
        CGlobalMemory h(pData->GetGlobalData(CF_HDROP));
        data = h.IsValid() ? Bytes(h, 3) : std::string();
        return h.IsValid();
    }
    void PostNcDestroy() override {}  // on the test's stack

    std::vector<std::string> calls;
    POINT last = {};
    DWORD keys = 0;
    DROPEFFECT answer = DROPEFFECT_COPY;
    DROPEFFECT dropped = DROPEFFECT_NONE;
    std::string data;
};

}  // namespace

TEST_F(OleThread, DataSourceOffersItsBlockAsCopiesAndOnlyInItsFormat)
{
    COleDataSource source;
    CGlobalMemory mem = Block(std::string("abc\0", 4));
    CGlobalMemory empty;
    EXPECT_FALSE(source.CacheGlobalData(CF_HDROP, empty));
    ASSERT_TRUE(source.CacheGlobalData(CF_HDROP, mem));
    EXPECT_FALSE(mem.IsValid());  // the source owns it now

    COleDataObject data;
    data.Attach(source.GetInterface());
    EXPECT_TRUE(data.IsDataAvailable(CF_HDROP));
    EXPECT_FALSE(data.IsDataAvailable(CF_TEXT));
    EXPECT_EQ(data.GetGlobalData(CF_TEXT), nullptr);
    CGlobalMemory a(data.GetGlobalData(CF_HDROP)), b(data.GetGlobalData(CF_HDROP));
    ASSERT_TRUE(a.IsValid());
    ASSERT_TRUE(b.IsValid());
    EXPECT_NE(a.Get(), b.Get());  // each reader owns its own copy
    EXPECT_EQ(Bytes(a, 4), std::string("abc\0", 4));

    CComPtr<IEnumFORMATETC> formats;
    ASSERT_EQ(source.GetInterface()->EnumFormatEtc(DATADIR_GET, formats.Receive()), S_OK);
    FORMATETC fe;
    ULONG got = 0;
    ASSERT_EQ(formats->Next(1, &fe, &got), S_OK);
    EXPECT_EQ(fe.cfFormat, CF_HDROP);
    EXPECT_EQ(fe.tymed, (DWORD)TYMED_HGLOBAL);
    EXPECT_EQ(formats->Next(1, &fe, &got), S_FALSE);
}

TEST_F(OleThread, ClipboardBlockIsReadBackThroughTheClipboardDataObject)
{
    CGlobalMemory mem = Block("xyz");
    {
        CClipboard clip;
        ASSERT_TRUE(clip.Open(nullptr));
        ASSERT_TRUE(clip.Empty());
        ASSERT_TRUE(clip.SetData(CF_HDROP, mem));
        EXPECT_FALSE(mem.IsValid());  // the clipboard owns it
    }
    COleDataObject data;
    ASSERT_TRUE(data.AttachClipboard());
    EXPECT_TRUE(data.IsDataAvailable(CF_HDROP));
    CGlobalMemory h(data.GetGlobalData(CF_HDROP));
    ASSERT_TRUE(h.IsValid());
    EXPECT_EQ(Bytes(h, 3), "xyz");
    data.Release();
    CClipboard clip;
    ASSERT_TRUE(clip.Open(nullptr));
    clip.Empty();
}

TEST_F(OleThread, SecondOpenOfAHeldClipboardFailsAfterItsRetries)
{
    // Another thread holds the clipboard; this one gives up after its tries.
    struct Holder {
        static DWORD WINAPI Run(LPVOID p)
        {
            HANDLE* events = (HANDLE*)p;
            HWND owner = ::CreateWindowA("STATIC", "holder", 0, 0, 0, 0, 0, HWND_MESSAGE, nullptr, nullptr, nullptr);
            bool open = false;
            {
                CClipboard clip;
                open = clip.Open(owner);
                ::SetEvent(events[0]);
                ::WaitForSingleObject(events[1], 5000);
            }
            ::DestroyWindow(owner);
            return open ? 0 : 1;
        }
    };
    CHandle held(::CreateEventA(nullptr, TRUE, FALSE, nullptr)), release(::CreateEventA(nullptr, TRUE, FALSE, nullptr));
    HANDLE events[2] = {held, release};
    CHandle thread(::CreateThread(nullptr, 0, Holder::Run, events, 0, nullptr));
    ASSERT_EQ(::WaitForSingleObject(held, 5000), WAIT_OBJECT_0);
    CClipboard clip;
    EXPECT_FALSE(clip.Open(nullptr, 3, 10));
    ::SetEvent(release);
    ::WaitForSingleObject(thread, 5000);
    DWORD code = 1;
    ::GetExitCodeThread(thread, &code);
    EXPECT_EQ(code, 0u);
    EXPECT_TRUE(clip.Open(nullptr));
}

TEST_F(OleThread, DropTargetHandsClientPointsAndAllowedEffectsToTheView)
{
    CWnd parent;
    RECT rc = {100, 100, 500, 400};
    ASSERT_TRUE(parent.CreateEx(0, nullptr, "ole host", WS_POPUP | WS_VISIBLE, rc, nullptr, 0));
    CRecordingView view;
    RECT child = {10, 20, 210, 220};
    ASSERT_TRUE(view.Create(nullptr, WS_CHILD | WS_VISIBLE, child, parent.m_hWnd, 1, nullptr));
    COleDropTarget target;
    ASSERT_TRUE(target.Register(&view));
    EXPECT_EQ(view.m_pDropTarget, &target);
    POINT origin = {0, 0};
    ::ClientToScreen(view.m_hWnd, &origin);

    COleDataSource source;
    CGlobalMemory mem = Block("abc");
    ASSERT_TRUE(source.CacheGlobalData(CF_HDROP, mem));
    IDropTarget* it = target.GetInterface();
    POINTL pt = {origin.x + 5, origin.y + 7};
    DWORD effect = DROPEFFECT_COPY | DROPEFFECT_MOVE;
    ASSERT_EQ(it->DragEnter(source.GetInterface(), MK_LBUTTON, pt, &effect), S_OK);
    EXPECT_EQ(effect, (DWORD)DROPEFFECT_COPY);
    EXPECT_EQ(view.last.x, 5);
    EXPECT_EQ(view.last.y, 7);
    // A move the source does not allow becomes a copy.
    view.answer = DROPEFFECT_MOVE;
    effect = DROPEFFECT_COPY;
    ASSERT_EQ(it->DragOver(MK_LBUTTON | MK_SHIFT, pt, &effect), S_OK);
    EXPECT_EQ(effect, (DWORD)DROPEFFECT_COPY);
    EXPECT_EQ(view.keys, (DWORD)(MK_LBUTTON | MK_SHIFT));
    effect = DROPEFFECT_COPY | DROPEFFECT_MOVE;
    ASSERT_EQ(it->Drop(source.GetInterface(), MK_SHIFT, pt, &effect), S_OK);
    EXPECT_EQ(effect, (DWORD)DROPEFFECT_MOVE);
    EXPECT_EQ(view.dropped, (DWORD)DROPEFFECT_MOVE);
    EXPECT_EQ(view.data, "abc");
    EXPECT_EQ(view.calls, (std::vector<std::string>{"enter", "over", "over", "drop"}));

    // Data without the format: the view answers nothing, the drop is a leave.
    COleDataSource other;
    CGlobalMemory text = Block("t");
    ASSERT_TRUE(other.CacheGlobalData(CF_TEXT, text));
    view.calls.clear();
    effect = DROPEFFECT_COPY;
    it->DragEnter(other.GetInterface(), MK_LBUTTON, pt, &effect);
    EXPECT_EQ(effect, (DWORD)DROPEFFECT_NONE);
    effect = DROPEFFECT_COPY;
    it->Drop(other.GetInterface(), 0, pt, &effect);
    EXPECT_EQ(effect, (DWORD)DROPEFFECT_NONE);
    EXPECT_EQ(view.calls, (std::vector<std::string>{"enter", "over", "leave"}));

    // One registration per window; a revoked one makes room for another, which goes with the window.
    COleDropTarget second;
    EXPECT_FALSE(second.Register(&view));
    target.Revoke();
    EXPECT_FALSE(target.IsRegistered());
    ASSERT_TRUE(second.Register(&view));
    view.DestroyWindow();
    EXPECT_FALSE(second.IsRegistered());
    EXPECT_EQ(view.m_pDropTarget, nullptr);
}

TEST(DropEffects, FilterKeepsWhatTheSourceAllows)
{
    const struct {
        DROPEFFECT chosen;
        DWORD allowed;
        DROPEFFECT result;
    } cases[] = {
        {DROPEFFECT_COPY, DROPEFFECT_COPY | DROPEFFECT_MOVE, DROPEFFECT_COPY},
        {DROPEFFECT_MOVE, DROPEFFECT_COPY | DROPEFFECT_MOVE, DROPEFFECT_MOVE},
        {DROPEFFECT_MOVE, DROPEFFECT_COPY, DROPEFFECT_COPY},
        {DROPEFFECT_COPY, DROPEFFECT_MOVE, DROPEFFECT_NONE},
        {DROPEFFECT_NONE, DROPEFFECT_COPY, DROPEFFECT_NONE},
    };
    for (const auto& c : cases) EXPECT_EQ(FilterDropEffect(c.chosen, c.allowed), c.result) << c.chosen << " " << c.allowed;
}
