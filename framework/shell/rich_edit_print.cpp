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

std::string SeparateCellEdgesFromText(const std::string& rtf, int pageWidthTwips) {
    static const char kEdge[] = "\\cellx";
    const size_t edgeLength = sizeof kEdge - 1;
    std::string result;
    size_t copied = 0;
    for (size_t at = rtf.find(kEdge); at != std::string::npos; at = rtf.find(kEdge, at + 1)) {
        const size_t digits = at + edgeLength;
        size_t end = digits;
        while (end < rtf.size() && end - digits < 12 && rtf[end] >= '0' && rtf[end] <= '9') ++end;
        long long value = 0;
        size_t within = digits;  // the end of the longest leading part within the page
        for (size_t i = digits; i < end; ++i) {
            value = value * 10 + (rtf[i] - '0');
            if (value <= pageWidthTwips) within = i + 1;
        }
        if (within == end || within == digits) continue;
        result.append(rtf, copied, within - copied);
        result += ' ';
        copied = within;
    }
    result.append(rtf, copied, std::string::npos);
    return result;
}

std::string StreamOutRichEditRtf(HWND control, int pageWidthTwips) {
    return SeparateCellEdgesFromText(StreamOutRtf(control), pageWidthTwips);
}

void CRichEditPages::Paginate(HWND control, CSize paperTwips, const CRect& marginsTwips, HDC referenceDC) {
    RichTextPageSize page;
    page.width = paperTwips.cx;
    page.height = paperTwips.cy;
    page.margins = marginsTwips;
    m_layout.reset(new RichTextLayout(RichTextDocument::FromRtf(StreamOutRichEditRtf(control, paperTwips.cx)), page, referenceDC));
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
