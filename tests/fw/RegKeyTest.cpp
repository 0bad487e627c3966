#include "support/TestSupport.h"
#include "fw/RegKey.h"
#include <shlwapi.h>
#include <utility>

namespace {

const char* const kTestKey = "Software\\Quenbridge\\BrindlexRegKeyTest";

// A key handle that was closed no longer answers.
bool IsOpenKey(HKEY h)
{
    DWORD subKeys = 0;
    return ::RegQueryInfoKeyA(h, nullptr, nullptr, nullptr, &subKeys, nullptr, nullptr, nullptr, nullptr, nullptr,
                              nullptr, nullptr) == ERROR_SUCCESS;
}

class RegKeyTest : public ::testing::Test {
protected:
    void SetUp() override { ::SHDeleteKeyA(HKEY_CURRENT_USER, kTestKey); }
    void TearDown() override { ::SHDeleteKeyA(HKEY_CURRENT_USER, kTestKey); }
};

}  // namespace

TEST_F(RegKeyTest, OpenFailsOnAMissingKeyAndCreateMakesIt)
{
    CString path = CString(kTestKey) + "\\a\\b";
    CRegKey key;
    EXPECT_EQ(key.Open(HKEY_CURRENT_USER, path), ERROR_FILE_NOT_FOUND);
    EXPECT_FALSE(key.IsValid());
    EXPECT_EQ((HKEY)key, (HKEY) nullptr);

    ASSERT_EQ(key.Create(HKEY_CURRENT_USER, path), ERROR_SUCCESS);  // the missing parents too
    ASSERT_TRUE(key.IsValid());
    DWORD v = 7;
    ASSERT_EQ(::RegSetValueExA(key, "n", 0, REG_DWORD, (const BYTE*)&v, sizeof v), ERROR_SUCCESS);

    CRegKey again;
    ASSERT_EQ(again.Open(HKEY_CURRENT_USER, path), ERROR_SUCCESS);
    DWORD got = 0, size = sizeof got;
    EXPECT_EQ(::RegQueryValueExA(again, "n", nullptr, nullptr, (BYTE*)&got, &size), ERROR_SUCCESS);
    EXPECT_EQ(got, 7u);

    // A failed open lets go of the key held before.
    HKEY before = again;
    EXPECT_NE(again.Open(HKEY_CURRENT_USER, CString(kTestKey) + "\\missing"), ERROR_SUCCESS);
    EXPECT_FALSE(again.IsValid());
    EXPECT_FALSE(IsOpenKey(before));
}

TEST_F(RegKeyTest, TheKeyIsClosedExactlyOnceWhateverPathItTakes)
{
    HKEY scoped = nullptr;
    {
        CRegKey key;
        ASSERT_EQ(key.Create(HKEY_CURRENT_USER, kTestKey), ERROR_SUCCESS);
        scoped = key;
        EXPECT_TRUE(IsOpenKey(scoped));
    }
    EXPECT_FALSE(IsOpenKey(scoped));  // closed by the destructor

    CRegKey first;
    ASSERT_EQ(first.Open(HKEY_CURRENT_USER, kTestKey), ERROR_SUCCESS);
    HKEY h = first;
    CRegKey moved(std::move(first));  // the new owner holds it; the old holds nothing
    EXPECT_FALSE(first.IsValid());
    EXPECT_EQ((HKEY)moved, h);
    EXPECT_TRUE(IsOpenKey(h));

    CRegKey target;
    ASSERT_EQ(target.Open(HKEY_CURRENT_USER, kTestKey), ERROR_SUCCESS);
    HKEY replaced = target;
    target = std::move(moved);  // the key the target held goes
    EXPECT_FALSE(IsOpenKey(replaced));
    EXPECT_EQ((HKEY)target, h);
    EXPECT_TRUE(IsOpenKey(h));

    HKEY detached = target.Detach();  // handed over: still open, no longer ours
    EXPECT_FALSE(target.IsValid());
    EXPECT_TRUE(IsOpenKey(detached));
    CRegKey adopted(detached);
    EXPECT_EQ(adopted.Close(), ERROR_SUCCESS);
    EXPECT_FALSE(IsOpenKey(detached));
    EXPECT_EQ(adopted.Close(), ERROR_SUCCESS);  // closing twice does nothing
}
