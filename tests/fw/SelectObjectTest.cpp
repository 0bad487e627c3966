#include "support/TestSupport.h"
#include "fw/SelectObject.h"

namespace {

// A memory DC with its stock objects selected.
class CMemoryDc {
public:
    CMemoryDc() : m_dc(::CreateCompatibleDC(nullptr)) {}
    operator HDC() const { return m_dc; }

private:
    CDcHandle m_dc;
};

HGDIOBJ Current(HDC dc, UINT type) { return ::GetCurrentObject(dc, type); }

}  // namespace

TEST(CSelectObjectTest, PutsTheFirstReplacedObjectBack)
{
    CMemoryDc dc;
    ASSERT_NE((HDC)dc, (HDC) nullptr);
    HGDIOBJ stockFont = Current(dc, OBJ_FONT);
    HGDIOBJ stockPen = Current(dc, OBJ_PEN);
    CFont a(::CreateFontA(-12, 0, 0, 0, 400, 0, 0, 0, 0, 0, 0, 0, 0, "Courier"));
    CFont b(::CreateFontA(-20, 0, 0, 0, 700, 0, 0, 0, 0, 0, 0, 0, 0, "Courier"));
    CGdi<HPEN> pen(::CreatePen(PS_SOLID, 3, RGB(1, 2, 3)));
    ASSERT_TRUE(a.Get() && b.Get() && pen.Get());
    {
        CSelectObject font(dc, a);
        CSelectObject penGuard(dc, pen);
        EXPECT_EQ(Current(dc, OBJ_FONT), (HGDIOBJ)a.Get());
        EXPECT_EQ(Current(dc, OBJ_PEN), (HGDIOBJ)pen.Get());
        font.Select(dc, b);  // a second selection still puts the stock font back
        EXPECT_EQ(Current(dc, OBJ_FONT), (HGDIOBJ)b.Get());
    }
    EXPECT_EQ(Current(dc, OBJ_FONT), stockFont);
    EXPECT_EQ(Current(dc, OBJ_PEN), stockPen);

    // Nothing selected, nothing put back; an early Restore is not repeated.
    {
        CSelectObject none(dc, nullptr);
        EXPECT_EQ(Current(dc, OBJ_FONT), stockFont);
        CSelectObject font(dc, a);
        font.Restore();
        EXPECT_EQ(Current(dc, OBJ_FONT), stockFont);
        ::SelectObject(dc, b);
    }
    EXPECT_EQ(Current(dc, OBJ_FONT), (HGDIOBJ)b.Get());
    ::SelectObject(dc, stockFont);
}
