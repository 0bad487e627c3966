// Fixtures of the explorer tests: a drive letter of the test's own over a fresh folder,
// and the two panes over one document in a hidden window.
#pragma once

#include "support/Host.h"
#include "support/Wait.h"
#include "support/TestSupport.h"
#include "explorer/BrindlexDoc.h"
#include "explorer/list/BrindlexView.h"
#include "explorer/tree/LeftView.h"
#include <memory>
#include <string>
#include <vector>

// Maps a drive letter to a new empty Linux folder for the life of the object (a link in the
// prefix's dosdevices for the files, a device definition so that the drive is listed).
class CTestDrive {
public:
    explicit CTestDrive(char letter);
    ~CTestDrive();
    CTestDrive(const CTestDrive&) = delete;
    CTestDrive& operator=(const CTestDrive&) = delete;

    bool IsReady() const { return m_bReady; }
    const CString& LinuxDir() const { return m_linuxDir; }
    CString Root() const;                  // "T:\"
    CString Path(const char* rel) const;   // "T:\rel"
    bool MakeDir(const char* rel) const;
    bool MakeFile(const char* rel, const std::string& bytes = std::string()) const;
    void RemoveDir(const char* rel) const;  // with everything in it
    // Removed by a Linux program, as another program would, even while watched; waits for it.
    bool RemoveFromLinux(const char* rel) const;

private:
    char m_letter;
    CString m_linuxDir;   // /tmp/blxdrive-...
    CString m_windowsDir; // the same folder seen through Z:
    bool m_bReady = false;
};


// The tree and the list over one document, children of a hidden window that reflects
// their notifications, both initially updated like the frame does it.
class CPaneHost {
public:
    CPaneHost();
    ~CPaneHost();
    CPaneHost(const CPaneHost&) = delete;
    CPaneHost& operator=(const CPaneHost&) = delete;

    CTreeCtrl Tree() const { return m_pTree->GetTreeCtrl(); }
    CListCtrl List() const { return m_pList->GetListCtrl(); }
    // The root item with this text, or none.
    HTREEITEM Root(const char* text) const;
    // The child of parent with this text, or none.
    HTREEITEM Child(HTREEITEM parent, const char* text) const;
    // Expands the items down a path such as "T:\A\B" and returns the last one (or none).
    HTREEITEM Open(const char* path);
    // A mouse click on the item's expand button, as the user toggles it.
    bool ClickButton(HTREEITEM item);
    // Column-0 texts of the rows in order.
    std::vector<std::string> Rows() const;
    // Texts of an item's children in order.
    std::vector<std::string> Children(HTREEITEM item) const;

    CWnd m_host;
    CBrindlexDoc* m_pDoc = nullptr;
    CLeftView* m_pTree = nullptr;
    CBrindlexView* m_pList = nullptr;
};

// The list pane of a pane host over a folder that does not exist, with fresh settings: the
// test fills it with entries of its own.
class ListOfMadeEntries : public ::testing::Test {
protected:
    void SetUp() override
    {
        ClearSettings();
        host.reset(new CPaneHost);
        view = host->m_pList;
        view->ShowFolder("C:\\nowhere");
    }
    void TearDown() override { host.reset(); }
    void Add(const WIN32_FIND_DATAA& fd) { view->AddFileEntry(fd, "C:\\nowhere"); }

    std::unique_ptr<CPaneHost> host;
    CBrindlexView* view = nullptr;
};
