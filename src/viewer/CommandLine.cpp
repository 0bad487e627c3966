#include "viewer/CommandLine.h"
#include "fw/Handle.h"
#include <string>

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
        size_t len = strlen(s.c_str() + i);
        if (len) names.Add(CString(s.c_str() + i, (int)len));
        i += len + 1;
    }
}

CString LookUpLongName(const CString& name)
{
    WIN32_FIND_DATAA fd;
    CFindHandle h(::FindFirstFileA(name, &fd));
    if (!h.IsValid()) return name;
    int slash = name.ReverseFind('\\');
    CString result = name.Left(slash + 1) + fd.cFileName;
    return result.GetLength() < 256 ? result : name;
}

CString MakeViewerCommandLine(const char* exePath, const char* filePath)
{
    return CString("\"") + exePath + "\" " + filePath;
}
