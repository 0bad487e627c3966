// Shared helpers of the in-process tests: the application object, settings and fixture files.
#pragma once

#include "fw/afx.h"
#include "fw/WinApp.h"
#include "fw/Handle.h"
#include "fw/RegKey.h"
#include "support/WindowWatcher.h"
#include <gtest/gtest.h>
#include <string>
#include <vector>

// The application object of a test program: registry key "Quenbridge", name "Brindlex".
CWinApp& TestApp();
// Deletes the application's whole registry key: a fresh user.
void ClearSettings();
// Reads a value back with its type; false when absent.
bool ReadRegistryValue(const char* section, const char* name, DWORD* type, std::string* data);

// A new empty folder under the user's temporary folder, removed with everything in it.
class CTempDir {
public:
    CTempDir();
    ~CTempDir();
    CTempDir(const CTempDir&) = delete;
    CTempDir& operator=(const CTempDir&) = delete;
    const CString& Path() const { return m_path; }  // ends without a backslash
    CString File(const char* name) const { return m_path + "\\" + name; }

private:
    CString m_path;
};

bool WriteFileBytes(const char* path, const std::string& bytes);
// The same for a Unicode path (a name the code page may lack).
bool WriteFileWide(const std::wstring& path, const std::string& bytes);
std::string ReadFileBytes(const char* path);
// A file of n bytes of a repeating pattern; false on failure.
bool WritePatternFile(const char* path, unsigned __int64 n);
// Removes a folder and everything under it.
void RemoveTree(const char* path);
// The names in a folder (without "." and ".."), sorted: what the disk holds.
std::vector<std::string> SortedNamesIn(const char* folder);
// The file time of a local calendar instant.
FILETIME LocalFileTime(int year, int month, int day, int hour = 12);
// The text on the clipboard ("" when none), and an empty clipboard.
std::string ClipboardText();
// The clipboard's CF_UNICODETEXT.
std::wstring ClipboardUnicodeText();
// Text between characters and the process's ANSI code page.
std::string AnsiOf(const std::wstring& text);
std::wstring WideOf(const std::string& text, UINT cp = CP_ACP);
void ClearClipboard();
// A file in the folder of the running test program (programs and fixtures are built there).
CString BesideTestProgram(const char* name);

// Answers the first message box this process (or process pid) shows with OK and keeps its text.
class CMessageBoxAnswerer {
public:
    explicit CMessageBoxAnswerer(int timeoutMs = 10000, DWORD pid = 0);
    std::string Text() { m_watch.Wait(); return m_text; }  // "" when no box came
    // For when what could show a box has returned: ends the watch at once.
    std::string Stop() { m_watch.Stop(); return m_text; }

private:
    std::string m_text;
    CWindowWatcher m_watch;
};
