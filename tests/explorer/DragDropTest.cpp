// Clipboard and drag and drop of files in both panes, with the real clipboard, the real OLE
// drag loop and real shell operations on a drive of the test's own. Every case checks the disk.
#include "DialogAnswerer.h"
#include "ExplorerFixture.h"
#include "explorer/FileDrop.h"
#include "explorer/ReadOnlyTree.h"
#include "fw/Clipboard.h"
#include "fw/OleDataSource.h"
#include "fw/PathParts.h"
#include "res/resource.h"
#include <shlobj.h>

namespace {

bool IsReadOnly(const char* path)
{
    DWORD a = ::GetFileAttributesA(path);
    return a != INVALID_FILE_ATTRIBUTES && (a & FILE_ATTRIBUTE_READONLY);
}
bool MakeReadOnly(const char* path) { return ::SetFileAttributesA(path, FILE_ATTRIBUTE_READONLY) != FALSE; }

// The names in a folder, sorted, as "name" or "name/" for folders, recursively with '\'.
void ListTree(const CString& dir, const std::string& prefix, std::vector<std::string>* out)
{
    WIN32_FIND_DATAA fd;
    CFindHandle h(::FindFirstFileA(dir + "\\*", &fd));
    if (!h.IsValid()) return;
    std::vector<std::string> names;
    do {
        if (!strcmp(fd.cFileName, ".") || !strcmp(fd.cFileName, "..")) continue;
        bool folder = (fd.dwFileAttributes & FILE_ATTRIBUTE_DIRECTORY) != 0;
        std::string name = prefix + fd.cFileName + (folder ? "/" : "") + ((fd.dwFileAttributes & 1) ? " ro" : "");
        out->push_back(name);
        if (folder && !(fd.dwFileAttributes & FILE_ATTRIBUTE_REPARSE_POINT))
            ListTree(dir + "\\" + fd.cFileName, prefix + fd.cFileName + "\\", out);
    } while (::FindNextFileA(h, &fd));
    std::sort(out->begin(), out->end());
}
std::vector<std::string> Snapshot(const CString& dir)
{
    std::vector<std::string> v;
    ListTree(dir, "", &v);
    std::sort(v.begin(), v.end());
    return v;
}

CGlobalMemory BlockOf(std::initializer_list<const char*> list)
{
    CArray<CString> paths;
    for (const char* p : list) paths.Add(CString(p));
    return MakeFileDropBlock(paths);
}

bool PutOnClipboard(CGlobalMemory& block)
{
    CClipboard clip;
    return clip.Open(nullptr) && clip.Empty() && clip.SetData(CF_HDROP, block);
}

// The file-drop block on the clipboard, as bytes ("" when there is none).
std::string ClipboardBlock()
{
    CClipboard clip;
    if (!clip.Open(nullptr)) return "no clipboard";
    HGLOBAL h = ::GetClipboardData(CF_HDROP);
    if (!h) return std::string();
    std::string s;
    if (const char* p = (const char*)::GlobalLock(h)) {
        // Up to the double NUL after the header.
        size_t n = 20;
        while (n + 1 < ::GlobalSize(h) && !(p[n] == 0 && (n == 20 || p[n - 1] == 0))) n++;
        s.assign(p, n + 1);
        ::GlobalUnlock(h);
    }
    return s;
}

std::string Header()
{
    DROPFILES h = {};
    h.pFiles = 20;
    return std::string((const char*)&h, sizeof h);
}

// A mouse drag by SendInput from a second thread, as the window system delivers a user's
// hand: the panes' thread keeps pumping, so the controls' drag detection and the OLE loop run.
// Each step is sent once the panes' thread has taken the one before, so no move is merged
// into the next and the button goes up where the last move left the pointer.
// (Wine takes the modifier keys from the X server at each pointer event, so a Shift sent by
// SendInput does not last through a drag here: moves are driven through the drop target.)
class CMouseDrag {
public:
    CMouseDrag(POINT from, POINT to) : m_from(from), m_to(to) {}
    // Runs the drag while this thread pumps messages; true when the input all went in.
    bool Run()
    {
        // Asked from the script, a window of this thread tells whether mouse input still waits in
        // its queue: sent messages are answered at once, even inside the drag loops.
        WNDCLASSA wc = {};
        wc.lpfnWndProc = ProbeProc;
        wc.hInstance = ::GetModuleHandleA(nullptr);
        wc.lpszClassName = "BlxMouseProbe";
        ::RegisterClassA(&wc);
        m_probe = ::CreateWindowA("BlxMouseProbe", "", 0, 0, 0, 0, 0, HWND_MESSAGE, nullptr, wc.hInstance, nullptr);
        if (!m_probe) return false;
        CHandle thread(::CreateThread(nullptr, 0, Script, this, 0, nullptr));
        // What the last input started (the drop) has finished once this loop runs again.
        bool ended = thread.IsValid() && WaitFor([&] { return ::WaitForSingleObject(thread, 0) == WAIT_OBJECT_0; }, 15000);
        ::DestroyWindow(m_probe);
        return ended && m_bDone;
    }

private:
    static LRESULT CALLBACK ProbeProc(HWND h, UINT msg, WPARAM wp, LPARAM lp)
    {
        if (msg == WM_APP) return HIWORD(::GetQueueStatus(QS_MOUSEMOVE | QS_MOUSEBUTTON));
        return ::DefWindowProcA(h, msg, wp, lp);
    }
    bool Send(INPUT in) const
    {
        ::SendInput(1, &in, sizeof in);
        return WaitFor([&] {
            DWORD_PTR pending = 1;
            return ::SendMessageTimeoutA(m_probe, WM_APP, 0, 0, SMTO_NORMAL, 5000, &pending) && !pending;
        }, 5000);
    }
    static INPUT MoveTo(POINT p)
    {
        INPUT in = {};
        in.type = INPUT_MOUSE;
        in.mi.dx = (LONG)(p.x * 65535 / (::GetSystemMetrics(SM_CXSCREEN) - 1));
        in.mi.dy = (LONG)(p.y * 65535 / (::GetSystemMetrics(SM_CYSCREEN) - 1));
        in.mi.dwFlags = MOUSEEVENTF_MOVE | MOUSEEVENTF_ABSOLUTE;
        return in;
    }
    static INPUT Button(DWORD flags)
    {
        INPUT in = {};
        in.type = INPUT_MOUSE;
        in.mi.dwFlags = flags;
        return in;
    }
    static DWORD WINAPI Script(LPVOID p)
    {
        CMouseDrag* d = (CMouseDrag*)p;
        bool ok = d->Send(MoveTo(d->m_from));
        ok = d->Send(Button(MOUSEEVENTF_LEFTDOWN)) && ok;
        for (int i = 1; i <= 4; i++) ok = d->Send(MoveTo({d->m_from.x + 4 * i, d->m_from.y + 2 * i})) && ok;
        POINT start = {d->m_from.x + 16, d->m_from.y + 8};
        for (int i = 1; i <= 8; i++)
            ok = d->Send(MoveTo({start.x + (d->m_to.x - start.x) * i / 8, start.y + (d->m_to.y - start.y) * i / 8})) && ok;
        ok = d->Send(MoveTo(d->m_to)) && ok;
        ok = d->Send(Button(MOUSEEVENTF_LEFTUP)) && ok;
        d->m_bDone = ok;
        return 0;
    }

    POINT m_from, m_to;
    HWND m_probe = nullptr;
    bool m_bDone = false;
};

class DragDrop : public ::testing::Test {
protected:
    void SetUp() override
    {
        ASSERT_TRUE(SUCCEEDED(::OleInitialize(nullptr)));
        ClearSettings();
        ASSERT_TRUE(drive.IsReady());
        // T:\Src: a.txt, b.txt, ro.txt (read-only), Dir\ (in.txt read-only, Deep\d.txt read-only),
        // Dst\; T:\Other: c.txt, Tree\x.txt (read-only); T:\Dst2.
        for (const char* d : {"Src", "Src\\Dir", "Src\\Dir\\Deep", "Src\\Dst", "Other", "Other\\Tree", "Dst2"})
            ASSERT_TRUE(drive.MakeDir(d));
        for (const char* f : {"Src\\a.txt", "Src\\b.txt", "Src\\ro.txt", "Src\\Dir\\in.txt", "Src\\Dir\\Deep\\d.txt",
                              "Other\\c.txt", "Other\\Tree\\x.txt"})
            ASSERT_TRUE(drive.MakeFile(f, f));
        for (const char* f : {"Src\\ro.txt", "Src\\Dir\\in.txt", "Src\\Dir\\Deep\\d.txt", "Other\\Tree\\x.txt"})
            ASSERT_TRUE(MakeReadOnly(drive.Path(f)));
        host.reset(new CPaneHost);
        ShowFolder("T:\\Src");
    }
    void TearDown() override
    {
        host.reset();
        CClipboard clip;
        if (clip.Open(nullptr)) clip.Empty();
        ::OleUninitialize();
    }

    CTreeCtrl Tree() { return host->Tree(); }
    CListCtrl List() { return host->List(); }
    CBrindlexView* View() { return host->m_pList; }
    CLeftView* TreeView() { return host->m_pTree; }
    void ShowFolder(const char* path)
    {
        HTREEITEM h = host->Open(path);
        ASSERT_TRUE(h) << path;
        Tree().SelectItem(h);
        ASSERT_EQ(View()->GetModel().GetFolder(), CString(path) + "\\");
    }
    void Select(std::initializer_list<const char*> names)
    {
        List().SetItemState(-1, 0, LVIS_SELECTED);
        for (const char* n : names) {
            int row = View()->FindRow(n);
            ASSERT_GE(row, 0) << n;
            List().SetItemState(row, LVIS_SELECTED | LVIS_FOCUSED, LVIS_SELECTED | LVIS_FOCUSED);
        }
    }
    // Screen point in the middle of a row's name.
    POINT RowPoint(const char* name)
    {
        int row = View()->FindRow(name);
        RECT rc = {};
        List().GetItemRect(row, &rc, LVIR_LABEL);
        POINT p = {rc.left + 6, (rc.top + rc.bottom) / 2};
        ::ClientToScreen(List().m_hWnd, &p);
        return p;
    }
    POINT ItemPoint(HTREEITEM h)
    {
        RECT rc = {};
        Tree().GetItemRect(h, &rc, TRUE);
        POINT p = {(rc.left + rc.right) / 2, (rc.top + rc.bottom) / 2};
        ::ClientToScreen(Tree().m_hWnd, &p);
        return p;
    }
    void ShowHost()
    {
        ::SetWindowPos(host->m_host.m_hWnd, HWND_TOPMOST, 0, 0, 800, 600, SWP_SHOWWINDOW);
        ::SetForegroundWindow(host->m_host.m_hWnd);
        WaitFor([&] { return ::GetForegroundWindow() == host->m_host.m_hWnd && ::GetActiveWindow() == host->m_host.m_hWnd; });
    }
    bool RowsFollow(std::initializer_list<const char*> present, std::initializer_list<const char*> absent)
    {
        return WaitFor(
            [&] {
                for (const char* n : present)
                    if (!View()->HasEntry(n)) return false;
                for (const char* n : absent)
                    if (View()->HasEntry(n)) return false;
                return true;
            },
            5000);
    }
    void Command(HWND pane, UINT id) { ::SendMessageA(pane, WM_COMMAND, id, 0); }

    CTestDrive drive{'T'};
    std::unique_ptr<CPaneHost> host;
};

}  // namespace

TEST_F(DragDrop, ListCopyPutsTheSelectedPathsInRowOrder)
{
    Select({"b.txt", "Dir", "a.txt"});
    Command(List().m_hWnd, ID_EDIT_COPY);
    std::string expected = Header();
    for (int i = 0; i < List().GetItemCount(); i++)
        if (List().GetItemState(i, LVIS_SELECTED)) expected += "T:\\Src\\" + List().GetItemText(i, 0).str() + '\0';
    expected += '\0';
    EXPECT_EQ(ClipboardBlock(), expected);
    // Folders go without a trailing backslash.
    EXPECT_NE(ClipboardBlock().find(std::string("T:\\Src\\Dir\0", 11)), std::string::npos);

    Select({});
    Command(List().m_hWnd, ID_EDIT_COPY);
    EXPECT_EQ(ClipboardBlock(), Header() + std::string(1, '\0'));
}

TEST_F(DragDrop, CopyWhileAnotherProgramHoldsTheClipboardSaysSo)
{
    struct Holder {
        static DWORD WINAPI Run(LPVOID p)
        {
            HANDLE* events = (HANDLE*)p;
            HWND owner = ::CreateWindowA("STATIC", "holder", 0, 0, 0, 0, 0, HWND_MESSAGE, nullptr, nullptr, nullptr);
            {
                CClipboard clip;
                clip.Open(owner);
                ::SetEvent(events[0]);
                ::WaitForSingleObject(events[1], 10000);
            }
            ::DestroyWindow(owner);
            return 0;
        }
    };
    CHandle held(::CreateEventA(nullptr, TRUE, FALSE, nullptr)), release(::CreateEventA(nullptr, TRUE, FALSE, nullptr));
    HANDLE events[2] = {held, release};
    CHandle thread(::CreateThread(nullptr, 0, Holder::Run, events, 0, nullptr));
    ASSERT_EQ(::WaitForSingleObject(held, 5000), WAIT_OBJECT_0);
    Select({"a.txt"});
    {
        CMessageBoxAnswerer answer;
        Command(List().m_hWnd, ID_EDIT_COPY);
        EXPECT_EQ(answer.Text(), "Clipboard not available");
    }
    ::SetEvent(release);
    ::WaitForSingleObject(thread, 5000);
}

TEST_F(DragDrop, ListPasteCopiesIntoTheSelectedFolderRowWithoutReadOnlyAndEmptiesTheClipboard)
{
    std::vector<std::string> source = Snapshot(drive.Path("Src\\Dir"));
    CGlobalMemory block = BlockOf({"T:\\Src\\ro.txt", "T:\\Src\\Dir", "T:\\Other\\c.txt"});
    ASSERT_TRUE(PutOnClipboard(block));
    Select({"Dst"});
    Command(List().m_hWnd, ID_EDIT_PASTE);

    EXPECT_EQ(Snapshot(drive.Path("Src\\Dst")),
              (std::vector<std::string>{"Dir/", "Dir\\Deep/", "Dir\\Deep\\d.txt", "Dir\\in.txt", "c.txt", "ro.txt"}));
    EXPECT_EQ(ReadFileBytes(drive.Path("Src\\Dst\\ro.txt")), "Src\\ro.txt");
    // The sources keep theirs.
    EXPECT_TRUE(IsReadOnly(drive.Path("Src\\ro.txt")));
    EXPECT_EQ(Snapshot(drive.Path("Src\\Dir")), source);
    EXPECT_TRUE(Exists(drive.Path("Other\\c.txt")));
    // The clipboard's list was used up: a second paste does nothing.
    EXPECT_EQ(ClipboardBlock(), "");
    ASSERT_TRUE(::DeleteFileA(drive.Path("Src\\Dst\\c.txt")));
    Command(List().m_hWnd, ID_EDIT_PASTE);
    EXPECT_FALSE(Exists(drive.Path("Src\\Dst\\c.txt")));
}

TEST_F(DragDrop, PasteWithAFileRowSelectedGoesIntoTheFolderOnShowAndTheRowAppears)
{
    CGlobalMemory block = BlockOf({"T:\\Other\\c.txt"});
    ASSERT_TRUE(PutOnClipboard(block));
    Select({"a.txt"});
    Command(List().m_hWnd, ID_EDIT_PASTE);
    EXPECT_EQ(ReadFileBytes(drive.Path("Src\\c.txt")), "Other\\c.txt");
    EXPECT_TRUE(Exists(drive.Path("Other\\c.txt")));
    // The row comes with the change notification of the folder on show.
    EXPECT_TRUE(RowsFollow({"c.txt", "a.txt"}, {}));
}

// Paths the program cannot paste (260 characters or more: cut, they would name another file)
// are left out with the reason, in the list and the tree; the rest is pasted, and the list
// stays on the clipboard for a program that can paste it whole.
TEST_F(DragDrop, APasteThatCannotBeDoneSaysWhyAndKeepsTheClipboard)
{
    std::string longPath = "T:\\Other\\" + std::string(300, 'x') + ".txt";
    const char* partly = "1 of the paths on the Clipboard are too long (260 characters or more) or cannot be used in "
                         "this code page, and were not pasted. The Clipboard keeps the list.";
    struct {
        std::vector<std::string> paths;
        bool toTree;
        const char* message;
        const char* arrived;  // where c.txt lands, or none
    } cases[] = {
        {{longPath}, false, "A path on the Clipboard is too long (260 characters or more) or cannot be used in this "
                            "code page. Nothing was pasted.", nullptr},
        {{longPath}, true, "A path on the Clipboard is too long (260 characters or more) or cannot be used in this "
                           "code page. Nothing was pasted.", nullptr},
        {{"T:\\Other\\c.txt", longPath}, false, partly, "Src\\Dst\\c.txt"},
        {{"T:\\Other\\c.txt", longPath}, true, partly, "Src\\Dir\\c.txt"},
    };
    for (auto& c : cases) {
        CArray<CString> paths;
        for (const std::string& p : c.paths) paths.Add(CString(p.c_str()));
        CGlobalMemory block = MakeFileDropBlock(paths);
        ASSERT_TRUE(PutOnClipboard(block));
        std::string before = ClipboardBlock();
        ASSERT_NE(before, "");
        std::vector<std::string> src = Snapshot(drive.Path("Src"));
        CDialogAnswerer box(IDOK);
        if (c.toTree) {
            Tree().SelectItem(host->Open("T:\\Src\\Dir"));
            Command(Tree().m_hWnd, ID_EDIT_PASTE);
        } else {
            ShowFolder("T:\\Src");
            Select({"Dst"});
            Command(List().m_hWnd, ID_EDIT_PASTE);
        }
        ASSERT_TRUE(box.Stop()) << c.message;
        EXPECT_EQ(box.Caption(), "File Error!");
        EXPECT_EQ(box.Text(), c.message);
        EXPECT_EQ(ClipboardBlock(), before);
        if (c.arrived) {
            EXPECT_EQ(ReadFileBytes(drive.Path(c.arrived)), "Other\\c.txt") << c.arrived;
            src.push_back(std::string(c.arrived + 4));
            std::sort(src.begin(), src.end());
        }
        EXPECT_EQ(Snapshot(drive.Path("Src")), src) << c.message;
    }
}

TEST_F(DragDrop, WideBlockOfAnotherProgramIsPasted)
{
    std::wstring paths = L"T:\\Other\\c.txt";
    paths += L'\0';
    paths += L"T:\\Other\\Tree";
    paths += L'\0';
    paths += L'\0';
    DROPFILES header = {};
    header.pFiles = sizeof header;
    header.fWide = TRUE;
    size_t size = sizeof header + paths.size() * sizeof(WCHAR);
    CGlobalMemory block(::GlobalAlloc(GMEM_MOVEABLE, size));
    char* p = (char*)::GlobalLock(block);
    ASSERT_TRUE(p);
    memcpy(p, &header, sizeof header);
    memcpy(p + sizeof header, paths.data(), paths.size() * sizeof(WCHAR));
    ::GlobalUnlock(block);
    ASSERT_TRUE(PutOnClipboard(block));
    Select({"Dst"});
    Command(List().m_hWnd, ID_EDIT_PASTE);
    EXPECT_EQ(Snapshot(drive.Path("Src\\Dst")), (std::vector<std::string>{"Tree/", "Tree\\x.txt", "c.txt"}));
    EXPECT_TRUE(IsReadOnly(drive.Path("Other\\Tree\\x.txt")));
}

TEST_F(DragDrop, TooLongVanishedAndSelfContainingPathsAreSkippedAndTheRestGoesOn)
{
    // A name that makes a 259-character path, and a longer path that begins with it: cut to
    // the buffer, the longer one would name the existing file.
    std::string name(250, 'n');
    std::string fits = "T:\\Other\\" + name;
    ASSERT_EQ(fits.size(), 259u);
    ASSERT_TRUE(WriteFileBytes(fits.c_str(), "victim"));
    std::string tooLong = fits + "-longer";
    ASSERT_TRUE(drive.MakeFile("Other\\gone.txt", "x"));
    ASSERT_TRUE(::DeleteFileA(drive.Path("Other\\gone.txt")));
    CArray<CString> paths;
    for (std::string p : {tooLong, std::string("T:\\Other\\gone.txt"), std::string("T:\\Src\\Dst"),
                          std::string("T:\\Other\\c.txt")})
        paths.Add(CString(p.c_str()));
    CGlobalMemory block = MakeFileDropBlock(paths);
    ASSERT_TRUE(PutOnClipboard(block));
    std::vector<std::string> before = Snapshot(drive.Path("Src"));
    Select({"Dst"});
    {
        // The cut path is named as left out; no dialog for the vanished one.
        CDialogAnswerer box(IDOK);
        Command(List().m_hWnd, ID_EDIT_PASTE);
        ASSERT_TRUE(box.Stop());
        EXPECT_EQ(box.Text(), "1 of the paths on the Clipboard are too long (260 characters or more) or cannot be "
                              "used in this code page, and were not pasted. The Clipboard keeps the list.");
        EXPECT_EQ(box.Answered(), 1u);
    }
    // Only c.txt arrived: no cut path, no folder into itself.
    std::vector<std::string> after = Snapshot(drive.Path("Src"));
    before.push_back("Dst\\c.txt");
    std::sort(before.begin(), before.end());
    EXPECT_EQ(after, before);
    EXPECT_TRUE(RowsFollow({"a.txt", "b.txt", "ro.txt", "Dir", "Dst"}, {}));
}

TEST_F(DragDrop, ReadOnlyStepClearsAndNeverSets)
{
    ASSERT_TRUE(drive.MakeFile("plain.txt", "p"));
    ASSERT_TRUE(drive.MakeFile("ro.txt", "r"));
    ASSERT_TRUE(MakeReadOnly(drive.Path("ro.txt")));
    FILETIME before = {}, after = {};
    {
        CFileHandle h(::CreateFileA(drive.Path("ro.txt"), 0, FILE_SHARE_READ | FILE_SHARE_WRITE, nullptr, OPEN_EXISTING, 0, nullptr));
        ::GetFileTime(h, nullptr, nullptr, &before);
    }
    // A time written from now on would differ from the one read.
    ASSERT_TRUE(WaitFor([&] {
        FILETIME now;
        ::GetSystemTimeAsFileTime(&now);
        return ::CompareFileTime(&now, &before) > 0;
    }));
    EXPECT_FALSE(ClearReadOnly(drive.Path("plain.txt")));
    EXPECT_FALSE(IsReadOnly(drive.Path("plain.txt")));
    EXPECT_TRUE(ClearReadOnly(drive.Path("ro.txt")));
    EXPECT_FALSE(IsReadOnly(drive.Path("ro.txt")));
    EXPECT_FALSE(ClearReadOnly(drive.Path("ro.txt")));  // twice is no flip back
    EXPECT_FALSE(IsReadOnly(drive.Path("ro.txt")));
    {
        CFileHandle h(::CreateFileA(drive.Path("ro.txt"), 0, FILE_SHARE_READ | FILE_SHARE_WRITE, nullptr, OPEN_EXISTING, 0, nullptr));
        ::GetFileTime(h, nullptr, nullptr, &after);
    }
    EXPECT_EQ(CompareFileTime(&before, &after), 0);
    EXPECT_FALSE(ClearReadOnly(drive.Path("missing.txt")));
}

TEST_F(DragDrop, ClearReadOnlyTreeNeverFollowsAFolderLink)
{
    // T:\Copy\inner.txt read-only; T:\Copy\link -> T:\Outside (a Linux symlink) with a read-only file.
    ASSERT_TRUE(drive.MakeDir("Copy"));
    ASSERT_TRUE(drive.MakeDir("Outside"));
    ASSERT_TRUE(drive.MakeFile("Copy\\inner.txt", "i"));
    ASSERT_TRUE(drive.MakeFile("Outside\\keep.txt", "k"));
    ASSERT_TRUE(MakeReadOnly(drive.Path("Copy\\inner.txt")));
    ASSERT_TRUE(MakeReadOnly(drive.Path("Outside\\keep.txt")));
    std::string linux = drive.LinuxDir().str();
    ASSERT_TRUE(RunLinux("/bin/ln", {"-s", linux + "/Outside", linux + "/Copy/link"}));
    ASSERT_TRUE(WaitFor([&] { return Exists(drive.Path("Copy\\link\\keep.txt")); }, 5000));
    EXPECT_TRUE(::GetFileAttributesA(drive.Path("Copy\\link")) & FILE_ATTRIBUTE_REPARSE_POINT);

    ClearReadOnlyTree(drive.Path("Copy"));
    EXPECT_FALSE(IsReadOnly(drive.Path("Copy\\inner.txt")));
    EXPECT_TRUE(IsReadOnly(drive.Path("Outside\\keep.txt")));
    // Nor when the link is the folder handed in.
    ClearReadOnlyTree(drive.Path("Copy\\link"));
    EXPECT_TRUE(IsReadOnly(drive.Path("Outside\\keep.txt")));
    ASSERT_TRUE(RunLinux("/bin/rm", {"-f", linux + "/Copy/link"}));
    WaitFor([&] { return !Exists(drive.Path("Copy\\link")); }, 5000);
}

TEST_F(DragDrop, ListTargetAnswersByShiftHighlightsRowsAndRefusesOtherData)
{
    COleDataSource files;
    CGlobalMemory block = BlockOf({"T:\\Other\\c.txt"});
    ASSERT_TRUE(files.CacheGlobalData(CF_HDROP, block));
    IDropTarget* target = View()->m_dropTarget.GetInterface();
    POINT over = RowPoint("Dst");
    POINTL pt = {over.x, over.y};
    DWORD effect = DROPEFFECT_COPY | DROPEFFECT_MOVE;
    target->DragEnter(files.GetInterface(), MK_LBUTTON, pt, &effect);
    EXPECT_EQ(effect, (DWORD)DROPEFFECT_COPY);
    effect = DROPEFFECT_COPY | DROPEFFECT_MOVE;
    target->DragOver(MK_LBUTTON | MK_SHIFT, pt, &effect);
    EXPECT_EQ(effect, (DWORD)DROPEFFECT_MOVE);
    int dst = View()->FindRow("Dst");
    EXPECT_EQ(List().GetItemState(dst, LVIS_DROPHILITED), (UINT)LVIS_DROPHILITED);
    POINT other = RowPoint("a.txt");
    pt = {other.x, other.y};
    effect = DROPEFFECT_COPY | DROPEFFECT_MOVE;
    target->DragOver(MK_LBUTTON, pt, &effect);
    EXPECT_EQ(List().GetItemState(dst, LVIS_DROPHILITED), 0u);
    EXPECT_EQ(List().GetItemState(View()->FindRow("a.txt"), LVIS_DROPHILITED), (UINT)LVIS_DROPHILITED);
    target->DragLeave();
    for (int i = 0; i < List().GetItemCount(); i++) EXPECT_EQ(List().GetItemState(i, LVIS_DROPHILITED), 0u);

    // Data without a file list: no effect, no drop, nothing on the disk changes.
    std::vector<std::string> before = Snapshot(drive.Root().Left(2));
    COleDataSource text;
    CGlobalMemory words(::GlobalAlloc(GMEM_MOVEABLE | GMEM_ZEROINIT, 8));
    ASSERT_TRUE(text.CacheGlobalData(CF_TEXT, words));
    pt = {over.x, over.y};
    effect = DROPEFFECT_COPY | DROPEFFECT_MOVE;
    target->DragEnter(text.GetInterface(), MK_LBUTTON, pt, &effect);
    EXPECT_EQ(effect, (DWORD)DROPEFFECT_NONE);
    effect = DROPEFFECT_COPY | DROPEFFECT_MOVE;
    target->Drop(text.GetInterface(), 0, pt, &effect);
    EXPECT_EQ(effect, (DWORD)DROPEFFECT_NONE);
    EXPECT_EQ(View()->DropFiles(nullptr, over, DROPEFFECT_COPY), FALSE);
    EXPECT_EQ(Snapshot(drive.Root().Left(2)), before);
}

TEST_F(DragDrop, ShiftDropOntoAFileRowMovesIntoTheFolderOnShowWithoutReadOnly)
{
    ASSERT_TRUE(MakeReadOnly(drive.Path("Other\\c.txt")));
    COleDataSource files;
    CGlobalMemory block = BlockOf({"T:\\Other\\c.txt"});
    ASSERT_TRUE(files.CacheGlobalData(CF_HDROP, block));
    IDropTarget* target = View()->m_dropTarget.GetInterface();
    POINT over = RowPoint("a.txt");
    POINTL pt = {over.x, over.y};
    DWORD effect = DROPEFFECT_COPY | DROPEFFECT_MOVE;
    target->DragEnter(files.GetInterface(), MK_LBUTTON | MK_SHIFT, pt, &effect);
    effect = DROPEFFECT_COPY | DROPEFFECT_MOVE;
    ASSERT_EQ(target->Drop(files.GetInterface(), MK_SHIFT, pt, &effect), S_OK);
    EXPECT_EQ(effect, (DWORD)DROPEFFECT_MOVE);
    EXPECT_FALSE(Exists(drive.Path("Other\\c.txt")));
    EXPECT_EQ(ReadFileBytes(drive.Path("Src\\c.txt")), "Other\\c.txt");
    EXPECT_FALSE(IsReadOnly(drive.Path("Src\\c.txt")));
    EXPECT_TRUE(RowsFollow({"c.txt"}, {}));
}

TEST_F(DragDrop, MouseDragOfRowsOntoAFolderRowCopiesThem)
{
    ShowHost();
    Select({"a.txt", "ro.txt"});
    ASSERT_TRUE(CMouseDrag(RowPoint("a.txt"), RowPoint("Dst")).Run());
    EXPECT_EQ(ReadFileBytes(drive.Path("Src\\Dst\\a.txt")), "Src\\a.txt");
    EXPECT_TRUE(Exists(drive.Path("Src\\Dst\\ro.txt")));
    EXPECT_FALSE(IsReadOnly(drive.Path("Src\\Dst\\ro.txt")));
    EXPECT_TRUE(Exists(drive.Path("Src\\a.txt")));
    EXPECT_TRUE(IsReadOnly(drive.Path("Src\\ro.txt")));
    EXPECT_EQ(Snapshot(drive.Path("Src\\Dst")), (std::vector<std::string>{"a.txt", "ro.txt"}));
    EXPECT_TRUE(RowsFollow({"a.txt", "ro.txt", "b.txt"}, {}));
}

TEST_F(DragDrop, MouseDragOntoEmptySpaceOfTheSameListChangesNothing)
{
    ShowHost();
    Select({"a.txt", "b.txt"});
    std::vector<std::string> before = Snapshot(drive.Path("Src"));
    RECT rc;
    ::GetWindowRect(List().m_hWnd, &rc);
    POINT empty = {rc.right - 40, rc.bottom - 40};
    ASSERT_EQ(List().HitTest(POINT{rc.right - rc.left - 40, rc.bottom - rc.top - 40}), -1);
    ASSERT_TRUE(CMouseDrag(RowPoint("a.txt"), empty).Run());
    EXPECT_EQ(Snapshot(drive.Path("Src")), before);
    EXPECT_TRUE(View()->HasEntry("a.txt"));
    EXPECT_TRUE(View()->HasEntry("b.txt"));
}

TEST_F(DragDrop, ShiftDropOfRowsIntoTheirOwnFolderKeepsFilesAndRows)
{
    // The move effect comes back, but nothing moved: the rows stay because the files do.
    Select({"a.txt", "b.txt"});
    COleDataSource files;
    CGlobalMemory block = BlockOf({"T:\\Src\\a.txt", "T:\\Src\\b.txt"});
    ASSERT_TRUE(files.CacheGlobalData(CF_HDROP, block));
    std::vector<std::string> before = Snapshot(drive.Path("Src"));
    RECT rc;
    ::GetClientRect(List().m_hWnd, &rc);
    POINT empty = {rc.right - 40, rc.bottom - 40};
    ::ClientToScreen(List().m_hWnd, &empty);
    POINTL pt = {empty.x, empty.y};
    IDropTarget* target = View()->m_dropTarget.GetInterface();
    DWORD effect = DROPEFFECT_COPY | DROPEFFECT_MOVE;
    target->DragEnter(files.GetInterface(), MK_LBUTTON | MK_SHIFT, pt, &effect);
    effect = DROPEFFECT_COPY | DROPEFFECT_MOVE;
    target->Drop(files.GetInterface(), MK_SHIFT, pt, &effect);
    EXPECT_EQ(effect, (DWORD)DROPEFFECT_MOVE);
    EXPECT_EQ(Snapshot(drive.Path("Src")), before);
    EXPECT_TRUE(View()->HasEntry("a.txt"));
    EXPECT_TRUE(View()->HasEntry("b.txt"));
}

namespace {

// Another program's drop target at a place of its own: it asks for a move and moves only
// the files it was told to, as a move that partly failed.
class CMovingTarget : public CView {
public:
    DROPEFFECT OnDragEnter(COleDataObject*, DWORD, POINT) override { return DROPEFFECT_MOVE; }
    DROPEFFECT OnDragOver(COleDataObject*, DWORD, POINT) override { return DROPEFFECT_MOVE; }
    BOOL OnDrop(COleDataObject* pData, DROPEFFECT, POINT) override
    {
        CGlobalMemory h(pData->GetGlobalData(CF_HDROP));
        FILEDROPLIST list;
        if (!ReadFileDropBlock(h.Get(), &list)) return FALSE;
        for (int i = 0; i < list.paths.GetSize(); i++) {
            received.push_back(list.paths[i].str());
            for (const std::string& m : toMove)
                if (list.paths[i].str() == m) ::MoveFileA(m.c_str(), (into + "\\" + NameOfPath(m.c_str())).c_str());
        }
        return TRUE;
    }
    void PostNcDestroy() override {}

    std::vector<std::string> toMove;
    std::string into;
    std::vector<std::string> received;
};

}  // namespace

TEST_F(DragDrop, MouseDragOutWithTheMoveEffectRemovesExactlyTheRowsWhoseFilesAreGone)
{
    ShowHost();
    CMovingTarget other;
    RECT place = {900, 100, 1100, 300};
    ASSERT_TRUE(other.Create(nullptr, WS_POPUP | WS_VISIBLE | WS_BORDER, place, nullptr, 0, nullptr));
    ::SetWindowPos(other.m_hWnd, HWND_TOPMOST, 0, 0, 0, 0, SWP_NOMOVE | SWP_NOSIZE | SWP_SHOWWINDOW);
    COleDropTarget registration;
    ASSERT_TRUE(registration.Register(&other));
    other.toMove = {"T:\\Src\\a.txt"};
    other.into = drive.Path("Dst2").str();

    Select({"a.txt", "b.txt"});
    ASSERT_TRUE(CMouseDrag(RowPoint("a.txt"), POINT{1000, 200}).Run());
    EXPECT_EQ(other.received, (std::vector<std::string>{"T:\\Src\\a.txt", "T:\\Src\\b.txt"}));
    EXPECT_TRUE(Exists(drive.Path("Dst2\\a.txt")));
    EXPECT_FALSE(Exists(drive.Path("Src\\a.txt")));
    EXPECT_TRUE(Exists(drive.Path("Src\\b.txt")));
    EXPECT_FALSE(View()->HasEntry("a.txt"));
    EXPECT_TRUE(View()->HasEntry("b.txt"));

    // The tree: the selected folder's item stays while its folder does, and goes with it.
    HTREEITEM root = host->Root("T:\\");
    Tree().SelectItem(host->Child(root, "Other"));
    other.toMove.clear();
    ASSERT_TRUE(CMouseDrag(ItemPoint(host->Child(root, "Other")), POINT{1000, 200}).Run());
    EXPECT_TRUE(host->Child(root, "Other"));
    other.toMove = {"T:\\Other"};
    // Pressed again where the last drag began, the button would make a double click.
    POINT again = ItemPoint(host->Child(root, "Other"));
    again.x += ::GetSystemMetrics(SM_CXDOUBLECLK);
    ASSERT_TRUE(CMouseDrag(again, POINT{1000, 200}).Run());
    EXPECT_TRUE(Exists(drive.Path("Dst2\\Other\\c.txt")));
    EXPECT_FALSE(host->Child(root, "Other"));
}

TEST_F(DragDrop, MouseDragOfARowOntoATreeItemCopiesTheFolderAndGivesItAnItem)
{
    ShowHost();
    HTREEITEM dst2 = host->Child(host->Root("T:\\"), "Dst2");
    ASSERT_TRUE(dst2);
    Select({"Dir"});
    ASSERT_TRUE(CMouseDrag(RowPoint("Dir"), ItemPoint(dst2)).Run());
    EXPECT_TRUE(Exists(drive.Path("Src\\Dir\\in.txt")));
    EXPECT_EQ(Snapshot(drive.Path("Dst2")), (std::vector<std::string>{"Dir/", "Dir\\Deep/", "Dir\\Deep\\d.txt", "Dir\\in.txt"}));
    EXPECT_TRUE(IsReadOnly(drive.Path("Src\\Dir\\Deep\\d.txt")));
    EXPECT_TRUE(RowsFollow({"a.txt", "Dir"}, {}));
    // The dropped folder got its item, with an expand button for its sub-folder.
    HTREEITEM dir = host->Child(dst2, "Dir");
    ASSERT_TRUE(dir);
    EXPECT_TRUE(Tree().GetChildItem(dir));
    EXPECT_FALSE(Tree().GetNextItem(nullptr, TVGN_DROPHILITE));
}

TEST_F(DragDrop, MouseDragInTheTreeCarriesTheSelectedFolder)
{
    ShowHost();
    // The selected folder is T:\Src; the mouse starts on T:\Other and ends on T:\Dst2.
    HTREEITEM root = host->Root("T:\\");
    HTREEITEM other = host->Child(root, "Other"), dst2 = host->Child(root, "Dst2");
    ASSERT_TRUE(other && dst2);
    ASSERT_EQ(TreeView()->GetItemPath(Tree().GetSelectedItem()), "T:\\Src");
    ASSERT_TRUE(CMouseDrag(ItemPoint(other), ItemPoint(dst2)).Run());
    EXPECT_TRUE(Exists(drive.Path("Dst2\\Src\\a.txt")));
    EXPECT_FALSE(Exists(drive.Path("Dst2\\Other")));
    EXPECT_FALSE(IsReadOnly(drive.Path("Dst2\\Src\\ro.txt")));
    EXPECT_FALSE(IsReadOnly(drive.Path("Dst2\\Src\\Dir\\Deep\\d.txt")));
    EXPECT_TRUE(IsReadOnly(drive.Path("Src\\Dir\\Deep\\d.txt")));
    // A copy: the source and its item stay.
    EXPECT_TRUE(host->Child(root, "Src"));
    EXPECT_TRUE(host->Child(dst2, "Src"));
}

TEST_F(DragDrop, TreeShiftDropMovesIntoTheItemButNeverAFolderIntoItself)
{
    HTREEITEM root = host->Root("T:\\");
    IDropTarget* target = TreeView()->m_dropTarget.GetInterface();
    auto drop = [&](const char* path, HTREEITEM onto) {
        COleDataSource files;
        CGlobalMemory block = BlockOf({path});
        files.CacheGlobalData(CF_HDROP, block);
        POINT p = ItemPoint(onto);
        POINTL pt = {p.x, p.y};
        DWORD effect = DROPEFFECT_COPY | DROPEFFECT_MOVE;
        target->DragEnter(files.GetInterface(), MK_LBUTTON | MK_SHIFT, pt, &effect);
        effect = DROPEFFECT_COPY | DROPEFFECT_MOVE;
        target->Drop(files.GetInterface(), MK_SHIFT, pt, &effect);
        return effect;
    };
    std::vector<std::string> before = Snapshot(drive.Path("Src"));
    EXPECT_EQ(drop("T:\\Src", host->Child(root, "Src")), (DWORD)DROPEFFECT_MOVE);
    HTREEITEM dir = host->Open("T:\\Src\\Dir");
    ASSERT_TRUE(dir);
    drop("T:\\Src", dir);
    EXPECT_EQ(Snapshot(drive.Path("Src")), before);

    EXPECT_EQ(drop("T:\\Src\\ro.txt", host->Child(root, "Dst2")), (DWORD)DROPEFFECT_MOVE);
    EXPECT_FALSE(Exists(drive.Path("Src\\ro.txt")));
    EXPECT_FALSE(IsReadOnly(drive.Path("Dst2\\ro.txt")));
    EXPECT_EQ(ReadFileBytes(drive.Path("Dst2\\ro.txt")), "Src\\ro.txt");
    EXPECT_TRUE(RowsFollow({"a.txt"}, {"ro.txt"}));

    EXPECT_EQ(drop("T:\\Other\\Tree", host->Child(root, "Dst2")), (DWORD)DROPEFFECT_MOVE);
    EXPECT_FALSE(Exists(drive.Path("Other\\Tree")));
    EXPECT_FALSE(IsReadOnly(drive.Path("Dst2\\Tree\\x.txt")));
    EXPECT_EQ(host->Children(host->Child(root, "Dst2")), (std::vector<std::string>{"Tree"}));
    EXPECT_FALSE(Tree().GetNextItem(nullptr, TVGN_DROPHILITE));
}

TEST_F(DragDrop, TreeTargetRefusesEmptySpaceAndOtherData)
{
    COleDataSource files;
    CGlobalMemory block = BlockOf({"T:\\Other\\c.txt"});
    ASSERT_TRUE(files.CacheGlobalData(CF_HDROP, block));
    std::vector<std::string> before = Snapshot(drive.Root().Left(2));
    IDropTarget* target = TreeView()->m_dropTarget.GetInterface();
    RECT rc;
    ::GetClientRect(Tree().m_hWnd, &rc);
    POINT below = {rc.right / 2, rc.bottom - 5};
    ASSERT_FALSE(Tree().HitTest(below));
    EXPECT_FALSE(TreeView()->DropOnItem(nullptr, nullptr, DROPEFFECT_COPY));
    ::ClientToScreen(Tree().m_hWnd, &below);
    POINTL pt = {below.x, below.y};
    DWORD effect = DROPEFFECT_COPY | DROPEFFECT_MOVE;
    target->DragEnter(files.GetInterface(), MK_LBUTTON, pt, &effect);
    EXPECT_EQ(effect, (DWORD)DROPEFFECT_COPY);
    effect = DROPEFFECT_COPY | DROPEFFECT_MOVE;
    target->Drop(files.GetInterface(), 0, pt, &effect);
    EXPECT_EQ(effect, (DWORD)DROPEFFECT_NONE);  // the drop reported false

    COleDataSource text;
    CGlobalMemory words(::GlobalAlloc(GMEM_MOVEABLE | GMEM_ZEROINIT, 8));
    ASSERT_TRUE(text.CacheGlobalData(CF_TEXT, words));
    POINT onItem = ItemPoint(host->Child(host->Root("T:\\"), "Dst2"));
    pt = {onItem.x, onItem.y};
    effect = DROPEFFECT_COPY;
    target->DragEnter(text.GetInterface(), MK_LBUTTON, pt, &effect);
    EXPECT_EQ(effect, (DWORD)DROPEFFECT_NONE);
    effect = DROPEFFECT_COPY;
    target->Drop(text.GetInterface(), 0, pt, &effect);
    EXPECT_EQ(effect, (DWORD)DROPEFFECT_NONE);
    EXPECT_FALSE(Tree().GetNextItem(nullptr, TVGN_DROPHILITE));
    EXPECT_EQ(Snapshot(drive.Root().Left(2)), before);
}

TEST_F(DragDrop, TreeCopyAndPaste)
{
    HTREEITEM root = host->Root("T:\\");
    // A drive root is never put on the clipboard.
    {
        CClipboard clip;
        ASSERT_TRUE(clip.Open(nullptr));
        clip.Empty();
    }
    Tree().SelectItem(root);
    Command(Tree().m_hWnd, ID_EDIT_COPY);
    EXPECT_EQ(ClipboardBlock(), "");

    HTREEITEM other = host->Child(root, "Other");
    Tree().SelectItem(other);
    Command(Tree().m_hWnd, ID_EDIT_COPY);
    EXPECT_EQ(ClipboardBlock(), Header() + std::string("T:\\Other\0\0", 10));

    HTREEITEM dst2 = host->Child(root, "Dst2");
    Tree().SelectItem(dst2);
    Command(Tree().m_hWnd, ID_EDIT_PASTE);
    EXPECT_EQ(Snapshot(drive.Path("Dst2")), (std::vector<std::string>{"Other/", "Other\\Tree/", "Other\\Tree\\x.txt", "Other\\c.txt"}));
    EXPECT_TRUE(IsReadOnly(drive.Path("Other\\Tree\\x.txt")));
    HTREEITEM item = host->Child(dst2, "Other");
    ASSERT_TRUE(item);
    EXPECT_TRUE(Tree().GetChildItem(item));  // it has a sub-folder
    EXPECT_EQ(ClipboardBlock(), "");
    // Pasting the same again does nothing: the clipboard is empty.
    Command(Tree().m_hWnd, ID_EDIT_PASTE);
    EXPECT_EQ(host->Children(dst2), (std::vector<std::string>{"Other"}));
}
