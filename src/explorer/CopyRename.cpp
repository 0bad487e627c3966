#include "explorer/CopyRename.h"
#include "explorer/NameDialog.h"
#include "explorer/ShellFileOp.h"
#include "fw/PathParts.h"
#include "fw/Wnd.h"

bool CopyUnderNewName(CWnd& owner, const CString& source, const CString& destination, const char* newName)
{
    CString refusal = NewNameRefusalText(ParentOfPath(source), NameOfPath(source), newName, true);
    if (!refusal.IsEmpty()) {
        owner.MessageBox(refusal, "File Error!", MB_OK);
        return false;
    }
    CShellFileOp op;
    op.SetParent(owner.m_hWnd);
    op.SetFlags(FOF_NOCONFIRMMKDIR);
    op.SetProgressTitle("Copy and Rename");
    op.AddFile(0, source);
    op.AddFile(1, destination);
    return op.Copy() == 0 && !op.GetOperation().fAnyOperationsAborted;
}
