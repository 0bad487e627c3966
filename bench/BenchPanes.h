// The explorer's two panes over one document in a visible window of their own, made as the
// frame makes them, for the benchmarks that drive the tree and the list in-process.
#pragma once

#include "fw/afx.h"
#include "explorer/BrindlexDoc.h"
#include "explorer/ShellIcons.h"
#include "explorer/list/BrindlexView.h"
#include "explorer/tree/LeftView.h"
#include <memory>

struct BenchPanes {
    BenchPanes()
    {
        AttachSystemImageList();
        RECT rc = {0, 0, 1000, 700}, left = {0, 0, 350, 700}, right = {350, 0, 1000, 700};
        host.CreateEx(0, nullptr, "bench", WS_OVERLAPPEDWINDOW | WS_VISIBLE, rc, nullptr, 0);
        doc.reset(new CBrindlexDoc);
        CCreateContext context;
        context.m_pCurrentDoc = doc.get();
        tree = new CLeftView;
        list = new CBrindlexView;
        tree->Create(nullptr, WS_CHILD | WS_VISIBLE | WS_BORDER, left, host.m_hWnd, AFX_IDW_PANE_FIRST, &context);
        list->Create(nullptr, WS_CHILD | WS_VISIBLE | WS_BORDER, right, host.m_hWnd, AFX_IDW_PANE_FIRST + 1, &context);
        tree->OnInitialUpdate();
        list->OnInitialUpdate();
        tree->m_bRedirectSelection = 0;
    }
    ~BenchPanes() { host.DestroyWindow(); }
    BenchPanes(const BenchPanes&) = delete;
    BenchPanes& operator=(const BenchPanes&) = delete;

    CWnd host;
    std::unique_ptr<CBrindlexDoc> doc;
    CLeftView* tree = nullptr;
    CBrindlexView* list = nullptr;
};
