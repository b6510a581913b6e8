#pragma once
// CPoint, CSize and CRect: the Win32 POINT, SIZE and RECT with the class library's helpers.
// They derive from the Win32 structures, so they pass wherever those are expected.

#include <windows.h>

#include <utility>

class CSize : public SIZE {
public:
    CSize() : SIZE{0, 0} {}
    CSize(int width, int height) : SIZE{width, height} {}
    CSize(const SIZE &size) : SIZE(size) {}

    bool operator==(const SIZE &other) const { return cx == other.cx && cy == other.cy; }
    bool operator!=(const SIZE &other) const { return !(*this == other); }
    CSize operator+(const SIZE &other) const { return CSize(cx + other.cx, cy + other.cy); }
    CSize operator-(const SIZE &other) const { return CSize(cx - other.cx, cy - other.cy); }
};

class CPoint : public POINT {
public:
    CPoint() : POINT{0, 0} {}
    CPoint(int x0, int y0) : POINT{x0, y0} {}
    CPoint(const POINT &point) : POINT(point) {}
    // The coordinates packed in a message's LPARAM (x low word, y high word, both signed).
    explicit CPoint(LPARAM packed) : POINT{static_cast<short>(LOWORD(packed)), static_cast<short>(HIWORD(packed))} {}

    void Offset(int dx, int dy) { x += dx, y += dy; }
    bool operator==(const POINT &other) const { return x == other.x && y == other.y; }
    bool operator!=(const POINT &other) const { return !(*this == other); }
    CPoint operator+(const SIZE &size) const { return CPoint(x + size.cx, y + size.cy); }
    CPoint operator-(const SIZE &size) const { return CPoint(x - size.cx, y - size.cy); }
    CSize operator-(const POINT &other) const { return CSize(x - other.x, y - other.y); }
    CPoint &operator+=(const SIZE &size)
    {
        Offset(size.cx, size.cy);
        return *this;
    }
    CPoint &operator-=(const SIZE &size)
    {
        Offset(-size.cx, -size.cy);
        return *this;
    }
};

class CRect : public RECT {
public:
    CRect() : RECT{0, 0, 0, 0} {}
    CRect(int l, int t, int r, int b) : RECT{l, t, r, b} {}
    CRect(const RECT &rect) : RECT(rect) {}
    CRect(POINT topLeft, SIZE size) : RECT{topLeft.x, topLeft.y, topLeft.x + size.cx, topLeft.y + size.cy} {}
    CRect(POINT topLeft, POINT bottomRight) : RECT{topLeft.x, topLeft.y, bottomRight.x, bottomRight.y} {}

    int Width() const { return right - left; }
    int Height() const { return bottom - top; }
    CSize Size() const { return CSize(Width(), Height()); }
    CPoint TopLeft() const { return CPoint(left, top); }
    CPoint BottomRight() const { return CPoint(right, bottom); }
    CPoint CenterPoint() const { return CPoint((left + right) / 2, (top + bottom) / 2); }
    BOOL IsRectEmpty() const { return Width() <= 0 || Height() <= 0; }
    BOOL IsRectNull() const { return left == 0 && top == 0 && right == 0 && bottom == 0; }
    BOOL PtInRect(POINT point) const { return ::PtInRect(this, point); }

    void SetRect(int l, int t, int r, int b) { left = l, top = t, right = r, bottom = b; }
    void SetRectEmpty() { SetRect(0, 0, 0, 0); }
    void OffsetRect(int dx, int dy) { left += dx, right += dx, top += dy, bottom += dy; }
    void OffsetRect(POINT offset) { OffsetRect(offset.x, offset.y); }
    void InflateRect(int dx, int dy) { left -= dx, top -= dy, right += dx, bottom += dy; }
    void DeflateRect(int dx, int dy) { InflateRect(-dx, -dy); }
    void NormalizeRect()
    {
        if (left > right)
            std::swap(left, right);
        if (top > bottom)
            std::swap(top, bottom);
    }
    BOOL IntersectRect(const RECT *a, const RECT *b) { return ::IntersectRect(this, a, b); }
    BOOL UnionRect(const RECT *a, const RECT *b) { return ::UnionRect(this, a, b); }

    operator LPRECT() { return this; }
    operator LPCRECT() const { return this; }
    bool operator==(const RECT &other) const { return ::EqualRect(this, &other) != FALSE; }
    bool operator!=(const RECT &other) const { return !(*this == other); }
};
