// CSingleDocTemplate: one document at a time, shown in one frame with its views;
// and the application's standard New and Open commands over the registered template.
#pragma once

#include "fw/DocFrameWnd.h"
#include "fw/Document.h"

typedef CDocument* (*AFX_NEWDOC)();
template <class T>
CDocument* AfxNewDocument() { return new T; }

class CSingleDocTemplate {
public:
    CSingleDocTemplate(UINT nIDResource, AFX_NEWDOC pfnDoc, AFX_NEWFRAME pfnFrame, AFX_NEWVIEW pfnView)
        : m_nIDResource(nIDResource), m_pfnNewDoc(pfnDoc), m_pfnNewFrame(pfnFrame), m_pfnNewView(pfnView) {}
    ~CSingleDocTemplate();
    CSingleDocTemplate(const CSingleDocTemplate&) = delete;
    CSingleDocTemplate& operator=(const CSingleDocTemplate&) = delete;

    // path null: a new document. The first call creates the document, the frame and its
    // views (the frame becomes the application's main window when there is none); later
    // calls reuse them. Null on failure.
    CDocument* OpenDocumentFile(const char* path);
    CDocument* GetDocument() const { return m_pDocument; }
    CDocFrameWnd* GetFrame() const { return m_pFrame; }
    // The frame's window is gone: the document goes with it.
    void OnFrameClosed(CDocument* pDoc);

private:
    UINT m_nIDResource;
    AFX_NEWDOC m_pfnNewDoc;
    AFX_NEWFRAME m_pfnNewFrame;
    AFX_NEWVIEW m_pfnNewView;
    CDocument* m_pDocument = nullptr;
    CDocFrameWnd* m_pFrame = nullptr;
};

// The application's template; it is owned from here on.
void AfxAddDocTemplate(CSingleDocTemplate* pTemplate);
CSingleDocTemplate* AfxGetDocTemplate();
// The standard New command: a new document of the template. FALSE on failure.
BOOL AfxDocFileNew();
// The standard Open command: asks for a file, then opens it as the template's document.
BOOL AfxDocFileOpen();
