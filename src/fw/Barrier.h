// Exception barriers for functions the platform calls (COM methods, thread entries, callbacks).
// The 32-bit toolchain's unwinder cannot pass through the system's own frames, so an exception
// that leaves such a function ends the process instead of reaching a handler of ours.
#pragma once

#include <windows.h>
#include <new>

// Runs f and returns its HRESULT; an exception becomes E_OUTOFMEMORY or E_UNEXPECTED.
template <class F>
HRESULT ComBarrier(F&& f) noexcept
{
    try {
        return f();
    } catch (const std::bad_alloc&) {
        return E_OUTOFMEMORY;
    } catch (...) {
        return E_UNEXPECTED;
    }
}

// The exit code of a thread whose function ended by an exception.
const UINT THREAD_EXIT_EXCEPTION = 0xE0000001u;
