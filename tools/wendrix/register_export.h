#pragma once
// The register's rows as the spreadsheet exporter and the printout take them: the headings,
// then one row of texts per entry.

#include "tools/wendrix/contract_register.h"

#include <vector>

std::vector<std::vector<CString>> RegisterTable(const std::vector<ContractEntry> &entries);

// Writes the table to the export data file (records of CExportFile); false when the file
// cannot be created.
bool WriteRegisterExport(const std::vector<ContractEntry> &entries, const CString &path);
