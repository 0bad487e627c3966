// CSplitterWnd: a static splitter of one row and several columns. Each pane is a view;
// the bars between the columns can be dragged. Notifications of the panes are reflected
// back to them (the splitter is their parent).
#pragma once

#include "fw/View.h"
#include <vector>

class CSplitterWnd : public CWnd {
public:
    // Only one row is supported; nCols of 1 to 16.
    BOOL CreateStatic(CWnd* pParent, int nRows, int nCols, DWORD style = WS_CHILD | WS_VISIBLE,
                      UINT nID = AFX_IDW_PANE_FIRST);
    // The pane's id is AFX_IDW_PANE_FIRST + 16 * row + col; sizeInit.cx is its first width.
    BOOL CreateView(int row, int col, AFX_NEWVIEW pfnNewView, SIZE sizeInit, CCreateContext* pContext);
    CWnd* GetPane(int row, int col) const;
    int GetRowCount() const { return m_nRows; }
    int GetColumnCount() const { return (int)m_cols.size(); }
    // Every column but the last gets its ideal width (at least cxMin); the last one the rest.
    void SetColumnInfo(int col, int cxIdeal, int cxMin);
    void GetColumnInfo(int col, int& cxCur, int& cxMin) const;
    void RecalcLayout();

    static const int kBarWidth = 6;

protected:
    LRESULT OnSize(WPARAM wp, LPARAM lp);
    LRESULT OnPaint(WPARAM wp, LPARAM lp);
    LRESULT OnSetCursor(WPARAM wp, LPARAM lp);
    LRESULT OnLButtonDown(WPARAM wp, LPARAM lp);
    LRESULT OnMouseMove(WPARAM wp, LPARAM lp);
    LRESULT OnLButtonUp(WPARAM wp, LPARAM lp);
    LRESULT OnCaptureChanged(WPARAM wp, LPARAM lp);
    // The bar under a client x, or -1.
    int HitBar(int x) const;

    struct ColInfo {
        int cxIdeal = 0;
        int cxMin = 0;
        int cxCur = 0;
        int left = 0;
    };
    int m_nRows = 0;
    std::vector<ColInfo> m_cols;
    std::vector<HWND> m_panes;
    int m_nTrackBar = -1;  // bar being dragged
    int m_nTrackOffset = 0;

    DECLARE_MESSAGE_MAP()
};
