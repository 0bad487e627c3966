// Message maps: a static table per class from message, notification code and
// command id (or id range) to a member handler, chained to the base class's table.
#pragma once

#include <windows.h>

class CCmdTarget;
class CCmdUI;
typedef void (CCmdTarget::*AFX_PMSG)();

enum AfxSig {
    AfxSig_end = 0,
    AfxSig_lwl,     // LRESULT (WPARAM, LPARAM)
    AfxSig_v,       // void ()
    AfxSig_vu,      // void (UINT id), for ranges
    AfxSig_cmdui,   // void (CCmdUI*)
    AfxSig_notify,  // void (NMHDR*, LRESULT*)
};

// Command notification codes used in the tables.
#define CN_COMMAND 0
#define CN_UPDATE_COMMAND_UI ((UINT)-1)
// Offset of reflected messages: a control handles its own WM_NOTIFY as WM_REFLECT_BASE + WM_NOTIFY.
#define WM_REFLECT_BASE 0xBC00
#define WM_REGISTERED_MARK 0xC000

struct AFX_MSGMAP_ENTRY {
    UINT nMessage;
    UINT nCode;
    UINT nID;
    UINT nLastID;
    const UINT* pRegMsg;  // registered messages are known only at run time
    AfxSig nSig;
    AFX_PMSG pfn;
};

struct AFX_MSGMAP {
    const AFX_MSGMAP* (*pfnGetBaseMap)();
    const AFX_MSGMAP_ENTRY* lpEntries;
};

#define DECLARE_MESSAGE_MAP()                        \
protected:                                           \
    static const AFX_MSGMAP* GetThisMessageMap();    \
    const AFX_MSGMAP* GetMessageMap() const override;

// The table stores handlers of several signatures in one member pointer type and calls each
// through its own signature again, so the casts in between are silenced for the table only.
#define BEGIN_MESSAGE_MAP(theClass, baseClass)                                          \
    _Pragma("GCC diagnostic push")                                                      \
    _Pragma("GCC diagnostic ignored \"-Wcast-function-type\"")                          \
    const AFX_MSGMAP* theClass::GetMessageMap() const { return GetThisMessageMap(); }   \
    const AFX_MSGMAP* theClass::GetThisMessageMap()                                     \
    {                                                                                   \
        typedef theClass ThisClass;                                                     \
        typedef baseClass TheBaseClass;                                                 \
        static const AFX_MSGMAP_ENTRY _messageEntries[] = {

#define END_MESSAGE_MAP()                                                   \
            {0, 0, 0, 0, nullptr, AfxSig_end, nullptr}                      \
        };                                                                  \
        static const AFX_MSGMAP messageMap = {&TheBaseClass::GetThisMessageMap, _messageEntries}; \
        return &messageMap;                                                 \
    }                                                                       \
    _Pragma("GCC diagnostic pop")

#define AFX_FN_LWL(fn) reinterpret_cast<AFX_PMSG>(static_cast<LRESULT (CCmdTarget::*)(WPARAM, LPARAM)>(&ThisClass::fn))
#define AFX_FN_V(fn) reinterpret_cast<AFX_PMSG>(static_cast<void (CCmdTarget::*)()>(&ThisClass::fn))
#define AFX_FN_VU(fn) reinterpret_cast<AFX_PMSG>(static_cast<void (CCmdTarget::*)(UINT)>(&ThisClass::fn))
#define AFX_FN_UI(fn) reinterpret_cast<AFX_PMSG>(static_cast<void (CCmdTarget::*)(CCmdUI*)>(&ThisClass::fn))
#define AFX_FN_NT(fn) reinterpret_cast<AFX_PMSG>(static_cast<void (CCmdTarget::*)(NMHDR*, LRESULT*)>(&ThisClass::fn))

#define ON_MESSAGE(msg, fn) {msg, 0, 0, 0, nullptr, AfxSig_lwl, AFX_FN_LWL(fn)},
#define ON_REGISTERED_MESSAGE(var, fn) {WM_REGISTERED_MARK, 0, 0, 0, &var, AfxSig_lwl, AFX_FN_LWL(fn)},
#define ON_COMMAND(id, fn) {WM_COMMAND, CN_COMMAND, (UINT)(id), (UINT)(id), nullptr, AfxSig_v, AFX_FN_V(fn)},
#define ON_COMMAND_RANGE(id, idLast, fn) {WM_COMMAND, CN_COMMAND, (UINT)(id), (UINT)(idLast), nullptr, AfxSig_vu, AFX_FN_VU(fn)},
#define ON_UPDATE_COMMAND_UI(id, fn) {WM_COMMAND, CN_UPDATE_COMMAND_UI, (UINT)(id), (UINT)(id), nullptr, AfxSig_cmdui, AFX_FN_UI(fn)},
#define ON_UPDATE_COMMAND_UI_RANGE(id, idLast, fn) {WM_COMMAND, CN_UPDATE_COMMAND_UI, (UINT)(id), (UINT)(idLast), nullptr, AfxSig_cmdui, AFX_FN_UI(fn)},
#define ON_CONTROL(code, id, fn) {WM_COMMAND, (UINT)(code), (UINT)(id), (UINT)(id), nullptr, AfxSig_v, AFX_FN_V(fn)},
#define ON_NOTIFY(code, id, fn) {WM_NOTIFY, (UINT)(code), (UINT)(id), (UINT)(id), nullptr, AfxSig_notify, AFX_FN_NT(fn)},
#define ON_NOTIFY_REFLECT(code, fn) {WM_REFLECT_BASE + WM_NOTIFY, (UINT)(code), 0, 0, nullptr, AfxSig_notify, AFX_FN_NT(fn)},
