#include "proceeding/dialogs/proceeding_name.h"

#include <cstring>

namespace {

const char kForbiddenCharacters[] = "\\/:*?\"<>|";
const char *const kDeviceNames[] = {"CON",  "PRN",  "AUX",  "NUL",  "COM1", "COM2", "COM3", "COM4",
                                    "COM5", "COM6", "COM7", "COM8", "COM9", "LPT1", "LPT2", "LPT3",
                                    "LPT4", "LPT5", "LPT6", "LPT7", "LPT8", "LPT9"};

// A device name stays a device with any extension: "nul.txt" is NUL.
bool IsDeviceName(const CString &name)
{
    const int dot = name.Find('.');
    const CString base = dot < 0 ? name : name.Left(dot);
    for (const char *device : kDeviceNames)
        if (base.CompareNoCase(device) == 0)
            return true;
    return false;
}

} // namespace

bool IsValidFolderName(const CString &name)
{
    if (name.IsEmpty())
        return false;
    for (int i = 0; i < name.GetLength(); ++i) {
        const unsigned char c = static_cast<unsigned char>(name[i]);
        if (c < 32 || std::strchr(kForbiddenCharacters, c))
            return false;
    }
    const char last = name[name.GetLength() - 1];
    if (last == '.' || last == ' ')
        return false;
    return !IsDeviceName(name);
}
