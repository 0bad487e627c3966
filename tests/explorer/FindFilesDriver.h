// Drives the Find Files window of a running explorer from outside: fields, buttons, keys,
// the result rows and the status line.
#pragma once

#include "ExplorerDriver.h"
#include <string>
#include <vector>

class CFindFilesWindow {
public:
    explicit CFindFilesWindow(const CExplorerProcess& app);
    ~CFindFilesWindow();
    CFindFilesWindow(const CFindFilesWindow&) = delete;
    CFindFilesWindow& operator=(const CFindFilesWindow&) = delete;

    // The process's Find Files window, waiting up to ms for it; null when none.
    HWND Find(DWORD ms = 10000);
    HWND Handle() const { return m_hDlg; }
    bool IsVisible() const { return m_hDlg && ::IsWindowVisible(m_hDlg); }

    void Set(int id, const char* text) const { ::SendMessageA(::GetDlgItem(m_hDlg, id), WM_SETTEXT, 0, (LPARAM)text); }
    std::string Get(int id) const;
    void Click(int id) const { ::PostMessageA(::GetDlgItem(m_hDlg, id), BM_CLICK, 0, 0); }
    // Presses Search and waits for the search to end; false when it does not.
    bool Search(DWORD ms = 20000);
    std::string Status() const;

    std::vector<std::string> Names() const;
    std::string Cell(int row, int col) const;
    // Selects a row; its centre in the list's client coordinates.
    POINT Select(int row) const;
    void DoubleClick(int row) const;
    void RightClick(int row) const;  // with the mouse, through the input queue

    // The centre of the explorer's toolbar button at index, and a click on it.
    POINT ToolbarButton(int index) const;
    void ClickToolbarButton(int index) const;

    // A key pressed and released in the given window, through the input queue.
    static void Key(HWND target, WORD vk);

private:
    void* Remote() const;
    const CExplorerProcess& m_app;
    mutable HANDLE m_hProcess = nullptr;
    HWND m_hDlg = nullptr;
    mutable void* m_pRemote = nullptr;
};
