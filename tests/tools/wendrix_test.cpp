// The register of public contracts: amounts as users type them, entries refused with the field
// named, adding, changing, finding and deleting in a registers database through the database
// layer, and the export file the spreadsheet exporter reads.

#include "tools/quendral/export_records.h"
#include "tools/wendrix/contract_register.h"
#include "tools/wendrix/register_export.h"

#include "framework/core/codepage.h"

#include <gtest/gtest.h>
#include <windows.h>

#include <cstdio>
#include <string>

namespace {

TEST(WendrixValue, ReadsAmountsAsUsersTypeThem)
{
    const struct {
        const char *text;
        long long grosze; // -1: refused
    } cases[] = {
        {"12 300,50", 1230050},
        {"12300.5", 1230050},
        {"129 999,99", 12999999},
        {"0", 0},
        {"1\xA0"
         "000",
         100000},
        {"", -1},
        {",50", -1},
        {"12,", -1},
        {"12,345", -1},
        {"-5", -1},
        {"12 zł", -1},
        {"99999999999999", -1},
    };
    for (const auto &c : cases) {
        long long grosze = -1;
        const bool read = ParseValueNet(c.text, grosze);
        EXPECT_EQ(read, c.grosze >= 0) << c.text;
        if (read) {
            EXPECT_EQ(grosze, c.grosze) << c.text;
        }
    }
    EXPECT_STREQ(FormatValueNet(123456789), "1 234 567,89");
    EXPECT_STREQ(FormatValueNet(5), "0,05");
}

ContractEntry Entry()
{
    ContractEntry entry;
    entry.date = "2026-03-15";
    entry.subject = "Dostawa papieru do drukarek";
    entry.kind = "dostawy";
    entry.valueGrosze = 1230050;
    entry.contractor = "Papiernik sp. z o.o., Łódź";
    entry.cpv = "30197630-1";
    return entry;
}

TEST(WendrixEntry, RefusesAnEntryWithTheFieldNamed)
{
    CString error;
    EXPECT_TRUE(CheckEntry(Entry(), error)) << error;
    const struct {
        void (*spoil)(ContractEntry &);
        const char *field;
    } cases[] = {
        {[](ContractEntry &e) { e.date = "15.03.2026"; }, "Data"},
        {[](ContractEntry &e) { e.date = "2026-02-29"; }, "Data"},
        {[](ContractEntry &e) { e.subject = "  "; }, "przedmiot"},
        {[](ContractEntry &e) { e.kind = "inne"; }, "rodzaj"},
        {[](ContractEntry &e) { e.contractor = ""; }, "wykonawc"},
        {[](ContractEntry &e) { e.cpv = "3019763-1"; }, "CPV"},
        // The example amount stays whole on one line of the message box.
        {[](ContractEntry &e) { e.valueGrosze = -1; }, "netto musi być kwotą w złotych, np. 12\xA0" "300,00."},
    };
    for (const auto &c : cases) {
        ContractEntry entry = Entry();
        c.spoil(entry);
        EXPECT_FALSE(CheckEntry(entry, error)) << c.field;
        EXPECT_GE(error.Find(c.field), 0) << c.field << ": " << (const char *)error;
    }
}

class WendrixDatabase : public ::testing::Test {
protected:
    void SetUp() override
    {
        wchar_t temp[MAX_PATH];
        GetTempPathW(MAX_PATH, temp);
        m_folder = std::wstring(temp) + L"ewidencja \u0142\u00f3d\u017a";
        CreateDirectoryW(m_folder.c_str(), nullptr);
        const std::wstring database = m_folder + L"\\rejestry.mdb";
        DeleteFileW(database.c_str());
        fclose(_wfopen(database.c_str(), L"wb"));
        m_connection.CreateInstance();
        m_connection->Open("Provider=Microsoft.Jet.OLEDB.4.0;Data Source = " + WideToCp1250(database) + ";");
    }
    void TearDown() override
    {
        m_connection->Close();
        DeleteFileW((m_folder + L"\\rejestry.mdb").c_str());
        DeleteFileW((m_folder + L"\\export.dat").c_str());
        RemoveDirectoryW(m_folder.c_str());
    }

    std::wstring m_folder;
    ConnectionPtr m_connection;
};

TEST_F(WendrixDatabase, AddsChangesFindsAndDeletesEntries)
{
    ContractRegister contracts(m_connection);
    contracts.EnsureTable();
    contracts.EnsureTable();
    ContractEntry paper = Entry();
    paper.id = contracts.Add(paper);
    ContractEntry road = Entry();
    road.date = "2026-05-02";
    road.subject = "Remont drogi gminnej";
    road.kind = "roboty budowlane";
    road.contractor = "Drogbud";
    road.caseNumber = "ZP.271.3.2026";
    road.cpv = "45233142-6";
    road.id = contracts.Add(road);

    std::vector<ContractEntry> all = contracts.Find("");
    ASSERT_EQ(all.size(), 2u);
    EXPECT_STREQ(all[0].subject, "Remont drogi gminnej"); // newest first
    EXPECT_STREQ(all[1].contractor, "Papiernik sp. z o.o., Łódź");
    EXPECT_EQ(all[1].valueGrosze, 1230050);

    EXPECT_EQ(contracts.Find("ZP.271.3").size(), 1u);
    EXPECT_EQ(contracts.Find("30197630").size(), 1u);
    EXPECT_EQ(contracts.Find("brak").size(), 0u);

    paper.valueGrosze = 99;
    paper.caseNumber = "bez postępowania";
    contracts.Change(paper);
    contracts.Remove(road.id);
    all = contracts.Find("");
    ASSERT_EQ(all.size(), 1u);
    EXPECT_EQ(all[0].valueGrosze, 99);
    EXPECT_STREQ(all[0].caseNumber, "bez postępowania");
}

TEST_F(WendrixDatabase, ExportFileHoldsTheHeadingsAndOneRowPerEntry)
{
    const CString path = WideToCp1250(m_folder) + "\\export.dat";
    ASSERT_TRUE(WriteRegisterExport({Entry()}, path));
    std::string bytes;
    FILE *file = _wfopen(Cp1250ToWide(path).c_str(), L"rb");
    char buffer[4096];
    size_t count;
    while ((count = fread(buffer, 1, sizeof buffer, file)) > 0)
        bytes.append(buffer, count);
    fclose(file);
    std::vector<ExportCell> cells;
    std::string error;
    ASSERT_TRUE(ReadExportRecords(bytes, cells, error)) << error;
    ASSERT_EQ(cells.size(), 16u);
    EXPECT_EQ(cells[2].text, "Przedmiot zam\xF3wienia");
    EXPECT_EQ(cells[0].colour, 0xD5FFFFu);
    EXPECT_EQ(cells[12].text, "12 300,50");
    EXPECT_EQ(cells[12].row, 1);
}

} // namespace
