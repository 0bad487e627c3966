// CRichEditCtrl: a rich edit control ("RichEdit20A") owned by this object. Create makes it
// (replacing the one held), DestroyWindow or the object's end destroys it; when its parent
// takes it down first, the object learns of it and holds no window any more.
// The control's messages are its methods, each one EM_ message; positions are characters.
#pragma once

#include "fw/Wnd.h"
#include <richedit.h>

class CRichEditCtrl : public CWnd {
public:
    // The control's library must be loaded (riched20.dll).
    BOOL Create(DWORD style, const RECT& rc, HWND hParent, UINT nID);

    // Text in: at the selection with SFF_SELECTION in format, else in place of all. Returns
    // the characters read.
    LONG StreamIn(UINT format, EDITSTREAM& es) { return (LONG)SendMessage(EM_STREAMIN, format, (LPARAM)&es); }
    // The number of characters as flags and codepage count them.
    LONG GetTextLengthEx(DWORD flags, UINT codepage) const
    {
        GETTEXTLENGTHEX gtl = {flags, codepage};
        return (LONG)SendMessage(EM_GETTEXTLENGTHEX, (WPARAM)&gtl, 0);
    }
    // The position just past the last character: one position a character, a paragraph end one.
    LONG GetCharCount() const { return GetTextLengthEx(GTL_NUMCHARS | GTL_PRECISE, 1200); }
    // The whole text as characters into buf of cch (its zero included); returns those copied.
    LONG GetTextEx(wchar_t* buf, DWORD cch) const
    {
        GETTEXTEX gt = {};
        gt.cb = cch * sizeof(wchar_t);
        gt.flags = GT_DEFAULT;
        gt.codepage = 1200;
        return (LONG)SendMessage(EM_GETTEXTEX, (WPARAM)&gt, (LPARAM)buf);
    }
    // The text of cr into buf, which holds its length and a zero; returns the characters copied.
    LONG GetTextRange(CHARRANGE cr, char* buf) const
    {
        TEXTRANGEA tr = {cr, buf};
        return (LONG)SendMessage(EM_GETTEXTRANGE, 0, (LPARAM)&tr);
    }

    CHARRANGE GetSel() const
    {
        CHARRANGE cr = {0, 0};
        SendMessage(EM_EXGETSEL, 0, (LPARAM)&cr);
        return cr;
    }
    void SetSel(CHARRANGE cr) { SendMessage(EM_EXSETSEL, 0, (LPARAM)&cr); }
    void SetSel(LONG start, LONG end) { SendMessage(EM_SETSEL, (WPARAM)start, (LPARAM)end); }
    BOOL SetCharFormat(DWORD flags, CHARFORMAT2A& cf)
    {
        return (BOOL)SendMessage(EM_SETCHARFORMAT, flags, (LPARAM)&cf);
    }

    LONG GetFirstVisibleLine() const { return (LONG)SendMessage(EM_GETFIRSTVISIBLELINE); }
    LONG GetLineCount() const { return (LONG)SendMessage(EM_GETLINECOUNT); }
    // The position of the line's first character; -1 past the last line.
    LONG LineIndex(LONG line) const { return (LONG)SendMessage(EM_LINEINDEX, (WPARAM)line); }
    LONG LineFromChar(LONG cp) const { return (LONG)SendMessage(EM_EXLINEFROMCHAR, 0, cp); }
    // Where the character at cp is drawn, in client coordinates.
    POINTL PosFromChar(LONG cp) const
    {
        POINTL pt = {0, 0};
        SendMessage(EM_POSFROMCHAR, (WPARAM)&pt, cp);
        return pt;
    }
    void LineScroll(LONG lines) { SendMessage(EM_LINESCROLL, 0, lines); }

    // Lays out (and with bDisplay draws) the range of fr on its device; returns the position
    // after the last character that fitted. nullptr lets the control free what it kept.
    LONG FormatRange(FORMATRANGE* fr, BOOL bDisplay) { return (LONG)SendMessage(EM_FORMATRANGE, bDisplay, (LPARAM)fr); }
    BOOL DisplayBand(RECT& rc) { return (BOOL)SendMessage(EM_DISPLAYBAND, 0, (LPARAM)&rc); }

    void LimitText(LONG chars) { SendMessage(EM_EXLIMITTEXT, 0, chars); }
    void SetUndoLimit(UINT actions) { SendMessage(EM_SETUNDOLIMIT, actions); }
    void EmptyUndoBuffer() { SendMessage(EM_EMPTYUNDOBUFFER); }
};
