// CDocument: the data side of a document template; knows its views and its title.
#pragma once

#include "fw/CmdTarget.h"
#include "fw/String.h"
#include <vector>

class CView;
class CSingleDocTemplate;

class CDocument : public CCmdTarget {
public:
    CDocument() {}
    ~CDocument() override;
    CDocument(const CDocument&) = delete;
    CDocument& operator=(const CDocument&) = delete;

    const CString& GetTitle() const { return m_strTitle; }
    // The title shows in the caption of every frame that holds a view of the document.
    virtual void SetTitle(const char* title);
    const CString& GetPathName() const { return m_strPathName; }
    // Remembers the file and makes its name (without the folder) the title.
    virtual void SetPathName(const char* path);

    // A fresh document: no file, title "Untitled".
    virtual BOOL OnNewDocument();
    // The document read from a file; the base only checks that the file can be read.
    virtual BOOL OnOpenDocument(const char* path);

    void AddView(CView* pView);
    void RemoveView(CView* pView);
    int GetViewCount() const { return (int)m_views.size(); }
    CView* GetView(int i) const { return m_views[(size_t)i]; }

    CSingleDocTemplate* m_pDocTemplate = nullptr;

protected:
    void UpdateFrameTitles();

    CString m_strTitle;
    CString m_strPathName;
    std::vector<CView*> m_views;
};
