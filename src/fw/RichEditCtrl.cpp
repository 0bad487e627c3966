#include "fw/afx.h"
#include "fw/RichEditCtrl.h"

BOOL CRichEditCtrl::Create(DWORD style, const RECT& rc, HWND hParent, UINT nID)
{
    if (m_hWnd && !DestroyWindow()) UnsubclassWindow();
    return CreateEx(0, "RichEdit20A", "", style, rc, hParent, nID);
}
