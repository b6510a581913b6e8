#include "mainframe/summary/proceedings_summary.h"

#include "app/database_access.h"
#include "model/file_utils.h"
#include "app/procedure_catalogue.h"
#include "framework/core/temp_file_save.h"
#include "document/output/export_file.h"
#include "framework/db/recordset.h"

namespace {

const char kSummaryQuery[] = "select [id], [wersja], [tryb], [tryb2], [sygnatura], [data_utworzenia], "
                             "[data_ost_modyf] from [postepowanie] order by [id]";

// Bytes of one export record: row, column, text length and text, six values.
long RecordSize(const CString &text)
{
    return 4 * 3 + text.GetLength() + 4 * 6;
}

} // namespace

std::vector<ProceedingSummaryRow> ReadProceedingSummaries(const ConnectionPtr &connection)
{
    std::vector<ProceedingSummaryRow> rows;
    Recordset records;
    records.Open(kSummaryQuery, connection);
    for (; !records.IsEOF(); records.MoveNext()) {
        ProceedingSummaryRow row;
        row.id = VariantToInt(records.GetFieldValue(0));
        row.lawVersion = VariantToInt(records.GetFieldValue(1));
        row.procedureCode = VariantToInt(records.GetFieldValue(2));
        row.signature = VariantToString(records.GetFieldValue(4));
        row.created = VariantToString(records.GetFieldValue(5));
        row.modified = VariantToString(records.GetFieldValue(6));
        rows.push_back(row);
    }
    records.Close();
    return rows;
}

std::vector<CString> SummaryRowTexts(const ProceedingSummaryRow &row)
{
    return {row.signature, row.created, row.modified,
            ProcedureCatalogue::GetProcedureName(row.lawVersion, row.procedureCode),
            ProcedureCatalogue::GetProcedureShortName(row.lawVersion, row.procedureCode)};
}

bool WriteSummaryExport(const CString &path, const std::vector<std::vector<CString>> &cells)
{
    TempFileSave save(path);
    if (!save.IsReady())
        return false;
    long expected = 0;
    {
        CExportFile file(save.GetTempPath(), true);
        if (!file.IsOpen())
            return false;
        for (size_t row = 0; row < cells.size(); ++row)
            for (size_t col = 0; col < cells[row].size(); ++col) {
                file.WriteRecord(static_cast<int32_t>(row), static_cast<int32_t>(col), cells[row][col], 0, 0, 0,
                                 CExportFile::RowColour(static_cast<int32_t>(row)), 0, 0);
                expected += RecordSize(cells[row][col]);
            }
    }
    // The export file does not report a short write: a full disk shows in the size.
    if (GetFileSize(save.GetTempPath()) != expected)
        return false;
    return save.Commit();
}
