#include "framework/ui/gdi.h"

#include "framework/core/codepage.h"
#include "framework/core/module.h"
#include "framework/ui/wnd.h"

#include <map>
#include <memory>
#include <string>
#include <utility>

namespace {

thread_local std::map<std::pair<const void *, HGDIOBJ>, std::unique_ptr<CGdiObject>> temporaryObjects;
thread_local std::map<HDC, std::unique_ptr<CDC>> temporaryDCs;

LOGFONTW WideLogFont(const LOGFONT &narrow)
{
    LOGFONTW wide{};
    memcpy(&wide, &narrow, offsetof(LOGFONTW, lfFaceName));
    std::wstring face = Cp1250ToWide(narrow.lfFaceName, (int)strnlen(narrow.lfFaceName, LF_FACESIZE));
    face.resize(face.size() < LF_FACESIZE - 1 ? face.size() : LF_FACESIZE - 1);
    memcpy(wide.lfFaceName, face.c_str(), (face.size() + 1) * sizeof(wchar_t));
    return wide;
}

// Height in logical units of a font nPointSize tenths of a point tall on hDC.
LONG LogicalHeight(HDC hDC, int nPointSize)
{
    POINT height{0, ::MulDiv(::GetDeviceCaps(hDC, LOGPIXELSY), nPointSize, 720)};
    POINT origin{0, 0};
    ::DPtoLP(hDC, &height, 1);
    ::DPtoLP(hDC, &origin, 1);
    return -labs(height.y - origin.y);
}

} // namespace

// ---- CGdiObject ----------------------------------------------------------------------------

CGdiObject::~CGdiObject()
{
    DeleteObject();
}

BOOL CGdiObject::Attach(HGDIOBJ hObject)
{
    if (hObject == nullptr || m_hObject != nullptr)
        return FALSE;
    m_hObject = hObject;
    return TRUE;
}

HGDIOBJ CGdiObject::Detach()
{
    HGDIOBJ hObject = m_hObject;
    m_hObject = nullptr;
    return hObject;
}

BOOL CGdiObject::DeleteObject()
{
    if (m_hObject == nullptr)
        return FALSE;
    return ::DeleteObject(Detach());
}

int CGdiObject::GetObject(int nCount, LPVOID lpObject) const
{
    return ::GetObjectW(m_hObject, nCount, lpObject);
}

BOOL CGdiObject::CreateStockObject(int nIndex)
{
    return Attach(::GetStockObject(nIndex));
}

CGdiObject *CGdiObject::FromHandle(HGDIOBJ hObject)
{
    return TemporaryOf<CGdiObject>(hObject);
}

CGdiObject *CGdiObject::FindOrAddTemporary(const void *kind, HGDIOBJ hObject, Factory create)
{
    std::unique_ptr<CGdiObject> &object = temporaryObjects[{kind, hObject}];
    if (!object) {
        object.reset(create());
        object->m_hObject = hObject;
    }
    return object.get();
}

void CGdiObject::DeleteTempMap()
{
    for (auto &entry : temporaryObjects)
        entry.second->Detach();
    temporaryObjects.clear();
}

BOOL CPen::CreatePen(int nPenStyle, int nWidth, COLORREF crColor)
{
    return Attach(::CreatePen(nPenStyle, nWidth, crColor));
}

BOOL CBrush::CreateSolidBrush(COLORREF crColor)
{
    return Attach(::CreateSolidBrush(crColor));
}
BOOL CBrush::CreateHatchBrush(int nIndex, COLORREF crColor)
{
    return Attach(::CreateHatchBrush(nIndex, crColor));
}
BOOL CBrush::CreatePatternBrush(CBitmap *pBitmap)
{
    return Attach(::CreatePatternBrush((HBITMAP)pBitmap->GetSafeHandle()));
}
BOOL CBrush::CreateSysColorBrush(int nIndex)
{
    return Attach(::GetSysColorBrush(nIndex));
}

// ---- CFont ---------------------------------------------------------------------------------

BOOL CFont::CreateFontIndirect(const LOGFONT *lpLogFont)
{
    LOGFONTW wide = WideLogFont(*lpLogFont);
    return Attach(::CreateFontIndirectW(&wide));
}

BOOL CFont::CreateFont(int nHeight, int nWidth, int nEscapement, int nOrientation, int nWeight, BYTE bItalic,
                       BYTE bUnderline, BYTE cStrikeOut, BYTE nCharSet, BYTE nOutPrecision, BYTE nClipPrecision,
                       BYTE nQuality, BYTE nPitchAndFamily, LPCTSTR lpszFacename)
{
    LOGFONT font{};
    font.lfHeight = nHeight;
    font.lfWidth = nWidth;
    font.lfEscapement = nEscapement;
    font.lfOrientation = nOrientation;
    font.lfWeight = nWeight;
    font.lfItalic = bItalic;
    font.lfUnderline = bUnderline;
    font.lfStrikeOut = cStrikeOut;
    font.lfCharSet = nCharSet;
    font.lfOutPrecision = nOutPrecision;
    font.lfClipPrecision = nClipPrecision;
    font.lfQuality = nQuality;
    font.lfPitchAndFamily = nPitchAndFamily;
    if (lpszFacename)
        lstrcpynA(font.lfFaceName, lpszFacename, LF_FACESIZE);
    return CreateFontIndirect(&font);
}

BOOL CFont::CreatePointFont(int nPointSize, LPCTSTR lpszFaceName, CDC *pDC)
{
    LOGFONT font{};
    font.lfCharSet = DEFAULT_CHARSET;
    font.lfHeight = nPointSize;
    if (lpszFaceName)
        lstrcpynA(font.lfFaceName, lpszFaceName, LF_FACESIZE);
    return CreatePointFontIndirect(&font, pDC);
}

BOOL CFont::CreatePointFontIndirect(const LOGFONT *lpLogFont, CDC *pDC)
{
    LOGFONT font = *lpLogFont;
    HDC screen = pDC ? nullptr : ::GetDC(nullptr);
    font.lfHeight = LogicalHeight(pDC ? pDC->m_hDC : screen, lpLogFont->lfHeight);
    if (screen)
        ::ReleaseDC(nullptr, screen);
    return CreateFontIndirect(&font);
}

int CFont::GetLogFont(LOGFONT *pLogFont) const
{
    LOGFONTW wide{};
    int size = ::GetObjectW(m_hObject, sizeof wide, &wide);
    if (size == 0)
        return 0;
    memcpy(pLogFont, &wide, offsetof(LOGFONT, lfFaceName));
    CString face = WideToCp1250(wide.lfFaceName);
    lstrcpynA(pLogFont->lfFaceName, face, LF_FACESIZE);
    return sizeof(LOGFONT);
}

// ---- CBitmap, CRgn -------------------------------------------------------------------------

BOOL CBitmap::LoadBitmap(UINT nIDResource)
{
    return Attach(::LoadBitmapW(AfxGetResourceHandle(), MAKEINTRESOURCEW(nIDResource)));
}
BOOL CBitmap::LoadBitmap(LPCTSTR lpszResourceName)
{
    if (IS_INTRESOURCE(lpszResourceName))
        return LoadBitmap((UINT)(UINT_PTR)lpszResourceName);
    return Attach(::LoadBitmapW(AfxGetResourceHandle(), Cp1250ToWide(lpszResourceName).c_str()));
}
BOOL CBitmap::LoadOEMBitmap(UINT nIDBitmap)
{
    return Attach(::LoadBitmapW(nullptr, MAKEINTRESOURCEW(nIDBitmap)));
}
BOOL CBitmap::CreateBitmap(int nWidth, int nHeight, UINT nPlanes, UINT nBitcount, const void *lpBits)
{
    return Attach(::CreateBitmap(nWidth, nHeight, nPlanes, nBitcount, lpBits));
}
BOOL CBitmap::CreateCompatibleBitmap(CDC *pDC, int nWidth, int nHeight)
{
    return Attach(::CreateCompatibleBitmap(pDC->m_hDC, nWidth, nHeight));
}
int CBitmap::GetBitmap(BITMAP *pBitMap) const
{
    return ::GetObjectW(m_hObject, sizeof(BITMAP), pBitMap);
}
CSize CBitmap::GetBitmapDimension() const
{
    SIZE size{};
    ::GetBitmapDimensionEx((HBITMAP)m_hObject, &size);
    return size;
}

BOOL CRgn::CreateRectRgn(int x1, int y1, int x2, int y2)
{
    return Attach(::CreateRectRgn(x1, y1, x2, y2));
}
BOOL CRgn::CreateRectRgnIndirect(LPCRECT lpRect)
{
    return Attach(::CreateRectRgnIndirect(lpRect));
}
BOOL CRgn::CreateEllipticRgn(int x1, int y1, int x2, int y2)
{
    return Attach(::CreateEllipticRgn(x1, y1, x2, y2));
}
BOOL CRgn::CreateRoundRectRgn(int x1, int y1, int x2, int y2, int x3, int y3)
{
    return Attach(::CreateRoundRectRgn(x1, y1, x2, y2, x3, y3));
}
BOOL CRgn::CreatePolygonRgn(const POINT *lpPoints, int nCount, int nMode)
{
    return Attach(::CreatePolygonRgn(lpPoints, nCount, nMode));
}
int CRgn::CombineRgn(const CRgn *pRgn1, const CRgn *pRgn2, int nCombineMode)
{
    return ::CombineRgn((HRGN)m_hObject, (HRGN)pRgn1->m_hObject, pRgn2 ? (HRGN)pRgn2->m_hObject : nullptr,
                        nCombineMode);
}
BOOL CRgn::PtInRegion(int x, int y) const
{
    return ::PtInRegion((HRGN)m_hObject, x, y);
}
BOOL CRgn::PtInRegion(POINT point) const
{
    return PtInRegion(point.x, point.y);
}
int CRgn::GetRgnBox(LPRECT lpRect) const
{
    return ::GetRgnBox((HRGN)m_hObject, lpRect);
}

// ---- CDC -----------------------------------------------------------------------------------

CDC::~CDC()
{
    if (m_hDC != nullptr)
        ::DeleteDC(Detach());
}

CDC *CDC::FromHandle(HDC hDC)
{
    if (hDC == nullptr)
        return nullptr;
    std::unique_ptr<CDC> &dc = temporaryDCs[hDC];
    if (!dc) {
        dc = std::make_unique<CDC>();
        dc->m_hDC = dc->m_hAttribDC = hDC;
    }
    return dc.get();
}

void CDC::DeleteTempMap()
{
    for (auto &entry : temporaryDCs)
        entry.second->Detach();
    temporaryDCs.clear();
}

BOOL CDC::Attach(HDC hDC)
{
    if (hDC == nullptr || m_hDC != nullptr)
        return FALSE;
    m_hDC = m_hAttribDC = hDC;
    return TRUE;
}

HDC CDC::Detach()
{
    HDC hDC = m_hDC;
    m_hDC = m_hAttribDC = nullptr;
    return hDC;
}

BOOL CDC::DeleteDC()
{
    return m_hDC != nullptr && ::DeleteDC(Detach());
}
BOOL CDC::CreateCompatibleDC(CDC *pDC)
{
    return Attach(::CreateCompatibleDC(pDC ? pDC->m_hDC : nullptr));
}
int CDC::SaveDC()
{
    return ::SaveDC(m_hDC);
}
BOOL CDC::RestoreDC(int nSavedDC)
{
    return ::RestoreDC(m_hDC, nSavedDC);
}
int CDC::GetDeviceCaps(int nIndex) const
{
    return ::GetDeviceCaps(m_hDC, nIndex);
}
CWnd *CDC::GetWindow() const
{
    return CWnd::FromHandle(::WindowFromDC(m_hDC));
}

CPen *CDC::SelectObject(CPen *pPen)
{
    return CPen::FromHandle((HPEN)::SelectObject(m_hDC, pPen->GetSafeHandle()));
}
CBrush *CDC::SelectObject(CBrush *pBrush)
{
    return CBrush::FromHandle((HBRUSH)::SelectObject(m_hDC, pBrush->GetSafeHandle()));
}
CFont *CDC::SelectObject(CFont *pFont)
{
    return CFont::FromHandle((HFONT)::SelectObject(m_hDC, pFont->GetSafeHandle()));
}
CBitmap *CDC::SelectObject(CBitmap *pBitmap)
{
    return CBitmap::FromHandle((HBITMAP)::SelectObject(m_hDC, pBitmap->GetSafeHandle()));
}
int CDC::SelectObject(CRgn *pRgn)
{
    return (int)(INT_PTR)::SelectObject(m_hDC, pRgn->GetSafeHandle());
}
CGdiObject *CDC::SelectObject(CGdiObject *pObject)
{
    return CGdiObject::FromHandle(::SelectObject(m_hDC, pObject->GetSafeHandle()));
}
CGdiObject *CDC::SelectStockObject(int nIndex)
{
    return CGdiObject::FromHandle(::SelectObject(m_hDC, ::GetStockObject(nIndex)));
}
CFont *CDC::GetCurrentFont() const
{
    return CFont::FromHandle((HFONT)::GetCurrentObject(m_hDC, OBJ_FONT));
}

COLORREF CDC::SetTextColor(COLORREF crColor)
{
    return ::SetTextColor(m_hDC, crColor);
}
COLORREF CDC::GetTextColor() const
{
    return ::GetTextColor(m_hDC);
}
COLORREF CDC::SetBkColor(COLORREF crColor)
{
    return ::SetBkColor(m_hDC, crColor);
}
COLORREF CDC::GetBkColor() const
{
    return ::GetBkColor(m_hDC);
}
int CDC::SetBkMode(int nBkMode)
{
    return ::SetBkMode(m_hDC, nBkMode);
}
int CDC::GetBkMode() const
{
    return ::GetBkMode(m_hDC);
}
UINT CDC::SetTextAlign(UINT nFlags)
{
    return ::SetTextAlign(m_hDC, nFlags);
}
int CDC::SetROP2(int nDrawMode)
{
    return ::SetROP2(m_hDC, nDrawMode);
}

BOOL CDC::TextOut(int x, int y, LPCTSTR lpszString, int nCount)
{
    std::wstring text = Cp1250ToWide(lpszString, nCount);
    return ::TextOutW(m_hDC, x, y, text.c_str(), (int)text.size());
}
BOOL CDC::TextOut(int x, int y, const CString &str)
{
    return TextOut(x, y, str, str.GetLength());
}
BOOL CDC::ExtTextOut(int x, int y, UINT nOptions, LPCRECT lpRect, LPCTSTR lpszString, UINT nCount, LPINT lpDxWidths)
{
    std::wstring text = Cp1250ToWide(lpszString, (int)nCount);
    return ::ExtTextOutW(m_hDC, x, y, nOptions, lpRect, text.c_str(), (UINT)text.size(), lpDxWidths);
}
BOOL CDC::ExtTextOut(int x, int y, UINT nOptions, LPCRECT lpRect, const CString &str, LPINT lpDxWidths)
{
    return ExtTextOut(x, y, nOptions, lpRect, str, str.GetLength(), lpDxWidths);
}
int CDC::DrawText(LPCTSTR lpszString, int nCount, LPRECT lpRect, UINT nFormat)
{
    std::wstring text = Cp1250ToWide(lpszString, nCount);
    return ::DrawTextW(m_hDC, text.c_str(), (int)text.size(), lpRect, nFormat);
}
int CDC::DrawText(const CString &str, LPRECT lpRect, UINT nFormat)
{
    return DrawText(str, str.GetLength(), lpRect, nFormat);
}
CSize CDC::GetTextExtent(LPCTSTR lpszString, int nCount) const
{
    std::wstring text = Cp1250ToWide(lpszString, nCount);
    SIZE size{};
    ::GetTextExtentPoint32W(m_hAttribDC, text.c_str(), (int)text.size(), &size);
    return size;
}
CSize CDC::GetTextExtent(const CString &str) const
{
    return GetTextExtent(str, str.GetLength());
}
BOOL CDC::GetTextMetrics(LPTEXTMETRIC lpMetrics) const
{
    return ::GetTextMetricsA(m_hAttribDC, lpMetrics);
}

CPoint CDC::MoveTo(int x, int y)
{
    POINT previous{};
    ::MoveToEx(m_hDC, x, y, &previous);
    return previous;
}
CPoint CDC::MoveTo(POINT point)
{
    return MoveTo(point.x, point.y);
}
BOOL CDC::LineTo(int x, int y)
{
    return ::LineTo(m_hDC, x, y);
}
BOOL CDC::LineTo(POINT point)
{
    return LineTo(point.x, point.y);
}
BOOL CDC::Polyline(const POINT *lpPoints, int nCount)
{
    return ::Polyline(m_hDC, lpPoints, nCount);
}
BOOL CDC::Polygon(const POINT *lpPoints, int nCount)
{
    return ::Polygon(m_hDC, lpPoints, nCount);
}
BOOL CDC::Rectangle(int x1, int y1, int x2, int y2)
{
    return ::Rectangle(m_hDC, x1, y1, x2, y2);
}
BOOL CDC::Rectangle(LPCRECT r)
{
    return Rectangle(r->left, r->top, r->right, r->bottom);
}
BOOL CDC::RoundRect(int x1, int y1, int x2, int y2, int x3, int y3)
{
    return ::RoundRect(m_hDC, x1, y1, x2, y2, x3, y3);
}
BOOL CDC::Ellipse(int x1, int y1, int x2, int y2)
{
    return ::Ellipse(m_hDC, x1, y1, x2, y2);
}
BOOL CDC::Ellipse(LPCRECT r)
{
    return Ellipse(r->left, r->top, r->right, r->bottom);
}
void CDC::FillRect(LPCRECT lpRect, CBrush *pBrush)
{
    ::FillRect(m_hDC, lpRect, (HBRUSH)pBrush->GetSafeHandle());
}
void CDC::FillSolidRect(LPCRECT lpRect, COLORREF clr)
{
    COLORREF previous = ::SetBkColor(m_hDC, clr);
    ::ExtTextOutW(m_hDC, 0, 0, ETO_OPAQUE, lpRect, nullptr, 0, nullptr);
    ::SetBkColor(m_hDC, previous);
}
void CDC::FillSolidRect(int x, int y, int cx, int cy, COLORREF clr)
{
    RECT area{x, y, x + cx, y + cy};
    FillSolidRect(&area, clr);
}
void CDC::FrameRect(LPCRECT lpRect, CBrush *pBrush)
{
    ::FrameRect(m_hDC, lpRect, (HBRUSH)pBrush->GetSafeHandle());
}
void CDC::InvertRect(LPCRECT lpRect)
{
    ::InvertRect(m_hDC, lpRect);
}
void CDC::Draw3dRect(LPCRECT r, COLORREF clrTopLeft, COLORREF clrBottomRight)
{
    Draw3dRect(r->left, r->top, r->right - r->left, r->bottom - r->top, clrTopLeft, clrBottomRight);
}
void CDC::Draw3dRect(int x, int y, int cx, int cy, COLORREF clrTopLeft, COLORREF clrBottomRight)
{
    FillSolidRect(x, y, cx - 1, 1, clrTopLeft);
    FillSolidRect(x, y, 1, cy - 1, clrTopLeft);
    FillSolidRect(x + cx, y, -1, cy, clrBottomRight);
    FillSolidRect(x, y + cy, cx, -1, clrBottomRight);
}
BOOL CDC::DrawEdge(LPRECT lpRect, UINT nEdge, UINT nFlags)
{
    return ::DrawEdge(m_hDC, lpRect, nEdge, nFlags);
}
void CDC::DrawFocusRect(LPCRECT lpRect)
{
    ::DrawFocusRect(m_hDC, lpRect);
}
BOOL CDC::DrawFrameControl(LPRECT lpRect, UINT nType, UINT nState)
{
    return ::DrawFrameControl(m_hDC, lpRect, nType, nState);
}
BOOL CDC::DrawIcon(int x, int y, HICON hIcon)
{
    return ::DrawIcon(m_hDC, x, y, hIcon);
}
BOOL CDC::FillRgn(CRgn *pRgn, CBrush *pBrush)
{
    return ::FillRgn(m_hDC, (HRGN)pRgn->GetSafeHandle(), (HBRUSH)pBrush->GetSafeHandle());
}
BOOL CDC::FrameRgn(CRgn *pRgn, CBrush *pBrush, int nWidth, int nHeight)
{
    return ::FrameRgn(m_hDC, (HRGN)pRgn->GetSafeHandle(), (HBRUSH)pBrush->GetSafeHandle(), nWidth, nHeight);
}
COLORREF CDC::SetPixel(int x, int y, COLORREF crColor)
{
    return ::SetPixel(m_hDC, x, y, crColor);
}
COLORREF CDC::GetPixel(int x, int y) const
{
    return ::GetPixel(m_hDC, x, y);
}

BOOL CDC::BitBlt(int x, int y, int nWidth, int nHeight, CDC *pSrcDC, int xSrc, int ySrc, DWORD dwRop)
{
    return ::BitBlt(m_hDC, x, y, nWidth, nHeight, pSrcDC ? pSrcDC->m_hDC : nullptr, xSrc, ySrc, dwRop);
}
BOOL CDC::StretchBlt(int x, int y, int nWidth, int nHeight, CDC *pSrcDC, int xSrc, int ySrc, int nSrcWidth,
                     int nSrcHeight, DWORD dwRop)
{
    return ::StretchBlt(m_hDC, x, y, nWidth, nHeight, pSrcDC ? pSrcDC->m_hDC : nullptr, xSrc, ySrc, nSrcWidth,
                        nSrcHeight, dwRop);
}
BOOL CDC::PatBlt(int x, int y, int nWidth, int nHeight, DWORD dwRop)
{
    return ::PatBlt(m_hDC, x, y, nWidth, nHeight, dwRop);
}

int CDC::SetMapMode(int nMapMode)
{
    return ::SetMapMode(m_hDC, nMapMode);
}
int CDC::GetMapMode() const
{
    return ::GetMapMode(m_hDC);
}
CPoint CDC::SetWindowOrg(int x, int y)
{
    POINT previous{};
    ::SetWindowOrgEx(m_hDC, x, y, &previous);
    return previous;
}
CPoint CDC::SetViewportOrg(int x, int y)
{
    POINT previous{};
    ::SetViewportOrgEx(m_hDC, x, y, &previous);
    return previous;
}
CPoint CDC::OffsetViewportOrg(int nWidth, int nHeight)
{
    POINT previous{};
    ::OffsetViewportOrgEx(m_hDC, nWidth, nHeight, &previous);
    return previous;
}
CPoint CDC::GetViewportOrg() const
{
    POINT origin{};
    ::GetViewportOrgEx(m_hDC, &origin);
    return origin;
}
CPoint CDC::GetWindowOrg() const
{
    POINT origin{};
    ::GetWindowOrgEx(m_hDC, &origin);
    return origin;
}
CSize CDC::SetWindowExt(int cx, int cy)
{
    SIZE previous{};
    ::SetWindowExtEx(m_hDC, cx, cy, &previous);
    return previous;
}
CSize CDC::SetViewportExt(int cx, int cy)
{
    SIZE previous{};
    ::SetViewportExtEx(m_hDC, cx, cy, &previous);
    return previous;
}
void CDC::LPtoDP(LPPOINT lpPoints, int nCount) const
{
    ::LPtoDP(m_hAttribDC, lpPoints, nCount);
}
void CDC::LPtoDP(LPRECT lpRect) const
{
    ::LPtoDP(m_hAttribDC, reinterpret_cast<LPPOINT>(lpRect), 2);
}
void CDC::DPtoLP(LPPOINT lpPoints, int nCount) const
{
    ::DPtoLP(m_hAttribDC, lpPoints, nCount);
}
void CDC::DPtoLP(LPRECT lpRect) const
{
    ::DPtoLP(m_hAttribDC, reinterpret_cast<LPPOINT>(lpRect), 2);
}

int CDC::IntersectClipRect(int x1, int y1, int x2, int y2)
{
    return ::IntersectClipRect(m_hDC, x1, y1, x2, y2);
}
int CDC::IntersectClipRect(LPCRECT r)
{
    return IntersectClipRect(r->left, r->top, r->right, r->bottom);
}
int CDC::ExcludeClipRect(int x1, int y1, int x2, int y2)
{
    return ::ExcludeClipRect(m_hDC, x1, y1, x2, y2);
}
int CDC::ExcludeClipRect(LPCRECT r)
{
    return ExcludeClipRect(r->left, r->top, r->right, r->bottom);
}
int CDC::SelectClipRgn(CRgn *pRgn)
{
    return ::SelectClipRgn(m_hDC, pRgn ? (HRGN)pRgn->GetSafeHandle() : nullptr);
}
int CDC::GetClipBox(LPRECT lpRect) const
{
    return ::GetClipBox(m_hDC, lpRect);
}
BOOL CDC::PtVisible(int x, int y) const
{
    return ::PtVisible(m_hDC, x, y);
}
BOOL CDC::RectVisible(LPCRECT lpRect) const
{
    return ::RectVisible(m_hDC, lpRect);
}

// ---- Window DCs ------------------------------------------------------------------------------

CPaintDC::CPaintDC(CWnd *pWnd) : m_hWnd(pWnd->m_hWnd)
{
    Attach(::BeginPaint(m_hWnd, &m_ps));
}
CPaintDC::~CPaintDC()
{
    Detach();
    ::EndPaint(m_hWnd, &m_ps);
}

CClientDC::CClientDC(CWnd *pWnd) : m_hWnd(pWnd ? pWnd->m_hWnd : nullptr)
{
    Attach(::GetDC(m_hWnd));
}
CClientDC::~CClientDC()
{
    ::ReleaseDC(m_hWnd, Detach());
}

CWindowDC::CWindowDC(CWnd *pWnd) : m_hWnd(pWnd ? pWnd->m_hWnd : nullptr)
{
    Attach(::GetWindowDC(m_hWnd));
}
CWindowDC::~CWindowDC()
{
    ::ReleaseDC(m_hWnd, Detach());
}
