// Shared helpers of the in-process tests: the application object, settings and fixture files.
#pragma once

#include "fw/afx.h"
#include "fw/WinApp.h"
#include "fw/Handle.h"
#include "fw/RegKey.h"
#include <gtest/gtest.h>
#include <string>

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
std::string ReadFileBytes(const char* path);
// A file of n bytes of a repeating pattern; false on failure.
bool WritePatternFile(const char* path, unsigned __int64 n);
// Removes a folder and everything under it.
void RemoveTree(const char* path);
// A file in the folder of the running test program (programs and fixtures are built there).
CString BesideTestProgram(const char* name);

// Answers the first message box this process shows (from another thread, so a modal
// box in the test's own thread does not block it) and keeps its text.
class CMessageBoxAnswerer {
public:
    explicit CMessageBoxAnswerer(int timeoutMs = 10000);
    ~CMessageBoxAnswerer();
    CMessageBoxAnswerer(const CMessageBoxAnswerer&) = delete;
    CMessageBoxAnswerer& operator=(const CMessageBoxAnswerer&) = delete;
    std::string Text();  // waits for the answerer to finish ("" when no box came)

private:
    static DWORD WINAPI Run(LPVOID self);
    HANDLE m_thread = nullptr;
    int m_timeoutMs;
    std::string m_text;
};
