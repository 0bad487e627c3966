#include "explorer/ShellFileOp.h"
#include "fw/AnsiName.h"
#include <cstdlib>
#include <cstring>

CShellFileOp::CShellFileOp()
{
    memset(&m_op, 0, sizeof m_op);
}

CShellFileOp::~CShellFileOp()
{
    free(m_pSourceBuffer);
    free(m_pDestBuffer);
    free(m_pTitle);
}

void CShellFileOp::SetProgressTitle(const CString& strTitle)
{
    free(m_pTitle);
    m_pTitle = nullptr;
    m_op.lpszProgressTitle = nullptr;
    int n = strTitle.GetLength();
    if (n == 0) return;
    m_pTitle = static_cast<char*>(malloc((size_t)n + 1));
    if (!m_pTitle) return;
    memcpy(m_pTitle, (const char*)strTitle, (size_t)n + 1);
    m_op.lpszProgressTitle = m_pTitle;
}

// Grows a list to exactly what the next path needs, keeps the end position in the block,
// and appends the path with its NUL; the list's final NUL follows it.
static bool AppendToList(char*& buffer, char*& end, int& capacity, int& length, const CString& path)
{
    int n = path.GetLength() + 1;
    int needed = length + n + 1;
    if (needed > capacity) {
        char* grown = static_cast<char*>(realloc(buffer, (size_t)needed));
        if (!grown) return false;
        if (!buffer) grown[0] = '\0';
        buffer = grown;
        capacity = needed;
        end = buffer + length;
    }
    memcpy(end, (const char*)path, (size_t)n);
    end += n;
    length += n;
    *end = '\0';
    return true;
}

void CShellFileOp::AddFile(int nList, const CString& strPath)
{
    if (strPath.IsEmpty() || HasWildcard(strPath)) {
        m_bRefused = true;
        return;
    }
    if (nList == 0) {
        if (AppendToList(m_pSourceBuffer, m_pSourceEnd, m_nSourceCapacity, m_nSourceLength, strPath))
            m_op.pFrom = m_pSourceBuffer;
    } else {
        if (AppendToList(m_pDestBuffer, m_pDestEnd, m_nDestCapacity, m_nDestLength, strPath))
            m_op.pTo = m_pDestBuffer;
    }
}

int CShellFileOp::Run(UINT wFunc)
{
    m_op.fAnyOperationsAborted = FALSE;
    m_op.wFunc = wFunc;
    if (m_bRefused) return ERROR_INVALID_NAME;
    return ::SHFileOperationA(&m_op);
}
