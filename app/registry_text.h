// The program's texts in the registry, for code that needs nothing else of the application
// object.
#pragma once

#include <windows.h>

#include "framework/core/cstring.h"

// The registry key of the program's settings under HKEY_CURRENT_USER.
extern const char kSettingsKey[];

// Registry texts of at most 999 characters; "" when the key or value cannot be read.
CString ReadRegistryText(const CString &subkey, const CString &valueName, HKEY root);
// Stores the text as REG_SZ, creating the key when needed; failures are silent.
void WriteRegistryText(const CString &valueName, const CString &text, HKEY root, const CString &subkey);
