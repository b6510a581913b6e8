#pragma once
// The tags of a template as the document engine reads them: "<!NNN>label</NNN>", three
// digits, the closing tag with the same number, no tag inside another.

#include <string>

// The first broken tag of the template's text (code page 1250) as it stands in the text, such
// as "<!02>" or "</021>"; empty when every tag is whole.
std::string FindBrokenTag(const std::string &text);
