#include "support/TestSupport.h"
#include "support/StreamBytes.h"

namespace {

// A rich edit control of its own, 300 by 100 pixels, holding text streamed in as bytes.
class RichEditCtrlTest : public ::testing::Test {
protected:
    void SetUp() override
    {
        ASSERT_NE(::LoadLibraryA("riched20.dll"), (HMODULE) nullptr);
        ASSERT_TRUE(m_ctl.Create(WS_POPUP | WS_VSCROLL | ES_MULTILINE | ES_READONLY, RECT{0, 0, 300, 100}, nullptr, 0));
    }
    LONG Stream(const std::string& text, UINT format = SF_TEXT) { return StreamBytes(m_ctl, text, format); }
    std::wstring Text()
    {
        std::wstring text(64, L'\0');
        text.resize((size_t)m_ctl.GetTextEx(&text[0], (DWORD)text.size()));
        return text;
    }

    CRichEditCtrl m_ctl;
};

}  // namespace

TEST_F(RichEditCtrlTest, TextPositionsLinesAndSelection)
{
    EXPECT_EQ(Stream("one\r\ntwo\r\nthree"), 15);
    // A paragraph end is one position, a CR.
    EXPECT_TRUE(Text() == L"one\rtwo\rthree");
    EXPECT_EQ(m_ctl.GetCharCount(), 13);
    EXPECT_EQ(m_ctl.GetTextLengthEx(GTL_NUMBYTES | GTL_USECRLF | GTL_PRECISE, CP_ACP), 15);
    EXPECT_EQ(m_ctl.GetLineCount(), 3);
    EXPECT_EQ(m_ctl.LineIndex(1), 4);
    EXPECT_EQ(m_ctl.LineIndex(3), -1);
    EXPECT_EQ(m_ctl.LineFromChar(9), 2);
    char two[4] = {};
    EXPECT_EQ(m_ctl.GetTextRange(CHARRANGE{4, 7}, two), 3);
    EXPECT_STREQ(two, "two");
    EXPECT_GT(m_ctl.PosFromChar(m_ctl.LineIndex(1)).y, m_ctl.PosFromChar(0).y);

    m_ctl.SetSel(CHARRANGE{4, 7});
    CHARRANGE sel = m_ctl.GetSel();
    EXPECT_EQ(sel.cpMin, 4);
    EXPECT_EQ(sel.cpMax, 7);
    m_ctl.SetSel(0, 0);
    sel = m_ctl.GetSel();
    EXPECT_EQ(sel.cpMin, 0);
    EXPECT_EQ(sel.cpMax, 0);

    // Streamed in at the selection: the text is added there, not put in place of all.
    m_ctl.SetSel(CHARRANGE{13, 13});
    Stream("!", SF_TEXT | SFF_SELECTION);
    EXPECT_TRUE(Text() == L"one\rtwo\rthree!");
    m_ctl.SetSel(CHARRANGE{13, 14});
    CHARFORMAT2A cf = {};
    cf.cbSize = sizeof cf;
    cf.dwMask = CFM_ITALIC;
    cf.dwEffects = CFE_ITALIC;
    EXPECT_TRUE(m_ctl.SetCharFormat(SCF_SELECTION, cf));
    CHARFORMAT2A got = {};
    got.cbSize = sizeof got;
    m_ctl.SendMessage(EM_GETCHARFORMAT, SCF_SELECTION, (LPARAM)&got);
    EXPECT_TRUE(got.dwEffects & CFE_ITALIC);
}

TEST_F(RichEditCtrlTest, ScrollsByLines)
{
    std::string lines;
    for (int i = 0; i < 100; i++) lines += "line\r\n";
    Stream(lines);
    EXPECT_EQ(m_ctl.GetFirstVisibleLine(), 0);
    m_ctl.LineScroll(10);
    EXPECT_EQ(m_ctl.GetFirstVisibleLine(), 10);
    m_ctl.LineScroll(-4);
    EXPECT_EQ(m_ctl.GetFirstVisibleLine(), 6);
}
