#include "tools/common/narrow_text.h"

#include "framework/core/codepage.h"

std::string Cp1250(const std::wstring &text)
{
    return std::string(WideToCp1250(text).GetString());
}
