#include "fw/PathParts.h"

const char* NameOfPath(const char* path, UINT codePage)
{
    if (!path) return "";
    const char* name = path;
    for (const char* p = path; *p; p = ::CharNextExA((WORD)codePage, p, 0))
        if (*p == '\\' || *p == '/') name = p + 1;
    return name;
}

CString ParentOfPath(const char* path, UINT codePage)
{
    if (!path) return CString();
    return CString(path, (int)(NameOfPath(path, codePage) - path));
}
