// The shell's context menu of list entries and of tree folders, built by the real shell, and
// the window that owns it while it is tracked.
#include "ExplorerFixture.h"
#include "MenuCloser.h"
#include "explorer/ShellContextMenu.h"
#include "explorer/ShellMenuOwner.h"
#include <vector>

namespace {

class ShellMenu : public ::testing::Test {
protected:
    void SetUp() override
    {
        ASSERT_TRUE(drive.IsReady());
        ASSERT_TRUE(drive.MakeDir("Data"));
        ASSERT_TRUE(drive.MakeDir("Data\\Sub"));
        ASSERT_TRUE(drive.MakeFile("Data\\a.txt", "a"));
        ASSERT_TRUE(drive.MakeFile("Data\\b.txt", "b"));
        host.reset(new CPaneHost);
    }
    void TearDown() override { host.reset(); }
    CTestDrive drive{'T'};
    std::unique_ptr<CPaneHost> host;
};

// The menu's owner: a message-only window of this process.
HWND FindMenuOwner()
{
    for (HWND h = nullptr; (h = ::FindWindowExA(HWND_MESSAGE, h, nullptr, SHELL_MENU_OWNER_TITLE)) != nullptr;) {
        DWORD pid = 0;
        ::GetWindowThreadProcessId(h, &pid);
        if (pid == ::GetCurrentProcessId()) return h;
    }
    return nullptr;
}
bool MenuOwnerUp() { return FindMenuOwner() != nullptr; }

CArray<CString> Names(std::initializer_list<const char*> list)
{
    CArray<CString> names;
    for (const char* n : list) names.Add(CString(n));
    return names;
}

// A shell menu object that offers an owner-drawn verb and keeps every menu message it is
// handed. Typed characters it answers by executing its first verb.
class CRecordingMenu : public IContextMenu3 {
public:
    STDMETHODIMP QueryInterface(REFIID riid, void** ppv) override
    {
        if (riid == IID_IUnknown || riid == IID_IContextMenu || riid == IID_IContextMenu2 ||
            riid == IID_IContextMenu3) {
            *ppv = static_cast<IContextMenu3*>(this);
            AddRef();
            return S_OK;
        }
        *ppv = nullptr;
        return E_NOINTERFACE;
    }
    // Lives on the test's stack: counted, never deleted.
    STDMETHODIMP_(ULONG) AddRef() override { return (ULONG)::InterlockedIncrement(&m_cRef); }
    STDMETHODIMP_(ULONG) Release() override { return (ULONG)::InterlockedDecrement(&m_cRef); }
    STDMETHODIMP QueryContextMenu(HMENU menu, UINT index, UINT first, UINT, UINT) override
    {
        ::InsertMenuA(menu, index, MF_BYPOSITION | MF_OWNERDRAW, first, nullptr);
        ::InsertMenuA(menu, index + 1, MF_BYPOSITION | MF_STRING, first + 1, "Second");
        return MAKE_HRESULT(SEVERITY_SUCCESS, 0, 2);
    }
    STDMETHODIMP InvokeCommand(CMINVOKECOMMANDINFO* ici) override
    {
        m_nInvoked = (int)LOWORD((UINT_PTR)ici->lpVerb);
        m_hInvoker = ici->hwnd;
        return S_OK;
    }
    STDMETHODIMP GetCommandString(UINT_PTR, UINT, UINT*, LPSTR, UINT) override { return E_NOTIMPL; }
    STDMETHODIMP HandleMenuMsg(UINT msg, WPARAM wp, LPARAM lp) override
    {
        LRESULT ignored = 0;
        return HandleMenuMsg2(msg, wp, lp, &ignored);
    }
    STDMETHODIMP HandleMenuMsg2(UINT msg, WPARAM, LPARAM lp, LRESULT* result) override
    {
        m_messages.push_back(msg);
        if (msg == WM_MEASUREITEM) {
            MEASUREITEMSTRUCT* mis = (MEASUREITEMSTRUCT*)lp;
            mis->itemWidth = 80;
            mis->itemHeight = 16;
        }
        if (result) *result = msg == WM_MENUCHAR ? MAKELRESULT(0, MNC_EXECUTE) : TRUE;
        return S_OK;
    }
    bool Saw(UINT msg) const
    {
        for (UINT m : m_messages)
            if (m == msg) return true;
        return false;
    }

    int m_nInvoked = -1;
    HWND m_hInvoker = nullptr;

private:
    LONG m_cRef = 1;
    std::vector<UINT> m_messages;
};

}  // namespace

TEST_F(ShellMenu, TheListShowsTheShellVerbsOfItsEntries)
{
    CMenuCloser closer;
    closer.m_pfnCheck = MenuOwnerUp;
    host->m_pList->ShowShellContextMenu("T:\\Data\\", Names({"a.txt", "b.txt"}), 100, 100);
    ASSERT_TRUE(closer.Wait());
    EXPECT_GT(closer.Items().size(), 1u);
    // The menu has an owner of its own while it is open, and only then.
    EXPECT_TRUE(closer.m_bCheckWhileOpen);
    EXPECT_EQ(FindMenuOwner(), nullptr);
}

TEST_F(ShellMenu, AFolderOfTheTreeAndADrive)
{
    {
        CMenuCloser closer;
        EXPECT_TRUE(TrackShellContextMenu(host->m_pTree->m_hWnd, "T:\\Data\\", Names({"Sub"}), 50, 50));
        EXPECT_TRUE(closer.Wait());
    }
    {
        CMenuCloser closer;
        EXPECT_TRUE(TrackShellContextMenu(host->m_pTree->m_hWnd, "", Names({"T:\\"}), 50, 50));
        EXPECT_TRUE(closer.Wait());
    }
    {
        // A folder named by its whole path, as the tree's selection gives it.
        CMenuCloser closer;
        EXPECT_TRUE(TrackShellContextMenu(host->m_pTree->m_hWnd, "", Names({"T:\\Data\\Sub"}), 50, 50));
        EXPECT_TRUE(closer.Wait());
    }
}

TEST_F(ShellMenu, EntriesTheShellDoesNotKnowAreLeftOut)
{
    CMenuCloser closer;
    EXPECT_TRUE(TrackShellContextMenu(host->m_pList->m_hWnd, "T:\\Data", Names({"missing.txt", "b.txt"}), 60, 60));
    EXPECT_TRUE(closer.Wait());
}

TEST_F(ShellMenu, NothingFoundShowsNoMenu)
{
    HWND owner = host->m_pList->m_hWnd;
    EXPECT_FALSE(TrackShellContextMenu(owner, "T:\\Data\\", Names({"missing.txt"}), 0, 0));
    EXPECT_FALSE(TrackShellContextMenu(owner, "T:\\Data\\", CArray<CString>(), 0, 0));
    EXPECT_FALSE(TrackShellContextMenu(owner, "T:\\Data\\", Names({""}), 0, 0));
    // A folder on the way that does not exist: the names are not looked up anywhere else.
    EXPECT_FALSE(TrackShellContextMenu(owner, "T:\\Gone\\", Names({"a.txt"}), 0, 0));
    EXPECT_FALSE(TrackShellContextMenu(owner, "Q:\\Data\\", Names({"a.txt"}), 0, 0));
    EXPECT_EQ(FindMenuOwner(), nullptr);
}

// What the platform sends the menu's owner reaches the shell's menu object, and the object's
// answer goes back: a typed character it answers with "execute the first verb" chooses it.
TEST_F(ShellMenu, TheOwnerHandsTheMenuMessagesToTheShellsMenu)
{
    CRecordingMenu menu;
    CMenuCloser closer("", 10000, 'q');
    EXPECT_TRUE(CShellMenuOwner::TrackMenu(&menu, host->m_pList->m_hWnd, 100, 100));
    ASSERT_TRUE(closer.Wait());
    EXPECT_TRUE(menu.Saw(WM_INITMENUPOPUP));
    EXPECT_TRUE(menu.Saw(WM_MEASUREITEM));
    EXPECT_TRUE(menu.Saw(WM_DRAWITEM));
    EXPECT_TRUE(menu.Saw(WM_MENUCHAR));
    EXPECT_EQ(menu.m_nInvoked, 0);
    EXPECT_EQ(menu.m_hInvoker, host->m_pList->m_hWnd);
    EXPECT_EQ(FindMenuOwner(), nullptr);
}
