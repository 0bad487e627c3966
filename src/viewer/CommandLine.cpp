#include "viewer/CommandLine.h"
#include "viewer/PathName.h"
#include "fw/Handle.h"
#include "fw/PathParts.h"
#include <string>
#include <vector>

namespace {

template <class Ch>
void SplitNames(const Ch* cmdLine, std::vector<std::basic_string<Ch>>& names)
{
    names.clear();
    if (!cmdLine || !*cmdLine) return;
    if (cmdLine[0] != '"') {
        names.emplace_back(cmdLine);
        return;
    }
    std::basic_string<Ch> s(cmdLine);
    size_t n = s.size();
    for (size_t i = 0; i < n; i++) {
        if (s[i] != '"') continue;
        s[i] = '\0';
        if (i + 1 < n - 1 && s[i + 1] == ' ') s[i + 1] = '\0';
    }
    for (size_t i = 0; i < n;) {
        std::basic_string<Ch> name(s.c_str() + i);
        // A second blank between two quoted names is no name: as one it would start an explorer.
        if (name.find_first_not_of(std::basic_string<Ch>(1, ' ') + Ch('\t')) != std::basic_string<Ch>::npos)
            names.push_back(name);
        i += name.size() + 1;
    }
}

}  // namespace

void SplitViewerCommandLine(const char* cmdLine, CArray<CString>& names)
{
    names.RemoveAll();
    std::vector<std::string> split;
    SplitNames(cmdLine, split);
    for (const std::string& name : split) names.Add(CString(name));
}

void SplitViewerCommandLine(const wchar_t* cmdLine, CArray<CString>& names)
{
    names.RemoveAll();
    std::vector<std::wstring> split;
    SplitNames(cmdLine, split);
    for (const std::wstring& name : split) {
        CString ansi;
        names.Add(ExactAnsi(name.c_str(), ansi) ? ansi : CString());
    }
}

CString LookUpLongName(const CString& name)
{
    if (name.IsEmpty()) return name;
    // The listing is read in Unicode: its ANSI form may carry '?' or a look-alike letter.
    int wn = ::MultiByteToWideChar(CP_ACP, 0, name, -1, nullptr, 0);
    if (wn <= 0) return name;
    std::vector<wchar_t> wide((size_t)wn);
    ::MultiByteToWideChar(CP_ACP, 0, name, -1, wide.data(), wn);
    WIN32_FIND_DATAW fd;
    CFindHandle h(::FindFirstFileW(wide.data(), &fd));
    if (!h.IsValid()) return name;
    CString listed;
    if (!ExactAnsi(fd.cFileName, listed) && !(fd.cAlternateFileName[0] && ExactAnsi(fd.cAlternateFileName, listed)))
        return name;  // the name given (a short name, say) is the one that reaches the file
    int dir = (int)(NameOfPath(name) - name.c_str());
    CString result = name.Left(dir) + listed;
    return result.GetLength() < 256 ? result : name;
}

CString ResolveViewerName(const CString& name)
{
    if (name.IsEmpty()) return name;
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
