#include "RecordingWindow.h"
#include "viewer/FileModel.h"
#include "res/resource.h"

namespace {

// A fresh viewer: clean settings, a temporary copy, text mode, nothing loaded.
class FileModelTest : public ::testing::Test {
protected:
    void SetUp() override
    {
        ClearSettings();
        CloseViewedFile();
        g_bHexMode = 0;
        g_nSectionSize = TEXT_SECTION_SIZE;
        g_bFullPathInRecent = 0;
        ASSERT_TRUE(MakeTempCopyName());
        wnd.messages.clear();
    }
    void TearDown() override
    {
        CloseViewedFile();
        ::DeleteFileA(g_szTempCopy);
    }
    std::string Mru(int k) { return std::string(TestApp().GetProfileString("mru", CString("mru") + (char)('0' + k), "")); }
    void SetMru(const std::vector<std::string>& list)
    {
        for (size_t i = 0; i < list.size(); i++)
            TestApp().WriteProfileString("mru", CString("mru") + (char)('1' + i), list[i].c_str());
    }

    CRecordingWindow wnd;
    CTempDir dir;
};

TEST_F(FileModelTest, RecentListMovesReopenedFileAndPushesNewOnes)
{
    for (const char* n : {"A", "B", "C", "D", "X"}) ASSERT_TRUE(WriteFileBytes(dir.File(n), n));
    std::string A = dir.File("A").c_str(), B = dir.File("B").c_str(), C = dir.File("C").c_str(),
                D = dir.File("D").c_str(), X = dir.File("X").c_str();
    struct Case {
        const char* what;
        std::string open;
        std::vector<std::string> expect;
    } cases[] = {
        {"reopening B moves it out", B, {X, A, C, ""}},
        {"a new file D goes below X", D, {X, A, B, C}},
    };
    for (const Case& c : cases) {
        ClearSettings();
        SetMru({A, B, C});
        TestApp().WriteProfileString("settings", "file", X.c_str());
        wnd.fileMenu.resize(7);
        ASSERT_TRUE(OpenViewedFile(c.open.c_str())) << c.what;
        EXPECT_EQ(std::string(TestApp().GetProfileString("settings", "file", "")), c.open) << c.what;
        for (int k = 1; k <= 4; k++) EXPECT_EQ(Mru(k), c.expect[(size_t)k - 1]) << c.what << " entry " << k;
        // The menu shows the names written, with the recent-file commands at positions 7..
        ASSERT_GE(wnd.fileMenu.size(), 8u) << c.what;
        EXPECT_EQ(wnd.fileMenu[7].id, (UINT)ID_RECENT_FILE_FIRST);
        EXPECT_EQ(wnd.fileMenu[7].text, "X");
    }
}

TEST_F(FileModelTest, EightEntriesDropTheLastAndCaseIsIgnored)
{
    ASSERT_TRUE(WriteFileBytes(dir.File("new.txt"), "n"));
    std::vector<std::string> eight;
    for (int i = 1; i <= 8; i++) eight.push_back("C:\\old\\f" + std::to_string(i) + ".txt");
    SetMru(eight);
    TestApp().WriteProfileString("settings", "file", "C:\\CUR.TXT");
    ASSERT_TRUE(OpenViewedFile(dir.File("new.txt")));
    EXPECT_EQ(Mru(1), "C:\\CUR.TXT");
    for (int k = 2; k <= 8; k++) EXPECT_EQ(Mru(k), eight[(size_t)k - 2]);
    EXPECT_EQ(wnd.fileMenu.size(), 15u);  // seven fixed items and eight entries

    // The same file named in another case is the current file: nothing moves.
    CString upper = dir.File("NEW.TXT");
    ASSERT_TRUE(OpenViewedFile(upper));
    EXPECT_EQ(Mru(1), "C:\\CUR.TXT");
    EXPECT_EQ(std::string(TestApp().GetProfileString("settings", "file", "")), std::string(dir.File("new.txt")));
}

TEST_F(FileModelTest, VeryFirstOpenOnlyStoresTheFile)
{
    ASSERT_TRUE(WriteFileBytes(dir.File("first.txt"), "hello"));
    ASSERT_TRUE(OpenViewedFile(dir.File("first.txt")));
    EXPECT_EQ(std::string(TestApp().GetProfileString("settings", "file", "")), std::string(dir.File("first.txt")));
    EXPECT_EQ(Mru(1), "");
    EXPECT_EQ(wnd.fileMenu.size(), 7u);
    EXPECT_EQ(wnd.title, "Brindlex - first.txt");
    EXPECT_EQ(wnd.shown, "hello");
}

TEST_F(FileModelTest, BuildRecentEntriesStopsAtFirstEmptyEntry)
{
    SetMru({"C:\\a\\one.txt", "two.txt", "", "C:\\four.txt"});
    BuildRecentEntries();
    ASSERT_EQ(wnd.fileMenu.size(), 9u);
    EXPECT_EQ(wnd.fileMenu[7].text, "one.txt");
    EXPECT_EQ(wnd.fileMenu[8].text, "two.txt");  // no backslash: the whole entry
    EXPECT_EQ(wnd.fileMenu[8].id, (UINT)ID_RECENT_FILE_FIRST + 1);
    g_bFullPathInRecent = 1;
    EXPECT_EQ(std::string(RecentDisplayText("C:\\a\\one.txt")), "C:\\a\\one.txt");
}

TEST_F(FileModelTest, SectionBoundariesAndNavigation)
{
    struct Case {
        unsigned __int64 size;
        const char* titleAfterOpen;
        const char* titleAfterNext;
        size_t shownAfterNext;
    } cases[] = {
        {TEXT_SECTION_SIZE, "&Section", "&Section", TEXT_SECTION_SIZE},  // one section: Next does nothing
        {TEXT_SECTION_SIZE + 1, "&Section 1", "&Section 2", 1},          // the second holds one byte
        {0, "&Section", "&Section", 0},                                  // empty: nothing to show
    };
    for (const Case& c : cases) {
        ASSERT_TRUE(WritePatternFile(dir.File("s.bin"), c.size));
        ASSERT_TRUE(OpenViewedFile(dir.File("s.bin")));
        EXPECT_EQ(wnd.sectionTitle, c.titleAfterOpen) << c.size;
        EXPECT_EQ(wnd.shown.size(), c.size < TEXT_SECTION_SIZE ? c.size : TEXT_SECTION_SIZE);
        ViewNextSection();
        EXPECT_EQ(wnd.sectionTitle, c.titleAfterNext) << c.size;
        EXPECT_EQ(wnd.shown.size(), c.shownAfterNext) << c.size;
        ViewNextSection();  // never past the end
        EXPECT_EQ(wnd.sectionTitle, c.titleAfterNext) << c.size;
        ViewFirstSection();
        EXPECT_EQ(g_nSection, 0);
        ViewLastSection();
        EXPECT_EQ(wnd.sectionTitle, c.titleAfterNext) << c.size;
        ViewPreviousSection();
        EXPECT_EQ(g_nSection, 0);
        CloseViewedFile();
        EXPECT_EQ(wnd.sectionTitle, "&Section");
    }
}

TEST_F(FileModelTest, ModeSwitchMapsSectionsAndStoresTheMode)
{
    ASSERT_TRUE(WritePatternFile(dir.File("big.bin"), 14ull * HEX_SECTION_SIZE + 5));
    ASSERT_TRUE(OpenViewedFile(dir.File("big.bin")));
    ViewNextSection();
    ViewNextSection();
    ASSERT_EQ(g_nSection, 2);
    SwitchToHex();  // text 2 -> hex 12
    EXPECT_EQ(g_nSection, 12);
    EXPECT_EQ(g_nSectionSize, HEX_SECTION_SIZE);
    EXPECT_EQ(wnd.sectionTitle, "&Section 13");
    EXPECT_EQ(wnd.shown.substr(0, 8), "600000  ");  // 12 * 0x80000
    ViewNextSection();
    SwitchToText();  // hex 13 -> text 2
    EXPECT_EQ(g_nSection, 2);
    DWORD type = 0;
    std::string data;
    ASSERT_TRUE(ReadRegistryValue("settings", "hex", &type, &data));
    EXPECT_EQ(type, (DWORD)REG_DWORD);
    EXPECT_EQ(*(const DWORD*)data.data(), 0u);
    ViewLastSection();
    EXPECT_EQ(g_nSection, 2);  // 14 hex sections + 5 bytes end in text section 2
    SwitchToText();            // already text: nothing changes
    EXPECT_EQ(g_nSection, 2);
}

TEST_F(FileModelTest, FailedOpensReportAndKeepTheTemporaryCopy)
{
    std::string temp = g_szTempCopy;
    ASSERT_TRUE(WriteFileBytes(dir.File("good.txt"), "good"));
    ASSERT_TRUE(WriteFileBytes(dir.File("locked.txt"), "locked"));
    CFileHandle lock(::CreateFileA(dir.File("locked.txt"), GENERIC_READ, 0, nullptr, OPEN_EXISTING, 0, nullptr));
    ASSERT_TRUE(lock.IsValid());
    std::string tooLong = std::string(dir.Path()) + "\\" + std::string(300, 'n');
    std::string justTooLong = std::string("C:\\") + std::string(257, 'x');  // 260 characters
    // "g??d.txt" and "*.txt" would match good.txt: a name is never taken as a pattern.
    const std::string bad[] = {"C:\\no\\such\\file.txt", "", dir.Path().c_str(), tooLong, justTooLong,
                               dir.File("locked.txt").c_str(), dir.File("g??d.txt").c_str(),
                               dir.File("*.txt").c_str(), "NUL"};
    for (const std::string& name : bad) {
        const char* path = name.c_str();
        wnd.messages.clear();
        EXPECT_FALSE(OpenViewedFile(path)) << path;
        ASSERT_EQ(wnd.messages.size(), 1u) << path;
        EXPECT_EQ(wnd.messages[0], "Can't open file!");
        EXPECT_FALSE(g_bFileLoaded);
        EXPECT_EQ(std::string(g_szTempCopy), temp);  // the next open still has its copy
    }
    EXPECT_EQ(TestApp().GetProfileString("settings", "file", "unchanged"), "unchanged");
    ASSERT_TRUE(OpenViewedFile(dir.File("good.txt")));
    EXPECT_EQ(wnd.shown, "good");
    // Nothing of the file before stays on show: an empty control and the program's name.
    EXPECT_FALSE(OpenViewedFile(bad[0].c_str()));
    EXPECT_EQ(wnd.shown, "");
    EXPECT_EQ(wnd.title, AfxGetAppName());
    EXPECT_NE(wnd.title, "");
    CloseViewedFile();
    EXPECT_TRUE(::DeleteFileA(g_szTempCopy));  // the copy is where closing deletes it
}

TEST_F(FileModelTest, OpenRecentFileOpensEntryAndAlwaysComesForward)
{
    ASSERT_TRUE(WriteFileBytes(dir.File("r.txt"), "recent"));
    SetMru({dir.File("r.txt").c_str()});
    OpenRecentFile(2);  // empty entry: nothing opened
    EXPECT_FALSE(g_bFileLoaded);
    EXPECT_EQ(wnd.foreground, 1);
    OpenRecentFile(1);
    EXPECT_TRUE(g_bFileLoaded);
    EXPECT_EQ(wnd.shown, "recent");
    EXPECT_EQ(wnd.foreground, 2);
}

TEST_F(FileModelTest, ReadOnlySourceGivesATemporaryOnlyCopy)
{
    ASSERT_TRUE(WriteFileBytes(dir.File("ro.txt"), "ro"));
    ASSERT_TRUE(::SetFileAttributesA(dir.File("ro.txt"), FILE_ATTRIBUTE_READONLY));
    ASSERT_TRUE(OpenViewedFile(dir.File("ro.txt")));
    // The copy must not stay read-only, or the next open could not copy onto it.
    EXPECT_FALSE(::GetFileAttributesA(g_szTempCopy) & FILE_ATTRIBUTE_READONLY);
    ASSERT_TRUE(WriteFileBytes(dir.File("next.txt"), "next"));
    EXPECT_TRUE(OpenViewedFile(dir.File("next.txt")));
    CloseViewedFile();
    ::SetFileAttributesA(dir.File("ro.txt"), FILE_ATTRIBUTE_NORMAL);
}

}  // namespace
