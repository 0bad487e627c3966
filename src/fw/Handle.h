// Owners for kernel handles: one owner, closed exactly once, Detach for hand-overs.
#pragma once

#include <windows.h>

template <class Traits>
class CHandleT {
public:
    typedef typename Traits::Type Type;
    CHandleT() : m_h(Traits::Invalid()) {}
    explicit CHandleT(Type h) : m_h(h) {}
    ~CHandleT() { Close(); }
    CHandleT(const CHandleT&) = delete;
    CHandleT& operator=(const CHandleT&) = delete;
    CHandleT(CHandleT&& o) : m_h(o.Detach()) {}
    CHandleT& operator=(CHandleT&& o) { if (this != &o) Attach(o.Detach()); return *this; }

    bool IsValid() const { return m_h != Traits::Invalid() && m_h != nullptr; }
    operator Type() const { return m_h; }
    Type Get() const { return m_h; }
    void Attach(Type h) { Close(); m_h = h; }
    Type Detach() { Type h = m_h; m_h = Traits::Invalid(); return h; }
    void Close()
    {
        if (IsValid()) Traits::Close(m_h);
        m_h = Traits::Invalid();
    }

private:
    Type m_h;
};

struct KernelHandleTraits {
    typedef HANDLE Type;
    static HANDLE Invalid() { return nullptr; }
    static void Close(HANDLE h) { if (h != INVALID_HANDLE_VALUE) ::CloseHandle(h); }
};
struct FileHandleTraits {
    typedef HANDLE Type;
    static HANDLE Invalid() { return INVALID_HANDLE_VALUE; }
    static void Close(HANDLE h) { ::CloseHandle(h); }
};
struct FindHandleTraits {
    typedef HANDLE Type;
    static HANDLE Invalid() { return INVALID_HANDLE_VALUE; }
    static void Close(HANDLE h) { ::FindClose(h); }
};
struct ChangeNotifyTraits {
    typedef HANDLE Type;
    static HANDLE Invalid() { return INVALID_HANDLE_VALUE; }
    static void Close(HANDLE h) { ::FindCloseChangeNotification(h); }
};
template <class H>
struct GdiTraits {
    typedef H Type;
    static H Invalid() { return nullptr; }
    static void Close(H h) { ::DeleteObject(h); }
};
struct MenuTraits {
    typedef HMENU Type;
    static HMENU Invalid() { return nullptr; }
    static void Close(HMENU h) { ::DestroyMenu(h); }
};
struct GlobalTraits {
    typedef HGLOBAL Type;
    static HGLOBAL Invalid() { return nullptr; }
    static void Close(HGLOBAL h) { ::GlobalFree(h); }
};
struct DcTraits {
    typedef HDC Type;
    static HDC Invalid() { return nullptr; }
    static void Close(HDC h) { ::DeleteDC(h); }
};

typedef CHandleT<KernelHandleTraits> CHandle;      // events, threads, processes
typedef CHandleT<FileHandleTraits> CFileHandle;    // CreateFile results
typedef CHandleT<FindHandleTraits> CFindHandle;    // FindFirstFile results
typedef CHandleT<ChangeNotifyTraits> CChangeHandle;
typedef CHandleT<MenuTraits> CMenuHandle;
typedef CHandleT<GlobalTraits> CGlobalMemory;
typedef CHandleT<DcTraits> CDcHandle;
// GDI objects by their own handle type: CGdi<HFONT>, CGdi<HPEN>; Close deletes the object.
template <class H>
using CGdi = CHandleT<GdiTraits<H>>;
typedef CGdi<HFONT> CFont;
typedef CGdi<HBITMAP> CBitmap;
