#include "support/TestSupport.h"
#include "viewer/PrintLayout.h"

// The layout draws with its own scaled font and gives the device its font back when it goes,
// so the page header of the next page is drawn as before.
TEST(PrintLayout, GivesTheDeviceItsFontBack)
{
    CDcHandle dc(::CreateCompatibleDC(nullptr));
    ASSERT_TRUE(dc.IsValid());
    HGDIOBJ before = ::GetCurrentObject(dc, OBJ_FONT);
    CFont screen(::CreateFontA(-13, 0, 0, 0, 400, 0, 0, 0, 0, 0, 0, 0, 0, "Courier"));
    ASSERT_TRUE(screen.Get());
    RECT twips = {0, 0, 1440 * 8, 1440 * 10};
    {
        CPrintLayout layout(dc, twips, screen, true);
        HGDIOBJ drawing = ::GetCurrentObject(dc, OBJ_FONT);
        EXPECT_NE(drawing, before);
        EXPECT_NE(drawing, (HGDIOBJ)screen.Get());  // a copy scaled to the device
        EXPECT_GT(layout.LinesPerPage(), 0);
        const wchar_t* text = L"one\r\ntwo\r\n";
        EXPECT_EQ(*layout.DrawPage(text), L'\0');
    }
    EXPECT_EQ(::GetCurrentObject(dc, OBJ_FONT), before);
}
