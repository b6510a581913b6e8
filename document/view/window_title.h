// What the proceeding window's title and its status pane 3 say about what the window holds.
#pragma once

#include "framework/core/cstring.h"

class CProject;

// The frame title: the kind's prefix and the file path, the name, or "(plik niezapisany)" for
// a set that has no file yet. contractsDataPath is the program's own contracts library.
CString FrameTitle(int kind, const CProject &project, const CString &contractsDataPath);

// Status pane 3: the proceeding's name, or the set's name.
CString KindStatusText(int kind, const CProject &project);

// A text longer than 60 characters as its first 10, "[...]" and its last 49.
CString ShortenTitleText(const CString &text);
