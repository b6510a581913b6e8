// A proceeding view in a window with three documents: "Pismo" and "Zaproszenie" carry the
// correspondence mark, "Opis" does not. Pismo's recipient (variable 1005, field 1) occurs twice,
// its address (1006, field 2) once, and a date (1007) lies behind them; Zaproszenie has field 1
// only. Message boxes are recorded as "caption: text".
#pragma once

#include <gtest/gtest.h>

#include <windows.h>

#include <memory>
#include <vector>

#include "model/file_utils.h"
#include "model/view_tables.h"
#include "model/law_versions.h"
#include "app/morvelank_app.h"
#include "model/data_file.h"
#include "document/view/morvelank_doc.h"
#include "document/view/morvelank_view.h"
#include "document/engine/rich_edit_text.h"
#include "framework/ui/testhook.h"
#include "tests/document/data_file_fixture.h"
#include "tests/support/test_folder.h"
#include "tests/document/proceeding_view_window.h"

const int kLetterDocument = 0;
const int kDescriptionDocument = 1;
const int kInvitationDocument = 2;
const int kRecipientVariable = 1005;
const int kAddressVariable = 1006;
const int kDateVariable = 1007;

class SeriesViewTest : public ::testing::Test {
protected:
    static const int kCode = 162; // templates in the version's folder "63"
    static const int kVersion = 114;

    void SetUp() override
    {
        app.MainPath = m_main.Path();
        app.WorkingPath = m_main / "prace";
        app.ArchivePath = m_main / "archiwum";
        app.UserTemplatesPath = m_main / "szablony_moje";
        ASSERT_TRUE(CreateDirectoryPath(app.WorkingPath));
        InstallKind();
        hook.onMessageBox = [this](const CString &text, const CString &caption, UINT) {
            messages.push_back(caption + ": " + text);
            return IDOK;
        };
        scope = std::make_unique<CTestHookScope>(hook);
        ASSERT_TRUE(
            parent.CreateEx(0, nullptr, "postepowanie", WS_POPUP | WS_VISIBLE, 0, 0, 900, 300, nullptr, nullptr));

        view = MakeProceedingView(parent, tree, 300);
        ASSERT_NE(view, nullptr);
        ASSERT_EQ(1, view->CreateProceeding(1, "Przetarg", -1, 0, 0, DefaultValues()));
        ASSERT_EQ(kLetterDocument, view->GetCurrentDocument());
        view->m_proceeding.m_bModified = 0;
        messages.clear();
    }

    void TearDown() override
    {
        parent.DestroyWindow();
        scope.reset();
    }

    void InstallKind()
    {
        const CString config = LawVersions::GetConfigFilePath(app.MainPath, kVersion, kCode);
        ASSERT_TRUE(CreateDirectoryPath(GetParentFolder(config)));
        ASSERT_TRUE(WriteTextFile(config, "pismo.rtf;Pismo[KORESPONDENCJA]\r\nopis.rtf;Opis\r\n"
                                          "zaproszenie.rtf;Zaproszenie[KORESPONDENCJA]\r\n"));
        const CString templates =
            LawVersions::GetTemplateFolder(app.MainPath, app.UserTemplatesPath, kVersion) + "\\63";
        ASSERT_TRUE(CreateDirectoryPath(templates));
        const char head[] = "{\\rtf1\\ansi\\ansicpg1250\\deff0{\\fonttbl{\\f0\\fswiss\\fcharset238 Arial;}}\\f0\\fs20 ";
        ASSERT_TRUE(
            WriteTextFile(templates + "\\pismo.rtf", CString(head)
                                                         + "<$001>Adresat<?001>\\par\n"
                                                           "Do: <!A05>odbiorca;Odbiorca [KORESPONDENCJA1]</A05>\\par\n"
                                                           "<!A06>adres;Adres [KORESPONDENCJA2]</A06>\\par\n"
                                                           "<$002>Tre\\'9c\\'e6<?002>\\par\n"
                                                           "Szanowni <!A05>odbiorca;Odbiorca [KORESPONDENCJA1]</A05>, "
                                                           "termin <!A07>termin;Termin</A07>.\\par\n}"));
        ASSERT_TRUE(WriteTextFile(templates + "\\opis.rtf", CString(head) + "Tu wpisz opis\\par\n}"));
        ASSERT_TRUE(
            WriteTextFile(templates + "\\zaproszenie.rtf",
                          CString(head) + "Zaproszenie dla <!A05>odbiorca;Odbiorca [KORESPONDENCJA1]</A05>.\\par\n}"));
        auto tables = FreshTables();
        const char *values[] = {"Zamawiający odbiorca", "ul. Długa 1", "2025-09-30"};
        for (int variable : {kRecipientVariable, kAddressVariable, kDateVariable}) {
            tables->m_variables[variable].type = 0;
            tables->m_variables[variable].value = values[variable - kRecipientVariable];
        }
        DataFileHeader header;
        header.version = kVersion;
        header.procedureCode = kCode;
        const CString data = LawVersions::GetDataFilePath(app.MainPath, kCode);
        ASSERT_TRUE(CreateDirectoryPath(GetParentFolder(data)));
        ProceedingDataFile file;
        ASSERT_EQ(1, file.Write(data, "", *tables, header));
    }

    CString Text() { return RichEditText(view->GetSafeHwnd()).GetPlainText(); }
    CString Value(int variable) { return view->m_proceeding.m_tables->m_variables[variable].value; }

    TestFolder m_main;
    CMorvelankApp app;
    CTestHook hook;
    std::unique_ptr<CTestHookScope> scope;
    std::vector<CString> messages; // "caption: text"
    CWnd parent;
    CTreeView *tree = nullptr;
    CMorvelankView *view = nullptr;
};
