#include "search/FindFields.h"
#include "fw/PathParts.h"

// "\\?\C:\Data" and "\\.\C:\Data" name the folder C:\Data, "\\?\UNC\server\share" the share:
// the plain form is the one the search walks. Other long forms (volumes, devices) stay as
// they are, and IsSearchableFolder turns them away.
static void ToPlainForm(CString& path)
{
    bool slashes = !strncmp(path, "//?/", 4) || !strncmp(path, "//./", 4);
    if (strncmp(path, "\\\\?\\", 4) && strncmp(path, "\\\\.\\", 4) && !slashes) return;
    CString rest = path.Mid(4);
    if (slashes) rest.Replace('/', '\\');
    if (rest.GetLength() > 4 && rest.Left(4).CompareNoCase("UNC\\") == 0) {
        path = CString("\\\\") + rest.Mid(4);
        return;
    }
    char letter = rest.IsEmpty() ? 0 : (char)(rest[0] | 0x20);
    if (letter < 'a' || letter > 'z' || rest.GetLength() < 2 || rest[1] != ':') return;
    if (rest.GetLength() > 2 && rest[2] != '\\') return;
    path = rest.GetLength() == 2 ? rest + "\\" : rest;
}

BOOL CFindFields::MakeParams(FILEFINDPARAMS& params)
{
    if (m_strLookIn.IsEmpty()) return FALSE;
    ToPlainForm(m_strLookIn);
    if (*LastCharacterOf(m_strLookIn) == '\\') m_strLookIn = m_strLookIn.Left(m_strLookIn.GetLength() - 1);
    params.folder = m_strLookIn;
    params.mask.Format("*%s*", m_strNamed.c_str());
    params.attributes = FILE_ATTRIBUTE_ARCHIVE;
    params.subfolders = m_bSubfolders;
    params.flags = FIND_ATTRIBUTES;
    if (m_bSizeLimits) {
        params.minSize = (unsigned __int64)((__int64)m_nMinKB * 1024);
        params.maxSize = (unsigned __int64)((__int64)m_nMaxKB * 1024);
        params.flags |= FIND_SIZE;
    }
    if (!m_strContaining.IsEmpty()) {
        params.text = m_strContaining;
        params.flags |= FIND_TEXT;
    }
    return TRUE;
}

static bool IsDeviceName(const char* part, size_t n)
{
    // The name before its first dot and trailing blanks decides ("nul.txt" is NUL).
    size_t end = 0;
    while (end < n && part[end] != '.') end++;
    while (end > 0 && part[end - 1] == ' ') end--;
    CString base(part, (int)end);
    base.MakeUpper();
    static const char* const names[] = {"CON", "PRN", "AUX", "NUL", "CONIN$", "CONOUT$", "CLOCK$"};
    for (const char* name : names)
        if (base == name) return true;
    if (base.GetLength() == 4 && (base.Left(3) == "COM" || base.Left(3) == "LPT") && base[3] >= '0' && base[3] <= '9')
        return true;
    return false;
}

BOOL IsSearchableFolder(const char* path)
{
    if (!path || !*path || strlen(path) >= MAX_PATH) return FALSE;
    if (!strncmp(path, "\\\\.\\", 4) || !strncmp(path, "\\\\?\\", 4) || !strncmp(path, "//./", 4) ||
        !strncmp(path, "//?/", 4))
        return FALSE;
    for (const char* part = path;;) {
        const char* end = FindCharacterIn(part, "\\/:");
        if (IsDeviceName(part, end ? (size_t)(end - part) : strlen(part))) return FALSE;
        if (!end) break;
        part = end + 1;
    }
    DWORD attr = ::GetFileAttributesA(path);
    return attr != INVALID_FILE_ATTRIBUTES && (attr & FILE_ATTRIBUTE_DIRECTORY);
}
