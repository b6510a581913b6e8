// Programs of the installation that the proceeding view starts: the template editor on the
// open proceeding's template set, and the legal help on a topic of the specification.
#pragma once

#include "framework/core/cstring.h"

// "<main>\szablony.exe <code % 100> <1 for law version 114, else 0> <template folder name>
// <short name of the procedure kind, blanks as @>". The program's path is quoted, so that a
// program folder with blanks starts the right program. A negative law version counts as the
// newest for the folder and the name.
CString TemplateEditorCommandLine(const CString &mainPath, const CString &userTemplatesPath, int lawVersion,
                                  int procedureCode);

// The legal help program, quoted, and the topic number.
CString LegalHelpCommandLine(const CString &quvPath, int topic);

// Starts the command line shown normally and does not wait; false when it did not start.
bool StartCommandLine(const CString &commandLine);
