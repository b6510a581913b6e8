// Headings of numbered points ("<$" NNN ">" text "<?" NNN ">") in a template's plain text,
// for the proceeding tree.
#pragma once

#include <vector>

#include "framework/core/cstring.h"

struct PointHeading {
    int point; // 0..999
    CString text;
};

// In the order of their numbers, the first heading of each number; letter identifiers are
// not points and are not listed.
std::vector<PointHeading> FindPointHeadings(const CString &plainText);
// The same for an RTF template, read from the text a control would show for it.
std::vector<PointHeading> FindTemplateHeadings(const CString &templateRtf);
