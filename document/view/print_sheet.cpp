#include "document/view/print_sheet.h"

#include <cmath>
#include <cstddef>
#include <vector>

namespace {

bool IsLandscape(int width, int height)
{
    return width > height;
}

int Along(LONG from, LONG length, double fraction)
{
    return from + static_cast<int>(std::lround(length * fraction));
}

} // namespace

bool TurnSheetToPage(HDC printer, HGLOBAL deviceMode, const RichTextPageSize &page)
{
    if (printer == nullptr || deviceMode == nullptr || page.width == page.height)
        return false;
    const bool landscape = IsLandscape(page.width, page.height);
    const int sheetWidth = GetDeviceCaps(printer, PHYSICALWIDTH);
    const int sheetHeight = GetDeviceCaps(printer, PHYSICALHEIGHT);
    if (sheetWidth <= 0 || sheetHeight <= 0 || IsLandscape(sheetWidth, sheetHeight) == landscape)
        return false;
    const auto *mode = static_cast<const DEVMODEW *>(GlobalLock(deviceMode));
    if (mode == nullptr)
        return false;
    // The job's own copy: the printer's settings for later jobs stay as the user chose them.
    // A mode that states more than its memory holds is not read past its end.
    const size_t size = static_cast<size_t>(mode->dmSize) + mode->dmDriverExtra;
    if (mode->dmSize < offsetof(DEVMODEW, dmOrientation) + sizeof(SHORT) || size > GlobalSize(deviceMode)) {
        GlobalUnlock(deviceMode);
        return false;
    }
    const auto *bytes = reinterpret_cast<const BYTE *>(mode);
    std::vector<BYTE> copy(bytes, bytes + size);
    GlobalUnlock(deviceMode);
    auto *turned = reinterpret_cast<DEVMODEW *>(copy.data());
    turned->dmFields |= DM_ORIENTATION;
    turned->dmOrientation = landscape ? DMORIENT_LANDSCAPE : DMORIENT_PORTRAIT;
    return ResetDCW(printer, turned) != nullptr
           && IsLandscape(GetDeviceCaps(printer, PHYSICALWIDTH), GetDeviceCaps(printer, PHYSICALHEIGHT)) == landscape;
}

MarginGuides MarginGuidesOnSheet(const RichTextPageSize &page, const RECT &sheet)
{
    const LONG width = sheet.right - sheet.left;
    const LONG height = sheet.bottom - sheet.top;
    const double pageWidth = page.width > 0 ? page.width : 1;
    const double pageHeight = page.height > 0 ? page.height : 1;
    const double left = page.margins.left / pageWidth;
    const double right = 1 - page.margins.right / pageWidth;
    const double top = page.margins.top / pageHeight;
    const double bottom = 1 - page.margins.bottom / pageHeight;
    MarginGuides guides;
    if (IsLandscape(page.width, page.height) != IsLandscape(width, height) && width != height) {
        guides.left = Along(sheet.left, width, top);
        guides.right = Along(sheet.left, width, bottom);
        guides.top = Along(sheet.top, height, 1 - right);
        guides.bottom = Along(sheet.top, height, 1 - left);
    } else {
        guides.left = Along(sheet.left, width, left);
        guides.right = Along(sheet.left, width, right);
        guides.top = Along(sheet.top, height, top);
        guides.bottom = Along(sheet.top, height, bottom);
    }
    return guides;
}
