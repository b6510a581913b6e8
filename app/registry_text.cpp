#include "app/registry_text.h"

#include <string>

#include "app/system_utils.h"
#include "framework/core/codepage.h"

const char kSettingsKey[] = "Software\\Dravo\\Morvelank4";

namespace {

// A registry text is read through a buffer of this many bytes, its terminator included.
const int kRegistryTextBuffer = 1000;

} // namespace

CString ReadRegistryText(const CString &subkey, const CString &valueName, HKEY root)
{
    CString text = ReadRegistryString(root, subkey, valueName);
    if (text.GetLength() >= kRegistryTextBuffer)
        text = text.Left(kRegistryTextBuffer - 1);
    return text;
}

void WriteRegistryText(const CString &valueName, const CString &text, HKEY root, const CString &subkey)
{
    const std::wstring wideKey = Cp1250ToWide(subkey);
    HKEY key;
    if (RegOpenKeyExW(root, wideKey.c_str(), 0, KEY_SET_VALUE, &key) != ERROR_SUCCESS) {
        HKEY created;
        if (RegCreateKeyExW(root, wideKey.c_str(), 0, nullptr, 0, KEY_ALL_ACCESS, nullptr, &created, nullptr)
            != ERROR_SUCCESS)
            return;
        RegCloseKey(created);
        if (RegOpenKeyExW(root, wideKey.c_str(), 0, KEY_SET_VALUE, &key) != ERROR_SUCCESS)
            return;
    }
    const std::wstring wideText = Cp1250ToWide(text);
    RegSetValueExW(key, Cp1250ToWide(valueName).c_str(), 0, REG_SZ, reinterpret_cast<const BYTE *>(wideText.c_str()),
                   static_cast<DWORD>(wideText.size() * sizeof(wchar_t)));
    RegCloseKey(key);
}
