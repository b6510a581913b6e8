#pragma once
// Device contexts and GDI objects. A CGdiObject owns its handle and deletes it; FromHandle wraps
// a handle it does not own in a temporary object, freed by DeleteTempMap at idle time.
// Text goes to GDI as UTF-16 converted from code page 1250.

#include "framework/core/cstring.h"
#include "framework/core/geometry.h"

#include <windows.h>

class CWnd;
class CDC;

class CGdiObject {
public:
    HGDIOBJ m_hObject = nullptr;

    CGdiObject() = default;
    virtual ~CGdiObject();
    CGdiObject(const CGdiObject &) = delete;
    CGdiObject &operator=(const CGdiObject &) = delete;

    operator HGDIOBJ() const { return m_hObject; }
    HGDIOBJ GetSafeHandle() const { return m_hObject; }
    BOOL Attach(HGDIOBJ hObject);
    HGDIOBJ Detach();
    BOOL DeleteObject();
    int GetObject(int nCount, LPVOID lpObject) const;
    BOOL CreateStockObject(int nIndex);

    static CGdiObject *FromHandle(HGDIOBJ hObject);
    static void DeleteTempMap();

protected:
    // A temporary object of type T wrapping a handle it does not own.
    template <class T>
    static T *TemporaryOf(HGDIOBJ hObject);

private:
    using Factory = CGdiObject *(*)();
    template <class T>
    static CGdiObject *Make()
    {
        return new T;
    }
    // Finds the temporary of this kind for the handle, or makes one with create.
    static CGdiObject *FindOrAddTemporary(const void *kind, HGDIOBJ hObject, Factory create);
};

template <class T>
T *CGdiObject::TemporaryOf(HGDIOBJ hObject)
{
    static const char kind = 0;
    if (hObject == nullptr)
        return nullptr;
    return static_cast<T *>(FindOrAddTemporary(&kind, hObject, &Make<T>));
}

class CPen : public CGdiObject {
public:
    CPen() = default;
    CPen(int nPenStyle, int nWidth, COLORREF crColor) { CreatePen(nPenStyle, nWidth, crColor); }
    operator HPEN() const { return (HPEN)m_hObject; }
    BOOL CreatePen(int nPenStyle, int nWidth, COLORREF crColor);
    static CPen *FromHandle(HPEN hPen) { return TemporaryOf<CPen>(hPen); }
};

class CBitmap;

class CBrush : public CGdiObject {
public:
    CBrush() = default;
    explicit CBrush(COLORREF crColor) { CreateSolidBrush(crColor); }
    operator HBRUSH() const { return (HBRUSH)m_hObject; }
    BOOL CreateSolidBrush(COLORREF crColor);
    BOOL CreateHatchBrush(int nIndex, COLORREF crColor);
    BOOL CreatePatternBrush(CBitmap *pBitmap);
    BOOL CreateSysColorBrush(int nIndex);
    static CBrush *FromHandle(HBRUSH hBrush) { return TemporaryOf<CBrush>(hBrush); }
};

// LOGFONT here is the code-page-1250 form; the face name crosses to GDI in UTF-16.
class CFont : public CGdiObject {
public:
    operator HFONT() const { return (HFONT)m_hObject; }
    BOOL CreateFontIndirect(const LOGFONT *lpLogFont);
    BOOL CreateFont(int nHeight, int nWidth, int nEscapement, int nOrientation, int nWeight, BYTE bItalic,
                    BYTE bUnderline, BYTE cStrikeOut, BYTE nCharSet, BYTE nOutPrecision, BYTE nClipPrecision,
                    BYTE nQuality, BYTE nPitchAndFamily, LPCTSTR lpszFacename);
    // nPointSize in tenths of a point, measured on pDC (the screen when null).
    BOOL CreatePointFont(int nPointSize, LPCTSTR lpszFaceName, CDC *pDC = nullptr);
    BOOL CreatePointFontIndirect(const LOGFONT *lpLogFont, CDC *pDC = nullptr);
    int GetLogFont(LOGFONT *pLogFont) const;
    static CFont *FromHandle(HFONT hFont) { return TemporaryOf<CFont>(hFont); }
};

class CBitmap : public CGdiObject {
public:
    operator HBITMAP() const { return (HBITMAP)m_hObject; }
    BOOL LoadBitmap(UINT nIDResource);
    BOOL LoadBitmap(LPCTSTR lpszResourceName);
    BOOL LoadOEMBitmap(UINT nIDBitmap);
    BOOL CreateBitmap(int nWidth, int nHeight, UINT nPlanes, UINT nBitcount, const void *lpBits);
    BOOL CreateCompatibleBitmap(CDC *pDC, int nWidth, int nHeight);
    int GetBitmap(BITMAP *pBitMap) const;
    CSize GetBitmapDimension() const;
    static CBitmap *FromHandle(HBITMAP hBitmap) { return TemporaryOf<CBitmap>(hBitmap); }
};

class CRgn : public CGdiObject {
public:
    operator HRGN() const { return (HRGN)m_hObject; }
    BOOL CreateRectRgn(int x1, int y1, int x2, int y2);
    BOOL CreateRectRgnIndirect(LPCRECT lpRect);
    BOOL CreateEllipticRgn(int x1, int y1, int x2, int y2);
    BOOL CreateRoundRectRgn(int x1, int y1, int x2, int y2, int x3, int y3);
    BOOL CreatePolygonRgn(const POINT *lpPoints, int nCount, int nMode);
    int CombineRgn(const CRgn *pRgn1, const CRgn *pRgn2, int nCombineMode);
    BOOL PtInRegion(int x, int y) const;
    BOOL PtInRegion(POINT point) const;
    int GetRgnBox(LPRECT lpRect) const;
    static CRgn *FromHandle(HRGN hRgn) { return TemporaryOf<CRgn>(hRgn); }
};

class CDC {
public:
    HDC m_hDC = nullptr;
    HDC m_hAttribDC = nullptr;
    BOOL m_bPrinting = FALSE;

    CDC() = default;
    virtual ~CDC();
    CDC(const CDC &) = delete;
    CDC &operator=(const CDC &) = delete;

    operator HDC() const { return m_hDC; }
    HDC GetSafeHdc() const { return m_hDC; }
    static CDC *FromHandle(HDC hDC);
    static void DeleteTempMap();
    BOOL Attach(HDC hDC);
    HDC Detach();
    BOOL DeleteDC();
    BOOL CreateCompatibleDC(CDC *pDC);
    BOOL IsPrinting() const { return m_bPrinting; }
    int SaveDC();
    BOOL RestoreDC(int nSavedDC);
    // Virtual: a preview DC answers for the page it shows, not for the screen.
    virtual int GetDeviceCaps(int nIndex) const;
    CWnd *GetWindow() const;

    // ---- Objects -----------------------------------------------------------------------------
    CPen *SelectObject(CPen *pPen);
    CBrush *SelectObject(CBrush *pBrush);
    CFont *SelectObject(CFont *pFont);
    CBitmap *SelectObject(CBitmap *pBitmap);
    int SelectObject(CRgn *pRgn);
    CGdiObject *SelectObject(CGdiObject *pObject);
    CGdiObject *SelectStockObject(int nIndex);
    CFont *GetCurrentFont() const;

    // ---- Colours and modes -------------------------------------------------------------------
    COLORREF SetTextColor(COLORREF crColor);
    COLORREF GetTextColor() const;
    COLORREF SetBkColor(COLORREF crColor);
    COLORREF GetBkColor() const;
    int SetBkMode(int nBkMode);
    int GetBkMode() const;
    UINT SetTextAlign(UINT nFlags);
    int SetROP2(int nDrawMode);

    // ---- Text ----------------------------------------------------------------------------------
    BOOL TextOut(int x, int y, LPCTSTR lpszString, int nCount);
    BOOL TextOut(int x, int y, const CString &str);
    BOOL ExtTextOut(int x, int y, UINT nOptions, LPCRECT lpRect, LPCTSTR lpszString, UINT nCount, LPINT lpDxWidths);
    BOOL ExtTextOut(int x, int y, UINT nOptions, LPCRECT lpRect, const CString &str, LPINT lpDxWidths);
    int DrawText(LPCTSTR lpszString, int nCount, LPRECT lpRect, UINT nFormat);
    int DrawText(const CString &str, LPRECT lpRect, UINT nFormat);
    CSize GetTextExtent(LPCTSTR lpszString, int nCount) const;
    CSize GetTextExtent(const CString &str) const;
    BOOL GetTextMetrics(LPTEXTMETRIC lpMetrics) const;

    // ---- Lines, shapes, fills ------------------------------------------------------------------
    CPoint MoveTo(int x, int y);
    CPoint MoveTo(POINT point);
    BOOL LineTo(int x, int y);
    BOOL LineTo(POINT point);
    BOOL Polyline(const POINT *lpPoints, int nCount);
    BOOL Polygon(const POINT *lpPoints, int nCount);
    BOOL Rectangle(int x1, int y1, int x2, int y2);
    BOOL Rectangle(LPCRECT lpRect);
    BOOL RoundRect(int x1, int y1, int x2, int y2, int x3, int y3);
    BOOL Ellipse(int x1, int y1, int x2, int y2);
    BOOL Ellipse(LPCRECT lpRect);
    void FillRect(LPCRECT lpRect, CBrush *pBrush);
    void FillSolidRect(LPCRECT lpRect, COLORREF clr);
    void FillSolidRect(int x, int y, int cx, int cy, COLORREF clr);
    void FrameRect(LPCRECT lpRect, CBrush *pBrush);
    void InvertRect(LPCRECT lpRect);
    void Draw3dRect(LPCRECT lpRect, COLORREF clrTopLeft, COLORREF clrBottomRight);
    void Draw3dRect(int x, int y, int cx, int cy, COLORREF clrTopLeft, COLORREF clrBottomRight);
    BOOL DrawEdge(LPRECT lpRect, UINT nEdge, UINT nFlags);
    void DrawFocusRect(LPCRECT lpRect);
    BOOL DrawFrameControl(LPRECT lpRect, UINT nType, UINT nState);
    BOOL DrawIcon(int x, int y, HICON hIcon);
    BOOL FillRgn(CRgn *pRgn, CBrush *pBrush);
    BOOL FrameRgn(CRgn *pRgn, CBrush *pBrush, int nWidth, int nHeight);
    COLORREF SetPixel(int x, int y, COLORREF crColor);
    COLORREF GetPixel(int x, int y) const;

    // ---- Bitmaps -------------------------------------------------------------------------------
    BOOL BitBlt(int x, int y, int nWidth, int nHeight, CDC *pSrcDC, int xSrc, int ySrc, DWORD dwRop);
    BOOL StretchBlt(int x, int y, int nWidth, int nHeight, CDC *pSrcDC, int xSrc, int ySrc, int nSrcWidth,
                    int nSrcHeight, DWORD dwRop);
    BOOL PatBlt(int x, int y, int nWidth, int nHeight, DWORD dwRop);

    // ---- Mapping modes and coordinates ---------------------------------------------------------
    int SetMapMode(int nMapMode);
    int GetMapMode() const;
    CPoint SetWindowOrg(int x, int y);
    CPoint SetViewportOrg(int x, int y);
    CPoint OffsetViewportOrg(int nWidth, int nHeight);
    CPoint GetViewportOrg() const;
    CPoint GetWindowOrg() const;
    CSize SetWindowExt(int cx, int cy);
    CSize SetViewportExt(int cx, int cy);
    void LPtoDP(LPPOINT lpPoints, int nCount = 1) const;
    void LPtoDP(LPRECT lpRect) const;
    void DPtoLP(LPPOINT lpPoints, int nCount = 1) const;
    void DPtoLP(LPRECT lpRect) const;

    // ---- Clipping ------------------------------------------------------------------------------
    int IntersectClipRect(int x1, int y1, int x2, int y2);
    int IntersectClipRect(LPCRECT lpRect);
    int ExcludeClipRect(int x1, int y1, int x2, int y2);
    int ExcludeClipRect(LPCRECT lpRect);
    int SelectClipRgn(CRgn *pRgn);
    int GetClipBox(LPRECT lpRect) const;
    BOOL PtVisible(int x, int y) const;
    BOOL RectVisible(LPCRECT lpRect) const;
};

// The client area between BeginPaint and EndPaint.
class CPaintDC : public CDC {
public:
    explicit CPaintDC(CWnd *pWnd);
    ~CPaintDC() override;
    PAINTSTRUCT m_ps{};

protected:
    HWND m_hWnd;
};

class CClientDC : public CDC {
public:
    explicit CClientDC(CWnd *pWnd);
    ~CClientDC() override;

protected:
    HWND m_hWnd;
};

class CWindowDC : public CDC {
public:
    explicit CWindowDC(CWnd *pWnd);
    ~CWindowDC() override;

protected:
    HWND m_hWnd;
};
