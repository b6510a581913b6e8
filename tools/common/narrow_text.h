// UTF-16 text of the sibling programs as the program's code page 1250 bytes.
#pragma once

#include <string>

std::string Cp1250(const std::wstring &text);
