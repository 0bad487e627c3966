// CRichEditCtrl: a rich edit control ("RichEdit20A") owned by this object. Create makes it
// (replacing the one held), DestroyWindow or the object's end destroys it; when its parent
// takes it down first, the object learns of it and holds no window any more.
#pragma once

#include "fw/Wnd.h"

class CRichEditCtrl : public CWnd {
public:
    // The control's library must be loaded (riched20.dll).
    BOOL Create(DWORD style, const RECT& rc, HWND hParent, UINT nID);
};
