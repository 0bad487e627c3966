// The memory budget of a section: the cost of text, the stop before the limit, the note.
#include "RecordingWindow.h"
#include "viewer/SectionBudget.h"
#include <memory>

namespace {

TEST(SectionBudget, TextCostsByCharactersLinesAndTabs)
{
    const unsigned C = SECTION_COST_PER_CHAR, L = SECTION_COST_PER_LINE, T = SECTION_COST_PER_TAB;
    struct Case {
        std::string text;
        unsigned __int64 cost;
    } cases[] = {
        {"", 0},
        {"abc", 3 * C},
        {"a\n", C + L},
        {"a\r\n", C + L},         // a CR LF is one break
        {"\r\r", 2 * L},          // lone CRs are breaks each
        {"\t\tx", 2 * T + C},
        {"ab\r", 2 * C + L},      // a CR at the end of a chunk
    };
    for (const Case& c : cases) EXPECT_EQ(SectionCostOf((const BYTE*)c.text.data(), (unsigned)c.text.size()), c.cost) << c.text;
}

TEST(SectionBudget, StopsBeforeTheLimitAndStaysStopped)
{
    CSectionBudget b(100u << 20);
    EXPECT_TRUE(b.Admits(4096)) << "not begun: no limit";
    b.BeginSection();
    b.BeginPiece(60u << 20);
    std::string lines;
    for (int i = 0; i < 2048; i++) lines += "a\n";
    unsigned chunks = 0;
    while (b.Admits(4096) && chunks < 100000) {
        b.Took((const BYTE*)lines.data(), (unsigned)lines.size());
        chunks++;
    }
    EXPECT_TRUE(b.IsCut());
    // Every chunk taken fits, and the next would not have: 40 MB of room, one chunk's cost each.
    unsigned __int64 chunkCost = SectionCostOf((const BYTE*)lines.data(), (unsigned)lines.size());
    EXPECT_LE((60ull << 20) + chunks * chunkCost, 100ull << 20);
    EXPECT_GT((60ull << 20) + (chunks + 4) * chunkCost, 100ull << 20);
    EXPECT_FALSE(b.Admits(1));
    // A new piece measures the process again, but the section stays cut.
    b.BeginPiece(0);
    EXPECT_FALSE(b.Admits(1));
    // A process already past the limit takes nothing.
    b.BeginSection();
    b.BeginPiece(101u << 20);
    EXPECT_FALSE(b.Admits(1));
    b.BeginSection();
    EXPECT_FALSE(b.IsCut());
    EXPECT_TRUE(b.Admits(4096));
    // Where the process's figure is unknown, the estimates of every piece add up.
    b.BeginSection();
    unsigned pieces = 0;
    for (; pieces < 100000; pieces++) {
        b.BeginPiece(0);
        if (!b.Admits(4096)) break;
        b.Took((const BYTE*)lines.data(), (unsigned)lines.size());
    }
    EXPECT_TRUE(b.IsCut());
    EXPECT_LE(pieces * chunkCost, 100ull << 20);
}

TEST(SectionBudget, TheNoteAndWhereTheFilesTextEnds)
{
    EXPECT_EQ(SectionCutNote(1234, 3145728, false),
              "[Shown: the first 1234 of 3145728 bytes of this section; Hex shows all of it.]");
    EXPECT_EQ(SectionCutNote(5, 524288, true), "[Shown: the first 5 of 524288 bytes of this section.]");
    CSectionBudget b;
    EXPECT_EQ(b.ShownEnd(50), 50);
    b.SetNoteAt(20);
    EXPECT_EQ(b.ShownEnd(50), 20);
    EXPECT_EQ(b.ShownEnd(10), 10);
    b.BeginSection();
    EXPECT_EQ(b.NoteAt(), -1);
}

TEST(SectionBudget, TheProcesssCommittedMemoryIsMeasured)
{
    unsigned __int64 before = ProcessCommittedBytes();
    ASSERT_GT(before, 0u);
    const size_t size = 64u << 20;
    std::unique_ptr<char[]> block(new char[size]);
    memset(block.get(), 1, size);
    EXPECT_GE(ProcessCommittedBytes(), before + size / 2);
}

TEST(SectionBudget, TheRendererStopsAtTheBudget)
{
    CTempDir dir;
    std::string bytes;
    for (int i = 0; i < 200000; i++) bytes += "a\n";
    ASSERT_TRUE(WriteFileBytes(dir.File("lines.txt"), bytes));
    ASSERT_TRUE(g_viewedFile.Open(dir.File("lines.txt")));
    g_nFileLength = g_viewedFile.GetLength();
    g_bHexMode = 0;
    g_nSectionSize = TEXT_SECTION_SIZE;
    g_viewedFile.Seek(0);
    g_nSectionLeft = g_nSectionSize;
    unsigned __int64 limit = g_sectionBudget.Limit();
    g_sectionBudget.BeginSection();
    g_sectionBudget.SetLimit(ProcessCommittedBytes() + (64u << 20));
    g_sectionBudget.BeginPiece(ProcessCommittedBytes());
    std::string text = StreamWholeSection();
    g_sectionBudget.Stop();
    g_sectionBudget.SetLimit(limit);
    EXPECT_TRUE(g_sectionBudget.IsCut());
    EXPECT_GT(text.size(), 0u);
    EXPECT_LT(text.size(), bytes.size());
    EXPECT_TRUE(text == bytes.substr(0, text.size())) << "the text shown is the file's first bytes";
    EXPECT_EQ(g_nSectionSize - g_nSectionLeft, text.size());
    // Not begun: the whole section, as before.
    g_sectionBudget.BeginSection();
    g_viewedFile.Seek(0);
    g_nSectionLeft = g_nSectionSize;
    EXPECT_TRUE(StreamWholeSection() == bytes);
    EXPECT_FALSE(g_sectionBudget.IsCut());
    g_viewedFile.Close();
}

}  // namespace
