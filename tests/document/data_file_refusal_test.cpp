#include <gtest/gtest.h>

#include "data_file_fixture.h"
#include "model/view_tables.h"

namespace {

const char kOldest[] = "Postępowanie zostało zapisane w programie Morvelank w wersji 8 lub starszej.\n"
                       "Można je otworzyć jedynie przy pomocy tej właśnie wersji programu.";
const char kSecondVersion[] = "Postępowanie zostało zapisane w programie Morvelank 2.\n"
                              "Można je otworzyć jedynie przy pomocy tej właśnie wersji programu.";
const char kNoTemplates[] = "Otwierany plik został zapisany w wersji: wrzesień 2025. Zainstalowana wersja "
                            "programu 'Morvelank' nie posiada szablonów dla tej wersji pliku.";
const char kNoConfig[] = "Otwierany plik został zapisany w wersji: wrzesień 2025. Zainstalowana wersja "
                         "programu 'Morvelank' nie posiada pliku konfiguracyjnego dla tej wersji pliku.";
const char kWrongMarker[] = "Błędny format pliku";
const char kBadNumber[] = "Błąd formatu pliku.";
const char kTooManyInstances[] = "Zbyt duża ilość dowiązań do pliku";
const char kDamaged[] = "Błąd formatu pliku: "; // followed by the path

// A file whose first variable record, for variable 0, says "nowe": a reader that stopped
// half-way would leave it behind.
FileBytes WithFirstRecord(int32_t version = 114)
{
    FileBytes file = FileHeader(version);
    file.Int(0).Int(0).Str("nowe");
    return file;
}

// The same with the other variable records, all without a type, so that what follows is read
// as the instances, the parts and the page breaks.
FileBytes WithAllRecords(int32_t version = 114)
{
    FileBytes file = WithFirstRecord(version);
    const int count = VariableCountForVersion(version);
    for (int i = 1; i < count; ++i)
        file.Int(i).Int(-1);
    return file;
}

struct RefusalCase {
    const char *what;
    std::string bytes;
    const char *message;
    const char *caption;
    bool hasTemplates = true;
    bool hasConfig = true;
};

std::vector<RefusalCase> RefusalCases()
{
    std::vector<RefusalCase> cases = {
        {"oldest format", std::string("\x00\x05\x00\x00", 4) + FileHeader().bytes.substr(4), kOldest, "Informacja"},
        {"version 16", FileHeader(16).bytes, kSecondVersion, "Informacja"},
        {"version 22", FileHeader(22).bytes, kSecondVersion, "Informacja"},
        {"no templates", FileHeader().bytes, kNoTemplates, "Błąd", false, true},
        {"no configuration", FileHeader().bytes, kNoConfig, "Błąd", true, false},
        {"format marker", FileBytes().Int(114).Int(0).Int(112).Int(62).bytes, kWrongMarker, "Błąd"},
        {"section marker", FileBytes().Int(114).Int(0).Int(111).Int(62).Int(0).Int(0).Int(0).Int(221).bytes,
         kWrongMarker, "Błąd"},
        {"variable number past the table", WithFirstRecord().Int(9000).Int(0).Str("x").bytes, kBadNumber, "Błąd"},
        {"negative variable number", WithFirstRecord().Int(-1).Int(0).Str("x").bytes, kBadNumber, "Błąd"},
        {"variable 6000 of a 6000-variable version", WithFirstRecord(73).Int(6000).Int(0).Str("x").bytes, kBadNumber,
         "Błąd"},
        {"more instances than variables", WithAllRecords().Int(9001).bytes, kTooManyInstances, "Błąd"},

        // Counts and lengths that do not fit the file.
        {"secured count past the documents", FileBytes().Int(114).Int(0).Int(111).Int(62).Int(141).bytes, kDamaged,
         "Błąd"},
        {"negative secured count", FileBytes().Int(114).Int(0).Int(111).Int(62).Int(-1).bytes, kDamaged, "Błąd"},
        {"secured count beyond the file", FileBytes().Int(114).Int(0).Int(111).Int(62).Int(100).Str("a").bytes,
         kDamaged, "Błąd"},
        {"first protected text of 300 bytes",
         FileBytes().Int(114).Int(0).Int(111).Int(62).Int(0).Int(300).Int(0).Raw(std::string(300, 'a')).bytes, kDamaged,
         "Błąd"},
        {"negative password length", FileBytes().Int(114).Int(0).Int(111).Int(62).Int(0).Int(0).Int(-1).bytes, kDamaged,
         "Błąd"},
        {"string longer than the file", WithFirstRecord().Int(1).Int(0).Int(1000).Raw("abc").bytes, kDamaged, "Błąd"},
        {"negative string length", WithFirstRecord().Int(1).Int(0).Int(-5).bytes, kDamaged, "Błąd"},
        {"101 parts", WithAllRecords().Int(3000).Int(101).bytes, kDamaged, "Błąd"},
        {"101 page breaks", WithAllRecords().Int(3000).Int(-1).Int(101).bytes, kDamaged, "Błąd"},
        {"negative page-break count", WithAllRecords().Int(3000).Int(-1).Int(-1).bytes, kDamaged, "Błąd"},

        // Files that end too early.
        {"two bytes", std::string("\x72\x00", 2), kDamaged, "Błąd"},
        {"end inside a record", WithFirstRecord().Int(1).bytes, kDamaged, "Błąd"},
        {"end inside a date", WithFirstRecord().Int(1).Int(2).Int(2025).Int(9).bytes, kDamaged, "Błąd"},
        {"end inside an instance", WithAllRecords().Int(3001).Int(250).Int(0).bytes, kDamaged, "Błąd"},
        {"end before the parts", WithAllRecords().Int(3000).bytes, kDamaged, "Błąd"},
        {"end inside the part names", WithAllRecords().Int(3000).Int(2).Str("Część 1").bytes, kDamaged, "Błąd"},
        {"end before the page breaks", WithAllRecords().Int(3000).Int(-1).bytes, kDamaged, "Błąd"},
        {"end inside a page break", WithAllRecords().Int(3000).Int(-1).Int(1).Int(0).Int(5).bytes, kDamaged, "Błąd"},
    };
    return cases;
}

TEST(DataFileRefusal, RefusedFileLeavesTablesAndHeaderAsTheyWere)
{
    TestFolder folder;
    const CString path = folder / "p.dat";
    for (const RefusalCase &refusal : RefusalCases()) {
        SCOPED_TRACE(refusal.what);
        TestFolder::WriteBytes(path, refusal.bytes);
        FakeInstallation installation;
        installation.hasTemplates = refusal.hasTemplates;
        installation.hasConfig = refusal.hasConfig;
        auto tables = FreshTables();
        tables->m_variables[0].value = "stare";
        tables->m_nLoadedVersion = 80;
        tables->m_nParts = 4;
        tables->m_nNextDynamicVariable = 3005;
        DataFileHeader header;
        header.version = 80;
        header.password = "tajne";

        ProceedingDataFile file;
        EXPECT_EQ(-1, file.Read(path, false, installation, *tables, header, nullptr));
        ASSERT_EQ(1u, file.GetMessages().size());
        const CString expected = refusal.message == kDamaged ? CString(kDamaged) + path : CString(refusal.message);
        EXPECT_STREQ(expected, file.GetMessages()[0].text);
        EXPECT_STREQ(refusal.caption, file.GetMessages()[0].caption);
        EXPECT_STREQ("stare", tables->m_variables[0].value);
        EXPECT_EQ(80, tables->m_nLoadedVersion);
        EXPECT_EQ(4, tables->m_nParts);
        EXPECT_EQ(3005, tables->m_nNextDynamicVariable);
        EXPECT_EQ(80, header.version);
        EXPECT_STREQ("tajne", header.password);
    }
}

TEST(DataFileRefusal, MissingFileIsNamedInTheMessage)
{
    TestFolder folder;
    const CString path = folder / "brak.dat";
    auto tables = FreshTables();
    DataFileHeader header;
    ProceedingDataFile file;
    EXPECT_EQ(-1, file.Read(path, false, FakeInstallation(), *tables, header, nullptr));
    ASSERT_EQ(1u, file.GetMessages().size());
    EXPECT_STREQ("Błąd otwarcia pliku danych(2): " + path, file.GetMessages()[0].text);
    EXPECT_STREQ("Informacja", file.GetMessages()[0].caption);

    CString password;
    EXPECT_EQ(0, file.ReadHeader(path, password));
    EXPECT_STREQ("Błąd otwarcia pliku: " + path, file.GetMessages()[0].text);
}

// Versions above the newest warn and read on; versions before parts were stored read every
// proceeding as undivided (the stored names are passed over, not taken for what follows).
TEST(DataFileVersions, NewerVersionWarnsAndOldVersionHasNoParts)
{
    TestFolder folder;
    const CString path = folder / "p.dat";
    struct Case {
        int32_t version;
        int32_t parts;
        int expectedParts;
    };
    for (const Case &c : {Case{115, 2, 2}, Case{26, 2, 2}, Case{25, 2, -1}, Case{114, 255, -1}}) {
        SCOPED_TRACE(c.version);
        FileBytes bytes = WithAllRecords(c.version);
        bytes.Int(FirstDynamicVariableForVersion(c.version)).Int(c.parts);
        for (int part = 0; part < c.parts && c.parts != 255; ++part)
            bytes.Str("część");
        bytes.Int(1).Int(3).Int(10).Int(129);
        TestFolder::WriteBytes(path, bytes.bytes);

        auto tables = FreshTables();
        DataFileHeader header;
        ProceedingDataFile file;
        ASSERT_EQ(0, file.Read(path, false, FakeInstallation(), *tables, header, nullptr));
        if (c.version > 114) {
            ASSERT_EQ(1u, file.GetMessages().size());
            EXPECT_STREQ("Wersja pliku jest niezgodna z wersją programu", file.GetMessages()[0].text);
            EXPECT_STREQ("Uwaga", file.GetMessages()[0].caption);
        } else {
            EXPECT_TRUE(file.GetMessages().empty());
        }
        EXPECT_EQ(c.version, header.version);
        EXPECT_EQ(c.expectedParts, tables->m_nParts);
        EXPECT_STREQ("nowe", tables->m_variables[0].value);
        ASSERT_EQ(1, tables->m_nPageBreaks);
        EXPECT_EQ(3, tables->m_pageBreaks[0].document);
    }

    // The warning stands before the refusal that follows it.
    TestFolder::WriteBytes(path, FileHeader(115).bytes);
    FakeInstallation noTemplates;
    noTemplates.hasTemplates = false;
    auto tables = FreshTables();
    DataFileHeader header;
    ProceedingDataFile file;
    EXPECT_EQ(-1, file.Read(path, false, noTemplates, *tables, header, nullptr));
    ASSERT_EQ(2u, file.GetMessages().size());
    EXPECT_STREQ("Wersja pliku jest niezgodna z wersją programu", file.GetMessages()[0].text);
    EXPECT_EQ(0, file.GetMessages()[1].text.Find("Otwierany plik został zapisany w wersji: (Nieznana wersja pliku)."));
}

TEST(DataFileVersions, HeaderOnlyReadsVersionAndKind)
{
    TestFolder folder;
    const CString path = folder / "p.dat";
    // Everything after the procedure code is damaged.
    TestFolder::WriteBytes(path, FileBytes().Int(73).Int(0).Int(111).Int(168).Int(-7).bytes);
    auto tables = FreshTables();
    DataFileHeader header;
    ProceedingDataFile file;
    ASSERT_EQ(0, file.Read(path, true, FakeInstallation(), *tables, header, nullptr));
    EXPECT_EQ(73, header.version);
    EXPECT_EQ(168, header.procedureCode);
    EXPECT_EQ(6000, tables->GetVariableCount());
    EXPECT_EQ(-1, file.Read(path, false, FakeInstallation(), *tables, header, nullptr));
}

TEST(DataFileHeaderReader, PasswordAndRefusals)
{
    TestFolder folder;
    const CString path = folder / "p.dat";
    struct Case {
        const char *what;
        std::string bytes;
        int result;
        const char *password;
        const char *message; // "" none; kDamaged followed by the path
    };
    const std::string secret = std::string("\xA9\xAA\xAB");
    const Case cases[] = {
        {"no password", FileHeader().bytes, 1, "", ""},
        {"password", FileBytes().Int(114).Int(0).Int(111).Int(62).Int(1).Str("a.rtf").Int(0).Int(3).Raw(secret).bytes,
         1, "abc", ""},
        {"mask of version 24",
         FileBytes().Int(24).Int(0).Int(111).Int(62).Raw(std::string(10, '\x01')).Int(0).Int(3).Raw(secret).bytes, 1,
         "abc", ""},
        {"oldest format", std::string("\x00\x05\x00\x00", 4), 0, "", kOldest},
        {"password of 300 bytes", FileBytes().Int(114).Int(0).Int(111).Int(62).Int(0).Int(0).Int(300).bytes, 0, "",
         kDamaged},
        {"password past the end", FileBytes().Int(114).Int(0).Int(111).Int(62).Int(0).Int(0).Int(3).Raw("a").bytes, 0,
         "", kDamaged},
    };
    for (const Case &c : cases) {
        SCOPED_TRACE(c.what);
        TestFolder::WriteBytes(path, c.bytes);
        ProceedingDataFile file;
        CString password;
        EXPECT_EQ(c.result, file.ReadHeader(path, password));
        EXPECT_STREQ(c.password, password);
        if (*c.message) {
            ASSERT_EQ(1u, file.GetMessages().size());
            EXPECT_STREQ(c.message == kDamaged ? CString(kDamaged) + path : CString(c.message),
                         file.GetMessages()[0].text);
            EXPECT_STREQ("Informacja", file.GetMessages()[0].caption);
        } else {
            EXPECT_TRUE(file.GetMessages().empty());
        }
    }
}

} // namespace
