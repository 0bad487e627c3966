// What one section may cost the process. The text control spends memory per character, and
// much more per line and per tab: a section goes into it only as far as the process's committed
// memory stays under a budget, so that no file can exhaust the address space.
#pragma once

#include <windows.h>
#include <string>

// The control's cost of text, a little above the most measured (bench/section_memory.sh: Wine 8's
// rich edit, committed memory per 512 KiB of text): 116-280 bytes a character (random text
// more, in many runs), 0.7-2.3 KB a line (the shorter the lines, the more each), 780 bytes a tab.
// Between pieces the process's own figure takes over, so an estimate off by some only moves
// where one piece stops.
const unsigned SECTION_COST_PER_CHAR = 280;
const unsigned SECTION_COST_PER_LINE = 2400;
const unsigned SECTION_COST_PER_TAB = 800;

// The process's committed memory may grow to this while a section loads. A 32-bit process has
// 2 GB of address space: the program's images and stacks take under 100 MB, a whole section
// copied or printed some tens of MB at once, and the rest of the 512 MB left is slack for the
// heap's gaps. Text sections of ordinary lines (76-byte lines: about 820 MB here), of one line
// of code or data (about 1.35 GB) and every hex section (at most about 750 MB) fit whole.
const unsigned __int64 SECTION_BUDGET_BYTES = 1536ull << 20;

// The memory the control takes for text (rendered, as it goes to the control): n characters.
unsigned __int64 SectionCostOf(const BYTE* text, unsigned n);
unsigned __int64 SectionCostOf(const wchar_t* text, unsigned n);

// The process's committed (private) memory now; 0 when the platform does not say.
unsigned __int64 ProcessCommittedBytes();

class CSectionBudget {
public:
    explicit CSectionBudget(unsigned __int64 limit = SECTION_BUDGET_BYTES) : m_limit(limit) {}

    // A section begins: nothing taken, nothing cut, no note.
    void BeginSection();
    // A piece of it begins, with the process's committed memory as it is now (0: unknown, the
    // estimates go on adding up); the budget holds from here until Stop.
    void BeginPiece(unsigned __int64 committed);
    void Stop() { m_bArmed = false; }
    // Whether a chunk of up to cb characters of any text still fits (always, when not begun);
    // false marks the section cut.
    bool Admits(unsigned cb);
    // A chunk of n characters went to the control.
    void Took(const BYTE* text, unsigned n);
    void Took(const wchar_t* text, unsigned n);
    // The section stopped at the budget.
    bool IsCut() const { return m_bCut; }
    // Where the viewer's note after a cut section begins in the control; -1: no note.
    LONG NoteAt() const { return m_noteAt; }
    void SetNoteAt(LONG cp) { m_noteAt = cp; }
    // The end of the file's text in the control: the note's start, or end when there is none.
    LONG ShownEnd(LONG end) const { return m_noteAt >= 0 && m_noteAt < end ? m_noteAt : end; }
    unsigned __int64 Limit() const { return m_limit; }
    void SetLimit(unsigned __int64 limit) { m_limit = limit; }

private:
    unsigned __int64 m_limit;
    unsigned __int64 m_base = 0;   // committed at the start of the piece
    unsigned __int64 m_taken = 0;  // the estimate of what went in since
    bool m_bArmed = false;
    bool m_bCut = false;
    LONG m_noteAt = -1;
};

// The line the viewer puts after a section it shows in part.
std::string SectionCutNote(unsigned shown, unsigned total, bool hex);

extern CSectionBudget g_sectionBudget;
