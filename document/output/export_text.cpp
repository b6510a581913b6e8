#include "document/output/export_text.h"

#include "document/engine/rich_edit_text.h"
#include "framework/core/cstring.h"
#include "framework/shell/rich_edit_print.h"

#include <initializer_list>

const char *const RemovalMarker = "^^^^^";
// Stands for a page break in the control: Wine's control keeps no page break it is given, but
// it writes this text as it is.
const char *const PageBreakStandIn = "<<<podzial-strony>>>";

namespace {

CString Repeat(const CString &text, int count, const char *joint = "")
{
    CString result;
    for (int i = 0; i < count; ++i)
        result += (i > 0 ? CString(joint) : CString()) + text;
    return result;
}

} // namespace

void CleanExportText(const RichEditText &control)
{
    // Order matters: later rows clean what earlier ones leave.
    auto replace = [&](const CString &find, const char *replacement) { control.ReplaceAll(find, replacement, false); };

    for (const char *find : {"\n-\n", "\n:\n", "\r-\r", "\r:\r", "-\t\n", "-\t\n", "-\t\t\n"})
        replace(find, "");
    const CString dots = Repeat(".", 56);
    replace(dots + "podział strony" + dots, PageBreakStandIn);
    // The marker's empty paragraphs go: the break starts the next paragraph, not an empty line.
    replace(CString("\r") + PageBreakStandIn + "\r\r", PageBreakStandIn);
    for (const char *find : {"\r -\r", "\r:\r", "\r-\r", "\r,\r"})
        replace(find, "\r");
    for (int blanks = 2; blanks <= 5; ++blanks)
        replace("\r-" + Repeat(" ", blanks) + "\r", "\r");
    for (const char *find : {"\r: \r", "\r:  \r", "\r:  \r"})
        replace(find, "\r");
    // Case kept: "\r A" must not become "\ra".
    for (const char *range : {"az", "AZ", "09"}) {
        for (char c = range[0]; c <= range[1]; ++c)
            control.ReplaceAll(CString("\r ") + c, CString("\r") + c, true);
    }
    for (const char *find : {"\n \r", "\r \n", "\n \n"})
        replace(find, "\r");
    replace(Repeat("\r", 6), "\r\r");
    replace("\r, ", RemovalMarker);
    replace(RemovalMarker, "");
}

std::string StreamOutOutputRtf(HWND control, CSize paperTwips, const CRect &marginsTwips)
{
    std::string rtf = StreamOutRichEditRtf(control, paperTwips, marginsTwips);
    const std::string standIn = PageBreakStandIn;
    for (size_t at = rtf.find(standIn); at != std::string::npos; at = rtf.find(standIn, at))
        rtf.replace(at, standIn.size(), "\\page ");
    return rtf;
}
