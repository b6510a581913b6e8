#pragma once
// What the legal-help program makes of its command line and where it finds the help.

#include <string>

// The topic number of the command line ("12"); -1 (the contents) when none is given.
// False for anything but a whole number.
bool ReadTopicArgument(const std::wstring &argument, long &topic);

// The folder that holds "prawo.chm": the program's own folder when the help lies beside it
// (the program is installed with Morvelank), else the folder Morvelank last ran from.
std::wstring LegalHelpFolder(const std::wstring &ownFolder);
