#include "viewer/CommandLine.h"
#include "viewer/PathName.h"
#include "fw/Handle.h"
#include "fw/PathParts.h"
#include <string>
#include <vector>

void SplitViewerCommandLine(const char* cmdLine, CArray<CString>& names)
{
    names.RemoveAll();
    if (!cmdLine || !*cmdLine) return;
    if (cmdLine[0] != '"') {
        names.Add(CString(cmdLine));
        return;
    }
    std::string s(cmdLine);
    size_t n = s.size();
    for (size_t i = 0; i < n; i++) {
        if (s[i] != '"') continue;
        s[i] = '\0';
        if (i + 1 < n - 1 && s[i + 1] == ' ') s[i + 1] = '\0';
    }
    for (size_t i = 0; i < n;) {
        const char* name = s.c_str() + i;
        size_t len = strlen(name);
        // A second blank between two quoted names is no name: as one it would start an explorer.
        if (strspn(name, " \t") < len) names.Add(CString(name, (int)len));
        i += len + 1;
    }
}

CString LookUpLongName(const CString& name)
{
    if (name.IsEmpty() || HasWildcard(name)) return name;
    WIN32_FIND_DATAA fd;
    CFindHandle h(::FindFirstFileA(name, &fd));
    // A long name outside the code page comes back with '?' in it: the name given (a short
    // name, say) is the one that reaches the file.
    if (!h.IsValid() || HasWildcard(fd.cFileName)) return name;
    CString result = ParentOfPath(name) + fd.cFileName;
    return result.GetLength() < 256 ? result : name;
}

CString ResolveViewerName(const CString& name)
{
    if (name.IsEmpty() || HasWildcard(name)) return name;
    DWORD need = ::GetFullPathNameA(name, 0, nullptr, nullptr);
    if (need == 0) return name;
    std::vector<char> full((size_t)need + 1);
    DWORD n = ::GetFullPathNameA(name, (DWORD)full.size(), full.data(), nullptr);
    if (n == 0 || n >= full.size()) return name;
    return LookUpLongName(CString(full.data()));
}

CString MakeViewerCommandLine(const char* exePath, const char* filePath)
{
    return CString("\"") + exePath + "\" " + filePath;
}

static const char kStartedByViewer[] = "BRINDLEX_STARTED_BY_VIEWER";

void SetStartedByViewerMark(bool on) { ::SetEnvironmentVariableA(kStartedByViewer, on ? "1" : nullptr); }

bool TakeStartedByViewerMark()
{
    char value[4];
    DWORD n = ::GetEnvironmentVariableA(kStartedByViewer, value, sizeof value);
    if (n == 0) return false;
    ::SetEnvironmentVariableA(kStartedByViewer, nullptr);
    return true;
}
