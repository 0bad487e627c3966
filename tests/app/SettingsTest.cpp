// The settings store: defaults on a fresh user, typed values, and the compatibility entry.
#include "support/TestSupport.h"
#include "app/BrindlexApp.h"
#include "app/AppGlobals.h"

TEST(Settings, AbsentValuesReadAsTheirDefaults)
{
    ClearSettings();
    CWinApp& app = TestApp();
    struct Int { const char* key; int def; } ints[] = {
        {"compat", 0}, {"emax", 0}, {"max", 0}, {"path", 0}, {"left", 60}, {"top", 60}, {"width", 520},
        {"height", 360}, {"hex", 0}, {"hfheight", 10}, {"hfweight", 400}, {"tfheight", 8}, {"tfweight", 400},
        {"list", 0}};
    for (const Int& i : ints) EXPECT_EQ((int)app.GetProfileInt("settings", i.key, i.def), i.def) << i.key;
    EXPECT_EQ(app.GetProfileString("settings", "hfname", "Courier New"), "Courier New");
    EXPECT_EQ(app.GetProfileString("mru", "mru1", ""), "");
    EXPECT_EQ(app.GetProfileString("mre", "mre1", ""), "");
}

TEST(Settings, WritesStoreDwordsAndStringsUnderTheSectionKey)
{
    ClearSettings();
    CWinApp& app = TestApp();
    EXPECT_EQ(std::string(app.GetAppKeyPath()), "Software\\Quenbridge\\Brindlex");
    ASSERT_TRUE(app.WriteProfileInt("settings", "emax", 2));
    ASSERT_TRUE(app.WriteProfileInt("settings", "tfheight", -13));
    ASSERT_TRUE(app.WriteProfileString("mru", "mru1", "C:\\a.txt"));
    DWORD type = 0;
    std::string data;
    ASSERT_TRUE(ReadRegistryValue("settings", "emax", &type, &data));
    EXPECT_EQ(type, (DWORD)REG_DWORD);
    EXPECT_EQ(data.size(), 4u);
    EXPECT_EQ(*(const DWORD*)data.data(), 2u);
    EXPECT_EQ((int)app.GetProfileInt("settings", "tfheight", 8), -13);
    ASSERT_TRUE(ReadRegistryValue("mru", "mru1", &type, &data));
    EXPECT_EQ(type, (DWORD)REG_SZ);
    EXPECT_EQ(data, std::string("C:\\a.txt", 9));  // with its terminating zero
    EXPECT_EQ(app.GetProfileString("mru", "mru1", ""), "C:\\a.txt");
}

TEST(Settings, ValuesOfTheWrongTypeReadAsDefaults)
{
    ClearSettings();
    CWinApp& app = TestApp();
    app.WriteProfileString("settings", "left", "100");
    app.WriteProfileInt("settings", "tfname", 5);
    EXPECT_EQ((int)app.GetProfileInt("settings", "left", 60), 60);
    EXPECT_EQ(app.GetProfileString("settings", "tfname", "MS Sans Serif"), "MS Sans Serif");
}

TEST(Settings, CompatibilityEntryIsWrittenOnce)
{
    ClearSettings();
    const char* layers = "Software\\Microsoft\\Windows NT\\CurrentVersion\\AppCompatFlags\\Layers";
    char exe[256];
    ::GetModuleFileNameA(nullptr, exe, sizeof exe);
    CRegKey h;
    if (h.Open(HKEY_CURRENT_USER, layers, KEY_ALL_ACCESS) == ERROR_SUCCESS) ::RegDeleteValueA(h, exe);
    ASSERT_TRUE(g_bIsNT);
    WriteCompatibilityEntry(TestApp());
    EXPECT_EQ(TestApp().GetProfileInt("settings", "compat", 0), 1u);
    ASSERT_EQ(h.Open(HKEY_CURRENT_USER, layers, KEY_ALL_ACCESS), ERROR_SUCCESS);
    char data[64] = "";
    DWORD type = 0, size = sizeof data;
    ASSERT_EQ(::RegQueryValueExA(h, exe, nullptr, &type, (BYTE*)data, &size), ERROR_SUCCESS);
    EXPECT_EQ(type, (DWORD)REG_SZ);
    EXPECT_EQ(size, 14u);
    EXPECT_STREQ(data, "DISABLECICERO");
    // Once "compat" is set nothing is written again, even after the entry is gone.
    ::RegDeleteValueA(h, exe);
    WriteCompatibilityEntry(TestApp());
    EXPECT_NE(::RegQueryValueExA(h, exe, nullptr, &type, nullptr, nullptr), ERROR_SUCCESS);
}
