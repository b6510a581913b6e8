#include "mainframe/mdi_client.h"

#include "framework/ui/gdi.h"

BEGIN_MESSAGE_MAP(CMdiClient, CWnd)
    ON_WM_ERASEBKGND()
    ON_WM_SIZE()
END_MESSAGE_MAP()

BOOL CMdiClient::OnEraseBkgnd(CDC *pDC)
{
    CRect client;
    GetClientRect(&client);
    CFont font;
    font.CreatePointFont(200, "Arial CE", pDC);
    CFont *previous = pDC->SelectObject(&font);
    pDC->FillSolidRect(&client, kBackground);
    pDC->SetTextColor(kTextColor);
    pDC->TextOut(client.right - kTextFromRight, client.bottom - kTextFromBottom, CString("Morvelank "));
    pDC->SelectObject(previous);
    font.DeleteObject();
    return TRUE;
}

void CMdiClient::OnSize(UINT nType, int cx, int cy)
{
    CWnd::OnSize(nType, cx, cy);
    RedrawWindow(nullptr, nullptr, RDW_INVALIDATE | RDW_ERASE | RDW_ALLCHILDREN);
}
