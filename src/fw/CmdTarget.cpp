#include "fw/afx.h"
#include "fw/CmdTarget.h"

const AFX_MSGMAP* CCmdTarget::GetThisMessageMap()
{
    static const AFX_MSGMAP_ENTRY entries[] = {{0, 0, 0, 0, nullptr, AfxSig_end, nullptr}};
    static const AFX_MSGMAP map = {nullptr, entries};
    return &map;
}

const AFX_MSGMAP* CCmdTarget::GetMessageMap() const { return GetThisMessageMap(); }

const AFX_MSGMAP_ENTRY* CCmdTarget::FindEntry(UINT nMessage, UINT nCode, UINT nID) const
{
    for (const AFX_MSGMAP* map = GetMessageMap(); map; map = map->pfnGetBaseMap ? map->pfnGetBaseMap() : nullptr) {
        for (const AFX_MSGMAP_ENTRY* e = map->lpEntries; e->nSig != AfxSig_end; e++) {
            UINT msg = e->pRegMsg ? *e->pRegMsg : e->nMessage;
            if (e->pRegMsg && msg == 0) continue;  // not registered yet: matches nothing
            if (msg != nMessage) continue;
            if (nMessage == WM_COMMAND || nMessage == WM_NOTIFY || nMessage == WM_REFLECT_BASE + WM_NOTIFY) {
                if (e->nCode != nCode) continue;
                if (nMessage != WM_REFLECT_BASE + WM_NOTIFY && (nID < e->nID || nID > e->nLastID)) continue;
            }
            return e;
        }
    }
    return nullptr;
}

BOOL CCmdTarget::Dispatch(const AFX_MSGMAP_ENTRY* e, UINT nID, void* pExtra)
{
    switch (e->nSig) {
    case AfxSig_v:
        (this->*e->pfn)();
        return TRUE;
    case AfxSig_vu:
        (this->*reinterpret_cast<void (CCmdTarget::*)(UINT)>(e->pfn))(nID);
        return TRUE;
    case AfxSig_cmdui: {
        CCmdUI* ui = (CCmdUI*)pExtra;
        (this->*reinterpret_cast<void (CCmdTarget::*)(CCmdUI*)>(e->pfn))(ui);
        ui->m_bHandled = TRUE;
        return TRUE;
    }
    default:
        return FALSE;
    }
}

BOOL CCmdTarget::OnCmdMsg(UINT nID, UINT nCode, void* pExtra)
{
    const AFX_MSGMAP_ENTRY* e = FindEntry(WM_COMMAND, nCode, nID);
    return e ? Dispatch(e, nID, pExtra) : FALSE;
}

void CCmdUI::Enable(BOOL bOn)
{
    if (m_hMenu) EnableMenuItem(m_hMenu, m_nIndex, MF_BYPOSITION | (bOn ? MF_ENABLED : MF_GRAYED));
}

void CCmdUI::SetCheck(int nCheck)
{
    if (m_hMenu) CheckMenuItem(m_hMenu, m_nIndex, MF_BYPOSITION | (nCheck ? MF_CHECKED : MF_UNCHECKED));
}

void CCmdUI::SetRadio(BOOL bOn)
{
    if (!m_hMenu) return;
    if (bOn)
        CheckMenuRadioItem(m_hMenu, m_nIndex, m_nIndex, m_nIndex, MF_BYPOSITION);
    else
        CheckMenuItem(m_hMenu, m_nIndex, MF_BYPOSITION | MF_UNCHECKED);
}

void CCmdUI::SetText(const char* text)
{
    if (!m_hMenu) return;
    UINT state = GetMenuState(m_hMenu, m_nIndex, MF_BYPOSITION) & (MF_CHECKED | MF_GRAYED);
    ModifyMenuA(m_hMenu, m_nIndex, MF_BYPOSITION | MF_STRING | state, m_nID, text);
}
