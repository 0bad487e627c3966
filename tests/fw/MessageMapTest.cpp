// The message tables: which entry a message, a command or a notification reaches, and in
// what order a window, its base class and a notifying child are asked.
#include "support/TestSupport.h"
#include "fw/Wnd.h"
#include <commctrl.h>
#include <string>
#include <vector>

namespace {

UINT g_uProbeMessage = 0;  // registered by the test that needs it

class CProbe : public CWnd {
public:
    std::vector<std::string> m_log;
    void Log(const std::string& s) { m_log.push_back(s); }

protected:
    void OnOne() { Log("one"); }
    void OnRange(UINT id) { Log("range " + std::to_string(id)); }
    void OnUpdateOne(CCmdUI* ui) { Log("update " + std::to_string(ui->m_nID)); }
    void OnThree() { Log("base three"); }
    void OnChildDoubleClick(NMHDR*, LRESULT* r)
    {
        Log("parent dblclk");
        *r = 7;
    }
    void OnChildClick(NMHDR*, LRESULT* r)
    {
        Log("parent click");
        *r = 8;
    }
    LRESULT OnApp(WPARAM wp, LPARAM) { Log("app " + std::to_string(wp)); return 41; }
    LRESULT OnProbe(WPARAM, LPARAM) { Log("registered"); return 42; }
    DECLARE_MESSAGE_MAP()
};

BEGIN_MESSAGE_MAP(CProbe, CWnd)
    ON_COMMAND(100, OnOne)
    ON_COMMAND(300, OnThree)
    ON_COMMAND_RANGE(200, 209, OnRange)
    ON_UPDATE_COMMAND_UI(100, OnUpdateOne)
    ON_NOTIFY(NM_CLICK, 5, OnChildClick)
    ON_NOTIFY(NM_DBLCLK, 5, OnChildDoubleClick)
    ON_MESSAGE(WM_APP + 1, OnApp)
    ON_REGISTERED_MESSAGE(g_uProbeMessage, OnProbe)
END_MESSAGE_MAP()

// A derived window: its own table first, then its base's.
class CDerivedProbe : public CProbe {
protected:
    void OnOneHere() { Log("derived one"); }
    DECLARE_MESSAGE_MAP()
};

BEGIN_MESSAGE_MAP(CDerivedProbe, CProbe)
    ON_COMMAND(100, OnOneHere)
END_MESSAGE_MAP()

// A child that takes its own NM_CLICK back (reflection), but not NM_DBLCLK.
class CReflectingChild : public CWnd {
public:
    std::vector<std::string>* m_pLog = nullptr;

protected:
    void OnReflectedClick(NMHDR*, LRESULT* r)
    {
        m_pLog->push_back("child click");
        *r = 9;
    }
    DECLARE_MESSAGE_MAP()
};

BEGIN_MESSAGE_MAP(CReflectingChild, CWnd)
    ON_NOTIFY_REFLECT(NM_CLICK, OnReflectedClick)
END_MESSAGE_MAP()

class MessageMap : public ::testing::Test {
protected:
    void SetUp() override
    {
        RECT rc = {0, 0, 200, 100};
        ASSERT_TRUE(wnd.CreateEx(0, nullptr, "probe", WS_OVERLAPPEDWINDOW, rc, nullptr, 0));
        RECT rcChild = {0, 0, 50, 20};
        child.m_pLog = &wnd.m_log;
        ASSERT_TRUE(child.CreateEx(0, nullptr, "", WS_CHILD, rcChild, wnd.m_hWnd, 5));
    }
    void TearDown() override
    {
        child.DestroyWindow();
        wnd.DestroyWindow();
    }
    LRESULT Notify(UINT code)
    {
        NMHDR nm = {child.m_hWnd, 5, code};
        return ::SendMessageA(wnd.m_hWnd, WM_NOTIFY, 5, (LPARAM)&nm);
    }
    CDerivedProbe wnd;
    CReflectingChild child;
};

TEST_F(MessageMap, CommandsReachTheirEntryByIdOrRange)
{
    struct {
        UINT id;
        const char* logged;  // nullptr: no entry takes it
    } cases[] = {
        {100, "derived one"},  // the derived table before its base's
        {300, "base three"},   // the base's table when the derived one has nothing
        {200, "range 200"},    {205, "range 205"}, {209, "range 209"},
        {199, nullptr},        {210, nullptr},
    };
    for (const auto& c : cases) {
        wnd.m_log.clear();
        BOOL handled = wnd.OnCmdMsg(c.id, CN_COMMAND, nullptr);
        EXPECT_EQ(handled != FALSE, c.logged != nullptr) << c.id;
        EXPECT_EQ(wnd.m_log, c.logged ? std::vector<std::string>{c.logged} : std::vector<std::string>{}) << c.id;
    }
}

TEST_F(MessageMap, MenusAndButtonsAreCommandsButOtherControlCodesAreNot)
{
    // A menu (code 0, no control), an accelerator (code 1) and a button click from a control.
    ::SendMessageA(wnd.m_hWnd, WM_COMMAND, MAKEWPARAM(300, 0), 0);
    ::SendMessageA(wnd.m_hWnd, WM_COMMAND, MAKEWPARAM(300, 1), 0);
    ::SendMessageA(wnd.m_hWnd, WM_COMMAND, MAKEWPARAM(300, BN_CLICKED), (LPARAM)child.m_hWnd);
    EXPECT_EQ(wnd.m_log, (std::vector<std::string>{"base three", "base three", "base three"}));
    // An edit control's change notice with the same id is not the command.
    wnd.m_log.clear();
    ::SendMessageA(wnd.m_hWnd, WM_COMMAND, MAKEWPARAM(300, EN_CHANGE), (LPARAM)child.m_hWnd);
    EXPECT_TRUE(wnd.m_log.empty());
}

TEST_F(MessageMap, StateUpdatesReachOnlyTheirOwnEntryAndMarkTheItemHandled)
{
    CCmdUI ui(nullptr, 0, 100);
    EXPECT_TRUE(wnd.OnCmdMsg(100, CN_UPDATE_COMMAND_UI, &ui));
    EXPECT_TRUE(ui.m_bHandled);
    CCmdUI other(nullptr, 0, 300);
    EXPECT_FALSE(wnd.OnCmdMsg(300, CN_UPDATE_COMMAND_UI, &other));  // a command entry is no update entry
    EXPECT_FALSE(other.m_bHandled);
    EXPECT_EQ(wnd.m_log, (std::vector<std::string>{"update 100"}));
}

TEST_F(MessageMap, TheNotifyingChildIsAskedBeforeItsParent)
{
    // NM_CLICK: the child reflects it, so the parent's entry is not reached.
    EXPECT_EQ(Notify(NM_CLICK), 9);
    EXPECT_EQ(wnd.m_log, (std::vector<std::string>{"child click"}));
    // NM_DBLCLK: the child has no entry, the parent's takes it.
    wnd.m_log.clear();
    EXPECT_EQ(Notify(NM_DBLCLK), 7);
    EXPECT_EQ(wnd.m_log, (std::vector<std::string>{"parent dblclk"}));
    // A code nobody handles goes to the default procedure: nothing logged.
    wnd.m_log.clear();
    Notify(NM_RCLICK);
    EXPECT_TRUE(wnd.m_log.empty());
}

TEST_F(MessageMap, PlainAndRegisteredMessagesReturnTheHandlersResult)
{
    EXPECT_EQ(::SendMessageA(wnd.m_hWnd, WM_APP + 1, 3, 0), 41);
    // An entry for a message not registered yet matches nothing, not even message 0.
    g_uProbeMessage = 0;
    ::SendMessageA(wnd.m_hWnd, WM_NULL, 0, 0);
    EXPECT_EQ(wnd.m_log, (std::vector<std::string>{"app 3"}));
    g_uProbeMessage = ::RegisterWindowMessageA("BrindlexMessageMapProbe");
    ASSERT_NE(g_uProbeMessage, 0u);
    EXPECT_EQ(::SendMessageA(wnd.m_hWnd, g_uProbeMessage, 0, 0), 42);
    EXPECT_EQ(wnd.m_log, (std::vector<std::string>{"app 3", "registered"}));
    g_uProbeMessage = 0;
}

}  // namespace
