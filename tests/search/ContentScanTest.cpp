#include "search/SearchFixture.h"
#include "fw/Handle.h"
#include <mbctype.h>
#include <random>

namespace {

struct ScanOutcome {
    bool found;
    int scanning;  // FIND_NOTIFY_SCANNING notifications
    bool operator==(const ScanOutcome& o) const { return found == o.found && scanning == o.scanning; }
};

std::ostream& operator<<(std::ostream& os, const ScanOutcome& o)
{
    return os << (o.found ? "found" : "not found") << ", " << o.scanning << " scanning";
}

ScanOutcome SearchOne(const CString& folder, const char* name, const char* text)
{
    CFileFinder finder;
    CNoticeLog log(finder);
    FILEFINDPARAMS params;
    params.folder = folder;
    params.mask = name;
    params.flags = FIND_TEXT;
    params.text = text;
    finder.FindFiles(params);
    EXPECT_EQ(log.Count(FIND_NOTIFY_MATCH) + log.Count(FIND_NOTIFY_NOMATCH), 1) << name;
    return {finder.GetFileCount() == 1, log.Count(FIND_NOTIFY_SCANNING)};
}

// The chunk rules restated over the whole file, for bytes below 0x80: the file is found
// when the text occurs in L blanks followed by its bytes without NULs, upper-cased; the
// scan reads up to the chunk (R bytes of the file each) that holds the match's last byte,
// or to the first chunk whose read comes back short.
ScanOutcome Model(const std::string& file, const std::string& text)
{
    std::string t;
    for (char c : text) t += (char)toupper((unsigned char)c);
    if (t.empty()) return {false, 0};
    size_t L = t.size(), R = (L * 2 > 128 ? L * 2 : 128) - L;
    std::string stream(L, ' ');
    std::vector<size_t> origin;
    for (size_t i = 0; i < file.size(); i++) {
        if (!file[i]) continue;
        stream += (char)toupper((unsigned char)file[i]);
        origin.push_back(i);
    }
    size_t pos = stream.find(t);
    unsigned long long chunks;
    if (pos == std::string::npos)
        chunks = file.size() / R + 1;
    else if (pos + L - 1 < L)
        chunks = 1;
    else
        chunks = origin[pos + L - 1 - L] / R + 1;
    return {pos != std::string::npos, (int)(chunks / 10)};
}

std::string Utf16(const std::string& s)
{
    std::string out;
    for (char c : s) {
        out += c;
        out += '\0';
    }
    return out;
}

class ContentScan : public ::testing::Test {
protected:
    ScanOutcome Search(const std::string& content, const char* text)
    {
        EXPECT_TRUE(WriteFileBytes(dir.File("f.bin"), content));
        return SearchOne(dir.Path(), "f.bin", text);
    }
    CTempDir dir;
};

struct TextCase {
    const char* what;
    std::string content;
    const char* text;
    ScanOutcome expected;
};

}  // namespace

// For a text of three bytes R is 125; for 65 bytes N is 130 and R 65.
TEST_F(ContentScan, ChunkRulesTable)
{
    const std::string x125(125, 'x'), t65(65, 'q');
    const TextCase cases[] = {
        {"mixed case", "..xAbCx..", "abc", {true, 0}},
        {"UTF-16LE", Utf16("some ABc here"), "abc", {true, 0}},
        {"NULs between the letters", std::string("a\0\0b\0c", 6), "abc", {true, 0}},
        {"across a read boundary", std::string(123, 'x') + "ab" + "c" + std::string(40, 'x'), "abc", {true, 0}},
        {"absent", std::string(1000, 'x'), "abc", {false, 0}},
        {"leading blanks match the file's start", "ab....", "  ab", {true, 0}},
        {"leading blanks need blanks after the start", "xab", "  ab", {false, 0}},
        {"all blanks match an empty file", "", "   ", {true, 0}},
        {"empty text never matches", "abc", "", {false, 0}},
        {"nine chunks, the last short", std::string(9 * 125 - 1, 'x'), "abc", {false, 0}},
        {"nine full chunks, then an empty read", std::string(9 * 125, 'x'), "abc", {false, 1}},
        {"ten chunks, the last short", std::string(10 * 125 - 1, 'x'), "abc", {false, 1}},
        {"twenty chunks", std::string(19 * 125, 'x'), "abc", {false, 2}},
        {"match ends in chunk nine", std::string(9 * 125 - 3, 'x') + "abc", "abc", {true, 0}},
        {"match ends in chunk ten", std::string(9 * 125, 'x') + "abc", "abc", {true, 1}},
        {"exactly R bytes, long text", std::string(65, 'x'), t65.c_str(), {false, 0}},
        {"nine times R, long text", std::string(9 * 65, 'x'), t65.c_str(), {false, 1}},
        {"ten times R, long text", std::string(10 * 65, 'x'), t65.c_str(), {false, 1}},
        {"long text across a read", std::string(40, 'x') + t65 + "y", t65.c_str(), {true, 0}},
    };
    for (const TextCase& c : cases) {
        SCOPED_TRACE(c.what);
        EXPECT_EQ(Search(c.content, c.text), c.expected);
        EXPECT_EQ(Model(c.content, c.text), c.expected);
    }
}

TEST_F(ContentScan, TextOfAThousandCharacters)
{
    std::string text;
    for (int i = 0; i < 1000; i++) text += (char)('a' + (i * 7) % 26);
    std::string content = std::string(1000000, 'y') + text;
    EXPECT_EQ(Search(content, text.c_str()), Model(content, text));
    EXPECT_TRUE(Search(content, text.c_str()).found);
    EXPECT_FALSE(Search(content.substr(0, content.size() - 1), text.c_str()).found);
}

// Large reads are walked chunk by chunk: matches across the seams of the blocks the engine
// reads, with and without NUL bytes, give what the chunk rules give.
TEST_F(ContentScan, BlockSeamsAgreeWithTheChunkRules)
{
    std::mt19937 rng(7);
    const char alphabet[] = "abAB \0";
    for (int round = 0; round < 6; round++) {
        std::string content(700000, 'z');
        if (round % 2)
            for (char& c : content) c = alphabet[rng() % 6];
        const size_t at[] = {262141, 524285, 262144 - 10, 699990};
        std::string text = round < 2 ? "NeEdLe" : std::string(2 + round * 20, 'k') + "end";
        content.replace(at[round % 4], text.size(), text);
        SCOPED_TRACE(round);
        EXPECT_EQ(Search(content, text.c_str()), Model(content, text));
    }
}

// Random small files against the restated rules, in the program's single-byte code page
// and in a double-byte one, where the chunks are walked as the rules stand.
TEST_F(ContentScan, RandomFilesAgreeWithTheChunkRules)
{
    std::mt19937 rng(11);
    const char alphabet[] = "abcAB \0";
    int previous = _getmbcp();
    for (int codePage : {1252, 932}) {
        ASSERT_EQ(_setmbcp(codePage), 0);
        for (int round = 0; round < 150; round++) {
            std::string content(rng() % 3000, ' ');
            for (char& c : content) c = alphabet[rng() % 7];
            std::string text(1 + rng() % 5, ' ');
            for (char& c : text) c = "abcAB "[rng() % 6];
            SCOPED_TRACE(testing::Message() << codePage << " round " << round << " text '" << text << "'");
            EXPECT_EQ(Search(content, text.c_str()), Model(content, text));
        }
    }
    _setmbcp(previous);
}

// In a double-byte code page a trail byte belongs to its character: it is neither
// upper-cased nor matched as a letter of its own.
TEST_F(ContentScan, DoubleByteCharactersStayWhole)
{
    int previous = _getmbcp();
    ASSERT_EQ(_setmbcp(932), 0);
    ScanOutcome inTrail = Search("\x82\x61", "a");
    ScanOutcome single = Search("\x61", "a");
    _setmbcp(previous);
    EXPECT_FALSE(inTrail.found);
    EXPECT_TRUE(single.found);
    EXPECT_TRUE(Search("\x82\x61", "a").found);  // single-byte code page: just a letter
}

TEST_F(ContentScan, FileInUseElsewhereNeverMatches)
{
    CString name = dir.File("locked.txt");
    ASSERT_TRUE(WriteFileBytes(name, "the text is here"));
    {
        CFileHandle lock(::CreateFileA(name, GENERIC_READ, 0, nullptr, OPEN_EXISTING, 0, nullptr));
        ASSERT_TRUE(lock.IsValid());
        EXPECT_FALSE(SearchOne(dir.Path(), "locked.txt", "text").found);
    }
    {
        CFileHandle reader(::CreateFileA(name, GENERIC_READ, FILE_SHARE_READ, nullptr, OPEN_EXISTING, 0, nullptr));
        ASSERT_TRUE(reader.IsValid());
        EXPECT_FALSE(SearchOne(dir.Path(), "locked.txt", "text").found);
    }
    EXPECT_TRUE(SearchOne(dir.Path(), "locked.txt", "text").found);
}

TEST_F(ContentScan, FoldersAndDevicesDoNotContainText)
{
    MakeDir(dir.File("folder"));
    EXPECT_FALSE(SearchOne(dir.Path(), "folder", "x").found);
    // A device that never ends and one whose reads fail (under Wine, where Z: is the root).
    if (::GetFileAttributesA("Z:\\dev\\zero") != INVALID_FILE_ATTRIBUTES) {
        EXPECT_FALSE(SearchOne("Z:\\dev", "zero", "x").found);
        EXPECT_FALSE(SearchOne("Z:\\proc\\self", "mem", "x").found);
    }
}

// A stop request from a scanning notification lets the file's scan run to its match;
// the walk then examines nothing more.
TEST_F(ContentScan, StopDuringAScanEndsTheSearchAfterThatFile)
{
    MakeDir(dir.File("sub"));
    std::string big = std::string(5000, '.') + "Marker";
    ASSERT_TRUE(WriteFileBytes(dir.File("sub\\big.txt"), big));
    for (const char* name : {"one.txt", "two.txt", "three.txt"})
        ASSERT_TRUE(WriteFileBytes(dir.File(name), "marker"));

    CFileFinder finder;
    CNoticeLog log(finder);
    log.onNotice = [](CFileFinder& f, int code) {
        if (code == FIND_NOTIFY_SCANNING) f.StopSearch();
    };
    FILEFINDPARAMS params;
    params.folder = dir.Path();
    params.subfolders = TRUE;
    params.flags = FIND_TEXT;
    params.text = "MARKER";
    EXPECT_EQ(finder.FindFiles(params), 1);
    EXPECT_EQ(Results(finder)[0], (dir.File("sub\\big.txt")).str());
    EXPECT_EQ(log.Count(FIND_NOTIFY_SCANNING), Model(big, "MARKER").scanning);
    ASSERT_GE(log.notices.size(), 2u);
    EXPECT_EQ(log.notices.back().code, FIND_NOTIFY_FOLDER);
    EXPECT_EQ(log.notices[log.notices.size() - 2].code, FIND_NOTIFY_MATCH);
}

// A stop request ends the scan of a huge file before its next block, not at its end.
TEST_F(ContentScan, StopEndsTheScanOfAHugeFileAtTheNextBlock)
{
    {
        CFileHandle h(::CreateFileA(dir.File("huge.bin"), GENERIC_WRITE, 0, nullptr, CREATE_ALWAYS, 0, nullptr));
        LARGE_INTEGER end;
        end.QuadPart = 64LL << 20;
        ASSERT_TRUE(h.IsValid() && ::SetFilePointerEx(h, end, nullptr, FILE_BEGIN) && ::SetEndOfFile(h));
    }
    CFileFinder finder;
    CNoticeLog log(finder);
    log.onNotice = [](CFileFinder& f, int code) {
        if (code == FIND_NOTIFY_SCANNING) f.StopSearch();
    };
    FILEFINDPARAMS params;
    params.folder = dir.Path();
    params.mask = "huge.bin";
    params.flags = FIND_TEXT;
    params.text = "MARKER";
    EXPECT_EQ(finder.FindFiles(params), 0);
    // Ten chunks of 122 bytes to a notice: a whole scan would give 55,000 of them; one
    // block of 256 KiB gives about 215.
    EXPECT_GT(log.Count(FIND_NOTIFY_SCANNING), 0);
    EXPECT_LT(log.Count(FIND_NOTIFY_SCANNING), 1000);
}
