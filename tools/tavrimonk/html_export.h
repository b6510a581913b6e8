#pragma once
// The document's text as clean HTML in code page 1250: paragraphs with their alignment, bold,
// italic and underline, the document's own table rows as HTML tables, every paragraph that
// reads "<<table>>" replaced by the next text table of the side file, and the lines of a text
// table left in the text (a fixed-pitch face) as one preformatted block, blanks and all.

#include "framework/shell/rich_text_document.h"
#include "tools/tavrimonk/table_file.h"

#include <string>
#include <vector>

std::string DocumentToHtml(const RichTextDocument &document, const std::vector<TextTable> &tables);
