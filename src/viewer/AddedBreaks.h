// The line breaks the viewer added to long lines of the section on show, by their character
// position in the control. Find, Copy and Print leave them out: the user gets the file's text.
#pragma once

#include <windows.h>
#include <string>
#include <vector>

class CRichEditCtrl;

class CAddedBreaks {
public:
    void Clear() { m_at.clear(); }
    void Add(LONG cp) { m_at.push_back(cp); }
    size_t Count() const { return m_at.size(); }
    LONG At(size_t i) const { return m_at[i]; }
    // Index of the first break at or after cp.
    size_t FirstFrom(LONG cp) const;
    bool IsAdded(LONG cp) const;
    // text holds the control's characters from cp first on, one per position (a paragraph
    // end as one CR): the same without the added breaks, every paragraph end as CR LF when crlf.
    std::wstring Strip(const std::wstring& text, LONG first, bool crlf) const;

private:
    std::vector<LONG> m_at;  // ascending
};

extern CAddedBreaks g_addedBreaks;

// The control's whole text as characters, one a position (a paragraph end as one CR).
std::wstring ControlText(const CRichEditCtrl& ctl);

// The control's text from cpMin to cpMax (-1: the end) as the file holds it: without the
// added breaks, paragraph ends as CR LF when crlf.
std::wstring SectionTextOf(const CRichEditCtrl& ctl, LONG cpMin, LONG cpMax, bool crlf);
