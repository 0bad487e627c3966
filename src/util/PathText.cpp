#include "util/PathText.h"
#include "fw/PathParts.h"

bool EndsWithBackslash(const char* path) { return *LastCharacterOf(path) == '\\'; }

CString WithBackslash(const char* path)
{
    CString s(path);
    if (!EndsWithBackslash(path)) s += '\\';
    return s;
}

CString JoinPath(const char* folder, const char* name) { return WithBackslash(folder) + name; }
