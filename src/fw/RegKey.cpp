#include "fw/RegKey.h"

CRegKey& CRegKey::operator=(CRegKey&& other) noexcept
{
    if (this != &other) Attach(other.Detach());
    return *this;
}

LONG CRegKey::Open(HKEY hParent, const char* subKey, REGSAM access)
{
    Close();
    HKEY h = nullptr;
    LONG rc = ::RegOpenKeyExA(hParent, subKey, 0, access, &h);
    if (rc == ERROR_SUCCESS) m_hKey = h;
    return rc;
}

LONG CRegKey::Create(HKEY hParent, const char* subKey, REGSAM access)
{
    Close();
    HKEY h = nullptr;
    LONG rc = ::RegCreateKeyExA(hParent, subKey, 0, nullptr, 0, access, nullptr, &h, nullptr);
    if (rc == ERROR_SUCCESS) m_hKey = h;
    return rc;
}

LONG CRegKey::Close()
{
    LONG rc = ERROR_SUCCESS;
    if (m_hKey) rc = ::RegCloseKey(m_hKey);
    m_hKey = nullptr;
    return rc;
}

void CRegKey::Attach(HKEY hKey)
{
    if (hKey == m_hKey) return;
    Close();
    m_hKey = hKey;
}

HKEY CRegKey::Detach()
{
    HKEY h = m_hKey;
    m_hKey = nullptr;
    return h;
}
