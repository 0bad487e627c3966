#include "viewer/SectionBudget.h"
#include "fw/String.h"
#include <psapi.h>

CSectionBudget g_sectionBudget;

namespace {

template <class Char>
unsigned __int64 CostOf(const Char* text, unsigned n)
{
    unsigned chars = 0, lines = 0, tabs = 0;
    for (unsigned i = 0; i < n; i++) {
        Char c = text[i];
        if (c == '\n') {
            lines++;
        } else if (c == '\r') {
            if (i + 1 == n || text[i + 1] != '\n') lines++;  // a CR LF is one break
        } else if (c == '\t') {
            tabs++;
        } else {
            chars++;
        }
    }
    return (unsigned __int64)chars * SECTION_COST_PER_CHAR + (unsigned __int64)lines * SECTION_COST_PER_LINE +
           (unsigned __int64)tabs * SECTION_COST_PER_TAB;
}

}  // namespace

unsigned __int64 SectionCostOf(const BYTE* text, unsigned n) { return CostOf(text, n); }

unsigned __int64 SectionCostOf(const wchar_t* text, unsigned n) { return CostOf(text, n); }

unsigned __int64 ProcessCommittedBytes()
{
    PROCESS_MEMORY_COUNTERS_EX pmc = {};
    pmc.cb = sizeof pmc;
    if (!::GetProcessMemoryInfo(::GetCurrentProcess(), (PROCESS_MEMORY_COUNTERS*)&pmc, sizeof pmc)) return 0;
    // Wine fills one of the two; Windows both, alike.
    return pmc.PrivateUsage > pmc.PagefileUsage ? pmc.PrivateUsage : pmc.PagefileUsage;
}

void CSectionBudget::BeginSection()
{
    m_base = 0;
    m_taken = 0;
    m_bArmed = false;
    m_bCut = false;
    m_noteAt = -1;
}

void CSectionBudget::BeginPiece(unsigned __int64 committed)
{
    // Without the process's own figure the estimates add up from piece to piece.
    m_base = committed ? committed : m_base + m_taken;
    m_taken = 0;
    m_bArmed = true;
}

bool CSectionBudget::Admits(unsigned cb)
{
    if (!m_bArmed) return true;
    if (m_bCut) return false;
    // The dearest text there is: every byte a line or a tab, and a break of the viewer's own.
    unsigned worst = SECTION_COST_PER_CHAR;
    if (SECTION_COST_PER_LINE > worst) worst = SECTION_COST_PER_LINE;
    if (SECTION_COST_PER_TAB > worst) worst = SECTION_COST_PER_TAB;
    unsigned __int64 need = m_base + m_taken + (unsigned __int64)(cb + 2) * worst;
    if (need <= m_limit) return true;
    m_bCut = true;
    return false;
}

void CSectionBudget::Took(const BYTE* text, unsigned n)
{
    if (m_bArmed) m_taken += SectionCostOf(text, n);
}

void CSectionBudget::Took(const wchar_t* text, unsigned n)
{
    if (m_bArmed) m_taken += SectionCostOf(text, n);
}

std::string SectionCutNote(unsigned shown, unsigned total, bool hex)
{
    std::string note = "[Shown: the first ";
    note += DecimalText(shown).c_str();
    note += " of ";
    note += DecimalText(total).c_str();
    // Hex sections are small enough to show whole within the budget; if one ever is cut,
    // the note says no more than is true.
    note += hex ? " bytes of this section.]" : " bytes of this section; Hex shows all of it.]";
    return note;
}
