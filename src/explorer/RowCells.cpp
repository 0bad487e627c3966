#include "explorer/RowCells.h"
#include "fw/FileFind.h"
#include <commctrl.h>
#include <shlobj.h>

CString FormatSizeCell(const WIN32_FIND_DATAA& fd)
{
    if (fd.dwFileAttributes & FILE_ATTRIBUTE_DIRECTORY) return CString();
    return DecimalText(CFileFind::LengthOf(fd));
}

CString FormatDateCell(const FILETIME& ft)
{
    if (ft.dwLowDateTime == 0) return CString();
    return CTime(ft).Format("%m-%d-%Y");
}

UINT RowStateOf(DWORD shellAttributes) { return (shellAttributes & SFGAO_GHOSTED) ? LVIS_CUT : 0; }
