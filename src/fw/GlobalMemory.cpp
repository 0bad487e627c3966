#include "fw/GlobalMemory.h"
#include "fw/Handle.h"
#include <string.h>

namespace {
// A block locked for the lifetime of the guard.
class CGlobalLock {
public:
    explicit CGlobalLock(HGLOBAL h) : m_h(h), m_p(h ? ::GlobalLock(h) : nullptr) {}
    ~CGlobalLock()
    {
        if (m_p) ::GlobalUnlock(m_h);
    }
    CGlobalLock(const CGlobalLock&) = delete;
    CGlobalLock& operator=(const CGlobalLock&) = delete;
    void* Get() const { return m_p; }

private:
    HGLOBAL m_h;
    void* m_p;
};
}  // namespace

bool CopyGlobalMemoryInto(HGLOBAL from, HGLOBAL to)
{
    SIZE_T n = from ? ::GlobalSize(from) : 0;
    if (!to || ::GlobalSize(to) < n) return false;
    CGlobalLock src(from), dst(to);
    if (!src.Get() || !dst.Get()) return false;
    memcpy(dst.Get(), src.Get(), n);
    return true;
}

HGLOBAL CopyGlobalMemory(HGLOBAL h)
{
    if (!h) return nullptr;
    SIZE_T n = ::GlobalSize(h);
    CGlobalMemory copy(::GlobalAlloc(GMEM_MOVEABLE, n ? n : 1));
    if (!copy.IsValid() || !CopyGlobalMemoryInto(h, copy)) return nullptr;
    return copy.Detach();
}
