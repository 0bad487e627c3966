#include "support/TestSupport.h"
#include "fw/Handle.h"
#include "fw/PathParts.h"
#include "fw/Clipboard.h"
#include <algorithm>
#include <shlwapi.h>
#include <vector>

CWinApp& TestApp()
{
    static CWinApp* app = [] {
        CWinApp* a = new CWinApp("Brindlex");
        a->SetRegistryKey("Quenbridge");
        return a;
    }();
    return *app;
}

void ClearSettings()
{
    ::SHDeleteKeyA(HKEY_CURRENT_USER, TestApp().GetAppKeyPath());
}

bool ReadRegistryValue(const char* section, const char* name, DWORD* type, std::string* data)
{
    CString path = TestApp().GetAppKeyPath() + "\\" + section;
    CRegKey key;
    if (key.Open(HKEY_CURRENT_USER, path, KEY_READ) != ERROR_SUCCESS) return false;
    DWORD size = 0;
    if (::RegQueryValueExA(key, name, nullptr, type, nullptr, &size) != ERROR_SUCCESS) return false;
    data->assign(size, '\0');
    return ::RegQueryValueExA(key, name, nullptr, type, (BYTE*)&(*data)[0], &size) == ERROR_SUCCESS;
}

CTempDir::CTempDir()
{
    char tmp[MAX_PATH];
    ::GetTempPathA(sizeof tmp, tmp);
    static unsigned counter = 0;
    for (;;) {
        m_path.Format("%sblxtest-%lu-%u", tmp, ::GetCurrentProcessId(), ++counter);
        if (::CreateDirectoryA(m_path, nullptr)) break;
    }
}

CTempDir::~CTempDir() { RemoveTree(m_path); }

void RemoveTree(const char* path)
{
    CString pattern = CString(path) + "\\*";
    WIN32_FIND_DATAA fd;
    HANDLE h = ::FindFirstFileA(pattern, &fd);
    if (h != INVALID_HANDLE_VALUE) {
        CFindHandle owner(h);
        do {
            if (!strcmp(fd.cFileName, ".") || !strcmp(fd.cFileName, "..")) continue;
            CString child = CString(path) + "\\" + fd.cFileName;
            ::SetFileAttributesA(child, FILE_ATTRIBUTE_NORMAL);
            if (fd.dwFileAttributes & FILE_ATTRIBUTE_DIRECTORY)
                RemoveTree(child);
            else
                ::DeleteFileA(child);
        } while (::FindNextFileA(owner, &fd));
    }
    ::RemoveDirectoryA(path);
}

CString BesideTestProgram(const char* name)
{
    char path[MAX_PATH];
    DWORD n = ::GetModuleFileNameA(nullptr, path, sizeof path);
    if (n == 0 || n >= sizeof path) return CString();
    return ParentOfPath(path) + name;
}

bool WriteFileBytes(const char* path, const std::string& bytes)
{
    CFileHandle h(::CreateFileA(path, GENERIC_WRITE, 0, nullptr, CREATE_ALWAYS, FILE_ATTRIBUTE_NORMAL, nullptr));
    if (!h.IsValid()) return false;
    DWORD done = 0;
    return bytes.empty() || (::WriteFile(h, bytes.data(), (DWORD)bytes.size(), &done, nullptr) && done == bytes.size());
}

bool WriteFileWide(const std::wstring& path, const std::string& bytes)
{
    CFileHandle h(::CreateFileW(path.c_str(), GENERIC_WRITE, 0, nullptr, CREATE_ALWAYS, 0, nullptr));
    DWORD put = 0;
    return h.IsValid() && ::WriteFile(h, bytes.data(), (DWORD)bytes.size(), &put, nullptr) && put == bytes.size();
}

std::string ReadFileBytes(const char* path)
{
    CFileHandle h(::CreateFileA(path, GENERIC_READ, FILE_SHARE_READ | FILE_SHARE_WRITE, nullptr, OPEN_EXISTING, 0,
                                nullptr));
    std::string s;
    if (!h.IsValid()) return s;
    char buf[65536];
    DWORD got;
    while (::ReadFile(h, buf, sizeof buf, &got, nullptr) && got) s.append(buf, got);
    return s;
}

bool WritePatternFile(const char* path, unsigned __int64 n)
{
    CFileHandle h(::CreateFileA(path, GENERIC_WRITE, 0, nullptr, CREATE_ALWAYS, FILE_ATTRIBUTE_NORMAL, nullptr));
    if (!h.IsValid()) return false;
    std::vector<char> block(1 << 20);
    for (size_t i = 0; i < block.size(); i++) block[i] = "abcdefghij\r\n"[i % 12];
    while (n) {
        DWORD k = n < block.size() ? (DWORD)n : (DWORD)block.size();
        DWORD done = 0;
        if (!::WriteFile(h, block.data(), k, &done, nullptr) || done != k) return false;
        n -= k;
    }
    return true;
}

CMessageBoxAnswerer::CMessageBoxAnswerer(int timeoutMs, DWORD pid)
    : m_watch([pid](HWND h) { return IsWindowOf(h, pid, "#32770") && IsMessageBox(h); },
              [this](HWND box, size_t) {
                  char text[512] = "";
                  ::GetDlgItemTextA(box, 0xFFFF, text, sizeof text);
                  m_text = text;
                  ::PostMessageA(box, WM_COMMAND, IDOK, 0);
              },
              1, timeoutMs)
{
}

std::vector<std::string> SortedNamesIn(const char* folder)
{
    std::vector<std::string> names;
    CString pattern = folder;
    if (!EndsWithSeparator(pattern)) pattern += "\\";
    WIN32_FIND_DATAA fd;
    CFindHandle h(::FindFirstFileA(pattern + "*.*", &fd));
    if (!h.IsValid()) return names;
    do {
        if (strcmp(fd.cFileName, ".") && strcmp(fd.cFileName, "..")) names.push_back(fd.cFileName);
    } while (::FindNextFileA(h, &fd));
    std::sort(names.begin(), names.end());
    return names;
}

FILETIME LocalFileTime(int year, int month, int day, int hour)
{
    SYSTEMTIME st = {};
    st.wYear = (WORD)year;
    st.wMonth = (WORD)month;
    st.wDay = (WORD)day;
    st.wHour = (WORD)hour;
    FILETIME local = {}, utc = {};
    ::SystemTimeToFileTime(&st, &local);
    ::LocalFileTimeToFileTime(&local, &utc);
    return utc;
}

std::string ClipboardText()
{
    std::string got;
    CClipboard clipboard;
    if (!clipboard.Open(nullptr)) return got;
    if (HANDLE h = ::GetClipboardData(CF_TEXT)) {
        if (const char* p = (const char*)::GlobalLock(h)) got = p;
        ::GlobalUnlock(h);
    }
    return got;
}

std::wstring ClipboardUnicodeText()
{
    std::wstring got;
    CClipboard clipboard;
    if (!clipboard.Open(nullptr)) return got;
    if (HANDLE h = ::GetClipboardData(CF_UNICODETEXT)) {
        if (const wchar_t* p = (const wchar_t*)::GlobalLock(h)) got = p;
        ::GlobalUnlock(h);
    }
    return got;
}

std::string AnsiOf(const std::wstring& text)
{
    if (text.empty()) return std::string();
    int n = ::WideCharToMultiByte(CP_ACP, 0, text.data(), (int)text.size(), nullptr, 0, nullptr, nullptr);
    std::string out((size_t)(n > 0 ? n : 0), '\0');
    if (n > 0) ::WideCharToMultiByte(CP_ACP, 0, text.data(), (int)text.size(), &out[0], n, nullptr, nullptr);
    return out;
}

std::wstring WideOf(const std::string& text, UINT cp)
{
    if (text.empty()) return std::wstring();
    int n = ::MultiByteToWideChar(cp, 0, text.data(), (int)text.size(), nullptr, 0);
    std::wstring out((size_t)(n > 0 ? n : 0), L'\0');
    if (n > 0) ::MultiByteToWideChar(cp, 0, text.data(), (int)text.size(), &out[0], n);
    return out;
}

void ClearClipboard()
{
    CClipboard clipboard;
    if (clipboard.Open(nullptr)) clipboard.Empty();
}
