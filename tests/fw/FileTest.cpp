#include "support/TestSupport.h"
#include "fw/File.h"

// The read stream must give the same bytes whatever mix of reads, byte reads and seeks.
TEST(CFileTest, BufferedReadsSeeksAndLength)
{
    CTempDir dir;
    std::string data;
    for (int i = 0; i < 200000; i++) data += (char)(i * 7);
    ASSERT_TRUE(WriteFileBytes(dir.File("a.bin"), data));

    CFile f;
    ASSERT_TRUE(f.Open(dir.File("a.bin")));
    EXPECT_EQ(f.GetLength(), data.size());
    EXPECT_EQ(f.ReadByte(), (unsigned char)data[0]);
    std::string big(150000, '\0');
    EXPECT_EQ(f.Read(&big[0], (unsigned)big.size()), big.size());  // crosses the buffer and reads directly
    EXPECT_EQ(big, data.substr(1, 150000));
    EXPECT_EQ(f.GetPosition(), 150001u);
    f.Seek(3);
    EXPECT_EQ(f.ReadByte(), (unsigned char)data[3]);
    f.Seek(199999);
    EXPECT_EQ(f.ReadByte(), (unsigned char)data[199999]);
    EXPECT_EQ(f.ReadByte(), -1);
    char buf[10];
    EXPECT_EQ(f.Read(buf, sizeof buf), 0u);
}

TEST(CFileTest, MissingFileDoesNotOpen)
{
    CFile f;
    EXPECT_FALSE(f.Open("C:\\no\\such\\file.bin"));
    EXPECT_FALSE(f.IsOpen());
    char c;
    EXPECT_EQ(f.Read(&c, 1), 0u);
    EXPECT_EQ(f.ReadByte(), -1);
}

TEST(CStringTest, CompareNoCaseIgnoresCaseOfPaths)
{
    EXPECT_EQ(CString("C:\\A.TXT").CompareNoCase("c:\\a.txt"), 0);
    EXPECT_NE(CString("C:\\A.TXT").CompareNoCase("c:\\b.txt"), 0);
    CString s;
    s.Format("%s  -  Page %d", "C:\\x.txt", 12);
    EXPECT_EQ(s, "C:\\x.txt  -  Page 12");
}
