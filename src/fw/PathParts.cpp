#include "fw/PathParts.h"
#include <string.h>

static const char* Next(const char* p, UINT codePage) { return ::CharNextExA((WORD)codePage, p, 0); }

static bool IsSeparator(char c) { return c == '\\' || c == '/'; }

const char* NameOfPath(const char* path, UINT codePage)
{
    if (!path) return "";
    const char* name = path;
    for (const char* p = path; *p; p = Next(p, codePage))
        if (IsSeparator(*p)) name = p + 1;
    return name;
}

CString ParentOfPath(const char* path, UINT codePage)
{
    if (!path) return CString();
    return CString(path, (int)(NameOfPath(path, codePage) - path));
}

const char* LastCharacterOf(const char* text, UINT codePage)
{
    if (!text) return "";
    const char* last = text;
    for (const char* p = text; *p; p = Next(p, codePage)) last = p;
    return last;
}

const char* FindCharacterIn(const char* text, const char* set, UINT codePage)
{
    if (!text || !set) return nullptr;
    for (const char* p = text; *p; p = Next(p, codePage))
        if (strchr(set, *p)) return p;
    return nullptr;
}

bool EndsWithSeparator(const char* path, UINT codePage) { return IsSeparator(*LastCharacterOf(path, codePage)); }

int NextSeparator(const char* path, int from, UINT codePage)
{
    if (!path || from < 0 || (size_t)from > strlen(path)) return -1;
    const char* p = FindCharacterIn(path + from, "\\/", codePage);
    return p ? (int)(p - path) : -1;
}

CString WithoutTrailingSeparators(const char* path, UINT codePage)
{
    if (!path) return CString();
    // The end of the last character that is no separator; a root keeps its one separator.
    const char* end = path;
    for (const char* p = path; *p; p = Next(p, codePage))
        if (!IsSeparator(*p)) end = Next(p, codePage);
    int n = (int)(end - path);
    bool root = n == 0 || (n == 2 && path[1] == ':');
    if (root && path[n]) n++;
    return CString(path, n);
}
