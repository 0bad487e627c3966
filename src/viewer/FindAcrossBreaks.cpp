#include "viewer/FindAcrossBreaks.h"
#include <vector>

namespace {

bool IsWordChar(wchar_t c) { return c == L'_' || ::IsCharAlphaNumericW(c); }

bool SameText(const wchar_t* a, const wchar_t* b, int n, bool matchCase)
{
    if (matchCase) return wmemcmp(a, b, (size_t)n) == 0;
    return ::CompareStringW(LOCALE_USER_DEFAULT, NORM_IGNORECASE, a, n, b, n) == CSTR_EQUAL;
}

// The character at cp of text; 0 when there is none.
wchar_t CharAt(const std::wstring& text, LONG cp) { return cp >= 0 && cp < (LONG)text.size() ? text[(size_t)cp] : 0; }

}  // namespace

LONG FindAcrossBreak(const std::wstring& text, LONG first, LONG brk, const std::wstring& what, LONG from,
                     LONG before, WPARAM options)
{
    int len = (int)what.size();
    LONG cut = brk - first;  // the break's index in text
    if (len < 2 || cut < 0 || cut >= (LONG)text.size()) return -1;
    std::wstring joined = text.substr(0, (size_t)cut) + text.substr((size_t)cut + 1);
    bool matchCase = (options & FR_MATCHCASE) != 0, wholeWord = (options & FR_WHOLEWORD) != 0;
    // A match that ends after the break starts at most len - 1 characters before it.
    for (LONG p = cut - len + 1 > 0 ? cut - len + 1 : 0; p < cut; p++) {
        LONG cp = first + p;
        if (cp < from || p + len > (LONG)joined.size()) continue;
        if (before >= 0 && cp >= before) break;
        if (!SameText(joined.data() + p, what.data(), len, matchCase)) continue;
        if (wholeWord && ((p > 0 && IsWordChar(joined[(size_t)p - 1])) ||
                          (p + len < (LONG)joined.size() && IsWordChar(joined[(size_t)(p + len)]))))
            continue;
        return cp;
    }
    return -1;
}

CHARRANGE FindAcrossBreaks(const std::wstring& text, const CAddedBreaks& breaks, const wchar_t* what, LONG start,
                           LONG before, WPARAM options)
{
    CHARRANGE none = {-1, -1};
    std::wstring needle(what ? what : L"");
    LONG len = (LONG)needle.size();
    if (len < 2) return none;
    for (size_t i = breaks.FirstFrom(start); i < breaks.Count(); i++) {
        LONG brk = breaks.At(i);
        if (before >= 0 && brk - len + 1 >= before) break;
        // A character each side besides the match, for whole words.
        LONG lo = brk - len > 0 ? brk - len : 0, hi = brk + len + 1;
        if (lo >= (LONG)text.size()) break;
        if (hi > (LONG)text.size()) hi = (LONG)text.size();
        LONG at = FindAcrossBreak(text.substr((size_t)lo, (size_t)(hi - lo)), lo, brk, needle, start, before, options);
        if (at >= 0) return CHARRANGE{at, at + len + 1};
    }
    return none;
}

bool IsCutFromItsWord(const std::wstring& text, const CAddedBreaks& breaks, CHARRANGE cr)
{
    if (breaks.IsAdded(cr.cpMax) && IsWordChar(CharAt(text, cr.cpMax + 1))) return true;
    return cr.cpMin > 0 && breaks.IsAdded(cr.cpMin - 1) && IsWordChar(CharAt(text, cr.cpMin - 2));
}

CHARRANGE FindInSection(HWND ctl, const CAddedBreaks& breaks, const wchar_t* what, LONG start, WPARAM options)
{
    // Only the breaks of our own need the text itself.
    std::wstring text = breaks.Count() ? ControlText(ctl) : std::wstring();
    FINDTEXTEXW ft = {};
    ft.chrg.cpMin = start;
    ft.chrg.cpMax = -1;
    ft.lpstrText = what;
    options |= FR_DOWN;  // forward from start
    LONG at;
    // The control takes an added break for the end of a word: such a match is passed over.
    while ((at = (LONG)::SendMessageA(ctl, EM_FINDTEXTEXW, options, (LPARAM)&ft)) >= 0 &&
           (options & FR_WHOLEWORD) && IsCutFromItsWord(text, breaks, ft.chrgText))
        ft.chrg.cpMin = at + 1;
    CHARRANGE across = FindAcrossBreaks(text, breaks, what, start, at, options);
    if (across.cpMin >= 0) return across;
    if (at < 0) return CHARRANGE{-1, -1};
    return ft.chrgText;
}
