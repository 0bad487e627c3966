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

CHARRANGE FindInSection(const CRichEditCtrl& ctl, const CAddedBreaks& breaks, const wchar_t* what, LONG start,
                        LONG stop, WPARAM options)
{
    CHARRANGE none = {-1, -1};
    std::wstring needle(what ? what : L"");
    if (needle.empty() || start < 0) return none;
    std::wstring text = ControlText(ctl);
    // What follows stop (a note of the viewer's own) is no text of the file.
    if (stop >= 0 && (size_t)stop < text.size()) text.resize((size_t)stop);
    if ((size_t)start >= text.size()) return none;
    bool matchCase = (options & FR_MATCHCASE) != 0, wholeWord = (options & FR_WHOLEWORD) != 0;
    // Letters of every script in either case (the control folds only some).
    std::wstring hay = text;
    if (!matchCase && !hay.empty()) {
        ::CharUpperBuffW(&hay[0], (DWORD)hay.size());
        ::CharUpperBuffW(&needle[0], (DWORD)needle.size());
    }
    LONG len = (LONG)needle.size(), at = -1;
    for (size_t p = hay.find(needle, (size_t)start); p != std::wstring::npos; p = hay.find(needle, p + 1)) {
        CHARRANGE cr = {(LONG)p, (LONG)p + len};
        // A whole word ends where no letter goes on; a break of our own is no such end.
        if (wholeWord && (IsWordChar(CharAt(text, cr.cpMin - 1)) || IsWordChar(CharAt(text, cr.cpMax)) ||
                          IsCutFromItsWord(text, breaks, cr)))
            continue;
        at = cr.cpMin;
        break;
    }
    CHARRANGE across = FindAcrossBreaks(text, breaks, what, start, at, options);
    if (across.cpMin >= 0) return across;
    if (at < 0) return none;
    return CHARRANGE{at, at + len};
}
