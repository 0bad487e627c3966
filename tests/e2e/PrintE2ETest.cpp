// Printing from the viewer. The print jobs themselves are started by print_check.sh,
// which reads the printed PDF back.
#include "support/Driver.h"
#include "res/resource.h"
#include <richedit.h>

namespace {

std::string NumberedLines(int n)
{
    std::string s;
    for (int i = 1; i <= n; i++) s += "Line number " + std::to_string(i) + " of the printed section\r\n";
    return s;
}

// Opens a file of 200 numbered lines in the viewer and runs a print command.
void PrintJob(UINT command, int scrollLines)
{
    ClearSettings();
    // A short folder keeps the whole header on the page.
    ::CreateDirectoryA("C:\\prt", nullptr);
    ASSERT_TRUE(WriteFileBytes("C:\\prt\\lines.txt", NumberedLines(200)));
    CBrindlex v;
    ASSERT_TRUE(v.Start("C:\\prt\\lines.txt", "Brindlex - "));
    ASSERT_TRUE(v.WaitForText());
    if (scrollLines) ::SendMessageA(v.Control(), EM_LINESCROLL, 0, scrollLines);
    // Sent, not posted: the call returns once the command has run to its end, and a message
    // box on the way holds it until the answerer has taken the box.
    CMessageBoxAnswerer complaint(60000, v.Pid());
    DWORD_PTR r = 0;
    EXPECT_TRUE(::SendMessageTimeoutA(v.Frame(), WM_COMMAND, command, 0, SMTO_NORMAL, 60000, &r));
    EXPECT_EQ(complaint.Stop(), "");
    ::PostMessageA(v.Frame(), WM_CLOSE, 0, 0);
    EXPECT_TRUE(v.WaitExit());
}

// Shows a file of hundreds of pages.
bool OpenLongFile(CBrindlex& v)
{
    ClearSettings();
    ::CreateDirectoryA("C:\\prt", nullptr);
    return WriteFileBytes("C:\\prt\\long.txt", NumberedLines(20000)) &&
           v.Start("C:\\prt\\long.txt", "Brindlex - ") && v.WaitForText();
}

// Starts printing it; the progress box, once it shows.
HWND StartPrint(CBrindlex& v)
{
    ::PostMessageA(v.Frame(), WM_COMMAND, ID_VIEWER_PRINT, 0);
    return v.FindDialog("Printing", 30000);
}

// A print of hundreds of pages shows its progress while the window goes on answering; Cancel
// ends the job with nothing printed and nothing said. print_check.sh checks the printer got no job.
TEST(PrintJob, DISABLED_CancelledWholeSection)
{
    CBrindlex v;
    ASSERT_TRUE(OpenLongFile(v));
    CMessageBoxAnswerer said(60000, v.Pid());
    HWND box = StartPrint(v);
    ASSERT_TRUE(box != nullptr);
    EXPECT_EQ(WindowText(::GetDlgItem(box, IDC_PRINT_FILE)), "long.txt");
    EXPECT_EQ(WindowText(::GetDlgItem(box, IDCANCEL)), "Cancel");
    // Pages go on while the window answers; it takes no input meanwhile.
    std::string page = WindowText(::GetDlgItem(box, IDC_PRINT_PAGE));
    EXPECT_EQ(page.substr(0, 5), "Page ");
    DWORD_PTR r = 0;
    EXPECT_TRUE(::SendMessageTimeoutA(v.Frame(), WM_NULL, 0, 0, SMTO_NORMAL, 5000, &r));
    EXPECT_TRUE(WaitFor([&] { return !::IsWindow(box) || WindowText(::GetDlgItem(box, IDC_PRINT_PAGE)) != page; }));
    ASSERT_TRUE(::IsWindow(box)) << "the job ended before it could be cancelled";
    EXPECT_FALSE(::IsWindowEnabled(v.Frame()));

    ::PostMessageA(::GetDlgItem(box, IDCANCEL), BM_CLICK, 0, 0);
    EXPECT_TRUE(WaitFor([&] { return !::IsWindow(box); }, 30000));
    v.Sync();
    EXPECT_TRUE(::IsWindowEnabled(v.Frame()));
    EXPECT_EQ(said.Stop(), "");
    ::PostMessageA(v.Frame(), WM_CLOSE, 0, 0);
    EXPECT_TRUE(v.WaitExit());
}

// Closing the window while pages go out cancels the job; the window then closes.
TEST(PrintJob, DISABLED_ClosedWhilePrinting)
{
    CBrindlex v;
    ASSERT_TRUE(OpenLongFile(v));
    HWND box = StartPrint(v);
    ASSERT_TRUE(box != nullptr);
    ::PostMessageA(v.Frame(), WM_CLOSE, 0, 0);
    EXPECT_TRUE(v.WaitExit(30000));
}

TEST(PrintJob, DISABLED_WholeSection) { PrintJob(ID_VIEWER_PRINT, 0); }
TEST(PrintJob, DISABLED_PageFromLine100) { PrintJob(ID_VIEWER_PRINT_PAGE, 99); }

}  // namespace
