// The path index of the result rows against a walk over the rows it stands for.
#include "ResultRowsModel.h"
#include "support/TestSupport.h"
#include "search/PathIndex.h"
#include <random>

TEST(PathIndex, FindsTheFirstRowOfAPathIgnoringCase)
{
    CPathIndex index;
    EXPECT_EQ(index.Find("C:\\a.txt"), -1);
    index.Append("C:\\Data\\a.txt");
    index.Append("C:\\Data\\B.txt");
    index.Append("c:\\data\\A.TXT");
    EXPECT_EQ(index.Find("C:\\DATA\\a.txt"), 0);
    EXPECT_EQ(index.Find("c:\\data\\b.TXT"), 1);
    EXPECT_EQ(index.Find("C:\\Data\\c.txt"), -1);
    index.RemoveRow(0);
    EXPECT_EQ(index.Find("C:\\Data\\a.txt"), 1);
    EXPECT_EQ(index.Find("C:\\Data\\b.txt"), 0);
    index.RemoveRow(1);
    EXPECT_EQ(index.Find("C:\\Data\\a.txt"), -1);
    EXPECT_EQ(index.GetRowCount(), 1);
    index.Clear();
    EXPECT_EQ(index.Find("C:\\Data\\b.txt"), -1);
    EXPECT_EQ(index.GetRowCount(), 0);
}

// Random appends and deletions anywhere, each lookup checked against a walk of the rows.
TEST(PathIndex, StaysInStepWithTheRowsThroughAnyEdits)
{
    std::mt19937 rng(11);
    const char* names[] = {"a.txt", "A.TXT", "b.txt", "Sub\\", "c.dat"};
    CPathIndex index;
    CResultRowsModel model;
    for (int step = 0; step < 4000; step++) {
        int op = (int)(rng() % 10);
        if (op < 6 || model.rows.empty()) {
            RESULTROW row;
            row.cells[RESULT_FOLDER] = (rng() % 2) ? "T:\\Data\\" : "t:\\data\\";
            row.cells[RESULT_NAME] = names[rng() % 5];
            model.AppendRow(row);
            index.Append(row.cells[RESULT_FOLDER] + row.cells[RESULT_NAME]);
        } else if (op < 9) {
            int r = (int)(rng() % model.rows.size());
            model.DeleteRow(r);
            index.RemoveRow(r);
        } else if (rng() % 50 == 0) {
            model.DeleteAllRows();
            index.Clear();
        }
        ASSERT_EQ(index.GetRowCount(), model.GetRowCount());
        for (const char* name : names) {
            CString path = CString("T:\\DATA\\") + name;
            ASSERT_EQ(index.Find(path), model.Scan(path)) << "step " << step << " " << name;
        }
    }
}
