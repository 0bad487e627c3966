// CComPtr: one counted reference to a COM object, released exactly once.
#pragma once

#include <windows.h>
#include <objbase.h>

template <class T>
class CComPtr {
public:
    CComPtr() {}
    // Takes over a reference the caller already holds.
    explicit CComPtr(T* p) : m_p(p) {}
    ~CComPtr() { Release(); }
    CComPtr(const CComPtr&) = delete;
    CComPtr& operator=(const CComPtr&) = delete;

    T* Get() const { return m_p; }
    T* operator->() const { return m_p; }
    explicit operator bool() const { return m_p != nullptr; }
    // For calls that hand out a new reference; the old one goes first.
    T** Receive()
    {
        Release();
        return &m_p;
    }
    // Adds a reference of our own to p.
    void Share(T* p)
    {
        if (p) p->AddRef();
        Release();
        m_p = p;
    }
    void Attach(T* p)
    {
        Release();
        m_p = p;
    }
    T* Detach()
    {
        T* p = m_p;
        m_p = nullptr;
        return p;
    }
    void Release()
    {
        if (m_p) m_p->Release();
        m_p = nullptr;
    }

private:
    T* m_p = nullptr;
};
