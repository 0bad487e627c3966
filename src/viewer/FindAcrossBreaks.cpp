#include "viewer/FindAcrossBreaks.h"
#include <vector>

namespace {

bool IsWordChar(wchar_t c) { return c == L'_' || ::IsCharAlphaNumericW(c); }

bool SameText(const wchar_t* a, const wchar_t* b, int n, bool matchCase)
{
    if (matchCase) return wmemcmp(a, b, (size_t)n) == 0;
    return ::CompareStringW(LOCALE_USER_DEFAULT, NORM_IGNORECASE, a, n, b, n) == CSTR_EQUAL;
}

std::wstring Widen(const char* s, int n)
{
    int wn = ::MultiByteToWideChar(CP_ACP, 0, s, n, nullptr, 0);
    std::wstring w((size_t)(wn > 0 ? wn : 0), L'\0');
    if (wn > 0) ::MultiByteToWideChar(CP_ACP, 0, s, n, &w[0], wn);
    return w;
}

// The control's character at cp; 0 when there is none.
wchar_t CharAt(HWND ctl, LONG cp)
{
    if (cp < 0) return 0;
    char buf[4] = {};  // a double-byte character and its zero
    TEXTRANGEA tr = {{cp, cp + 1}, buf};
    LONG n = (LONG)::SendMessageA(ctl, EM_GETTEXTRANGE, 0, (LPARAM)&tr);
    if (n <= 0 || n > 2) return 0;
    std::wstring w = Widen(buf, n);
    return w.empty() ? 0 : w[0];
}

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

CHARRANGE FindAcrossBreaks(HWND ctl, const CAddedBreaks& breaks, const char* what, LONG start, LONG before,
                           WPARAM options)
{
    CHARRANGE none = {-1, -1};
    std::wstring needle = Widen(what, -1);
    if (!needle.empty() && needle.back() == L'\0') needle.pop_back();
    LONG len = (LONG)needle.size();
    if (len < 2) return none;
    for (size_t i = breaks.FirstFrom(start); i < breaks.Count(); i++) {
        LONG brk = breaks.At(i);
        if (before >= 0 && brk - len + 1 >= before) break;
        // A character each side besides the match, for whole words.
        LONG lo = brk - len > 0 ? brk - len : 0, hi = brk + len + 1;
        std::vector<char> buf((size_t)(hi - lo) * 2 + 2);
        TEXTRANGEA tr = {{lo, hi}, buf.data()};
        LONG n = (LONG)::SendMessageA(ctl, EM_GETTEXTRANGE, 0, (LPARAM)&tr);
        if (n <= 0) continue;
        LONG at = FindAcrossBreak(Widen(buf.data(), n), lo, brk, needle, start, before, options);
        if (at >= 0) return CHARRANGE{at, at + len + 1};
    }
    return none;
}

bool IsCutFromItsWord(HWND ctl, const CAddedBreaks& breaks, CHARRANGE cr)
{
    if (breaks.IsAdded(cr.cpMax) && IsWordChar(CharAt(ctl, cr.cpMax + 1))) return true;
    return cr.cpMin > 0 && breaks.IsAdded(cr.cpMin - 1) && IsWordChar(CharAt(ctl, cr.cpMin - 2));
}

CHARRANGE FindInSection(HWND ctl, const CAddedBreaks& breaks, const char* what, LONG start, LONG stop,
                        WPARAM options)
{
    const CHARRANGE none = {-1, -1};
    if (stop >= 0 && start >= stop) return none;
    FINDTEXTEXA ft = {};
    ft.chrg.cpMin = start;
    ft.chrg.cpMax = stop;
    ft.lpstrText = what;
    options |= FR_DOWN;  // forward from start
    LONG at;
    // The control takes an added break for the end of a word: such a match is passed over.
    while ((at = (LONG)::SendMessageA(ctl, EM_FINDTEXTEX, options, (LPARAM)&ft)) >= 0 &&
           (options & FR_WHOLEWORD) && IsCutFromItsWord(ctl, breaks, ft.chrgText))
        ft.chrg.cpMin = at + 1;
    CHARRANGE across = FindAcrossBreaks(ctl, breaks, what, start, at, options);
    if (across.cpMin >= 0 && (stop < 0 || across.cpMax <= stop)) return across;
    if (at < 0) return none;
    return ft.chrgText;
}
