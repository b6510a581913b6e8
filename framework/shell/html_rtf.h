#pragma once
// An HTML page as RTF for the rich edit: one \par per paragraph end and nothing else that
// counts as a character, so the control's text is the page's plain text and link offsets
// carry over. Links are blue and underlined here; the view marks them as links after loading.

#include "framework/shell/html_page.h"

#include <string>

std::string HtmlPageToRtf(const HtmlPage &page);
