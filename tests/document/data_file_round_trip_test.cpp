#include <gtest/gtest.h>

#include "model/archive_file.h"
#include "model/view_tables.h"
#include "model/comment_table.h"
#include "data_file_fixture.h"
#include "model/clock.h"
#include "model/password_scramble.h"

namespace {

// One variable of every stored shape: what the slot holds, the bytes of its value after the
// number and the type, and what reading gives back.
struct ShapeCase {
    int16_t type;
    const char *value;
    int16_t group;
    int32_t selected;
    int32_t extra;
    std::string valueBytes;
    const char *readValue;
    int16_t readType;
};

std::string Ints(std::initializer_list<int32_t> values)
{
    FileBytes file;
    for (int32_t value : values)
        file.Int(value);
    return file.bytes;
}

std::string Str(const std::string &text)
{
    return FileBytes().Str(text).bytes;
}

const std::string kDots(30, '.');

const ShapeCase kShapes[] = {
    {0, "Ala...", -1, -1, -1, Str("Ala"), "Ala", 0},
    {0, "", -1, -1, -1, Str(""), kDots.c_str(), 0},
    {0, "a\\nb\\tc", -1, -1, -1, Str("a\\nb\\tc"), "a\nb\tc", 0},
    {13, "pierwszy|drugi|..", -1, -1, -1, Str("pierwszy|drugi|"), "pierwszy|drugi|", 13},
    {15, "", -1, -1, -1, Str(""), kDots.c_str(), 15},
    {20, "Ala...", -1, -1, -1, Str("Ala"), "Ala", 20},
    {4, "cena|60\nokres gwarancji|40\n", -1, -1, -1, Str("cena|60\nokres gwarancji|40\n"),
     "cena|60\nokres gwarancji|40\n", 4},
    {31, "", -1, -1, -1, Str(""), "", 31},
    {36, "3;-1;-1;a;b;c;", -1, -1, -1, Str("3;-1;-1;a;b;c;"), "3;-1;-1;a;b;c;", 36},
    {1, "", 126, 1, 5, Ints({5, 126, 1}), "", 1},
    {3, "", -200, 0, -1, Ints({-1, -200, 0}), "", 3},
    {2, "2024-05-07", -1, -1, -1, Ints({2024, 5, 7}), "2024-05-07", 2},
    {17, "2025-12-31", -1, -1, -1, Ints({2025, 12, 31}), "2025-12-31", 17},
    {32, "1 000,00", 60, -1, -1, Str("1 000,00") + Ints({60}), "1 000,00", 32},
    {34, "250,00", 60, -1, -1, Str("250,00") + Ints({60}), "250,00", 34},
    {12, "nic", -1, -1, -1, "", "", 12},
    {40, "nic", -1, -1, -1, "", "", -1},
};

class DataFileRoundTrip : public ::testing::Test {
protected:
    CString Path(const char *name) const { return m_folder / name; }

    TestFolder m_folder;
    FakeInstallation m_installation;
    ProceedingDataFile m_file;
};

TEST_F(DataFileRoundTrip, EveryStoredShapeIsWrittenAndReadBack)
{
    const size_t firstRecord = FileHeader().bytes.size();
    for (const ShapeCase &shape : kShapes) {
        SCOPED_TRACE(std::string("type ") + std::to_string(shape.type) + " value " + shape.value);
        auto tables = FreshTables();
        VariableSlot &slot = tables->m_variables[0];
        slot.type = shape.type;
        slot.value = shape.value;
        slot.groupNumber = shape.group;
        slot.selected = shape.selected;
        slot.extra = shape.extra;
        DataFileHeader header;
        header.version = 114;
        header.procedureCode = 62;
        ASSERT_EQ(1, m_file.Write(Path("shape.dat"), "", *tables, header));
        EXPECT_EQ(shape.readType, slot.type);

        const std::string bytes = TestFolder::ReadBytes(Path("shape.dat"));
        EXPECT_EQ(Ints({0, shape.readType}) + shape.valueBytes + Ints({1}),
                  bytes.substr(firstRecord, 8 + shape.valueBytes.size() + 4));

        auto read = FreshTables();
        read->m_variables[0].untouched = 0;
        DataFileHeader readHeader;
        ASSERT_EQ(0, m_file.Read(Path("shape.dat"), false, m_installation, *read, readHeader, nullptr));
        const VariableSlot &back = read->m_variables[0];
        EXPECT_EQ(shape.readType, back.type);
        EXPECT_STREQ(shape.readValue, back.value);
        if (shape.type == 1 || shape.type == 3) {
            EXPECT_EQ(shape.group, back.groupNumber);
            EXPECT_EQ(shape.selected, back.selected);
            EXPECT_EQ(shape.extra, back.extra);
        }
        if (shape.type == 32 || shape.type == 34) {
            EXPECT_EQ(shape.group, back.groupNumber);
        }
    }
}

TEST_F(DataFileRoundTrip, WholeProceedingComesBackTableByTable)
{
    auto tables = FreshTables();
    tables->m_nDocumentCount = 3;
    tables->m_documents[0].fileName = "wspolne\\karta.rtf";
    tables->m_documents[2].fileName = "wspolne\\swz.rtf";
    tables->m_documents[2].secured = 1;
    tables->m_variables[20].type = 0;
    tables->m_variables[20].value = "ZP.271.1.2025";
    tables->m_variables[8999].type = 0;
    tables->m_variables[8999].value = "ostatnia";
    tables->m_nNextDynamicVariable = 3002;
    tables->m_dynamicVariables[0] = DynamicVariable{250, "Część", 0, 251, 0};
    tables->m_dynamicVariables[1] = DynamicVariable{250, "Część", 1, 251, 0};
    tables->m_instanceFlags[0] = 1;
    tables->m_instanceFlags[1] = 1;
    tables->m_partFlags[0] = 1;
    tables->m_partFlags[1] = 0; // kept in the flag of pool record 1, as files always held it
    tables->m_nParts = 100;
    for (int part = 0; part < 100; ++part)
        tables->m_partNames[part].Format("Część postępowania %d", part + 1);
    tables->m_nPageBreaks = 2;
    tables->m_pageBreaks[0] = PageBreakMark{2, 140, 129};
    tables->m_pageBreaks[1] = PageBreakMark{139, 7, 129};
    DataFileHeader header;
    header.version = 114;
    header.procedureCode = 168;
    header.password = CString('x', kMaxPasswordLength);
    header.storedAfterMarker = 77;
    ASSERT_EQ(1, m_file.Write(Path("p.dat"), "Dostawa", *tables, header));
    EXPECT_EQ(68, header.procedureCode);

    auto read = FreshTables();
    read->m_nDocumentCount = 3;
    read->m_documents[0].fileName = "wspolne\\karta.rtf";
    read->m_documents[2].fileName = "wspolne\\swz.rtf";
    DataFileHeader back;
    ASSERT_EQ(0, m_file.Read(Path("p.dat"), false, m_installation, *read, back, nullptr));
    EXPECT_TRUE(m_file.GetMessages().empty());
    EXPECT_EQ(114, back.version);
    EXPECT_EQ(68, back.procedureCode);
    EXPECT_EQ(header.password, back.password);
    EXPECT_EQ(77, back.storedAfterMarker);
    EXPECT_EQ(114, read->m_nLoadedVersion);
    EXPECT_EQ(0, read->m_documents[0].secured);
    EXPECT_EQ(1, read->m_documents[2].secured);
    EXPECT_STREQ("ZP.271.1.2025", read->m_variables[20].value);
    EXPECT_STREQ("ostatnia", read->m_variables[8999].value);
    EXPECT_EQ(3002, read->m_nNextDynamicVariable);
    for (int k = 0; k < 2; ++k) {
        EXPECT_EQ(250, read->m_dynamicVariables[k].blockVariable);
        EXPECT_STREQ("Część", read->m_dynamicVariables[k].label);
        EXPECT_EQ(k, read->m_dynamicVariables[k].repetition);
        EXPECT_EQ(251, read->m_dynamicVariables[k].templateVariable);
        EXPECT_EQ(1, read->m_instanceFlags[k]) << "an instance at a part's index stays in use";
        EXPECT_EQ(tables->m_partFlags[k], read->m_partFlags[k]);
    }
    EXPECT_EQ(100, read->m_nParts);
    EXPECT_EQ(1, read->m_partFlags[99]) << "a part beyond the stored records has no flag and is in use";
    EXPECT_STREQ("Część postępowania 100", read->m_partNames[99]);
    ASSERT_EQ(2, read->m_nPageBreaks);
    EXPECT_EQ(139, read->m_pageBreaks[1].document);
    EXPECT_EQ(7, read->m_pageBreaks[1].position);
    EXPECT_EQ(129, read->m_pageBreaks[1].length);
}

// A value the user never edited is drawn as a default after the proceeding is opened again, as
// it was before it was saved; a file written before the list existed opens with every value
// as the user's.
TEST_F(DataFileRoundTrip, ValuesNeverEditedStayDefaultsAcrossSaveAndOpen)
{
    auto tables = FreshTables();
    for (int i : {5, 6, 40}) {
        tables->m_variables[i].type = i == 40 ? 17 : 0;
        tables->m_variables[i].value = i == 40 ? "2026-03-02" : "wartość";
    }
    tables->m_variables[6].untouched = 0;
    DataFileHeader header;
    header.version = 114;
    header.procedureCode = 64;
    ASSERT_EQ(1, m_file.Write(Path("u.dat"), "", *tables, header));

    auto read = FreshTables();
    for (int i = 0; i < read->GetVariableCount(); ++i)
        read->m_variables[i].untouched = 0; // as opening an own file starts
    DataFileHeader back;
    ASSERT_EQ(0, m_file.Read(Path("u.dat"), false, m_installation, *read, back, nullptr));
    EXPECT_EQ(1, read->m_variables[5].untouched);
    EXPECT_EQ(0, read->m_variables[6].untouched);
    EXPECT_EQ(1, read->m_variables[40].untouched);
    EXPECT_EQ(0, read->m_variables[7].untouched) << "a variable without a type is not listed";

    const std::string bytes = TestFolder::ReadBytes(Path("u.dat"));
    const std::string list = Ints({333, 2, 5, 40});
    ASSERT_EQ(list, bytes.substr(bytes.size() - list.size()));
    TestFolder::WriteBytes(Path("old.dat"), bytes.substr(0, bytes.size() - list.size()));
    read->m_variables[5].untouched = 0;
    read->m_variables[40].untouched = 0;
    ASSERT_EQ(0, m_file.Read(Path("old.dat"), false, m_installation, *read, back, nullptr));
    EXPECT_EQ(0, read->m_variables[5].untouched);
    EXPECT_EQ(0, read->m_variables[40].untouched);

    TestFolder::WriteBytes(Path("bad.dat"), bytes.substr(0, bytes.size() - 4) + Ints({9000}));
    EXPECT_EQ(-1, m_file.Read(Path("bad.dat"), false, m_installation, *read, back, nullptr));
}

// The flag of a pool record at a part's index is the part's: an entry left out there is marked on
// its instance number instead, and both flags come back. Elsewhere the record's own flag says it.
TEST_F(DataFileRoundTrip, LeftOutEntriesComeBackBesideThePartFlags)
{
    auto tables = FreshTables();
    tables->m_nParts = 2;
    tables->m_partNames[0] = "Drogi";
    tables->m_partNames[1] = "Mosty";
    tables->m_partFlags[0] = 1;
    tables->m_partFlags[1] = 0;
    const struct {
        int16_t repetition;
        int32_t flag;
    } instances[] = {{1, 0}, {0, 1}, {2, 0}, {-1, 1}}; // the last taken off its block long ago
    for (int k = 0; k < 4; ++k) {
        tables->m_dynamicVariables[k] = DynamicVariable{300, "Członek", instances[k].repetition, 301, kPerEntryBlock};
        tables->m_instanceFlags[k] = instances[k].flag;
    }
    tables->m_nNextDynamicVariable = 3004;
    DataFileHeader header;
    header.version = 114;
    ASSERT_EQ(1, m_file.Write(Path("wpisy.dat"), "", *tables, header));

    auto read = FreshTables();
    ASSERT_EQ(0, m_file.Read(Path("wpisy.dat"), false, m_installation, *read, header, nullptr));
    for (int k = 0; k < 4; ++k) {
        EXPECT_EQ(instances[k].repetition, read->m_dynamicVariables[k].repetition) << k;
        EXPECT_EQ(instances[k].flag, read->m_instanceFlags[k]) << k;
    }
    EXPECT_EQ(1, read->m_partFlags[0]);
    EXPECT_EQ(0, read->m_partFlags[1]);
}

// An instance pool filled up to the last variable number the engine can hand out reads back.
TEST_F(DataFileRoundTrip, EveryInstanceTheEngineCanMakeReadsBack)
{
    auto tables = FreshTables();
    tables->m_nNextDynamicVariable = tables->GetVariableCount();
    tables->m_dynamicVariables[5999].label = "ostatnia";
    DataFileHeader header;
    header.version = 114;
    ASSERT_EQ(1, m_file.Write(Path("pool.dat"), "", *tables, header));

    auto read = FreshTables();
    ASSERT_EQ(0, m_file.Read(Path("pool.dat"), false, m_installation, *read, header, nullptr));
    EXPECT_EQ(9000, read->m_nNextDynamicVariable);
    EXPECT_STREQ("ostatnia", read->m_dynamicVariables[5999].label);
}

TEST(PasswordScramble, KnownVectors)
{
    EXPECT_EQ(std::string("\xA9\xAA\xAB"), ScrambleProtectedText("abc", kPasswordKey));
    EXPECT_EQ(std::string("\xC5\xC6\xC7"), ScrambleProtectedText("abc", kFirstProtectedKey));
    EXPECT_EQ(std::string("\xC8"), ScrambleProtectedText(std::string(1, '\0'), kPasswordKey));
    EXPECT_EQ("Hasło", ScrambleProtectedText(ScrambleProtectedText("Hasło", kPasswordKey), kPasswordKey));
}

TEST_F(DataFileRoundTrip, PasswordIsStoredScrambledAfterItsLength)
{
    auto tables = FreshTables();
    DataFileHeader header;
    header.version = 114;
    header.password = "abc";
    ASSERT_EQ(1, m_file.Write(Path("h.dat"), "", *tables, header));
    const std::string bytes = TestFolder::ReadBytes(Path("h.dat"));
    EXPECT_EQ(Ints({0, 3}) + "\xA9\xAA\xAB" + Ints({222}), bytes.substr(20, 15));

    CString stored;
    EXPECT_EQ(1, m_file.ReadHeader(Path("h.dat"), stored));
    EXPECT_STREQ("abc", stored);
}

TEST_F(DataFileRoundTrip, TooLongPasswordIsRefusedAndTheOldFileStays)
{
    TestFolder::WriteBytes(Path("old.dat"), "stary plik");
    auto tables = FreshTables();
    DataFileHeader header;
    header.version = 114;
    header.password = CString('x', kMaxPasswordLength + 1);
    EXPECT_EQ(0, m_file.Write(Path("old.dat"), "", *tables, header));
    ASSERT_EQ(1u, m_file.GetMessages().size());
    EXPECT_STREQ("Błąd", m_file.GetMessages()[0].caption);
    EXPECT_EQ("stary plik", TestFolder::ReadBytes(Path("old.dat")));
}

TEST_F(DataFileRoundTrip, FailedSaveKeepsTheOldFileAndSaysSo)
{
    auto tables = FreshTables();
    DataFileHeader header;
    header.version = 114;

    EXPECT_EQ(0, m_file.Write(m_folder / "brak\\p.dat", "", *tables, header));
    ASSERT_EQ(1u, m_file.GetMessages().size());
    EXPECT_STREQ(CString("Błąd otwarcia pliku: ") + (m_folder / "brak\\p.dat"), m_file.GetMessages()[0].text);

    // The old file is held open without sharing, so it cannot be replaced.
    TestFolder::WriteBytes(Path("held.dat"), "stary plik");
    HANDLE held = CreateFileW(Cp1250ToWide(Path("held.dat")).c_str(), GENERIC_READ, 0, nullptr, OPEN_EXISTING,
                              FILE_ATTRIBUTE_NORMAL, nullptr);
    ASSERT_NE(INVALID_HANDLE_VALUE, held);
    EXPECT_EQ(0, m_file.Write(Path("held.dat"), "", *tables, header));
    CloseHandle(held);
    EXPECT_EQ("stary plik", TestFolder::ReadBytes(Path("held.dat")));
    EXPECT_EQ("held.dat", m_folder.Listing());
}

TEST_F(DataFileRoundTrip, SecuredDocumentsOfOldVersionsAreAMask)
{
    auto tables = FreshTables();
    tables->m_documents[0].secured = 1;
    tables->m_documents[31].secured = 1;
    tables->m_documents[32].secured = 1; // beyond the mask
    DataFileHeader header;
    header.version = 24;
    ASSERT_EQ(1, m_file.Write(Path("m.dat"), "", *tables, header));
    const std::string bytes = TestFolder::ReadBytes(Path("m.dat"));
    EXPECT_EQ(std::string("\x01\x00\x00\x80\x00\x00\x00\x00\x00\x00", 10), bytes.substr(16, 10));

    auto read = FreshTables();
    ASSERT_EQ(0, m_file.Read(Path("m.dat"), false, m_installation, *read, header, nullptr));
    EXPECT_EQ(1, read->m_documents[0].secured);
    EXPECT_EQ(1, read->m_documents[31].secured);
    EXPECT_EQ(0, read->m_documents[32].secured);
    EXPECT_EQ(6000, read->GetVariableCount());
}

// A template set's starting file fills a new proceeding: the wizard's texts replace the values
// the configuration names, and "today" becomes the day of creation. An opened proceeding keeps
// its own values.
TEST_F(DataFileRoundTrip, NewProceedingTakesDefaultsAndToday)
{
    FileBytes file = FileHeader();
    file.Int(0).Int(0).Str("z pliku");
    file.Int(1).Int(0).Str("");
    file.Int(2).Int(1).Int(-1).Int(5).Int(0);
    file.Int(3).Int(2).Int(1600).Int(2).Int(32);
    TestFolder::WriteBytes(Path("set.wy"), file.bytes);
    ProceedingClock::SetNowFunction([] { return CTime(2025, 9, 15, 12, 0, 0); });

    for (int untouched : {1, 0}) {
        SCOPED_TRACE(untouched);
        auto tables = FreshTables();
        tables->m_defaultTexts[0] = "0;";  // NumerSprawyDef
        tables->m_defaultTexts[4] = "1;";  // MiejscowoscDef, DefaultValues text 5
        tables->m_defaultTexts[11] = "2;"; // WadiumDef2
        tables->m_defaults.texts[0] = "ZP.1";
        tables->m_defaults.texts[5] = "Kraków";
        for (int i = 0; i < 4; ++i)
            tables->m_variables[i].untouched = untouched;
        DataFileHeader header;
        ASSERT_EQ(0, m_file.Read(Path("set.wy"), false, m_installation, *tables, header, nullptr));
        EXPECT_STREQ(untouched ? "ZP.1" : "z pliku", tables->m_variables[0].value);
        EXPECT_STREQ(untouched ? "Kraków" : kDots.c_str(), tables->m_variables[1].value);
        EXPECT_EQ(untouched ? 1 : 0, tables->m_variables[2].selected);
        EXPECT_EQ(untouched ? 1 : 0, tables->m_defaults.numbers[2]);
        EXPECT_STREQ("2025-09-15", tables->m_variables[3].value);
    }
    ProceedingClock::SetNowFunction(nullptr);
}

TEST_F(DataFileRoundTrip, FileMayEndAfterAnyWholeVariableRecord)
{
    FileBytes file = FileHeader(114);
    file.Int(0).Int(0).Str("jedyna");
    TestFolder::WriteBytes(Path("short.dat"), file.bytes);
    auto tables = FreshTables();
    tables->m_nParts = 3;
    DataFileHeader header;
    ASSERT_EQ(0, m_file.Read(Path("short.dat"), false, m_installation, *tables, header, nullptr));
    EXPECT_STREQ("jedyna", tables->m_variables[0].value);
    EXPECT_EQ(3000, tables->m_nNextDynamicVariable);
    EXPECT_EQ(-1, tables->m_nParts);
}

TEST_F(DataFileRoundTrip, CommentsOfTheKindAreLoadedWithTheBody)
{
    ASSERT_TRUE(CreateDirectoryW(Cp1250ToWide(Path("data")).c_str(), nullptr));
    auto written = std::make_unique<CKomentarz2>();
    written->m_nCount = 1;
    written->m_entries[0].text = "Nazwa zamawiającego";
    written->m_entries[0].id = 1;
    ASSERT_TRUE(WriteCommentFile(*written, Path("data\\komentarz63.wy")));
    TestFolder::WriteBytes(Path("p.dat"), FileHeader(114, 162).bytes);

    FakeInstallation installation(m_folder.Path());
    auto comments = std::make_unique<CKomentarz2>();
    auto tables = FreshTables();
    DataFileHeader header;
    ASSERT_EQ(0, m_file.Read(Path("p.dat"), false, installation, *tables, header, comments.get()));
    ASSERT_EQ(1, comments->m_nCount);
    EXPECT_STREQ("Nazwa zamawiającego", comments->m_entries[0].text);

    // A kind without a comment file loads with an empty table.
    TestFolder::WriteBytes(Path("q.dat"), FileHeader(114, 10).bytes);
    ASSERT_EQ(0, m_file.Read(Path("q.dat"), false, installation, *tables, header, comments.get()));
    EXPECT_EQ(0, comments->m_nCount);
}

} // namespace
