#include "explorer/ShellIcons.h"
#include "fw/RegKey.h"
#include "fw/PathParts.h"
#include <shellapi.h>
#include <shlobj.h>

HIMAGELIST g_systemImageList = nullptr;

HIMAGELIST AttachSystemImageList()
{
    if (!g_systemImageList) {
        SHFILEINFOA sfi = {};
        g_systemImageList = (HIMAGELIST)::SHGetFileInfoA("", 0, &sfi, sizeof sfi,
                                                         SHGFI_SYSICONINDEX | SHGFI_ICON | SHGFI_SMALLICON);
        if (sfi.hIcon) ::DestroyIcon(sfi.hIcon);
    }
    return g_systemImageList;
}

std::unordered_map<std::string, CShellIcons::Answer>& CShellIcons::Answers()
{
    static std::unordered_map<std::string, Answer> answers;
    return answers;
}

// The verdict of IconPerFile for each extension met since the last Clear.
static std::unordered_map<std::string, bool>& PerFileTypes()
{
    static std::unordered_map<std::string, bool> types;
    return types;
}

void CShellIcons::Clear()
{
    Answers().clear();
    PerFileTypes().clear();
}

// The extension of a name, folded, without the dot; "" when there is none.
static std::string ExtensionOf(const char* name)
{
    const char* dot = nullptr;
    for (const char* p = name; *p; p = ::CharNextA(p))
        if (*p == '.') dot = p;
    std::string ext(dot ? dot + 1 : "");
    if (!ext.empty()) ::CharLowerBuffA(&ext[0], (DWORD)ext.size());
    return ext;
}

static bool RegistryKeyExists(const char* path)
{
    CRegKey key;
    return key.Open(HKEY_CLASSES_ROOT, path, KEY_READ) == ERROR_SUCCESS;
}

static std::string RegistryDefault(const char* path)
{
    CRegKey key;
    if (key.Open(HKEY_CLASSES_ROOT, path, KEY_READ) != ERROR_SUCCESS) return std::string();
    char value[512] = "";
    DWORD size = sizeof value - 1, type = 0;
    if (::RegQueryValueExA(key, nullptr, nullptr, &type, (BYTE*)value, &size) != ERROR_SUCCESS ||
        (type != REG_SZ && type != REG_EXPAND_SZ))
        return std::string();
    value[size < sizeof value ? size : sizeof value - 1] = 0;
    return value;
}

// The type draws each file's own icon.
static bool IconPerFile(const std::string& ext)
{
    static const char* const own[] = {"exe", "ico", "lnk", "cur", "ani", "scr", "pif", "url", "msc", "cpl"};
    for (const char* e : own)
        if (ext == e) return true;
    if (ext.empty() || ext.size() > 200) return ext.size() > 200;
    std::string dotted = "." + ext;
    std::string progId = RegistryDefault(dotted.c_str());
    for (const std::string& cls : {dotted, progId}) {
        if (cls.empty()) continue;
        if (RegistryDefault((cls + "\\DefaultIcon").c_str()).find("%1") != std::string::npos) return true;
        if (RegistryKeyExists((cls + "\\shellex\\IconHandler").c_str())) return true;
    }
    return false;
}

std::string CShellIcons::KindOf(const char* name, DWORD fileAttributes)
{
    if (fileAttributes & FILE_ATTRIBUTE_DIRECTORY) return std::string("\x01");
    return "." + ExtensionOf(name);
}

bool CShellIcons::IsOwnKind(const char* name, DWORD fileAttributes)
{
    if (fileAttributes == INVALID_FILE_ATTRIBUTES) return true;
    if (fileAttributes & (FILE_ATTRIBUTE_HIDDEN | FILE_ATTRIBUTE_SYSTEM)) return true;
    if (fileAttributes & FILE_ATTRIBUTE_DIRECTORY) return (fileAttributes & FILE_ATTRIBUTE_READONLY) != 0;
    std::string ext = ExtensionOf(name);
    auto it = PerFileTypes().find(ext);
    if (it != PerFileTypes().end()) return it->second;
    bool perFile = IconPerFile(ext);
    PerFileTypes()[ext] = perFile;
    return perFile;
}

void CShellIcons::GetRowInfo(const char* fullPath, const WIN32_FIND_DATAA& fd, int* pIcon, DWORD* pShellAttributes)
{
    bool own = IsOwnKind(fd.cFileName, fd.dwFileAttributes);
    std::string kind = own ? std::string() : KindOf(fd.cFileName, fd.dwFileAttributes);
    if (!own) {
        auto it = Answers().find(kind);
        if (it != Answers().end()) {
            *pIcon = it->second.nIcon;
            *pShellAttributes = it->second.dwAttributes;
            return;
        }
    }
    SHFILEINFOA sfi = {};
    bool ok = ::SHGetFileInfoA(fullPath, 0, &sfi, sizeof sfi, SHGFI_SYSICONINDEX | SHGFI_ATTRIBUTES | SHGFI_TYPENAME) != 0;
    if (!ok) sfi = SHFILEINFOA();
    *pIcon = sfi.iIcon;
    *pShellAttributes = sfi.dwAttributes;
    // Only a plain answer speaks for the kind; a failed or dimmed one is this entry's own.
    if (own || !ok || (sfi.dwAttributes & SFGAO_GHOSTED)) return;
    Answers()[kind] = Answer{sfi.iIcon, sfi.dwAttributes, 0};
}

void CShellIcons::GetFolderIcons(const char* fullPath, DWORD fileAttributes, int* pImage, int* pSelectedImage)
{
    bool own = IsOwnKind(NameOfPath(fullPath), fileAttributes) || !(fileAttributes & FILE_ATTRIBUTE_DIRECTORY);
    const std::string kind = "\x01tree";
    if (!own) {
        auto it = Answers().find(kind);
        if (it != Answers().end()) {
            *pImage = it->second.nIcon;
            *pSelectedImage = it->second.nOpenIcon;
            return;
        }
    }
    SHFILEINFOA sfi = {};
    bool ok = ::SHGetFileInfoA(fullPath, 0, &sfi, sizeof sfi, SHGFI_SYSICONINDEX | SHGFI_SMALLICON) != 0;
    *pImage = ok ? sfi.iIcon : 0;
    sfi = SHFILEINFOA();
    bool okOpen =
        ::SHGetFileInfoA(fullPath, 0, &sfi, sizeof sfi, SHGFI_SYSICONINDEX | SHGFI_SMALLICON | SHGFI_OPENICON) != 0;
    *pSelectedImage = okOpen ? sfi.iIcon : 0;
    if (!own && ok && okOpen) Answers()[kind] = Answer{*pImage, 0, *pSelectedImage};
}
