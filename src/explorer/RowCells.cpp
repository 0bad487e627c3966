#include "explorer/RowCells.h"
#include "fw/FileFind.h"
#include <commctrl.h>
#include <shlobj.h>

CString FormatSizeCell(const WIN32_FIND_DATAA& fd)
{
    if (fd.dwFileAttributes & FILE_ATTRIBUTE_DIRECTORY) return CString();
    return DecimalText(CFileFind::LengthOf(fd));
}

bool LocalDateOf(const FILETIME& ft, SYSTEMTIME* pDate)
{
    if (ft.dwLowDateTime == 0) return false;
    return CTime(ft).GetAsSystemTime(*pDate);
}

ULONGLONG DateCellOrder(const FILETIME& ft)
{
    SYSTEMTIME st;
    if (!LocalDateOf(ft, &st)) return 0;
    // The year as text decides last, character by character: digits count 1 to 10 and the
    // end of the text 0, five places in base 11.
    char year[8];
    snprintf(year, sizeof year, "%04u", (unsigned)st.wYear);
    ULONGLONG yearText = 0;
    for (int k = 0; k < 5; k++) yearText = yearText * 11 + (year[k] ? (ULONGLONG)(year[k] - '0' + 1) : 0);
    ULONGLONG day = ((ULONGLONG)(st.wYear % 10000) * 100 + st.wMonth) * 100 + st.wDay;
    return 1 + day * 161051 + yearText;
}

CString FormatDateCell(const FILETIME& ft)
{
    SYSTEMTIME st;
    if (!LocalDateOf(ft, &st)) return CString();
    char buf[16];
    snprintf(buf, sizeof buf, "%02u-%02u-%04u", (unsigned)st.wMonth, (unsigned)st.wDay, (unsigned)st.wYear);
    return CString(buf);
}

UINT RowStateOf(DWORD shellAttributes) { return (shellAttributes & SFGAO_GHOSTED) ? LVIS_CUT : 0; }
