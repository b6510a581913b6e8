#include "mainframe/wizard/proceeding_name.h"

#include <windows.h>

namespace {

const char kForbiddenCharacters[] = "\\/:*?\"<>|";
const char *const kDeviceNames[] = {"CON", "PRN", "AUX", "NUL"};

// CON, NUL, COM1, LPT9 ... with or without an extension name the device, not a file.
bool IsDeviceName(const CString &name)
{
    CString stem = name;
    const int dot = stem.Find('.');
    if (dot >= 0)
        stem = stem.Left(dot);
    stem.TrimRight();
    stem.MakeUpper();
    for (const char *device : kDeviceNames) {
        if (stem == device)
            return true;
    }
    return stem.GetLength() == 4 && (stem.Left(3) == "COM" || stem.Left(3) == "LPT") && stem[3] >= '1'
           && stem[3] <= '9';
}

} // namespace

CString CheckProceedingName(const CString &workingPath, const CString &name)
{
    for (int i = 0; i < name.GetLength(); ++i) {
        const unsigned char c = (unsigned char)name[i];
        if (c < 32 || strchr(kForbiddenCharacters, c) != nullptr)
            return "Nazwa postępowania nie może zawierać znaków \\ / : * ? \" < > |.";
    }
    if (name.Find("..") >= 0)
        return "Nazwa postępowania nie może zawierać dwóch kropek obok siebie.";
    const char last = name.IsEmpty() ? 'x' : name[name.GetLength() - 1];
    if (last == '.' || last == ' ')
        return "Nazwa postępowania nie może kończyć się kropką ani spacją.";
    if (IsDeviceName(name))
        return "Nazwa postępowania nie może być nazwą urządzenia systemu.";
    // The longest path the proceeding needs is its record file.
    if (workingPath.GetLength() + 2 * name.GetLength() + 6 >= MAX_PATH)
        return "Nazwa postępowania jest zbyt długa.";
    return CString();
}
