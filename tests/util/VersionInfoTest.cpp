#include "support/TestSupport.h"
#include "util/VersionInfo.h"
#include <string>

namespace {

typedef CString (CVersionInfo::*Getter)() const;

struct GetterCase {
    Getter get;
    const char* name;
    const char* own;  // the value in brindlex.rc
};

const GetterCase kGetters[] = {
    {&CVersionInfo::GetComments, "Comments", "File viewer and file manager"},
    {&CVersionInfo::GetCompanyName, "CompanyName", "Quenbridge"},
    {&CVersionInfo::GetLegalCopyright, "LegalCopyright", "Copyright (C) 2026 Quenbridge"},
    {&CVersionInfo::GetFileDescription, "FileDescription", "Brindlex file viewer and explorer"},
    {&CVersionInfo::GetFileVersion, "FileVersion", "1.0.0.1"},
    {&CVersionInfo::GetInternalName, "InternalName", "brindlex"},
    {&CVersionInfo::GetLegalTrademarks, "LegalTrademarks", ""},
    {&CVersionInfo::GetPrivateBuild, "PrivateBuild", ""},
    {&CVersionInfo::GetProductName, "ProductName", "Brindlex"},
    {&CVersionInfo::GetProductVersion, "ProductVersion", "1.0.0.1"},
    {&CVersionInfo::GetSpecialBuild, "SpecialBuild", ""},
};

void ExpectAllEmpty(const CVersionInfo& vi, const char* what)
{
    EXPECT_EQ(std::string(vi.GetTranslation()), "") << what;
    for (const GetterCase& g : kGetters) {
        EXPECT_EQ(std::string((vi.*g.get)()), "") << what << ": " << g.name;
        EXPECT_EQ(std::string(vi.GetValue(g.name)), "") << what << ": " << g.name;
    }
}

}  // namespace

TEST(VersionInfo, OwnProgramReadsItsVersionResource)
{
    CVersionInfo vi;
    EXPECT_EQ(std::string(vi.GetTranslation()), "040904b0");
    for (const GetterCase& g : kGetters) {
        EXPECT_EQ(std::string((vi.*g.get)()), g.own) << g.name;
        EXPECT_EQ(std::string(vi.GetValue(g.name)), g.own) << g.name;
    }
    // A value without a getter of its own; asking again gives the same text.
    EXPECT_EQ(std::string(vi.GetValue("OriginalFilename")), "brindlex.exe");
    EXPECT_EQ(std::string(vi.GetProductName()), "Brindlex");
    EXPECT_EQ(std::string(vi.GetValue("NoSuchValue")), "");
    EXPECT_EQ(std::string(vi.GetValue("")), "");
    EXPECT_EQ(std::string(vi.GetValue(nullptr)), "");
    EXPECT_EQ(std::string(vi.GetValue(std::string(1000, 'N').c_str())), "");
    EXPECT_EQ(std::string(vi.GetValue("\\")), "");
}

TEST(VersionInfo, WineRegedit)
{
    char dir[MAX_PATH];
    ASSERT_GT(::GetWindowsDirectoryA(dir, sizeof dir), 0u);
    CVersionInfo vi(CString(dir) + "\\regedit.exe");
    EXPECT_EQ(std::string(vi.GetTranslation()), "040904b0");
    EXPECT_EQ(std::string(vi.GetProductName()), "Wine");
    EXPECT_EQ(std::string(vi.GetProductName()), "Wine");
    EXPECT_FALSE(vi.GetFileVersion().IsEmpty());
}

TEST(VersionInfo, FirstTranslationDecides)
{
    struct Case {
        const char* file;
        const char* translation;
        const char* product;
        const char* company;
    } cases[] = {
        // Code page 65001 is 0xfde9: still exactly eight digits.
        {"vfix_utf8.exe", "0407fde9", "Umlaut Probe", "Feldmark"},
        // The strings are under 0407fde9, but the first translation is 040904b0.
        {"vfix_mismatch.exe", "040904b0", "", ""},
        // No translation table: the query has an empty segment and finds nothing.
        {"vfix_notrans.exe", "", "", ""},
    };
    for (const Case& c : cases) {
        CString path = BesideTestProgram(c.file);
        ASSERT_NE(::GetFileAttributesA(path), INVALID_FILE_ATTRIBUTES) << c.file;
        CVersionInfo vi(path);
        EXPECT_EQ(std::string(vi.GetTranslation()), c.translation) << c.file;
        EXPECT_EQ(std::string(vi.GetProductName()), c.product) << c.file;
        EXPECT_EQ(std::string(vi.GetCompanyName()), c.company) << c.file;
        EXPECT_EQ(std::string(vi.GetComments()), "") << c.file;
    }
}

TEST(VersionInfo, FilesWithoutVersionInformation)
{
    CTempDir dir;
    CString text = dir.File("plain.txt");
    ASSERT_TRUE(WriteFileBytes(text, "MZ not really a program\r\n"));
    char windows[MAX_PATH];
    ASSERT_GT(::GetWindowsDirectoryA(windows, sizeof windows), 0u);
    CString notepad = CString(windows) + "\\notepad.exe";
    ASSERT_NE(::GetFileAttributesA(notepad), INVALID_FILE_ATTRIBUTES);
    CString longPath = "C:\\" + CString('a', 300) + "\\x.exe";

    const char* paths[] = {text, notepad, "", dir.File("missing.exe"), longPath,
                           dir.Path(), "\\\\\\\\", nullptr};
    for (const char* p : paths) {
        CVersionInfo vi(p);
        ExpectAllEmpty(vi, p ? p : "(null)");
        EXPECT_FALSE(vi.Load(p));
        ExpectAllEmpty(vi, p ? p : "(null)");
    }
}

TEST(VersionInfo, LoadReplacesWhatWasLoaded)
{
    CString utf8 = BesideTestProgram("vfix_utf8.exe");
    CVersionInfo vi(utf8);
    ASSERT_EQ(std::string(vi.GetProductName()), "Umlaut Probe");

    // Nothing of the earlier file survives a load that finds no version information.
    EXPECT_FALSE(vi.Load(BesideTestProgram("no-such-file.exe")));
    ExpectAllEmpty(vi, "after a failed load");

    EXPECT_TRUE(vi.Load(BesideTestProgram("vfix_notrans.exe")));
    ExpectAllEmpty(vi, "after loading a block without translations");

    EXPECT_TRUE(vi.Load(utf8));
    EXPECT_EQ(std::string(vi.GetTranslation()), "0407fde9");
    EXPECT_EQ(std::string(vi.GetFileVersion()), "2.3.0.7");
}
