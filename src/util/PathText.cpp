#include "util/PathText.h"

bool EndsWithBackslash(const char* path)
{
    if (!path || !*path) return false;
    const char* last = path;
    for (const char* p = path; *p; p = ::CharNextA(p)) last = p;
    return *last == '\\' && last[1] == 0;
}

CString WithBackslash(const char* path)
{
    CString s(path);
    if (!EndsWithBackslash(path)) s += '\\';
    return s;
}

CString JoinPath(const char* folder, const char* name) { return WithBackslash(folder) + name; }
