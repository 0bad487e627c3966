// Names a user may hand the viewer that are not plain file names: devices, pipes, forward
// slashes, relative names, names outside the code page, stray blanks between quoted names.
#include "e2e/ViewerFixture.h"
#include <dlgs.h>
#include <algorithm>

namespace {

std::wstring Widen(const char* s)
{
    int n = ::MultiByteToWideChar(CP_ACP, 0, s, -1, nullptr, 0);
    std::wstring w((size_t)(n > 0 ? n : 1), L'\0');
    ::MultiByteToWideChar(CP_ACP, 0, s, -1, &w[0], n);
    w.resize(wcslen(w.c_str()));
    return w;
}


// The open dialog's file name box: an edit of its own or inside the name combo box.
struct NameEdit {
    HWND edit;
    std::string seen;  // the controls looked at, for the failure message
};

BOOL CALLBACK FindNameEdit(HWND h, LPARAM lp)
{
    NameEdit* f = (NameEdit*)lp;
    char cls[64] = "";
    ::GetClassNameA(h, cls, sizeof cls);
    int id = ::GetDlgCtrlID(h), parentId = ::GetDlgCtrlID(::GetParent(h));
    f->seen += std::string(cls) + "/" + std::to_string(id) + " ";
    if (_stricmp(cls, "Edit") == 0 && (id == edt1 || parentId == cmb13)) {
        f->edit = h;
        return FALSE;
    }
    return TRUE;
}

class ViewerNamesE2E : public ViewerFixture {
protected:
    std::string StoredFile() { return std::string(TestApp().GetProfileString("settings", "file", "")); }
    // Closes a viewer that shows nothing and checks that it left no copy behind.
    void CloseAndCheck(CBrindlex& v, const std::string& what)
    {
        ::PostMessageA(v.Frame(), WM_CLOSE, 0, 0);
        EXPECT_TRUE(v.WaitExit()) << what;
        EXPECT_EQ(TempCopies(), before) << what;
    }
};

TEST_F(ViewerNamesE2E, DevicesAndPipesAreRefusedAtOnce)
{
    // A pipe that is listening but never writes: reading it would wait for ever.
    std::string pipeName = "\\\\.\\pipe\\blxtest-" + std::to_string(::GetCurrentProcessId());
    CHandle pipe(::CreateNamedPipeA(pipeName.c_str(), PIPE_ACCESS_DUPLEX, PIPE_TYPE_BYTE | PIPE_WAIT, 1, 4096, 4096,
                                    0, nullptr));
    ASSERT_TRUE(pipe.IsValid());
    for (const char* name : {pipeName.c_str(), "COM1", "CON", "NUL", "LPT1", "\\\\.\\NUL"}) {
        CBrindlex v;
        ASSERT_TRUE(v.Start(name, "Brindlex")) << name;
        EXPECT_EQ(v.AnswerMessageBox(), "Can't open file!") << name;
        EXPECT_EQ(v.Title(), "Brindlex") << name;
        EXPECT_EQ(v.Text(), "") << name;
        EXPECT_EQ(StoredFile(), "") << name;
        CloseAndCheck(v, name);
    }
}

TEST_F(ViewerNamesE2E, ForwardSlashesAndRelativeNamesOpenTheNamedFileAndStoreItsFullPath)
{
    for (const char* sub : {"data", "work", "empty"}) ASSERT_TRUE(::CreateDirectoryA(dir.File(sub), nullptr));
    ASSERT_TRUE(WriteFileBytes(dir.File("data\\B.txt"), "named"));
    ASSERT_TRUE(WriteFileBytes(dir.File("work\\B.txt"), "decoy"));  // the working folder's own B.txt
    ASSERT_TRUE(WriteFileBytes(dir.File("other.txt"), "other"));
    std::string full = dir.File("data\\B.txt").c_str();
    std::string slashed = full;
    std::replace(slashed.begin(), slashed.end(), '\\', '/');
    struct Case {
        const char* what;
        std::string arg;
        CString workDir;
    } cases[] = {
        {"slashes, beside a decoy", slashed, dir.File("work")},
        {"slashes, no decoy", slashed, dir.File("empty")},
        {"mixed separators", std::string(dir.Path()) + "/data\\b.TXT", dir.File("work")},
        {"relative name", "b.txt", dir.File("data")},
        {"relative with slashes", "../data/B.txt", dir.File("work")},
    };
    for (const Case& c : cases) {
        ClearSettings();
        CBrindlex v;
        ASSERT_TRUE(v.Start(c.arg, "Brindlex - ", c.workDir)) << c.what;
        ASSERT_TRUE(v.WaitForText()) << c.what;
        EXPECT_EQ(v.Text(), "named") << c.what;
        EXPECT_EQ(v.Title(), "Brindlex - B.txt") << c.what;
        EXPECT_EQ(StoredFile(), full) << c.what;
    }
    // The full path is what the recent list carries on.
    CBrindlex v;
    ASSERT_TRUE(v.Start(std::string(dir.File("other.txt")), "Brindlex - ", dir.File("work")));
    ASSERT_TRUE(v.WaitForText());
    EXPECT_EQ(std::string(TestApp().GetProfileString("mru", "mru1", "")), full);
}

// A file whose name the ANSI code page cannot hold, beside a file its "??.txt" would match.
class ViewerCodePageE2E : public ViewerNamesE2E {
protected:
    void SetUp() override
    {
        ViewerNamesE2E::SetUp();
        ASSERT_TRUE(WriteFileBytes(dir.File("ab.txt"), "decoy"));
        wide = Widen(dir.Path()) + L"\\\x65e5\x672c.txt";
        ASSERT_TRUE(WriteFileWide(wide, "right"));
    }
    void TearDown() override { ::DeleteFileW(wide.c_str()); }  // the ANSI clean-up cannot name it
    std::wstring wide;
};

TEST_F(ViewerCodePageE2E, OnTheCommandLineItIsRefused)
{
    CBrindlex v;
    ASSERT_TRUE(v.StartWide(wide, "Brindlex"));
    EXPECT_EQ(v.AnswerMessageBox(), "Can't open file!");
    EXPECT_EQ(v.Title(), "Brindlex");
    EXPECT_EQ(v.Text(), "");
    EXPECT_EQ(StoredFile(), "");
    CloseAndCheck(v, "command line");
}

TEST_F(ViewerCodePageE2E, ItsShortNameOpensIt)
{
    wchar_t shortName[MAX_PATH];
    DWORD n = ::GetShortPathNameW(wide.c_str(), shortName, MAX_PATH);
    ASSERT_TRUE(n > 0 && n < MAX_PATH);
    char ansi[MAX_PATH];
    BOOL lossy = FALSE;
    ASSERT_GT(::WideCharToMultiByte(CP_ACP, 0, shortName, -1, ansi, sizeof ansi, nullptr, &lossy), 0);
    ASSERT_FALSE(lossy) << "the short name is outside the code page too";
    CBrindlex v;
    ASSERT_TRUE(v.Start(ansi, "Brindlex - "));
    ASSERT_TRUE(v.WaitForText());
    EXPECT_EQ(v.Text(), "right");
}

TEST_F(ViewerCodePageE2E, FromTheOpenDialogItIsRefused)
{
    ASSERT_TRUE(WriteFileBytes(dir.File("first.txt"), "first"));
    CBrindlex v;
    ASSERT_TRUE(v.Start(std::string(dir.File("first.txt")), "Brindlex - "));
    ASSERT_TRUE(v.WaitForText());
    v.Keys('O', true);  // Ctrl+O: Open
    HWND dlg = v.FindDialog("View a file");
    ASSERT_TRUE(dlg);
    // The name typed in full into the file name box.
    NameEdit found = {nullptr, ""};
    ::EnumChildWindows(dlg, FindNameEdit, (LPARAM)&found);
    HWND edit = found.edit;
    ASSERT_TRUE(edit) << found.seen;
    ::SendMessageW(edit, WM_SETTEXT, 0, (LPARAM)wide.c_str());
    ::PostMessageA(dlg, WM_COMMAND, MAKEWPARAM(IDOK, BN_CLICKED), (LPARAM)::GetDlgItem(dlg, IDOK));
    EXPECT_EQ(v.AnswerMessageBox(), "Can't open file!");
    EXPECT_NE(v.Text(), "decoy");
    EXPECT_NE(StoredFile(), std::string(dir.File("ab.txt")));
}

TEST_F(ViewerNamesE2E, TwoBlanksBetweenQuotedNamesStartNoExplorer)
{
    ASSERT_TRUE(WriteFileBytes(dir.File("a.txt"), "a"));
    ASSERT_TRUE(WriteFileBytes(dir.File("b.txt"), "b"));
    std::string args = "\"" + std::string(dir.File("a.txt")) + "\"  \"" + std::string(dir.File("b.txt")) + "\"";
    CBrindlex v;
    ASSERT_TRUE(v.Start(args, "Brindlex - "));
    ASSERT_TRUE(v.WaitForText());
    EXPECT_EQ(v.Title(), "Brindlex - b.txt");
    // The other viewers are started before this window opens its own file.
    std::vector<DWORD> kids = v.Children();
    ASSERT_EQ(kids.size(), 1u);
    EXPECT_TRUE(WaitTopWindow(kids[0], "Brindlex - a.txt"));
}

// Names the code page holds only as a look-alike ("\x3a9mega" best fits to "Omega"), each
// beside the file its look-alike names: the other file is never opened, nor stored.
TEST_F(ViewerNamesE2E, BestFitNamesNeverOpenTheirLookAlike)
{
    struct Case {
        std::wstring name;
        const char* decoy;
    } cases[] = {{L"\x3a9mega.txt", "Omega.txt"}, {L"a\x142" L"b.txt", "alb.txt"}};
    for (const Case& c : cases) {
        SCOPED_TRACE(c.decoy);
        ClearSettings();
        ASSERT_TRUE(WriteFileBytes(dir.File(c.decoy), "decoy"));
        std::wstring wide = Widen(dir.Path()) + L"\\" + c.name;
        ASSERT_TRUE(WriteFileWide(wide, "right"));
        {
            CBrindlex v;
            ASSERT_TRUE(v.StartWide(L"\"" + wide + L"\"", "Brindlex"));
            EXPECT_EQ(v.AnswerMessageBox(), "Can't open file!");
            EXPECT_EQ(v.Title(), "Brindlex");
            EXPECT_EQ(v.Text(), "");
            EXPECT_EQ(StoredFile(), "");
            EXPECT_EQ(std::string(TestApp().GetProfileString("mru", "mru1", "")), "");
            CloseAndCheck(v, c.decoy);
        }
        ::DeleteFileW(wide.c_str());
    }
}

}  // namespace
