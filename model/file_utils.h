// Files, folders and paths of the program's single-byte (code page 1250) texts.
#pragma once

#include <cstdio>

#include "framework/core/cstring.h"

// Size in bytes, -1 when the file cannot be opened.
int GetFileSize(const CString &path);

// The whole file up to its first zero byte; failed is 1 when the path is empty or the file
// cannot be read (the text is then empty), else 0.
CString ReadFileContents(const CString &path, int &failed);
CString ReadFileToString(const CString &path);

// Replaces the file with the text (up to its first zero byte, line ends untranslated) through a
// temporary file in the same folder; false, with the old file untouched, when that fails.
bool WriteTextFile(const CString &path, const CString &text);
// Adds the text at the end of the file, creating it when missing; false when not all was written.
bool AppendTextFile(const CString &path, const CString &text);

// Length-prefixed string: int32 little-endian byte count, then the bytes, no terminator.
// Without a file the write does nothing (false) and the read gives "".
bool WriteStringToFile(FILE *file, const CString &text);
CString ReadStringFromFile(FILE *file);

// Wildcards allowed: true when the first match is a file.
bool FileExists(const CString &path);
// True when the path, without its leading and trailing backslashes, is a folder.
bool DirectoryExists(const CString &path);
// Creates every missing folder of the path (the drive is never tested); false at the first
// folder that cannot be made.
bool CreateDirectoryPath(const CString &path);

CString GetParentFolder(const CString &path);   // D:\a\b\c.txt -> D:\a\b
CString GetFileTitleNoExt(const CString &path); // D:\a\x.tar.gz -> x.tar
CString GetFileExtension(const CString &path);  // D:\a\x.tar.gz -> gz
