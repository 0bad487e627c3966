#include "explorer/RowCells.h"
#include <commctrl.h>
#include <shlobj.h>

CString FormatSizeCell(const WIN32_FIND_DATAA& fd)
{
    if (fd.dwFileAttributes & FILE_ATTRIBUTE_DIRECTORY) return CString();
    unsigned __int64 n = ((unsigned __int64)fd.nFileSizeHigh << 32) | fd.nFileSizeLow;
    char buf[24];
    char* p = buf + sizeof buf;
    *--p = 0;
    do {
        *--p = (char)('0' + n % 10);
        n /= 10;
    } while (n);
    return CString(p);
}

CString FormatDateCell(const FILETIME& ft)
{
    if (ft.dwLowDateTime == 0) return CString();
    FILETIME local;
    SYSTEMTIME st;
    if (!::FileTimeToLocalFileTime(&ft, &local) || !::FileTimeToSystemTime(&local, &st)) return CString();
    char buf[16];
    snprintf(buf, sizeof buf, "%02u-%02u-%04u", (unsigned)st.wMonth, (unsigned)st.wDay, (unsigned)st.wYear);
    return CString(buf);
}

UINT RowStateOf(DWORD shellAttributes) { return (shellAttributes & SFGAO_GHOSTED) ? LVIS_CUT : 0; }
