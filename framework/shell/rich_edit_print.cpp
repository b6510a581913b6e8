#include "framework/shell/rich_edit_print.h"

#include <richedit.h>

#include <string>

namespace {

DWORD CALLBACK AppendRtf(DWORD_PTR cookie, LPBYTE buffer, LONG count, LONG* written) {
    reinterpret_cast<std::string*>(cookie)->append(reinterpret_cast<const char*>(buffer),
                                                   static_cast<size_t>(count));
    *written = count;
    return 0;
}

std::string StreamOutRtf(HWND control) {
    std::string rtf;
    EDITSTREAM stream{};
    stream.dwCookie = reinterpret_cast<DWORD_PTR>(&rtf);
    stream.pfnCallback = AppendRtf;
    ::SendMessageW(control, EM_STREAMOUT, SF_RTF, reinterpret_cast<LPARAM>(&stream));
    return rtf;
}

}  // namespace

void CRichEditPages::Paginate(HWND control, CSize paperTwips, const CRect& marginsTwips, HDC referenceDC) {
    RichTextPageSize page;
    page.width = paperTwips.cx;
    page.height = paperTwips.cy;
    page.margins = marginsTwips;
    m_layout.reset(new RichTextLayout(RichTextDocument::FromRtf(StreamOutRtf(control)), page, referenceDC));
}

void CRichEditPages::SetPageTexts(RichTextPageText header, RichTextPageText footer) {
    if (m_layout) m_layout->SetPageTexts(std::move(header), std::move(footer));
}

void CRichEditPages::DrawPage(HDC dc, int page, const RECT& sheet) const {
    if (m_layout) m_layout->DrawPage(dc, page, sheet);
}

RECT PrinterSheet(HDC printerDC) {
    const int offsetX = ::GetDeviceCaps(printerDC, PHYSICALOFFSETX);
    const int offsetY = ::GetDeviceCaps(printerDC, PHYSICALOFFSETY);
    return RECT{-offsetX, -offsetY, ::GetDeviceCaps(printerDC, PHYSICALWIDTH) - offsetX,
                ::GetDeviceCaps(printerDC, PHYSICALHEIGHT) - offsetY};
}
