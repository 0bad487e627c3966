// CCmdTarget: the root of everything with a message map; CCmdUI: menu item state updates.
#pragma once

#include "fw/MsgMap.h"

class CCmdTarget {
public:
    virtual ~CCmdTarget() {}
    // Runs the handler of a command (nCode CN_COMMAND or a control notification code)
    // or of its state update (CN_UPDATE_COMMAND_UI, pExtra = CCmdUI*). TRUE when handled.
    virtual BOOL OnCmdMsg(UINT nID, UINT nCode, void* pExtra);

protected:
    static const AFX_MSGMAP* GetThisMessageMap();
    virtual const AFX_MSGMAP* GetMessageMap() const;
    const AFX_MSGMAP_ENTRY* FindEntry(UINT nMessage, UINT nCode, UINT nID) const;
    BOOL Dispatch(const AFX_MSGMAP_ENTRY* e, UINT nID, void* pExtra);
};

class CCmdUI {
public:
    CCmdUI(HMENU hMenu, UINT nIndex, UINT nID) : m_hMenu(hMenu), m_nIndex(nIndex), m_nID(nID) {}
    virtual ~CCmdUI() {}
    virtual void Enable(BOOL bOn = TRUE);
    virtual void SetCheck(int nCheck = 1);
    virtual void SetRadio(BOOL bOn = TRUE);
    void SetText(const char* text);

    HMENU m_hMenu;
    UINT m_nIndex;
    UINT m_nID;
    BOOL m_bHandled = FALSE;
};
