#include "fw/afx.h"
#include "fw/Document.h"
#include "fw/View.h"
#include "fw/DocFrameWnd.h"
#include "fw/Handle.h"
#include "fw/PathParts.h"
#include <algorithm>

CDocument::~CDocument()
{
    // Views still alive must not reach a deleted document.
    for (CView* v : m_views) v->m_pDocument = nullptr;
}

void CDocument::SetTitle(const char* title)
{
    m_strTitle = title;
    UpdateFrameTitles();
}

void CDocument::SetPathName(const char* path)
{
    m_strPathName = path;
    const char* name = NameOfPath(path);
    while (const char* colon = FindCharacterIn(name, ":")) name = colon + 1;
    SetTitle(name);
}

BOOL CDocument::OnNewDocument()
{
    m_strPathName.Empty();
    SetTitle("Untitled");
    return TRUE;
}

BOOL CDocument::OnOpenDocument(const char* path)
{
    CFileHandle h(::CreateFileA(path, GENERIC_READ, FILE_SHARE_READ | FILE_SHARE_WRITE, nullptr, OPEN_EXISTING, 0,
                                nullptr));
    return h.IsValid();
}

void CDocument::AddView(CView* pView)
{
    if (std::find(m_views.begin(), m_views.end(), pView) == m_views.end()) m_views.push_back(pView);
    pView->m_pDocument = this;
}

void CDocument::RemoveView(CView* pView)
{
    m_views.erase(std::remove(m_views.begin(), m_views.end(), pView), m_views.end());
    if (pView->m_pDocument == this) pView->m_pDocument = nullptr;
}

void CDocument::UpdateFrameTitles()
{
    std::vector<CDocFrameWnd*> done;
    for (CView* v : m_views) {
        CDocFrameWnd* frame = v->GetParentFrame();
        if (!frame || std::find(done.begin(), done.end(), frame) != done.end()) continue;
        done.push_back(frame);
        frame->OnUpdateFrameTitle();
    }
}
