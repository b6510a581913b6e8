#pragma once
// The document view's print preview: the framework's preview with pictures on the bar's
// buttons; the one/two-page button's picture follows how many pages are shown.

#include "controls/mapped_bitmap_button.h"
#include "framework/ui/preview.h"

class CMyPreviewView : public CPreviewView {
    DECLARE_DYNCREATE(CMyPreviewView)

public:
    int OnCreate(LPCREATESTRUCT lpCreateStruct);
    void OnUpdateNumPageChange(CCmdUI *pCmdUI);

    DECLARE_MESSAGE_MAP()

public:
    CMappedBitmapButton m_print;
    CMappedBitmapButton m_next;
    CMappedBitmapButton m_prev;
    CMappedBitmapButton m_numPage;
    CMappedBitmapButton m_zoomIn;
    CMappedBitmapButton m_zoomOut;
    int m_bTwoPage = 0; // the one/two-page button shows the two-page picture
};
