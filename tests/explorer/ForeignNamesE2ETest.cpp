// Names the code page cannot hold, in brindlex.exe driven as a user would: the rows show '?'
// for what the code page lacks, and Delete or Recycle of such a row takes its own file only,
// never the plain names its shown name would match as a pattern. The disk is checked after
// each command.
#include "DialogAnswerer.h"
#include "ExplorerOnADrive.h"
#include "fw/AnsiName.h"
#include "res/resource.h"

namespace {

class ForeignNamesE2E : public ExplorerOnADrive {
protected:
    ForeignNamesE2E() : ExplorerOnADrive('U') {}
    void SetUp() override
    {
        ClearSettings();
        ASSERT_TRUE(drive.IsReady());
        ASSERT_TRUE(drive.MakeDir("Data"));
        for (const wchar_t* name : {kPrivet, kNihon}) ASSERT_TRUE(WriteFileWide(Wide(name), "own"));
        for (const char* name : {"Data\\ab.txt", "Data\\abcdef.txt", "Data\\zz.txt"}) ASSERT_TRUE(drive.MakeFile(name, "decoy"));
        ASSERT_TRUE(app.Start());
        ASSERT_TRUE(app.SelectPath("U:\\Data"));
        ASSERT_TRUE(WaitFor([&] { return ShowsRow("??????.txt") && ShowsRow("??.txt"); }, 20000));
    }
    std::wstring Wide(const wchar_t* name) const { return WideOf(drive.Path("Data\\")) + name; }
    bool WideExists(const wchar_t* name) const { return ::GetFileAttributesW(Wide(name).c_str()) != INVALID_FILE_ATTRIBUTES; }

    static constexpr const wchar_t* kPrivet = L"\x43f\x440\x438\x432\x435\x442.txt";  // привет.txt
    static constexpr const wchar_t* kNihon = L"\x65e5\x672c.txt";                     // 日本.txt
};

}  // namespace

TEST_F(ForeignNamesE2E, DeleteAndRecycleOfRowsShowingQuestionMarksTakeTheirOwnFilesOnly)
{
    struct {
        const char* row;
        UINT command;
        const wchar_t* gone;
    } cases[] = {{"??????.txt", ID_DELETE, kPrivet}, {"??.txt", ID_RECYCLE, kNihon}};
    for (auto& c : cases) {
        SCOPED_TRACE(c.row);
        ASSERT_TRUE(app.SelectRows({c.row}));
        CDialogAnswerer yes(IDYES, app.ProcessId(), 60000);
        ASSERT_TRUE(app.PaneCommand(app.List(), c.command));
        ASSERT_TRUE(yes.Wait());
        EXPECT_TRUE(WaitFor([&] { return !WideExists(c.gone) && !ShowsRow(c.row); }, 20000));
        for (const char* decoy : {"ab.txt", "abcdef.txt", "zz.txt"}) {
            EXPECT_EQ(ReadFileBytes(drive.Path((std::string("Data\\") + decoy).c_str())), "decoy") << decoy;
            EXPECT_TRUE(ShowsRow(decoy)) << decoy;
        }
    }
}
