#include "util/VersionInfo.h"
#include <new>

CVersionInfo::CVersionInfo()
{
    // The module's own full path: a bare name would be searched for along the load path.
    char path[MAX_PATH + 1];
    DWORD n = ::GetModuleFileNameA(nullptr, path, MAX_PATH);
    if (n > 0 && n < MAX_PATH) {
        path[n] = '\0';
        Load(path);
    }
}

CVersionInfo::CVersionInfo(const char* fileName)
{
    Load(fileName);
}

CVersionInfo::~CVersionInfo()
{
    Free();
}

void CVersionInfo::Free()
{
    m_pData.reset();
    m_nDataSize = 0;
}

BOOL CVersionInfo::Load(const char* fileName)
{
    // A second load must neither leak the old block nor keep its translation.
    Free();
    m_strTranslation.Empty();
    if (!fileName || !*fileName) return FALSE;

    DWORD handle = 0;
    DWORD size = ::GetFileVersionInfoSizeA(fileName, &handle);
    if (size == 0) return FALSE;
    m_pData.reset(new (std::nothrow) BYTE[size]);
    if (!m_pData) return FALSE;
    m_nDataSize = size;
    if (!::GetFileVersionInfoA(fileName, 0, size, m_pData.get())) {
        Free();
        return FALSE;
    }

    void* p = nullptr;
    UINT len = 0;
    const BYTE* begin = m_pData.get();
    if (::VerQueryValueA(begin, "\\VarFileInfo\\Translation", &p, &len) && p && len >= 4 &&
        (BYTE*)p >= begin && (BYTE*)p + 4 <= begin + m_nDataSize) {
        const WORD* pair = (const WORD*)p;
        m_strTranslation.Format("%04x%04x", pair[0], pair[1]);
    }
    return TRUE;
}

CString CVersionInfo::GetValue(const char* name) const
{
    if (!m_pData || !name) return CString();
    CString query;
    query.Format("\\StringFileInfo\\%s\\%s", m_strTranslation.c_str(), name);
    void* p = nullptr;
    UINT len = 0;
    if (!::VerQueryValueA(m_pData.get(), query, &p, &len) || !p) return CString();
    return CopyText(p);
}

CString CVersionInfo::CopyText(const void* p) const
{
    const char* text = (const char*)p;
    const char* begin = (const char*)m_pData.get();
    // A damaged block may lack the terminating zero: never read past the buffer.
    const char* end = begin + m_nDataSize;
    if (text < begin || text >= end) return CString();
    size_t n = 0;
    while (text + n < end && text[n]) n++;
    return CString(text, (int)n);
}
