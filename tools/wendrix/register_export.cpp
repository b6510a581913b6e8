#include "tools/wendrix/register_export.h"

#include "document/output/export_file.h"

std::vector<std::vector<CString>> RegisterTable(const std::vector<ContractEntry> &entries)
{
    std::vector<std::vector<CString>> table = {
        {"Lp.", "Data", "Przedmiot zamówienia", "Rodzaj", "Wartość netto (zł)", "Wykonawca", "Kod CPV", "Znak sprawy"}};
    int number = 0;
    for (const ContractEntry &entry : entries) {
        CString lp;
        lp.Format("%d", ++number);
        table.push_back({lp, entry.date, entry.subject, entry.kind, FormatValueNet(entry.valueGrosze), entry.contractor,
                         entry.cpv, entry.caseNumber});
    }
    return table;
}

bool WriteRegisterExport(const std::vector<ContractEntry> &entries, const CString &path)
{
    CExportFile file(path, true);
    if (!file.IsOpen())
        return false;
    const std::vector<std::vector<CString>> table = RegisterTable(entries);
    for (size_t row = 0; row < table.size(); ++row)
        for (size_t column = 0; column < table[row].size(); ++column)
            file.WriteRecord(static_cast<int32_t>(row), static_cast<int32_t>(column), table[row][column], 0, 0, 0,
                             CExportFile::RowColour(static_cast<int32_t>(row)), 0, 0);
    return true;
}
