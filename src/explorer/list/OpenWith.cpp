// View, Open With and the recent programs: other programs started for the selected files.
#include "explorer/list/BrindlexView.h"
#include "explorer/FileErrors.h"
#include "explorer/ChosenProgram.h"
#include "explorer/CommandLines.h"
#include "explorer/NameRefusal.h"
#include "explorer/RecentPrograms.h"
#include "fw/WinApp.h"
#include "fw/PathParts.h"
#include "res/resource.h"

// Why a command line for path could not be made: a double quote in the name would end its
// quoting early (and the viewer takes it for one), anything else is the length.
static CString RefusalText(const char* path, const char* what)
{
    const char* name = NameOfPath(path);
    char text[400];
    if (strchr(path, '"'))
        wsprintfA(text, "%.200s %s: its name holds a double quote!", name, what);
    else
        wsprintfA(text, "%.200s %s: the command line would be too long!", name, what);
    return CString(text);
}

void CBrindlexView::ViewSelected()
{
    char program[MAX_PATH];
    DWORD n = ::GetModuleFileNameA(nullptr, program, sizeof program);
    if (n == 0 || n >= sizeof program) return;
    CNameRefusal refusal(m_hWnd);
    CArray<CString> paths = GetModel().GetPaths(refusal.Filter(GetModel(), GetSelectedRows()));
    for (int i = 0; i < paths.GetSize(); i++) {
        DWORD attributes = ::GetFileAttributesA(paths[i]);
        if (attributes != INVALID_FILE_ATTRIBUTES && (attributes & FILE_ATTRIBUTE_DIRECTORY)) continue;
        // The viewer takes the path unquoted and opens paths the platform accepts.
        CString line = paths[i].GetLength() < MAX_PATH && !strchr(paths[i], '"') ? MakeViewCommandLine(program, paths[i])
                                                                                 : CString();
        if (line.IsEmpty())
            MessageBox(RefusalText(paths[i], "cannot be viewed"), FILE_ERROR, MB_OK);
        else
            ::WinExec(line, SW_SHOWNORMAL);
    }
}

// A failing call gives all bits set: the entry counts as a folder.
static bool IsFolderPath(const char* path) { return (::GetFileAttributesA(path) & FILE_ATTRIBUTE_DIRECTORY) != 0; }

void CBrindlexView::OnOpenWith()
{
    CNameRefusal refusal(m_hWnd);
    CArray<int> rows = refusal.Filter(GetModel(), GetSelectedRows());
    CArray<CString> paths = GetModel().GetPaths(rows);
    bool chosen = false;
    for (int i = 0; i < paths.GetSize(); i++) {
        if (IsFolderPath(paths[i])) {
            if (!chosen) return;
            continue;
        }
        if (!chosen) {
            g_szChosenFile[0] = '\0';
            CString title = CString("Open ") + GetModel().GetAt(rows[i]).strName;
            if (!ChooseFile(title, 1)) return;
            chosen = true;
        }
        CString line = MakeQuotedCommandLine(g_szChosenFile, paths[i], OPEN_WITH_COMMAND_BUFFER);
        if (line.IsEmpty()) {
            MessageBox(RefusalText(paths[i], "was not opened"), FILE_ERROR, MB_OK);
            continue;
        }
        // Only a program that started is worth offering again.
        if (::WinExec(line, SW_SHOWNORMAL) > 31) AddRecentProgram(AfxGetApp(), g_szChosenFile);
    }
}

void CBrindlexView::OnRecentProgram(UINT nID)
{
    OpenWithRecentProgram((int)nID - (ID_RECENT_PROGRAM_FIRST - 1));
}

void CBrindlexView::OpenWithRecentProgram(int k)
{
    CString program = ReadRecentProgram(AfxGetApp(), k);
    if (program.IsEmpty()) return;
    CNameRefusal refusal(m_hWnd);
    CArray<CString> paths = GetModel().GetPaths(refusal.Filter(GetModel(), GetSelectedRows()));
    int started = 0;
    for (int i = 0; i < paths.GetSize(); i++) {
        if (IsFolderPath(paths[i])) {
            if (started == 0) return;
            continue;
        }
        CString line = MakeQuotedCommandLine(program, paths[i], RECENT_COMMAND_BUFFER);
        if (line.IsEmpty()) {
            MessageBox(RefusalText(paths[i], "was not opened"), FILE_ERROR, MB_OK);
            continue;
        }
        ::WinExec(line, SW_SHOWNORMAL);
        started++;
    }
}
