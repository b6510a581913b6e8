#include "document/engine/page_break_marker.h"

#include "document/engine/rich_edit_text.h"

const char *const PageBreakMarkerRtf =
    "{\\rtf1\\ansi\\ansicpg1250\\deff0\\deflang1045{\\fonttbl{\\f0\\fswiss\\fprq2\\fcharset238{\\*\\fname Arial;}"
    "Arial CE;}}{\\colortbl ;\\red0\\green0\\blue0;\\red128\\green128\\blue128;}\\viewkind4\\uc1\\pard\\cf1\\f0"
    "\\fs22\\par\\cf2\\b\\i ........................................................\\b0 podzia\\'b3 strony\\b "
    "........................................................\\cf0\\b0\\page\\cf1\\i0\\par}";

int InsertPageBreakMarker(const RichEditText &control, int position)
{
    const int before = control.GetTextLength();
    control.SetSel(position, position);
    control.InsertRtf(PageBreakMarkerRtf, true);
    return control.GetTextLength() - before;
}
