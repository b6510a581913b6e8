// A proceeding created from a template set's starting data, changed, saved, and opened again;
// saves that cannot write, openings that cannot read, the closing question and the sets.
#include <gtest/gtest.h>

#include <memory>
#include <string>
#include <vector>

#include "model/file_utils.h"
#include "model/view_tables.h"
#include "model/law_versions.h"
#include "model/project.h"
#include "data_file_fixture.h"
#include "document/files/document_sets.h"
#include "document/files/proceeding_open.h"
#include "document/files/proceeding_save.h"
#include "fixture_path.h"
#include "framework/core/codepage.h"
#include "framework/ui/testhook.h"

namespace {

const int kCode = 62;
const int kVersion = 114;

class ProceedingFiles : public ::testing::Test {
protected:
    void SetUp() override
    {
        m_working = m_main / "prace";
        CreateDirectoryPath(m_working);
    }

    // The starting data of the kind and its configuration, as an installation holds them.
    CString InstallKind(int code)
    {
        const CString config = LawVersions::GetConfigFilePath(m_main.Path(), kVersion, code);
        CreateDirectoryPath(GetParentFolder(config));
        TestFolder::WriteBytes(config, TestFolder::ReadBytes(FixturePath("small_set.cnf")));
        const CString data = m_main / "starting.wy";
        auto empty = FreshTables();
        DataFileHeader header;
        header.version = kVersion;
        header.procedureCode = code;
        ProceedingDataFile file;
        EXPECT_EQ(file.Write(data, "", *empty, header), 1);
        return data;
    }

    // A new proceeding of the kind loaded from the starting data and given the user's values.
    void CreateProceeding(CProject &project, ViewTables &tables, DataFileHeader &header)
    {
        const CString starting = InstallKind(kCode);
        project.m_nProcedureCode = kCode;
        project.m_strName = "Przetarg";
        ProceedingOpen open(m_main.Path(), m_installation);
        ASSERT_EQ(open.Load(kLoadNewProceeding, starting, project, DefaultValues(), tables, header, nullptr), 1);
        tables.m_variables[5].type = 0;
        tables.m_variables[5].value = "Dostawa ławek";
        tables.m_variables[6].type = 2;
        tables.m_variables[6].value = "2025-03-14";
        tables.m_variables[7].type = 32;
        tables.m_variables[7].value = "1 000,00";
        tables.m_variables[7].groupNumber = 60;
        tables.m_nParts = 3;
        for (int part = 0; part < 3; ++part)
            tables.m_partNames[part].Format("Część postępowania %d", part + 1);
        tables.m_nNextDynamicVariable = 3002;
        tables.m_dynamicVariables[1].label = "Zadanie 2";
        tables.m_dynamicVariables[1].blockVariable = 40;
        tables.m_nPageBreaks = 1;
        tables.m_pageBreaks[0] = PageBreakMark{2, 120, 129};
        tables.m_documents[0].secured = 1;
        project.m_strPassword = "tajne";
        project.SetFolder(m_working + "\\Przetarg");
        project.SetFileName("Przetarg", "dat");
        CreateDirectoryPath(project.GetFolder());
    }

    ProceedingSaveRequest Loaded(const DataFileHeader &header, const CString *rtf = nullptr)
    {
        ProceedingSaveRequest request;
        request.loaded = true;
        request.header = header;
        request.editableRtf = rtf;
        return request;
    }

    TestFolder m_main;
    CString m_working;
    FakeInstallation m_installation;
    int m_recorded = 0;
};

void ExpectSameTables(const ViewTables &saved, const ViewTables &read)
{
    for (int i = 0; i < kVariableSlots; ++i) {
        const VariableSlot &a = saved.m_variables[i];
        const VariableSlot &b = read.m_variables[i];
        ASSERT_TRUE(a.value == b.value && a.type == b.type && a.groupNumber == b.groupNumber && a.selected == b.selected
                    && a.extra == b.extra)
            << "variable " << i << ": " << (LPCSTR)a.value << " / " << (LPCSTR)b.value;
    }
    EXPECT_EQ(saved.m_nNextDynamicVariable, read.m_nNextDynamicVariable);
    for (int k = 0; k < kDynamicVariableSlots; ++k) {
        ASSERT_STREQ(saved.m_dynamicVariables[k].label, read.m_dynamicVariables[k].label) << k;
        ASSERT_EQ(saved.m_dynamicVariables[k].blockVariable, read.m_dynamicVariables[k].blockVariable) << k;
    }
    EXPECT_EQ(saved.m_nParts, read.m_nParts);
    for (int part = 0; part < kMaxPartNames; ++part)
        ASSERT_STREQ(saved.m_partNames[part], read.m_partNames[part]) << part;
    ASSERT_EQ(saved.m_nPageBreaks, read.m_nPageBreaks);
    for (int mark = 0; mark < saved.m_nPageBreaks; ++mark) {
        EXPECT_EQ(saved.m_pageBreaks[mark].document, read.m_pageBreaks[mark].document);
        EXPECT_EQ(saved.m_pageBreaks[mark].position, read.m_pageBreaks[mark].position);
        EXPECT_EQ(saved.m_pageBreaks[mark].length, read.m_pageBreaks[mark].length);
    }
    EXPECT_EQ(saved.m_nDocumentCount, read.m_nDocumentCount);
    for (int d = 0; d < kDocumentSlots; ++d) {
        const DocumentSlot &a = saved.m_documents[d];
        const DocumentSlot &b = read.m_documents[d];
        ASSERT_TRUE(a.fileName == b.fileName && a.displayName == b.displayName && a.state == b.state
                    && a.secured == b.secured && a.plus == b.plus && a.perPart == b.perPart)
            << "document " << d;
    }
}

TEST_F(ProceedingFiles, SavedProceedingOpensAgainWithEveryTable)
{
    CProject project;
    auto tables = FreshTables();
    DataFileHeader header;
    CreateProceeding(project, *tables, header);
    ASSERT_TRUE(tables->m_nDocumentCount > 0);

    const CString rtf = "{\\rtf1 Opis przedmiotu zamówienia}";
    ProceedingSave save(*tables, project, [&](CProject &) { ++m_recorded; });
    ASSERT_EQ(save.Save(Loaded(header, &rtf)), 1)
        << (save.GetMessages().empty() ? "" : (LPCSTR)save.GetMessages()[0].text);
    EXPECT_EQ(m_recorded, 1);
    EXPECT_STREQ(ReadFileToString(project.GetSpecPath()), rtf);

    CProject reopened;
    ProceedingOpen open(m_main.Path(), m_installation);
    ASSERT_EQ(open.ReadRecord(reopened, project.GetFolder(), "Przetarg"), 1);
    EXPECT_STREQ(reopened.m_strName, "Przetarg");
    EXPECT_EQ(reopened.m_nProcedureCode, kCode);
    CString stored;
    ASSERT_EQ(open.ReadPassword(reopened.GetDocumentPath(), stored), 1);
    EXPECT_STREQ(stored, "tajne");

    auto read = FreshTables();
    DataFileHeader readHeader;
    ASSERT_EQ(
        open.Load(kLoadOwnFile, reopened.GetDocumentPath(), reopened, DefaultValues(), *read, readHeader, nullptr), 1);
    EXPECT_STREQ(reopened.m_strPassword, "tajne");
    EXPECT_EQ(reopened.m_nLawVersion, kVersion);
    ExpectSameTables(*tables, *read);
    EXPECT_STREQ(read->m_variables[5].value, "Dostawa ławek");
}

// A proceeding made before the buyer's data were entered may hold a field's own name where the
// buyer's telephone belongs: it opens as the dotted place, never edited, so that paper shows
// the place and the editor offers the data entered since. The same word elsewhere stays.
TEST_F(ProceedingFiles, BuyerFieldsOwnNameOpensAsItsDottedPlace)
{
    CProject project;
    auto tables = FreshTables();
    DataFileHeader header;
    CreateProceeding(project, *tables, header);
    for (int i = 0; i < tables->GetVariableCount(); ++i)
        tables->m_variables[i].untouched = 0;
    tables->m_variables[5].value = CString("Telefon"); // column 4 of the buyer-data row: the telephone
    tables->m_variables[9].type = 0;
    tables->m_variables[9].value = CString("Telefon"); // no buyer-data column
    ProceedingSave save(*tables, project, [&](CProject &) { ++m_recorded; });
    ASSERT_EQ(save.Save(Loaded(header)), 1);

    auto read = FreshTables();
    DataFileHeader readHeader;
    ProceedingOpen open(m_main.Path(), m_installation);
    ASSERT_EQ(open.Load(kLoadOwnFile, project.GetDocumentPath(), project, DefaultValues(), *read, readHeader, nullptr),
              1);
    EXPECT_STREQ(CString('.', 30), read->m_variables[5].value);
    EXPECT_EQ(1, read->m_variables[5].untouched);
    EXPECT_STREQ("Telefon", read->m_variables[9].value);
    EXPECT_EQ(0, read->m_variables[9].untouched);
}

TEST_F(ProceedingFiles, SaveThatCannotReplaceAFileLeavesThePreviousSaveAndSaysSo)
{
    CProject project;
    auto tables = FreshTables();
    DataFileHeader header;
    CreateProceeding(project, *tables, header);
    const CString rtf = "{\\rtf1 pierwszy}";
    ProceedingSave first(*tables, project, nullptr);
    ASSERT_EQ(first.Save(Loaded(header, &rtf)), 1);

    const CString paths[] = {project.GetDocumentPath(), project.GetProjectFilePath(), project.GetSpecPath()};
    std::vector<std::string> before;
    for (const CString &path : paths)
        before.push_back(TestFolder::ReadBytes(path));
    for (const CString &locked : paths) {
        SCOPED_TRACE((LPCSTR)locked);
        HANDLE lock = CreateFileW(Cp1250ToWide(locked).c_str(), GENERIC_READ, 0, nullptr, OPEN_EXISTING, 0, nullptr);
        ASSERT_NE(lock, INVALID_HANDLE_VALUE);
        tables->m_variables[5].value = "Zmieniona wartość";
        project.m_strPassword = "inne";
        const CString second = "{\\rtf1 drugi}";
        ProceedingSave save(*tables, project, [&](CProject &) { ++m_recorded; });
        EXPECT_EQ(save.Save(Loaded(header, &second)), 0);
        CloseHandle(lock);
        ASSERT_FALSE(save.GetMessages().empty());
        EXPECT_NE(save.GetMessages()[0].text.Find("pozostały bez zmian"), -1);
        for (size_t i = 0; i < 3; ++i)
            EXPECT_EQ(TestFolder::ReadBytes(paths[i]), before[i]) << i;
        EXPECT_EQ(m_recorded, 0);
    }
    // No temporary file is left behind.
    WIN32_FIND_DATAW found;
    int entries = 0;
    HANDLE search = FindFirstFileW(Cp1250ToWide(project.GetFolder() + "\\*").c_str(), &found);
    do {
        ++entries;
    } while (FindNextFileW(search, &found));
    FindClose(search);
    EXPECT_EQ(entries, 2 + 3);
}

TEST_F(ProceedingFiles, WindowsThatMustNotBeSavedWriteNothing)
{
    CProject project;
    auto tables = FreshTables();
    DataFileHeader header;
    CreateProceeding(project, *tables, header);

    ProceedingSave save(*tables, project, [&](CProject &) { ++m_recorded; });
    ProceedingSaveRequest notLoaded = Loaded(header);
    notLoaded.loaded = false;
    EXPECT_EQ(save.Save(notLoaded), 0);
    EXPECT_EQ(save.GetMessages().size(), 1u);

    ProceedingSaveRequest example = Loaded(header);
    example.kind = kKindExample;
    EXPECT_EQ(save.Save(example), 0);
    EXPECT_TRUE(save.GetMessages().empty());

    EXPECT_FALSE(FileExists(project.GetDocumentPath()));
    EXPECT_FALSE(FileExists(project.GetProjectFilePath()));
    EXPECT_EQ(m_recorded, 0);
}

TEST_F(ProceedingFiles, OpeningWhatCannotBeReadFailsWithAMessage)
{
    CProject project;
    auto tables = FreshTables();
    DataFileHeader header;
    CreateProceeding(project, *tables, header);
    ProceedingSave save(*tables, project, nullptr);
    ASSERT_EQ(save.Save(Loaded(header)), 1);
    const CString folder = project.GetFolder();
    const std::string good = TestFolder::ReadBytes(project.GetDocumentPath());

    ProceedingOpen open(m_main.Path(), m_installation);
    CProject missing;
    EXPECT_EQ(open.ReadRecord(missing, folder, "Inny"), 0);
    ASSERT_EQ(open.GetMessages().size(), 1u);
    EXPECT_STREQ(open.GetMessages()[0].text, "Błąd otwarcia pliku projektu: " + folder + "\\Inny.baz");

    struct Case {
        const char *name;
        std::string data; // the data file's bytes, "" none
        bool removeConfig;
        const char *message; // how the last message begins
    };
    const Case cases[] = {
        {"no data file", "", false, "Błąd otwarcia pliku danych(1): "},
        {"data file cut short", good.substr(0, good.size() / 2), false, "Błąd formatu pliku: "},
        {"wrong marker", FileHeader(kVersion, kCode).bytes.replace(8, 1, 1, 'x'), false, "Błędny format pliku"},
        {"no configuration", good, true, "Brak pliku konfiguracyjnego: "},
    };
    const CString config = LawVersions::GetConfigFilePath(m_main.Path(), kVersion, kCode);
    const std::string configBytes = TestFolder::ReadBytes(config);
    for (const Case &c : cases) {
        SCOPED_TRACE(c.name);
        DeleteFileW(Cp1250ToWide(project.GetDocumentPath()).c_str());
        if (!c.data.empty())
            TestFolder::WriteBytes(project.GetDocumentPath(), c.data);
        if (c.removeConfig)
            DeleteFileW(Cp1250ToWide(config).c_str());
        CProject reopened;
        ASSERT_EQ(open.ReadRecord(reopened, folder, "Przetarg"), 1);
        auto read = FreshTables();
        DataFileHeader readHeader;
        EXPECT_EQ(
            open.Load(kLoadOwnFile, reopened.GetDocumentPath(), reopened, DefaultValues(), *read, readHeader, nullptr),
            0);
        ASSERT_FALSE(open.GetMessages().empty());
        EXPECT_EQ(open.GetMessages().back().text.Find(c.message), 0) << (LPCSTR)open.GetMessages().back().text;
        TestFolder::WriteBytes(config, configBytes);
    }
}

TEST_F(ProceedingFiles, DocumentSetsAreSavedToTheirOwnFileAndReadBack)
{
    const int kinds[] = {kKindContracts, kKindRemedies, kKindContractorForms};
    for (int kind : kinds) {
        const DocumentSetKind &set = *FindDocumentSet(kind);
        SCOPED_TRACE(set.extension);
        const CString starting = InstallKind(set.procedureCode);

        CProject project;
        PrepareDocumentSet(set, "", project);
        EXPECT_FALSE(project.HasFileName());
        auto tables = FreshTables();
        DataFileHeader header;
        ProceedingOpen open(m_main.Path(), m_installation);
        ASSERT_EQ(open.Load(kLoadNewProceeding, starting, project, DefaultValues(), *tables, header, nullptr), 1);
        tables->m_variables[3].type = 0;
        tables->m_variables[3].value = CString("Wzór ") + set.extension;

        const CString path = m_working + "\\zestaw." + set.extension;
        PrepareDocumentSet(set, path, project);
        ProceedingSaveRequest request = Loaded(header);
        request.kind = kind;
        ProceedingSave save(*tables, project, [&](CProject &) { ++m_recorded; });
        ASSERT_EQ(save.Save(request), 1);
        EXPECT_TRUE(FileExists(path));
        EXPECT_FALSE(FileExists(m_working + "\\zestaw.baz"));
        EXPECT_EQ(m_recorded, 0);

        CProject reopened;
        PrepareDocumentSet(set, path, reopened);
        EXPECT_EQ(reopened.m_nProcedureCode, set.procedureCode);
        auto read = FreshTables();
        DataFileHeader readHeader;
        ASSERT_EQ(
            open.Load(kLoadOwnFile, reopened.GetDocumentPath(), reopened, DefaultValues(), *read, readHeader, nullptr),
            1);
        ExpectSameTables(*tables, *read);
    }
}

// The set's office files are the proceeding's own: loading copies those the proceeding folder
// lacks from the installation's "zp" folder and leaves the ones it has as the user made them.
TEST_F(ProceedingFiles, OfficeFilesOfTheSetAreCopiedIntoTheProceedingFolder)
{
    const CString starting = InstallKind(kCode);
    TestFolder::WriteBytes(LawVersions::GetConfigFilePath(m_main.Path(), kVersion, kCode),
                           "ogloszenie.rtf;Ogłoszenie\nformularz.doc;Formularz ofertowy\nbrak.xls;Kosztorys\n");
    CreateDirectoryPath(m_main / "zp");
    TestFolder::WriteBytes(m_main / "zp\\formularz.doc", "wzór");
    CProject project;
    project.m_nProcedureCode = kCode;
    project.SetFolder(m_working + "\\Przetarg");
    project.SetFileName("Przetarg", "dat");
    CreateDirectoryPath(project.GetFolder());
    ProceedingOpen open(m_main.Path(), m_installation);
    auto tables = FreshTables();
    DataFileHeader header;

    ASSERT_EQ(open.Load(kLoadNewProceeding, starting, project, DefaultValues(), *tables, header, nullptr), 1);
    const CString copy = project.GetFolder() + "\\formularz.doc";
    EXPECT_EQ(TestFolder::ReadBytes(copy), "wzór");
    EXPECT_FALSE(FileExists(project.GetFolder() + "\\brak.xls")) << "not in the installation either";

    TestFolder::WriteBytes(copy, "wypełniony");
    ASSERT_EQ(open.Load(kLoadNewProceeding, starting, project, DefaultValues(), *tables, header, nullptr), 1);
    EXPECT_EQ(TestFolder::ReadBytes(copy), "wypełniony") << "the user's copy stays";

    // A new set has no folder yet: nothing is copied anywhere.
    CProject set;
    set.m_nProcedureCode = kCode;
    ASSERT_EQ(open.Load(kLoadNewProceeding, starting, set, DefaultValues(), *tables, header, nullptr), 1);
    EXPECT_FALSE(FileExists("\\formularz.doc"));
}

struct ClosingCase {
    const char *name;
    int kind;
    bool modified;
    int answer; // 0: no question expected
    int saveResult;
    bool mayClose;
    bool saved;
};

TEST(ClosingQuestion, WindowClosesOnlyWhenNothingIsLost)
{
    const ClosingCase cases[] = {
        {"not modified", kKindProceeding, false, 0, 1, true, false},
        {"archive", kKindArchive, true, 0, 1, true, false},
        {"example", kKindExample, true, 0, 1, true, false},
        {"yes and saved", kKindProceeding, true, IDYES, 1, true, true},
        {"yes but not saved", kKindProceeding, true, IDYES, 0, false, true},
        {"no", kKindContracts, true, IDNO, 1, true, false},
        {"cancel", kKindProceeding, true, IDCANCEL, 1, false, false},
    };
    for (const ClosingCase &c : cases) {
        SCOPED_TRACE(c.name);
        std::vector<CString> asked;
        CTestHook hook;
        hook.onMessageBox = [&](const CString &text, const CString &caption, UINT) {
            asked.push_back(caption + ": " + text);
            return c.answer;
        };
        CTestHookScope scope(hook);
        bool saved = false;
        bool closing = false;
        const bool mayClose = ConfirmClosing(
            c.kind, c.modified, "Przetarg",
            [&] {
                saved = true;
                return c.saveResult;
            },
            closing);
        EXPECT_EQ(mayClose, c.mayClose);
        EXPECT_EQ(saved, c.saved);
        EXPECT_EQ(asked.size(), c.answer ? 1u : 0u);
        if (c.answer) {
            EXPECT_STREQ(asked[0], "Pytanie: Zachować zmiany w 'Przetarg'?\nJeśli nie zapiszesz w tej chwili zmian, "
                                   "zostaną one bezpowrotnie utracone.");
        }
        EXPECT_EQ(closing, c.mayClose && c.kind != kKindArchive && c.kind != kKindExample);
    }
}

} // namespace
