#include "controls/print_region.h"

#include "controls/print_page.h"

#include <algorithm>

bool CPrintRegion::Init(CPrintPage *owner, int regionTop, int regionLeft, int regionRight, int regionBottom)
{
    page = owner;
    CPrintAttrState &state = owner->Current();
    if (regionTop < 0 || regionLeft < 0 || regionRight > state.pageWidth || regionBottom > state.pageHeight)
        return false;
    top = regionTop;
    left = regionLeft;
    right = std::min(regionRight, state.right);
    bottom = std::min(regionBottom, state.bottom);
    innerLeft = left + 1;
    innerTop = top + 1;

    CPrintPage::SavedState saved(owner);
    if (!saved)
        return true;
    CPrintAttrState &fillState = owner->Current();
    fillState.left = left;
    fillState.top = top;
    fillState.right = right;
    fillState.bottom = bottom;
    fillState.fill = style;
    owner->Painter().PaintFill(fillState);
    return true;
}

void CPrintRegion::PrintHeading(const char *text, int pointSize, int attributes, int fill)
{
    CPrintPage::SavedState saved(page);
    if (!saved)
        return;
    CPrintAttrState &state = page->Current();
    state.text = text;
    if (pointSize > 0)
        state.pointSize = pointSize;
    state.attributes = attributes | PRINT_SINGLE_LINE | PRINT_VCENTER;
    state.fill = fill;
    state.left = left;
    state.top = top;
    state.right = right;
    state.bottom = bottom;
    int height;
    if (attributes & PRINT_FRAMED) {
        page->Painter().MeasureText(state);
        height = state.textHeight + 10;
    } else {
        height = 2 * page->InchesToUnitsY(state.pointSize / 72.0);
    }
    state.bottom = top + height;
    page->PaintTextWithFill(fill);
    innerTop = top + height + 1;
}

void CPrintRegion::DrawFrame()
{
    CPrintPage::SavedState saved(page);
    if (!saved)
        return;
    CPrintAttrState &state = page->Current();
    state.left = left;
    state.top = top;
    state.right = right;
    state.bottom = bottom;
    page->Painter().PaintBox(state, 1);
}
