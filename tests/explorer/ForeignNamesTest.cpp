// Names the code page cannot hold, made as Unicode names beside plain ones a pattern would hit
// ("??.txt" hits "ab.txt"). Every command of the list and the tree is tried on them with the
// disk checked after each: a command acts on the file the row stands for, or on nothing. The
// same cases run in code page 1252 and (the DoubleByte ones) in 932, where a different set of
// the names is the code page's own.
#include "DialogAnswerer.h"
#include "ExplorerFixture.h"
#include "NameAnswerer.h"
#include "explorer/FileDrop.h"
#include "explorer/NameRefusal.h"
#include "explorer/ShellFileOp.h"
#include "fw/AnsiName.h"
#include "fw/Clipboard.h"
#include "fw/FileFind.h"
#include "res/resource.h"
#include "search/FileFinder.h"
#include <algorithm>
#include <map>

namespace {

// Files named outside the code page (at least in one of the two), each with a plain name
// beside it that its shown name would match as a pattern or a look-alike.
const wchar_t* const kForeignFiles[] = {L"\x65e5\x672c.txt",                          // 日本.txt
                                        L"\x43f\x440\x438\x432\x435\x442.txt",        // привет.txt
                                        L"\x395\x3bb\x3bb\x3ac\x3b4\x3b1.txt",        // Ελλάδα.txt
                                        L"\xd83d\xde00.txt",                          // 😀.txt
                                        L"\x3a9mega.txt",                             // Ωmega.txt
                                        L"caf\xe9-\x1100.txt"};                       // café-ᄀ.txt
const wchar_t kForeignFolder[] = L"\x437\x437\x437\x437\x437";                        // ззззз
const char* const kDecoys[] = {"ab.txt", "abcdef.txt", "abcdda.txt", "Omega.txt", "cafe-a.txt"};
const char kDecoyFolder[] = "zzzzz";

std::string Utf8(const std::wstring& w)
{
    int n = ::WideCharToMultiByte(CP_UTF8, 0, w.c_str(), -1, nullptr, 0, nullptr, nullptr);
    std::string s((size_t)(n > 0 ? n : 1), '\0');
    ::WideCharToMultiByte(CP_UTF8, 0, w.c_str(), -1, &s[0], n, nullptr, nullptr);
    s.resize(strlen(s.c_str()));
    return s;
}

std::string ReadWide(const std::wstring& path)
{
    CFileHandle h(::CreateFileW(path.c_str(), GENERIC_READ, FILE_SHARE_READ, nullptr, OPEN_EXISTING, 0, nullptr));
    if (!h.IsValid()) return "<none>";
    char buf[256];
    DWORD got = 0;
    ::ReadFile(h, buf, sizeof buf, &got, nullptr);
    return std::string(buf, got);
}

// What a folder holds, by the names the file system keeps (UTF-8 here), with the contents of
// its files, one level down.
std::map<std::string, std::string> Disk(const std::wstring& dir)
{
    std::map<std::string, std::string> out;
    WIN32_FIND_DATAW fd;
    CFindHandle h(::FindFirstFileW((dir + L"\\*").c_str(), &fd));
    if (!h.IsValid()) return out;
    do {
        std::wstring name = fd.cFileName;
        if (name == L"." || name == L"..") continue;
        if (fd.dwFileAttributes & FILE_ATTRIBUTE_DIRECTORY) {
            for (auto& inner : Disk(dir + L"\\" + name)) out[Utf8(name) + "/" + inner.first] = inner.second;
            out[Utf8(name) + "/"] = "";
        } else {
            out[Utf8(name)] = ReadWide(dir + L"\\" + name);
        }
    } while (::FindNextFileW(h, &fd));
    return out;
}

// The file's own name that an 8-bit path reaches ("" when it reaches none).
std::wstring Reached(const char* path)
{
    if (!path || !*path || HasWildcard(path)) return std::wstring();
    WIN32_FIND_DATAW fd;
    CFindHandle h(::FindFirstFileW(WideOf(path).c_str(), &fd));
    return h.IsValid() ? std::wstring(fd.cFileName) : std::wstring();
}

// The paths of the file-drop block on the clipboard.
std::vector<std::string> ClipboardPaths()
{
    std::vector<std::string> paths;
    CClipboard clip;
    HDROP drop = clip.Open(nullptr) ? (HDROP)::GetClipboardData(CF_HDROP) : nullptr;
    UINT n = drop ? ::DragQueryFileA(drop, 0xFFFFFFFF, nullptr, 0) : 0;
    for (UINT i = 0; i < n; i++) {
        char path[MAX_PATH] = "";
        ::DragQueryFileA(drop, i, path, MAX_PATH);
        paths.push_back(path);
    }
    return paths;
}

class ForeignNames : public ::testing::Test {
public:
    void SetUp() override
    {
        ClearSettings();
        ASSERT_TRUE(drive.IsReady());
        ASSERT_TRUE(drive.MakeDir("Data"));
        dir = WideOf(drive.Path("Data"));
        for (const wchar_t* name : kForeignFiles) ASSERT_TRUE(WriteFileWide(dir + L"\\" + name, "own:" + Utf8(name)));
        for (const char* name : kDecoys) ASSERT_TRUE(drive.MakeFile((CString("Data\\") + name), std::string("decoy:") + name));
        ASSERT_TRUE(::CreateDirectoryW((dir + L"\\" + kForeignFolder).c_str(), nullptr));
        ASSERT_TRUE(WriteFileWide(dir + L"\\" + kForeignFolder + L"\\in.txt", "inside"));
        ASSERT_TRUE(drive.MakeDir((CString("Data\\") + kDecoyFolder)));
        ASSERT_TRUE(drive.MakeFile((CString("Data\\") + kDecoyFolder + "\\keep.txt"), "keep"));
    }
    void TearDown() override { host.reset(); }

    void Show()
    {
        host.reset(new CPaneHost);
        data = host->Open("T:\\Data");
        ASSERT_TRUE(data);
        host->Tree().SelectItem(data);
        ASSERT_EQ(host->m_pList->m_strFolder, "T:\\Data\\");
    }
    CBrindlexView* List() { return host->m_pList; }
    const CFolderModel& Model() { return List()->GetModel(); }
    // The row that acts on the file of this name, or -1.
    int RowOf(const std::wstring& name)
    {
        for (int i = 0; i < Model().GetCount(); i++)
            if (Reached(Model().GetPath(i)) == name) return i;
        return -1;
    }
    // The names not the code page's own: those are what the commands are tried on.
    std::vector<std::wstring> ForeignHere()
    {
        std::vector<std::wstring> v;
        CString ansi;
        for (const wchar_t* name : kForeignFiles)
            if (!ExactAnsi(name, ansi)) v.push_back(name);
        return v;
    }
    void SelectRows(std::initializer_list<int> rows)
    {
        CListCtrl list = host->List();
        for (int i = 0; i < list.GetItemCount(); i++) list.SetItemState(i, 0, LVIS_SELECTED | LVIS_FOCUSED);
        for (int r : rows) list.SetItemState(r, LVIS_SELECTED, LVIS_SELECTED);
    }
    void Command(UINT id) { ::SendMessageA(List()->m_hWnd, WM_COMMAND, id, 0); }
    // The disk as it was, less one name (and what it held).
    std::map<std::string, std::string> Without(std::map<std::string, std::string> before, const std::wstring& name)
    {
        std::string key = Utf8(name);
        for (auto it = before.begin(); it != before.end();)
            it = it->first == key || it->first.compare(0, key.size() + 1, key + "/") == 0 ? before.erase(it) : std::next(it);
        return before;
    }
    // A row whose name no 8-bit name reaches, as a volume without short names lists it.
    int AppendForeignRow(const char* shown)
    {
        WIN32_FIND_DATAA fd = {};
        lstrcpynA(fd.cFileName, shown, MAX_PATH);
        fd.dwFileAttributes = FILE_ATTRIBUTE_ARCHIVE;
        fd.dwReserved1 = FIND_NAME_FOREIGN;
        return List()->AppendNewEntry(fd, shown);
    }

    CTestDrive drive{'T'};
    std::wstring dir;
    std::unique_ptr<CPaneHost> host;
    HTREEITEM data = nullptr;
};

// Every entry of a listing is reached by the name it is listed under, or by its short name
// checked to reach the same file, or by none; never by a name that reaches another file.
void ListingReachesEachFileByItsOwnName()
{
    CTestDrive drive{'T'};
    ASSERT_TRUE(drive.IsReady());
    std::wstring dir = WideOf(drive.Root());
    for (const wchar_t* name : kForeignFiles) ASSERT_TRUE(WriteFileWide(dir + name, "x"));
    for (const char* name : kDecoys) ASSERT_TRUE(drive.MakeFile(name, "d"));
    CFileFind find;
    ASSERT_TRUE(find.FindFile(drive.Path("*.*")));
    int listed = 0, foreign = 0;
    for (BOOL more = TRUE; more;) {
        more = find.FindNextFile();
        if (find.IsDots()) continue;
        listed++;
        const WIN32_FIND_DATAA& fd = find.GetFindData();
        CString usable = find.GetUsableName();
        if (find.GetNameUse() == FIND_NAME_OWN) {
            EXPECT_EQ(usable, fd.cFileName);
        } else {
            foreign++;
            // The shown name reaches no file or another one (a look-alike): never this one.
            if (find.GetNameUse() == FIND_NAME_SHORT) {
                EXPECT_NE(Reached(drive.Path(fd.cFileName)), Reached(drive.Path(usable))) << fd.cFileName;
            }
        }
        if (find.GetNameUse() != FIND_NAME_FOREIGN) {
            std::wstring reached = Reached(drive.Path(usable));
            EXPECT_FALSE(reached.empty()) << fd.cFileName;
            // The shown name is what the code page makes of the name reached.
            EXPECT_EQ(ShownAnsi(reached.c_str()), fd.cFileName) << usable.c_str();
            WIN32_FIND_DATAA one;
            ASSERT_TRUE(CFileFind::FindOne(drive.Path(usable), &one)) << usable.c_str();
            EXPECT_STREQ(one.cFileName, fd.cFileName);
            EXPECT_EQ(NameUseOf(one), find.GetNameUse());
        }
    }
    CString ansi;
    int expected = 0;
    for (const wchar_t* name : kForeignFiles) expected += ExactAnsi(name, ansi) ? 0 : 1;
    EXPECT_EQ(foreign, expected);
    EXPECT_EQ(listed, (int)(std::size(kForeignFiles) + std::size(kDecoys)));
    // One path is never a pattern, in the finder and in the shell's operation alike.
    WIN32_FIND_DATAA fd;
    EXPECT_FALSE(CFileFind::FindOne(drive.Path("??.txt"), &fd));
    EXPECT_FALSE(CFileFind::FindOne(drive.Path("ab*"), &fd));
    EXPECT_FALSE(find.FindFile(drive.Path("?????\\*.*")));
    EXPECT_TRUE(CFileFind::FindOne(drive.Path("ab.txt"), &fd));
    for (const char* pattern : {"??.txt", "*.txt", "??????.txt", "ab?txt"}) {
        CShellFileOp op;
        op.SetFlags(FOF_NOCONFIRMATION | FOF_SILENT | FOF_NOERRORUI);
        op.AddFile(0, drive.Path(pattern));
        EXPECT_NE(op.Delete(), 0) << pattern;
        EXPECT_TRUE(op.HasRefusedPath());
    }
    EXPECT_TRUE(Exists(drive.Path("ab.txt")));
    EXPECT_TRUE(Exists(drive.Path("abcdef.txt")));
    for (const wchar_t* name : kForeignFiles) EXPECT_EQ(ReadWide(dir + name), "x");
}

}  // namespace

TEST(ForeignNameListing, ReachesEachFileByItsOwnName) { ListingReachesEachFileByItsOwnName(); }
TEST(DoubleByteForeignNameListing, ReachesEachFileByItsOwnName) { ListingReachesEachFileByItsOwnName(); }

// Which names are the code page's own, in each: a look-alike is never taken for the name.
TEST(ForeignNameListing, LookAlikesAndMissingCharactersAreNotTheName)
{
    ASSERT_EQ(::GetACP(), 1252u);
    CString ansi;
    for (const wchar_t* name : kForeignFiles) EXPECT_FALSE(ExactAnsi(name, ansi)) << Utf8(name);
    EXPECT_EQ(ShownAnsi(L"\x3a9mega.txt"), "Omega.txt");
    EXPECT_TRUE(ExactAnsi(L"caf\xe9.txt", ansi));
}

TEST(DoubleByteForeignNameListing, LookAlikesAndMissingCharactersAreNotTheName)
{
    ASSERT_EQ(::GetACP(), 932u);
    CString ansi;
    EXPECT_TRUE(ExactAnsi(L"\x65e5\x672c.txt", ansi));
    EXPECT_FALSE(ExactAnsi(L"\xd83d\xde00.txt", ansi));
    EXPECT_FALSE(ExactAnsi(L"caf\xe9-\x1100.txt", ansi));
}

namespace {

// Delete, Recycle, Rename, Copy and Rename and Copy of each row whose name is not its own, the
// row picked by the name it shows as a user picks it, act on exactly the file the row stands
// for; the plain names its shown name matches as a pattern or a look-alike stay.
void CommandsActOnTheRowsFile(ForeignNames& t, UINT command)
{
    t.Show();
    for (const std::wstring& name : t.ForeignHere()) {
        CString shown = ShownAnsi(name.c_str());
        SCOPED_TRACE(Utf8(name) + " shown as " + shown.str() + ", command " + std::to_string(command));
        auto before = Disk(t.dir);
        int row = t.List()->FindRow(shown);
        ASSERT_GE(row, 0);
        // Several names may show alike ("??.txt"): the row stands for one of them.
        std::wstring target = Reached(t.Model().GetPath(row));
        EXPECT_EQ(ShownAnsi(target.c_str()), shown);
        t.SelectRows({row});
        auto after = t.Without(before, target);
        switch (command) {
        case ID_DELETE:
        case ID_RECYCLE: {
            CDialogAnswerer yes(IDYES);
            t.Command(command);
            yes.Stop();
            break;
        }
        case ID_RENAME:
        case ID_COPY_RENAME: {
            CNameAnswerer answer("renamed.txt");
            t.Command(command);
            ASSERT_TRUE(answer.Wait());
            EXPECT_EQ(answer.Initial(), shown.str());
            after["renamed.txt"] = before[Utf8(target)];
            if (command == ID_COPY_RENAME) after = before, after["renamed.txt"] = before[Utf8(target)];
            break;
        }
        case ID_EDIT_COPY: {
            t.Command(command);
            std::vector<std::string> paths = ClipboardPaths();
            ASSERT_EQ(paths.size(), 1u);
            EXPECT_FALSE(target.empty());
            EXPECT_EQ(Reached(paths[0].c_str()), target) << paths[0];
            after = before;
            break;
        }
        }
        EXPECT_EQ(Disk(t.dir), after);
        if (command == ID_RENAME || command == ID_COPY_RENAME) ::DeleteFileW((t.dir + L"\\renamed.txt").c_str());
        if (command == ID_COPY_RENAME || command == ID_EDIT_COPY) continue;
        // Gone from the disk, gone from the rows.
        EXPECT_LT(t.RowOf(target), 0);
    }
}

// Every command on a row no name reaches says so by its shown name and changes nothing.
void CommandsRefuseARowNoNameReaches(ForeignNames& t)
{
    t.Show();
    int row = t.AppendForeignRow("??.txt");
    ASSERT_GE(row, 0);
    EXPECT_EQ(t.Model().GetPath(row), "");
    // Dimmed, as the shell's ghosted entries.
    EXPECT_EQ(t.host->List().GetItemState(row, LVIS_CUT), (UINT)LVIS_CUT);
    auto before = Disk(t.dir);
    const std::string refusal = "The name of ??.txt cannot be used in this code page.";
    for (int command : {ID_DELETE, ID_RECYCLE, ID_RENAME, ID_COPY_RENAME, ID_VIEW_FILE, ID_OPEN, ID_OPEN_WITH,
                        ID_EDIT_COPY}) {
        SCOPED_TRACE(command);
        t.SelectRows({row});
        CDialogAnswerer box(IDOK);
        t.Command(command);
        ASSERT_TRUE(box.Stop());
        EXPECT_EQ(box.Caption(), "File Error!");
        EXPECT_EQ(box.Text(), refusal);
        EXPECT_EQ(Disk(t.dir), before);
    }
    {
        // A drag of it starts nothing.
        t.SelectRows({row});
        NMLISTVIEW nm = {};
        nm.hdr.hwndFrom = t.List()->m_hWnd;
        nm.hdr.idFrom = (UINT_PTR)::GetDlgCtrlID(t.List()->m_hWnd);
        nm.hdr.code = LVN_BEGINDRAG;
        nm.iItem = row;
        CDialogAnswerer box(IDOK);
        ::SendMessageA(::GetParent(t.List()->m_hWnd), WM_NOTIFY, nm.hdr.idFrom, (LPARAM)&nm);
        ASSERT_TRUE(box.Stop());
        EXPECT_EQ(box.Text(), refusal);
    }
    // In a selection of several rows the others go on, and the message names what was left.
    int ab = t.List()->FindRow("ab.txt");
    ASSERT_GE(ab, 0);
    t.SelectRows({ab, row});
    CDialogAnswerer answers({IDYES, IDOK});
    t.Command(ID_DELETE);
    ASSERT_EQ(answers.Answered(), 2u);
    EXPECT_EQ(answers.Text(1), refusal);
    before.erase("ab.txt");
    EXPECT_EQ(Disk(t.dir), before);
}

// The tree's items of names the code page lacks are their short names: its commands reach
// the folder the item stands for and no other.
void TreeCommandsActOnTheItemsFolder(ForeignNames& t, UINT command)
{
    t.Show();
    t.host->Tree().Expand(t.data, TVE_EXPAND);
    CTreeCtrl tree = t.host->Tree();
    HTREEITEM item = nullptr;
    for (HTREEITEM h = tree.GetChildItem(t.data); h; h = tree.GetNextSiblingItem(h))
        if (Reached(t.host->m_pTree->GetItemPath(h)) == kForeignFolder) item = h;
    ASSERT_TRUE(item);
    for (HTREEITEM h = tree.GetChildItem(t.data); h; h = tree.GetNextSiblingItem(h))
        EXPECT_FALSE(HasWildcard(tree.GetItemText(h))) << tree.GetItemText(h).c_str();
    tree.SelectItem(item);
    EXPECT_EQ(t.host->Rows(), std::vector<std::string>{"in.txt"});
    auto before = Disk(t.dir);
    auto after = t.Without(before, kForeignFolder);
    if (command == ID_EDIT_COPY) {
        ::SendMessageA(t.host->m_pTree->m_hWnd, WM_COMMAND, command, 0);
        std::vector<std::string> paths = ClipboardPaths();
        ASSERT_EQ(paths.size(), 1u);
        EXPECT_EQ(Reached(paths[0].c_str()), kForeignFolder) << paths[0];
        after = before;
    } else {
        CDialogAnswerer yes(IDYES);
        ::SendMessageA(t.host->m_pTree->m_hWnd, WM_COMMAND, command, 0);
        yes.Stop();
    }
    EXPECT_TRUE(WaitFor([&] { return Disk(t.dir) == after; }, 5000));
    EXPECT_EQ(Disk(t.dir), after);
}

// Find Files lists each file by a path that reaches it, and each file once.
void FindFilesRowsReachTheirFiles(ForeignNames& t)
{
    CFileFinder finder;
    finder.FindFilesNamed(t.drive.Path("Data"), "*.*", TRUE);
    std::map<std::string, std::string> found;
    for (int i = 0; i < finder.GetFileCount(); i++) {
        CString path = finder.GetFilePath(i).GetPath();
        EXPECT_FALSE(HasWildcard(path)) << path.c_str();
        std::wstring name = Reached(path);
        ASSERT_FALSE(name.empty()) << path.c_str();
        std::wstring parent = Reached(CString(path.Left(path.ReverseFind('\\'))));
        std::string key = (parent == L"Data" ? std::string() : Utf8(parent) + "/") + Utf8(name);
        EXPECT_TRUE(found.emplace(key, ReadWide(WideOf(path))).second) << key;
    }
    auto disk = Disk(t.dir);
    for (auto it = disk.begin(); it != disk.end();) it = it->first.back() == '/' ? disk.erase(it) : std::next(it);
    EXPECT_EQ(found, disk);
}

}  // namespace

TEST_F(ForeignNames, ListDeleteActsOnTheRowsFile) { CommandsActOnTheRowsFile(*this, ID_DELETE); }
TEST_F(ForeignNames, ListRecycleActsOnTheRowsFile) { CommandsActOnTheRowsFile(*this, ID_RECYCLE); }
TEST_F(ForeignNames, ListRenameActsOnTheRowsFile) { CommandsActOnTheRowsFile(*this, ID_RENAME); }
TEST_F(ForeignNames, ListCopyAndRenameActsOnTheRowsFile) { CommandsActOnTheRowsFile(*this, ID_COPY_RENAME); }
TEST_F(ForeignNames, ListCopyPutsTheRowsFileOnTheClipboard) { CommandsActOnTheRowsFile(*this, ID_EDIT_COPY); }
TEST_F(ForeignNames, ListCommandsRefuseARowNoNameReaches) { CommandsRefuseARowNoNameReaches(*this); }
TEST_F(ForeignNames, TreeDeleteActsOnTheItemsFolder) { TreeCommandsActOnTheItemsFolder(*this, ID_DELETE); }
TEST_F(ForeignNames, TreeRecycleActsOnTheItemsFolder) { TreeCommandsActOnTheItemsFolder(*this, ID_RECYCLE); }
TEST_F(ForeignNames, TreeCopyPutsTheItemsFolderOnTheClipboard) { TreeCommandsActOnTheItemsFolder(*this, ID_EDIT_COPY); }
TEST_F(ForeignNames, FindFilesRowsReachTheirFiles) { FindFilesRowsReachTheirFiles(*this); }

// The same in code page 932.
using DoubleByteForeignNames = ForeignNames;
TEST_F(DoubleByteForeignNames, ListDeleteActsOnTheRowsFile) { CommandsActOnTheRowsFile(*this, ID_DELETE); }
TEST_F(DoubleByteForeignNames, ListRecycleActsOnTheRowsFile) { CommandsActOnTheRowsFile(*this, ID_RECYCLE); }
TEST_F(DoubleByteForeignNames, ListRenameActsOnTheRowsFile) { CommandsActOnTheRowsFile(*this, ID_RENAME); }
TEST_F(DoubleByteForeignNames, ListCopyAndRenameActsOnTheRowsFile) { CommandsActOnTheRowsFile(*this, ID_COPY_RENAME); }
TEST_F(DoubleByteForeignNames, ListCommandsRefuseARowNoNameReaches) { CommandsRefuseARowNoNameReaches(*this); }
TEST_F(DoubleByteForeignNames, TreeDeleteActsOnTheItemsFolder) { TreeCommandsActOnTheItemsFolder(*this, ID_DELETE); }
TEST_F(DoubleByteForeignNames, FindFilesRowsReachTheirFiles) { FindFilesRowsReachTheirFiles(*this); }

namespace {

// Names made by another program while the folder is on show come as rows that reach their
// files (the follower's names are never used when they are not the file's own), and a
// removed one takes its own row away only.
void MadeWhileShownReachTheirFiles(ForeignNames& t)
{
    t.Show();
    const std::wstring made = L"\x65b0\x3a9.txt";  // 新Ω.txt
    ASSERT_TRUE(WriteFileWide(t.dir + L"\\" + made, "made"));
    ASSERT_TRUE(WriteFileWide(t.dir + L"\\xy.txt", "decoy"));
    EXPECT_TRUE(WaitFor([&] { return t.RowOf(made) >= 0 && t.List()->FindRow("xy.txt") >= 0; }, 10000));
    // Removed beside a name that shows alike in code page 1252 ("??.txt").
    EXPECT_TRUE(::DeleteFileW((t.dir + L"\\" + kForeignFiles[3]).c_str()));
    auto settled = [&] {
        for (int i = 0; i < t.Model().GetCount(); i++)
            if (Reached(t.Model().GetPath(i)).empty()) return false;
        return t.Model().GetCount() + 2 == (int)Disk(t.dir).size();
    };
    EXPECT_TRUE(WaitFor(settled, 10000));
    EXPECT_LT(t.RowOf(kForeignFiles[3]), 0);
    EXPECT_GE(t.RowOf(kForeignFiles[0]), 0);
    // One row per file, each reaching a file of its own.
    std::map<std::wstring, int> reached;
    for (int i = 0; i < t.Model().GetCount(); i++) {
        std::wstring name = Reached(t.Model().GetPath(i));
        EXPECT_FALSE(name.empty()) << t.Model().GetAt(i).strName.c_str();
        EXPECT_EQ(++reached[name], 1) << Utf8(name);
    }
    EXPECT_EQ(reached.size(), Disk(t.dir).size() - 2);  // less the two folders' contents
}

}  // namespace

TEST_F(ForeignNames, MadeWhileShownReachTheirFiles) { MadeWhileShownReachTheirFiles(*this); }
TEST_F(DoubleByteForeignNames, MadeWhileShownReachTheirFiles) { MadeWhileShownReachTheirFiles(*this); }

TEST(ForeignNameRefusal, TheMessageNamesEachRefusedName)
{
    struct {
        std::vector<const char*> names;
        std::string text;
    } cases[] = {
        {{"??.txt"}, "The name of ??.txt cannot be used in this code page."},
        {{"??.txt", "Omega.txt"},
         "The name of ??.txt cannot be used in this code page.\nThe name of Omega.txt cannot be used in this code page."},
    };
    for (auto& c : cases) {
        CArray<CString> names;
        for (const char* n : c.names) names.Add(CString(n));
        EXPECT_EQ(NameRefusalText(names).str(), c.text);
    }
    CArray<CString> many;
    for (int i = 0; i < 12; i++) many.Add(CString("?.txt"));
    CString text = NameRefusalText(many);
    EXPECT_EQ(std::count(text.str().begin(), text.str().end(), '\n'), 10);
    EXPECT_NE(text.Find("(2 more)"), -1);
}

// The blocks we write and the blocks we read never carry a path that is a pattern.
TEST(ForeignNameDropBlock, PathsHoldingWildcardsNeverPass)
{
    CArray<CString> paths;
    paths.Add(CString("T:\\Data\\??.txt"));
    paths.Add(CString("T:\\Data\\ab.txt"));
    paths.Add(CString(""));
    CGlobalMemory block = MakeFileDropBlock(paths);
    ASSERT_TRUE(block.IsValid());
    FILEDROPLIST read;
    ASSERT_TRUE(ReadFileDropBlock(block.Get(), &read));
    ASSERT_EQ(read.paths.GetSize(), 1);
    EXPECT_EQ(read.paths[0], "T:\\Data\\ab.txt");
    CArray<CString> none;
    none.Add(CString("T:\\Data\\*.txt"));
    EXPECT_FALSE(MakeFileDropBlock(none).IsValid());
    // Another program's 8-bit block with '?' for what its code page lacks: that path is skipped.
    std::string narrow(FILEDROP_HEADER_SIZE, '\0');
    narrow[0] = FILEDROP_HEADER_SIZE;
    narrow += std::string("T:\\Data\\??.txt") + '\0' + "T:\\Data\\ab.txt" + '\0' + '\0';
    ASSERT_TRUE(ReadFileDropBlock(narrow.data(), narrow.size(), &read));
    ASSERT_EQ(read.paths.GetSize(), 1);
    EXPECT_EQ(read.paths[0], "T:\\Data\\ab.txt");
    EXPECT_EQ(read.nSkipped, 1);
}
