// The file-drop block without windows: layout, sizes, and reading blocks of other programs.
#include "support/TestSupport.h"
#include "explorer/FileDrop.h"
#include <shlobj.h>

namespace {

CArray<CString> Paths(std::initializer_list<const char*> list)
{
    CArray<CString> a;
    for (const char* p : list) a.Add(CString(p));
    return a;
}

std::string BlockBytes(const CArray<CString>& paths)
{
    CGlobalMemory mem = MakeFileDropBlock(paths);
    std::string s;
    if (!mem.IsValid()) return s;
    const char* p = (const char*)::GlobalLock(mem);
    s.assign(p, FileDropBlockSize(paths));
    ::GlobalUnlock(mem);
    return s;
}

std::string Header(DWORD offset, DWORD wide)
{
    DROPFILES h = {};
    h.pFiles = offset;
    h.fWide = wide;
    return std::string((const char*)&h, sizeof h);
}

std::vector<std::string> Read(const std::string& block, int* pSkipped = nullptr, bool* pOk = nullptr)
{
    FILEDROPLIST list;
    bool ok = ReadFileDropBlock(block.data(), block.size(), &list);
    if (pOk) *pOk = ok;
    if (pSkipped) *pSkipped = list.nSkipped;
    std::vector<std::string> v;
    for (int i = 0; i < list.paths.GetSize(); i++) v.push_back(list.paths[i].str());
    return v;
}

}  // namespace

TEST(FileDropBlock, TwoFilesMakeFortyThreeBytes)
{
    CArray<CString> paths = Paths({"C:\\D\\a.txt", "C:\\D\\b.txt"});
    EXPECT_EQ(FileDropBlockSize(paths), 43u);
    std::string b = BlockBytes(paths);
    ASSERT_EQ(b.size(), 43u);
    EXPECT_EQ(b, Header(20, 0) + std::string("C:\\D\\a.txt\0C:\\D\\b.txt\0\0", 23));
    CGlobalMemory mem = MakeFileDropBlock(paths);
    EXPECT_GE(::GlobalSize(mem), 43u);
    EXPECT_EQ(::GlobalFlags(mem) & GMEM_DISCARDED, 0u);
    EXPECT_EQ(Read(b), (std::vector<std::string>{"C:\\D\\a.txt", "C:\\D\\b.txt"}));
}

TEST(FileDropBlock, NoPathsMakeTwentyOneBytesAndAnEmptyList)
{
    CArray<CString> none;
    EXPECT_EQ(FileDropBlockSize(none), 21u);
    std::string b = BlockBytes(none);
    EXPECT_EQ(b, Header(20, 0) + std::string(1, '\0'));
    bool ok = false;
    EXPECT_TRUE(Read(b, nullptr, &ok).empty());
    EXPECT_TRUE(ok);
}

TEST(FileDropBlock, ThePlatformReadsOurBlock)
{
    CGlobalMemory mem = MakeFileDropBlock(Paths({"C:\\D\\a.txt", "C:\\D\\Sub"}));
    HDROP drop = (HDROP)mem.Get();
    ASSERT_EQ(::DragQueryFileA(drop, 0xFFFFFFFF, nullptr, 0), 2u);
    char buf[MAX_PATH];
    ASSERT_GT(::DragQueryFileA(drop, 1, buf, sizeof buf), 0u);
    EXPECT_STREQ(buf, "C:\\D\\Sub");
}

TEST(FileDropBlock, WideBlockOfAnotherProgramIsReadAsSingleBytePaths)
{
    // As another program builds it: header with the wide flag, paths of two-byte characters.
    std::wstring paths = L"C:\\D\\a.txt";
    paths += L'\0';
    paths += L"C:\\D\\\x00e9t\x00e9.txt";  // é is in the code page
    paths += L'\0';
    paths += L'\0';
    std::string block = Header(20, 1) + std::string((const char*)paths.data(), paths.size() * 2);
    int skipped = -1;
    std::vector<std::string> got = Read(block, &skipped);
    ASSERT_EQ(got.size(), 2u);
    EXPECT_EQ(got[0], "C:\\D\\a.txt");
    EXPECT_EQ(got[1], "C:\\D\\\xe9t\xe9.txt");
    EXPECT_EQ(skipped, 0);

    // A name the code page cannot spell is left out, not turned into '?' (a wildcard).
    std::wstring odd = L"C:\\D\\\x4e2d.txt";
    odd += L'\0';
    odd += L"C:\\D\\b.txt";
    odd += L'\0';
    odd += L'\0';
    got = Read(Header(20, 1) + std::string((const char*)odd.data(), odd.size() * 2), &skipped);
    EXPECT_EQ(got, (std::vector<std::string>{"C:\\D\\b.txt"}));
    EXPECT_EQ(skipped, 1);
}

TEST(FileDropBlock, PathsTooLongForTheBufferAreSkippedNotCut)
{
    std::string fits = "C:\\" + std::string(256, 'f');   // 259 characters
    std::string longer = "C:\\" + std::string(257, 'l');  // 260: no room for the NUL
    std::string block = Header(20, 0) + fits + '\0' + longer + '\0' + "C:\\x" + '\0' + '\0';
    int skipped = 0;
    EXPECT_EQ(Read(block, &skipped), (std::vector<std::string>{fits, "C:\\x"}));
    EXPECT_EQ(skipped, 1);
}

TEST(FileDropBlock, MalformedBlocksAreRefused)
{
    const struct {
        const char* what;
        std::string block;
    } cases[] = {
        {"empty", std::string()},
        {"shorter than the header", Header(20, 0).substr(0, 12)},
        {"header only", Header(20, 0)},
        {"paths before the header's end", Header(8, 0) + std::string("a\0\0", 3)},
        {"paths beyond the block", Header(400, 0) + std::string("a\0\0", 3)},
        {"offset far out", Header(0xFFFFFFF0u, 0) + std::string("a\0\0", 3)},
        {"no final NUL", Header(20, 0) + std::string("C:\\a\0C:\\b", 9)},
        {"no NUL at all", Header(20, 0) + "C:\\abc"},
        {"wide without final NUL", Header(20, 1) + std::string("C\0:\0\0\0x\0", 8)},
        {"wide, odd byte only", Header(20, 1) + std::string(1, '\0')},
    };
    for (const auto& c : cases) {
        bool ok = true;
        EXPECT_TRUE(Read(c.block, nullptr, &ok).empty()) << c.what;
        EXPECT_FALSE(ok) << c.what;
    }
    FILEDROPLIST list;
    EXPECT_FALSE(ReadFileDropBlock((HGLOBAL) nullptr, &list));
    EXPECT_FALSE(ReadFileDropBlock(nullptr, 100, &list));
}
