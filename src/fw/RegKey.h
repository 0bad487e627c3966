// CRegKey: an open registry key with one owner, closed exactly once.
#pragma once

#include <windows.h>

class CRegKey {
public:
    CRegKey() {}
    explicit CRegKey(HKEY hKey) : m_hKey(hKey) {}
    ~CRegKey() { Close(); }
    CRegKey(const CRegKey&) = delete;
    CRegKey& operator=(const CRegKey&) = delete;
    CRegKey(CRegKey&& other) noexcept : m_hKey(other.Detach()) {}
    CRegKey& operator=(CRegKey&& other) noexcept;

    // Opens an existing key (closing the one held first); ERROR_SUCCESS or the error,
    // and on an error the object holds no key.
    LONG Open(HKEY hParent, const char* subKey, REGSAM access = KEY_READ);
    // The same, making the key and any missing parents when it does not exist yet.
    LONG Create(HKEY hParent, const char* subKey, REGSAM access = KEY_READ | KEY_WRITE);
    LONG Close();

    bool IsValid() const { return m_hKey != nullptr; }
    operator HKEY() const { return m_hKey; }
    void Attach(HKEY hKey);
    HKEY Detach();

private:
    HKEY m_hKey = nullptr;
};
