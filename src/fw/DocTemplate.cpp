#include "fw/afx.h"
#include "fw/DocTemplate.h"
#include "fw/ChooseFile.h"
#include "fw/WinApp.h"
#include <commdlg.h>
#include <memory>

CSingleDocTemplate::~CSingleDocTemplate()
{
    if (m_pFrame && m_pFrame->m_hWnd) ::DestroyWindow(m_pFrame->m_hWnd);
    delete m_pDocument;
}

CDocument* CSingleDocTemplate::OpenDocumentFile(const char* path)
{
    if (!m_pDocument) {
        std::unique_ptr<CDocument> doc(m_pfnNewDoc());
        doc->m_pDocTemplate = this;
        if (path ? !doc->OnOpenDocument(path) : !doc->OnNewDocument()) return nullptr;
        if (path) doc->SetPathName(path);
        CCreateContext context;
        context.m_pCurrentDoc = doc.get();
        context.m_pfnNewView = m_pfnNewView;
        CDocFrameWnd* frame = m_pfnNewFrame();
        if (!frame->LoadFrame(m_nIDResource, WS_OVERLAPPEDWINDOW, nullptr, &context)) {
            delete frame;
            while (doc->GetViewCount()) doc->RemoveView(doc->GetView(0));
            return nullptr;
        }
        m_pDocument = doc.release();
        m_pFrame = frame;
        CWinApp* app = AfxGetApp();
        if (app && !app->m_pMainWnd) app->m_pMainWnd = frame;
        frame->InitialUpdateFrame(m_pDocument);
        return m_pDocument;
    }
    // One document at a time: the existing one takes the file's name; its views stay as
    // they are (their initial update runs only once).
    if (path) {
        if (!m_pDocument->OnOpenDocument(path)) return nullptr;
        m_pDocument->SetPathName(path);
    }
    if (m_pFrame && m_pFrame->m_hWnd) {
        if (::IsIconic(m_pFrame->m_hWnd)) ::ShowWindow(m_pFrame->m_hWnd, SW_RESTORE);
        ::SetForegroundWindow(m_pFrame->m_hWnd);
    }
    return m_pDocument;
}

void CSingleDocTemplate::OnFrameClosed(CDocument* pDoc)
{
    if (pDoc != m_pDocument) return;
    m_pFrame = nullptr;
    m_pDocument = nullptr;
    delete pDoc;
}

static std::unique_ptr<CSingleDocTemplate>& TheTemplate()
{
    static std::unique_ptr<CSingleDocTemplate> t;
    return t;
}

void AfxAddDocTemplate(CSingleDocTemplate* pTemplate) { TheTemplate().reset(pTemplate); }
CSingleDocTemplate* AfxGetDocTemplate() { return TheTemplate().get(); }

BOOL AfxDocFileNew()
{
    CSingleDocTemplate* t = AfxGetDocTemplate();
    return t && t->OpenDocumentFile(nullptr) != nullptr;
}

BOOL AfxDocFileOpen()
{
    CSingleDocTemplate* t = AfxGetDocTemplate();
    if (!t) return FALSE;
    CString file = AfxPromptOpenFile("Open", "All Files (*.*)\0*.*\0", nullptr);
    if (file.IsEmpty()) return FALSE;
    if (t->OpenDocumentFile(file)) return TRUE;
    AfxMessageBox("Failed to open document.", MB_OK | MB_ICONEXCLAMATION);
    return FALSE;
}
