// CVersionInfo: the string values ("ProductName", "FileVersion", ...) of a file's version resource.
#pragma once

#include "fw/afx.h"
#include <memory>

class CVersionInfo {
public:
    // The running program's own executable.
    CVersionInfo();
    explicit CVersionInfo(const char* fileName);
    virtual ~CVersionInfo();
    CVersionInfo(const CVersionInfo&) = delete;
    CVersionInfo& operator=(const CVersionInfo&) = delete;

    // Replaces whatever was loaded before. FALSE when the file has no readable version resource.
    BOOL Load(const char* fileName);
    // The value of that name under the first translation; empty when there is none.
    CString GetValue(const char* name) const;

    CString GetComments() const { return GetValue("Comments"); }
    CString GetCompanyName() const { return GetValue("CompanyName"); }
    CString GetLegalCopyright() const { return GetValue("LegalCopyright"); }
    CString GetFileDescription() const { return GetValue("FileDescription"); }
    CString GetFileVersion() const { return GetValue("FileVersion"); }
    CString GetInternalName() const { return GetValue("InternalName"); }
    CString GetLegalTrademarks() const { return GetValue("LegalTrademarks"); }
    CString GetPrivateBuild() const { return GetValue("PrivateBuild"); }
    CString GetProductName() const { return GetValue("ProductName"); }
    CString GetProductVersion() const { return GetValue("ProductVersion"); }
    CString GetSpecialBuild() const { return GetValue("SpecialBuild"); }

    // Language and code page of the first translation entry, "%04x%04x"; empty without one.
    const CString& GetTranslation() const { return m_strTranslation; }

private:
    void Free();
    // The text VerQueryValueA points to, copied no further than the block's end.
    CString CopyText(const void* p) const;

    std::unique_ptr<BYTE[]> m_pData;  // the whole version block; null when unreadable
    DWORD m_nDataSize = 0;
    CString m_strTranslation;
};
