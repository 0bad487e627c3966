// The viewer's own breaks in long lines: taking them out again, and finding across them.
#include "support/TestSupport.h"
#include "viewer/AddedBreaks.h"
#include "viewer/FindAcrossBreaks.h"

namespace {

CAddedBreaks Breaks(std::initializer_list<LONG> at)
{
    CAddedBreaks b;
    for (LONG cp : at) b.Add(cp);
    return b;
}

TEST(AddedBreaks, StripTakesOutOnlyOurBreaksByPosition)
{
    // The control's text from position 10 on: "abc", our break (13), "def", a line end of the
    // file (17), "gh", our break (20), "i".
    std::wstring text = L"abc\rdef\rgh\ri";
    CAddedBreaks b = Breaks({5, 13, 20, 40});
    EXPECT_EQ(b.Strip(text, 10, false), L"abcdef\rghi");
    EXPECT_EQ(b.Strip(text, 10, true), L"abcdef\r\nghi");
    EXPECT_EQ(b.Strip(text.substr(3), 13, true), L"def\r\nghi");  // starting on a break
    EXPECT_EQ(b.Strip(L"x\r\ny", 0, true), L"x\r\ny");          // a CR LF stays one line end
    EXPECT_TRUE(b.IsAdded(13));
    EXPECT_FALSE(b.IsAdded(17));
    EXPECT_EQ(b.FirstFrom(14), 2u);
    EXPECT_EQ(Breaks({}).Strip(text, 0, false), text);
}

TEST(AddedBreaks, FindAcrossABreak)
{
    // "...xxNEE" our break "DLExx", from position 100; the break sits at 105.
    std::wstring text = L"a xxNEE\rDLExx b";
    struct Case {
        const wchar_t* what;
        WPARAM options;
        LONG from, before, expect;
    } cases[] = {
        {L"NEEDLE", FR_MATCHCASE, 0, -1, 102},
        {L"needle", 0, 0, -1, 102},             // case ignored
        {L"needle", FR_MATCHCASE, 0, -1, -1},
        {L"NEEDLE", 0, 103, -1, -1},            // starts before where the search starts
        {L"NEEDLE", 0, 0, 102, -1},             // the control found one earlier
        {L"xxNEEDLExx", 0, 0, -1, 100},
        {L"NEEDLE", FR_WHOLEWORD, 0, -1, -1},   // inside a word
        {L"xxNEEDLExx", FR_WHOLEWORD, 0, -1, 100},
        {L"NEE", 0, 0, -1, -1},                 // ends at the break: the control finds that one
        {L"EDL", 0, 0, -1, 104},
    };
    for (const Case& c : cases)
        EXPECT_EQ(FindAcrossBreak(text, 98, 105, c.what, c.from, c.before, c.options), c.expect) << c.what;
}

}  // namespace
