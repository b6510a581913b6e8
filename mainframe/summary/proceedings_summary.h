// The rows of the summary of proceedings, read from table [postepowanie] of the main database,
// and the spreadsheet export of the summary's table.
#pragma once

#include <vector>

#include "framework/core/cstring.h"
#include "framework/db/connection.h"

struct ProceedingSummaryRow {
    int id = 0;
    int lawVersion = 0;
    int procedureCode = 0;
    CString signature;
    CString created;
    CString modified;
};

// Every proceeding of the table by id; null numbers read as 0 and null texts as "". Throws the
// database's ComError when the query fails.
std::vector<ProceedingSummaryRow> ReadProceedingSummaries(const ConnectionPtr &connection);

// The shown texts of a row after its running number: signature, creation and modification
// dates, the long procedure name, and under "Tryb" the short one, as the archive's list shows it.
std::vector<CString> SummaryRowTexts(const ProceedingSummaryRow &row);

// The table (row 0 the headings) as the spreadsheet exporter's file: one record per cell, the
// heading row on light yellow, the others on white. Written through a temporary file in the
// same folder, so a failed export leaves an older file as it was; false then.
bool WriteSummaryExport(const CString &path, const std::vector<std::vector<CString>> &cells);
