#include <gtest/gtest.h>

#include <windows.h>

#include <memory>

#include "model/file_utils.h"
#include "model/law_versions.h"
#include "model/project.h"
#include "document/files/document_files.h"
#include "model/view_tables.h"

namespace {

// An installation and a proceeding folder under the temporary folder:
//   <main>\zp\formularz.doc, the template folder of the newest version with "1\" (procedure
//   code 0) holding szablon.rtf and "1\dostawy\" holding dostawy.rtf.
class DocumentFilesTest : public ::testing::Test {
protected:
    void SetUp() override
    {
        char temp[MAX_PATH];
        GetTempPathA(MAX_PATH, temp);
        CString root;
        root.Format("%smorvelank_pliki_%lu", temp, GetCurrentProcessId());
        state.m_strMainPath = root + "\\program";
        state.m_strUserTemplatesPath = root + "\\moje";
        state.m_nFileVersion = -1;
        templates = LawVersions::GetTemplateFolder(state.m_strMainPath, state.m_strUserTemplatesPath, -1);
        ASSERT_TRUE(CreateDirectoryPath(state.m_strMainPath + "\\zp"));
        ASSERT_TRUE(CreateDirectoryPath(templates + "\\1\\dostawy"));
        ASSERT_TRUE(CreateDirectoryPath(root + "\\sprawa"));
        ASSERT_TRUE(WriteTextFile(state.m_strMainPath + "\\zp\\formularz.doc", "doc"));
        ASSERT_TRUE(WriteTextFile(templates + "\\1\\szablon.rtf", "{\\rtf1 szablon}"));
        ASSERT_TRUE(WriteTextFile(templates + "\\1\\dostawy.rtf", "{\\rtf1 ogolny}"));
        ASSERT_TRUE(WriteTextFile(templates + "\\1\\dostawy\\dostawy.rtf", "{\\rtf1 dostawy}"));
        project = std::make_unique<CProject>();
        project->SetFolder(root + "\\sprawa");
        project->m_nProcedureCode = 0;
        project->m_nOrderType = 0;
        tables = std::make_unique<ViewTables>();
        files = std::make_unique<DocumentFiles>(*tables, *project, state);
        this->root = root;
        RemoveMadeFiles();
    }
    void TearDown() override { RemoveMadeFiles(); }

    // What the tests make in the proceeding folder, gone before and after each test.
    void RemoveMadeFiles() const
    {
        for (const char *name : {"\\sprawa\\formularz.doc", "\\sprawa\\spec.dat"}) {
            SetFileAttributesA(root + name, FILE_ATTRIBUTE_NORMAL);
            DeleteFileA(root + name);
        }
    }

    void Slot(int document, const char *fileName, int state)
    {
        tables->m_documents[document].fileName = fileName;
        tables->m_documents[document].state = static_cast<int16_t>(state);
    }

    CString root, templates;
    DocumentFileState state;
    std::unique_ptr<CProject> project;
    std::unique_ptr<ViewTables> tables;
    std::unique_ptr<DocumentFiles> files;
};

TEST_F(DocumentFilesTest, PathsByKindOfDocument)
{
    Slot(0, "", 0);
    Slot(1, "szablon.rtf", kStateNotGenerated);
    Slot(2, "http://adres", kStateLink);
    Slot(3, "szablon.rtf", 0);
    Slot(4, "dostawy.rtf", 0);
    Slot(5, "1\\szablon.rtf", 0);
    Slot(6, "FORMULARZ.DOC", 0); // not an office file: looked up as a template
    Slot(7, "formularz.doc", kStateExternal);

    EXPECT_STREQ("", files->GetDocumentFilePath(0, false, false));
    EXPECT_STREQ("", files->GetDocumentFilePath(1, false, false));
    EXPECT_STREQ("", files->GetDocumentFilePath(2, true, false));
    EXPECT_STREQ("http://adres", files->GetDocumentFilePath(2, false, false));
    EXPECT_STREQ(templates + "\\1\\szablon.rtf", files->GetDocumentFilePath(3, false, false));
    EXPECT_STREQ(templates + "\\1\\dostawy\\dostawy.rtf", files->GetDocumentFilePath(4, false, false));
    project->m_nOrderType = 1;
    EXPECT_STREQ(templates + "\\1\\dostawy.rtf", files->GetDocumentFilePath(4, false, false));
    EXPECT_STREQ(templates + "\\1\\szablon.rtf", files->GetDocumentFilePath(5, false, false));
    EXPECT_STREQ(templates + "\\1\\FORMULARZ.DOC", files->GetDocumentFilePath(6, false, false));
    EXPECT_STREQ("", files->GetDocumentFilePath(-1, false, false));
    EXPECT_STREQ("", files->GetDocumentFilePath(kDocumentSlots, false, false));

    // An office file comes from the installation until it is asked for with copying.
    const CString source = state.m_strMainPath + "\\zp\\formularz.doc";
    const CString target = root + "\\sprawa\\formularz.doc";
    EXPECT_STREQ(source, files->GetDocumentFilePath(7, false, false));
    EXPECT_FALSE(FileExists(target));
    SetFileAttributesA(source, FILE_ATTRIBUTE_READONLY);
    EXPECT_STREQ(target, files->GetDocumentFilePath(7, false, true));
    EXPECT_EQ(0u, GetFileAttributesA(target) & FILE_ATTRIBUTE_READONLY);
    EXPECT_STREQ(target, files->GetDocumentFilePath(7, false, false));
    SetFileAttributesA(source, FILE_ATTRIBUTE_NORMAL);

    state.m_nFileVersion = 200; // the user's own templates, whose folder does not exist
    EXPECT_STREQ("", files->GetDocumentFilePath(3, false, false));
}

// The template editor saves an edited template to the user's folder; new documents use it,
// an order type's own template still before a common one.
TEST_F(DocumentFilesTest, ATemplateTheUserEditedComesBeforeTheInstalledOne)
{
    const CString own = state.m_strUserTemplatesPath;
    ASSERT_TRUE(CreateDirectoryPath(own + "\\1\\dostawy"));
    ASSERT_TRUE(WriteTextFile(own + "\\1\\szablon.rtf", "{\\rtf1 moj}"));
    ASSERT_TRUE(WriteTextFile(own + "\\1\\dostawy.rtf", "{\\rtf1 moj ogolny}"));
    Slot(3, "szablon.rtf", 0);
    Slot(4, "dostawy.rtf", 0);
    EXPECT_STREQ(own + "\\1\\szablon.rtf", files->GetDocumentFilePath(3, false, false));
    EXPECT_STREQ("{\\rtf1 moj}", files->ReadDocumentTemplate(3));
    EXPECT_STREQ(templates + "\\1\\dostawy\\dostawy.rtf", files->GetDocumentFilePath(4, false, false));
    ASSERT_TRUE(WriteTextFile(own + "\\1\\dostawy\\dostawy.rtf", "{\\rtf1 moj dostawy}"));
    EXPECT_STREQ(own + "\\1\\dostawy\\dostawy.rtf", files->GetDocumentFilePath(4, false, false));
    for (const char *name : {"\\1\\szablon.rtf", "\\1\\dostawy.rtf", "\\1\\dostawy\\dostawy.rtf"})
        DeleteFileA(own + name);
}

TEST_F(DocumentFilesTest, EditableDocumentPrefersTheTypedText)
{
    Slot(0, "szablon.rtf", kStateEditable);
    state.m_bClearOnFirstClick = 0;
    EXPECT_STREQ("{\\rtf1 szablon}", files->ReadDocumentTemplate(0));
    EXPECT_EQ(1, state.m_bClearOnFirstClick) << "a fresh template is emptied by the first click";

    state.m_strEditableText = "{\\rtf1 wpisany}";
    EXPECT_STREQ("{\\rtf1 wpisany}", files->ReadDocumentTemplate(0));

    state.m_strEditableText.Empty();
    ASSERT_TRUE(WriteTextFile(root + "\\sprawa\\spec.dat", "{\\rtf1 zapisany}"));
    EXPECT_STREQ("{\\rtf1 zapisany}", files->ReadDocumentTemplate(0));
    EXPECT_EQ(0, state.m_bClearOnFirstClick) << "the saved text is kept on the first click";
}

TEST_F(DocumentFilesTest, OnlyRtfTemplatesOfShownDocumentsAreRead)
{
    Slot(0, "formularz.doc", 0);
    Slot(1, "brak.rtf", 0);
    Slot(2, "szablon.rtf", kStateLink);
    Slot(3, "szablon.RTF", 0);
    for (int document : {0, 1, 2, 3, -1}) {
        SCOPED_TRACE(document);
        EXPECT_STREQ("", files->ReadDocumentTemplate(document));
    }
}

TEST(FileKinds, ByExtension)
{
    struct Case {
        const char *extension;
        int kind;
    };
    const Case cases[] = {
        {"xls", 9},  {"XLT", 9},  {"doc", 10},  {"rtf", 10}, {"JPG", 11}, {"gif", 12}, {"bmp", 13}, {"txt", 14},
        {"exe", 15}, {"rar", 16}, {"html", 17}, {"ppt", 18}, {"pdf", 20}, {"odt", 19}, {"", 19},
    };
    for (const Case &c : cases)
        EXPECT_EQ(c.kind, FileKindByExtension(c.extension)) << c.extension;
    EXPECT_STREQ("1\\", GetCodeSubfolder(0));
    EXPECT_STREQ("16\\", GetCodeSubfolder(115));
}

} // namespace
