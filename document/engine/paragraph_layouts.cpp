#include "document/engine/paragraph_layouts.h"

#include <algorithm>
#include <vector>

void RestoreParagraphLayouts(const RichEditText &control, const RtfPlainModel &streamed)
{
    const std::vector<RtfParagraph> &paragraphs = streamed.Paragraphs();
    for (size_t first = 0; first < paragraphs.size();) {
        size_t last = first;
        while (last + 1 < paragraphs.size() && paragraphs[last + 1].start == paragraphs[last].end + 1
               && paragraphs[last + 1].layout == paragraphs[first].layout)
            ++last;
        const RtfParagraphLayout &layout = paragraphs[first].layout;
        PARAFORMAT2 format = {};
        format.cbSize = sizeof format;
        format.dwMask = PFM_ALIGNMENT | PFM_KEEP | PFM_KEEPNEXT | PFM_TABSTOPS;
        format.wAlignment = layout.alignment;
        format.wEffects = layout.effects;
        format.cTabCount = static_cast<SHORT>(layout.tabs.size());
        std::copy(layout.tabs.begin(), layout.tabs.end(), format.rgxTabs);
        control.SetSel(paragraphs[first].start, paragraphs[last].end);
        control.SetSelectionParagraphFormat(format);
        first = last + 1;
    }
}

bool StreamInRtfWithLayouts(const RichEditText &control, const CString &rtf)
{
    if (!control.StreamInRtf(rtf))
        return false;
    RestoreParagraphLayouts(control, RtfPlainModel(rtf));
    return true;
}
