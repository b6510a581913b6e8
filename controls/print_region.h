#pragma once
// A filled rectangle of a page into which text is printed relative to its inner top-left.
// Made by CPrintPage::CreateRegion and owned by the page.

class CPrintPage;

class CPrintRegion {
public:
    int innerTop = 0; // below a heading once one is printed
    int innerLeft = 0;
    int top = 0;
    int left = 0;
    int right = 0;
    int bottom = 0;
    int style = 0; // fill style
    CPrintPage *page = nullptr;

    virtual ~CPrintRegion() = default;
    // False when the rectangle does not lie on the page; else fills it with the style.
    virtual bool Init(CPrintPage *owner, int regionTop, int regionLeft, int regionRight, int regionBottom);
    // A single-line band across the top; the inner top moves below it.
    virtual void PrintHeading(const char *text, int pointSize, int attributes, int fill);
    virtual void DrawFrame();
};
