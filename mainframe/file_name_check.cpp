#include "mainframe/file_name_check.h"

#include <cstring>

namespace {

bool IsForbidden(char c)
{
    return static_cast<unsigned char>(c) < 32 || std::strchr("\\/*'\"?|:<>", c) != nullptr;
}

} // namespace

CString ReplaceForbiddenFileNameChars(const CString &name)
{
    CString replaced = name;
    for (int i = 0; i < replaced.GetLength(); ++i)
        if (IsForbidden(replaced[i]))
            replaced.SetAt(i, '_');
    return replaced;
}

bool IsUsableFileName(const CString &name)
{
    if (name.IsEmpty() || name == "." || name == "..")
        return false;
    for (int i = 0; i < name.GetLength(); ++i)
        if (IsForbidden(name[i]))
            return false;
    const char last = name[name.GetLength() - 1];
    return last != '.' && last != ' ';
}
