#pragma once
// The exporter's one job: "export.dat" of a folder into "export.xlsx" beside it.

#include <string>

// The export folder the program writes "export.dat" to (its setting ExportPath), empty when
// the program never set it.
std::wstring ExportFolderSetting();

// Reads folder\export.dat and writes folder\export.xlsx through a temporary file, so an old
// workbook is never left half-written. On success workbook names the file written; on failure
// error holds a Polish message and no file is touched.
bool ExportToWorkbook(const std::wstring &folder, std::wstring &workbook, std::string &error);
