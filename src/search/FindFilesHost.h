// IFindFilesHost: what the Find Files window asks of the window that owns it.
#pragma once

#include "fw/afx.h"

class IFindFilesHost {
public:
    // The window is gone; the next request creates a new one.
    virtual void OnFindFilesDestroyed() = 0;
    // The shell's menu for names in folder (ending with a backslash) at a screen point.
    virtual void ShowShellContextMenu(const CString& folder, const CArray<CString>& names, int x, int y) = 0;

protected:
    ~IFindFilesHost() {}
};
