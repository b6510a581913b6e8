#pragma once
// The exporter's one job: "export.dat" of a folder into a workbook beside it, named after what
// it holds ("Zestawienie postępowań.xlsx"), so that exports of different things never meet.

#include <string>

// The export folder the program writes "export.dat" to (its setting ExportPath), empty when
// the program never set it.
std::wstring ExportFolderSetting();

struct Workbook {
    std::wstring name;  // what it holds, the file's name without ".xlsx"
    std::string bytes;  // the .xlsx file
};

// Reads folder\export.dat into a workbook; on failure error holds a Polish message.
bool ReadExportWorkbook(const std::wstring &folder, Workbook &workbook, std::string &error);

// "folder\name.xlsx"; with keepExisting, the first of "folder\name (2).xlsx", "(3)"... that no
// file holds yet.
std::wstring WorkbookPath(const std::wstring &folder, const std::wstring &name, bool keepExisting);

// Writes the workbook through a temporary file, so an old one is never left half-written; on
// failure error holds a Polish message and the file is as it was.
bool WriteWorkbook(const std::wstring &path, const Workbook &workbook, std::string &error);
