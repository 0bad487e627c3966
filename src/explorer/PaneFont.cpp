#include "explorer/PaneFont.h"

HFONT CreateTallerTahoma(HWND hWnd)
{
    HFONT current = (HFONT)::SendMessageA(hWnd, WM_GETFONT, 0, 0);
    if (!current) current = (HFONT)::GetStockObject(DEFAULT_GUI_FONT);
    LOGFONTA lf = {};
    if (!::GetObjectA(current, sizeof lf, &lf)) return nullptr;
    lstrcpynA(lf.lfFaceName, "Tahoma", LF_FACESIZE);
    lf.lfHeight -= 1;  // negative character heights: one pixel taller
    return ::CreateFontIndirectA(&lf);
}
