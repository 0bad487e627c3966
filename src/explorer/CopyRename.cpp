#include "explorer/CopyRename.h"
#include "explorer/FileErrors.h"
#include "explorer/DeleteFolderTree.h"
#include "explorer/NameDialog.h"
#include "explorer/NameIndex.h"
#include "explorer/ShellFileOp.h"
#include "fw/Handle.h"
#include "fw/PathParts.h"
#include "fw/WinApp.h"
#include "fw/Wnd.h"
#include <vector>

// One source and one destination through the shell, which shows its own progress and errors;
// true when it reports success and nothing was cancelled.
static bool RunShellOp(CWnd& owner, UINT wFunc, const char* title, const CString& source, const CString& destination)
{
    CShellFileOp op;
    op.SetParent(owner.m_hWnd);
    op.SetFlags(FOF_NOCONFIRMMKDIR);
    op.SetProgressTitle(title);
    op.AddFile(0, source);
    op.AddFile(1, destination);
    int result = wFunc == FO_COPY ? op.Copy() : op.Rename();
    return result == 0 && !op.GetOperation().fAnyOperationsAborted;
}

bool CopyUnderNewName(CWnd& owner, const CString& source, const CString& destination, const char* newName)
{
    CString refusal = NewNameRefusalText(ParentOfPath(source), NameOfPath(source), newName, true);
    if (!refusal.IsEmpty()) {
        owner.MessageBox(refusal, FILE_ERROR, MB_OK);
        return false;
    }
    return RunShellOp(owner, FO_COPY, "Copy and Rename", source, destination);
}

int RenameLinkItself(const char* path, const char* newPath)
{
    CFileHandle h(::CreateFileA(path, DELETE | FILE_READ_ATTRIBUTES, FILE_SHARE_READ | FILE_SHARE_WRITE | FILE_SHARE_DELETE,
                                nullptr, OPEN_EXISTING, FILE_FLAG_BACKUP_SEMANTICS | FILE_FLAG_OPEN_REPARSE_POINT, nullptr));
    if (!h.IsValid()) return 0;
    // A handle without the link's attribute is the target's (so Wine opens a symlink): a
    // rename through it, or through MoveFile, would move the target.
    BY_HANDLE_FILE_INFORMATION info;
    if (!::GetFileInformationByHandle(h, &info) || !(info.dwFileAttributes & FILE_ATTRIBUTE_REPARSE_POINT)) return -1;
    int n = ::MultiByteToWideChar(CP_ACP, MB_ERR_INVALID_CHARS, newPath, -1, nullptr, 0);
    if (n <= 1) return 0;
    std::vector<BYTE> buffer(sizeof(FILE_RENAME_INFO) + (size_t)n * sizeof(WCHAR));
    FILE_RENAME_INFO* rename = reinterpret_cast<FILE_RENAME_INFO*>(buffer.data());
    ::MultiByteToWideChar(CP_ACP, 0, newPath, -1, rename->FileName, n);
    rename->FileNameLength = (DWORD)(n - 1) * sizeof(WCHAR);
    return ::SetFileInformationByHandle(h, FileRenameInfo, rename, (DWORD)buffer.size()) ? 1 : 0;
}

// The entry's name as the disk has it now, or empty when it is not there.
static CString NameOnDisk(const CString& path)
{
    WIN32_FIND_DATAA fd;
    CFindHandle find(::FindFirstFileA(path, &fd));
    return find.IsValid() ? CString(fd.cFileName) : CString();
}

// A new letter case through a passing name: a platform that finds the old entry under the new
// name takes the rename for one onto the entry itself.
static bool RenameCaseThroughPassingName(const CString& folder, const CString& oldName, const CString& newName)
{
    CString passing;
    for (DWORD k = 0; k < 100 && passing.IsEmpty(); k++) {
        char suffix[32];
        wsprintfA(suffix, ".~%lx%lu", ::GetTickCount(), k);
        CString candidate = oldName + suffix;
        if ((folder + candidate).GetLength() < MAX_PATH && ::GetFileAttributesA(folder + candidate) == INVALID_FILE_ATTRIBUTES)
            passing = candidate;
    }
    if (passing.IsEmpty() || !::MoveFileA(folder + oldName, folder + passing)) return false;
    if (::MoveFileA(folder + passing, folder + newName)) return true;
    ::MoveFileA(folder + passing, folder + oldName);
    return false;
}

bool RenameEntry(CWnd& owner, const CString& folder, const CString& oldName, const CString& newName)
{
    CString refusal = NewNameRefusalText(folder, oldName, newName, false);
    if (!refusal.IsEmpty()) {
        owner.MessageBox(refusal, FILE_ERROR, MB_OK);
        return false;
    }
    if (oldName == newName) return false;
    CString source = folder + oldName;
    CString destination = folder + newName;
    CWaitCursor wait;
    if (IsLinkPath(source)) {
        int renamed = RenameLinkItself(source, destination);
        if (renamed < 0) {
            owner.MessageBox(oldName + " is a link, and renaming it here would rename the folder it leads to instead.",
                             FILE_ERROR, MB_OK);
        } else if (renamed == 0) {
            owner.MessageBox(oldName + " could not be renamed.", FILE_ERROR, MB_OK);
        }
        return renamed > 0;
    }
    if (CNameIndex::Same(oldName, newName)) {
        // The shell takes the new name for the entry itself and refuses, or leaves it as it was.
        if (RenameCaseThroughPassingName(folder, oldName, newName) && NameOnDisk(destination) == newName) return true;
        owner.MessageBox(oldName + " could not be renamed.", FILE_ERROR, MB_OK);
        return false;
    }
    return RunShellOp(owner, FO_RENAME, "Renaming", source, destination);
}
