#include "support/TestSupport.h"
#include "viewer/PathName.h"

TEST(PathName, WildcardsAreSeen)
{
    EXPECT_TRUE(HasWildcard("C:\\dir\\??.txt"));
    EXPECT_TRUE(HasWildcard("*"));
    EXPECT_FALSE(HasWildcard("C:\\dir\\a b.txt"));
    EXPECT_FALSE(HasWildcard(""));
}

TEST(PathName, AnsiPathOfANameOutsideTheCodePageIsItsShortName)
{
    CTempDir dir;
    int n = ::MultiByteToWideChar(CP_ACP, 0, dir.Path(), -1, nullptr, 0);
    std::wstring wdir((size_t)n, L'\0');
    ::MultiByteToWideChar(CP_ACP, 0, dir.Path(), -1, &wdir[0], n);
    wdir.resize(wcslen(wdir.c_str()));
    std::wstring wide = wdir + L"\\\x65e5\x672c.txt";
    {
        CFileHandle h(::CreateFileW(wide.c_str(), GENERIC_WRITE, 0, nullptr, CREATE_ALWAYS, 0, nullptr));
        ASSERT_TRUE(h.IsValid());
        DWORD put = 0;
        ASSERT_TRUE(::WriteFile(h, "right", 5, &put, nullptr));
    }
    ASSERT_TRUE(WriteFileBytes(dir.File("ab.txt"), "decoy"));
    CString ansi = AnsiPathOf(wide.c_str());
    EXPECT_FALSE(HasWildcard(ansi)) << ansi.c_str();
    EXPECT_EQ(ReadFileBytes(ansi), "right") << ansi.c_str();
    // A representable name comes back as it is.
    std::wstring plain = wdir + L"\\ab.txt";
    EXPECT_EQ(std::string(AnsiPathOf(plain.c_str())), std::string(dir.File("ab.txt")));
    // Nothing to shorten: no form names the file.
    std::wstring missing = wdir + L"\\\x65e5\x672c-missing.txt";
    EXPECT_EQ(std::string(AnsiPathOf(missing.c_str())), "");
    ::DeleteFileW(wide.c_str());
}
