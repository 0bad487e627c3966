// Drives the explorer from outside, as a user and the window system would: the viewer's
// driver (start, keys, message boxes) plus the list and the tree, read through the
// process's memory.
#pragma once

#include "support/Driver.h"
#include "support/TestSupport.h"
#include "support/Wait.h"
#include <string>
#include <vector>

class CExplorerProcess : public CBrindlex {
public:
    CExplorerProcess() {}
    // Ends the process, whatever state the test left it in.
    ~CExplorerProcess();
    CExplorerProcess(const CExplorerProcess&) = delete;
    CExplorerProcess& operator=(const CExplorerProcess&) = delete;

    // Starts the explorer (no argument) beside this test program and waits for its frame.
    bool Start();
    HWND Tree() const;
    HWND List() const;
    std::string Caption() const { return Title(); }

    // Column-0 texts of the list's rows, in order.
    std::vector<std::string> Rows() const;
    std::string Cell(int row, int col) const;
    int ColumnWidth(int col) const;
    std::string ItemText(HTREEITEM h) const;
    // The tree's selected folder as its texts from the root down, joined like a path.
    std::string SelectedPath() const;
    // Expands the items down to path ("T:\Data\Sub") and selects the last; false if one is missing.
    bool SelectPath(const char* path);
    // Texts of the loaded children of the item at path, in order; empty when it is not loaded.
    std::vector<std::string> Children(const char* path) const;

    // Runs a command of the frame or of a pane to its end (dialogs it opens are answered from
    // other threads); false, and the test fails, when it has not returned within a minute.
    bool Command(UINT id) const { return PaneCommand(m_frame, id); }
    bool PaneCommand(HWND pane, UINT id) const;
    DWORD ProcessId() const { return m_pi.dwProcessId; }
    // Selects exactly the rows with these names; false when one is missing.
    bool SelectRows(const std::vector<std::string>& names) const;
    // Brings the frame forward and clicks the pane (the list below its rows), which makes it
    // the pane that gets the commands, as a user's click does.
    bool ClickPane(HWND pane) const;
    // Presses a key with Ctrl held or not, as the keyboard would, without waiting.
    void PressKey(WORD vk, bool ctrl) const { SendKeys(vk, ctrl); }

private:
    HTREEITEM FindItem(HTREEITEM parent, const std::string& text) const;
    // A block of the process's memory for message arguments, freed with the object.
    void* Remote(size_t bytes) const;

    mutable void* m_pRemote = nullptr;
};
