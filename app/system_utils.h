// Registry strings, opening a document in the shell, and the Windows version code.
#pragma once

#include <windows.h>

#include "framework/core/cstring.h"

// The value's text, or "" when the key or value cannot be read. The registry type is ignored.
CString ReadRegistryString(HKEY root, const CString &subkey, const CString &valueName);

// Copies the key's default value into buffer (at least 260 bytes; "" when the value cannot be
// read) and returns the status of opening the key, ERROR_SUCCESS when it opened.
LONG ReadClassesRootString(HKEY root, const CString &subkey, char *buffer);

// Opens the document or address with its associated program, falling back on the program
// registered for ".htm" when the shell cannot open it. Failures are silent.
void OpenInShell(const CString &target, int showCommand);

// -1 unknown, 0 Win32s, 1 Windows 95, 2 98, 3 Me, 4 NT 4.0, and for the NT line by minor
// version: 5 (x.0), 6 (x.1), 7 (x.2), 8 any other.
int GetOSVersionInfo();
int ClassifyOsVersion(DWORD platformId, DWORD major, DWORD minor);
