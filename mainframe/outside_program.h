// Starting programs outside this one: never waited for.
#pragma once

#include "framework/core/cstring.h"

// The command line: the program's path, in double quotes when it holds a blank, then the
// arguments after one blank (none when empty).
CString OutsideProgramCommandLine(const CString &program, const CString &arguments);
// Starts it shown normally; false when it could not be started.
bool StartOutsideProgram(const CString &program, const CString &arguments);
// Opens the document with the program the shell has for its kind; false when there is none
// or it could not be started.
bool OpenDocumentInShell(const CString &path);
