// The contents of a library window: its configuration file, read into entries, and how an
// entry's document is opened outside the program.
#pragma once

#include <vector>

#include "framework/core/cstring.h"

// Library modes: the ZP documents, the articles and the appeal rulings.
const int kLibraryZp = 2;
const int kLibraryArticles = 4;
const int kLibraryRulings = 7;

// Entries beyond this are dropped.
const int kMaxLibraryEntries = 300;

struct LibraryEntry {
    CString name;  // file name with its marks ("+", "$"), or a heading's short name
    CString title; // the text shown in the tree
};

// "zp.cnf", "ciekawe_artykuly.cnf" or "orzeczenia_kio.cnf"; "" for any other mode.
CString LibraryConfigFileName(int mode);
// MainPath\cnf\202509\<file name>.
CString LibraryConfigPath(const CString &mainPath, int mode);

// One entry per line of at least two ";" fields: the trimmed first field is the name, the
// second the title. Empty lines and lines of one field are skipped; reading stops at the
// 300th entry.
std::vector<LibraryEntry> ParseLibraryConfig(const CString &text);

// The text after the last "." of the file name (never of a folder); "" when there is none.
CString LibraryFileExtension(const CString &path);

// What a double click on a document does.
struct LibraryOpening {
    enum Kind { Missing, Shell, CommandLine };
    Kind kind = Missing;
    CString text; // the path for Missing and Shell, the command line for CommandLine
};

// PDF files go to the shell; "xls" to the spreadsheet and everything else to the word
// processor of the office folder, or to the shell when that folder is unknown.
LibraryOpening ChooseLibraryOpening(const CString &path, const CString &officeFolder, bool exists);
