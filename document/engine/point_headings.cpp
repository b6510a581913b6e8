#include "document/engine/point_headings.h"

#include "document/engine/rtf_plain_model.h"

std::vector<PointHeading> FindPointHeadings(const CString &plainText)
{
    std::vector<PointHeading> headings;
    for (int point = 0; point <= 999; ++point) {
        CString opener, closer;
        opener.Format("<$%03d>", point);
        closer.Format("<?%03d>", point);
        const int start = plainText.Find(opener);
        if (start < 0)
            continue;
        const int end = plainText.Find(closer, start);
        if (end > 0)
            headings.push_back({point, plainText.Mid(start + opener.GetLength(), end - start - opener.GetLength())});
    }
    return headings;
}

std::vector<PointHeading> FindTemplateHeadings(const CString &templateRtf)
{
    return FindPointHeadings(RtfPlainModel(templateRtf).PlainText());
}
