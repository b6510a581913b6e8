// A proceeding view beside its tree pane in a parent window, as a proceeding window holds them,
// and the small kind most view tests open: "tab_stops.rtf" as "Specyfikacja" and a one-line
// "Opis przedmiotu", with variables 1005-1007 as texts.
#pragma once

#include <gtest/gtest.h>

#include <windows.h>
#include <commctrl.h>

#include "model/file_utils.h"
#include "model/view_tables.h"
#include "model/law_versions.h"
#include "model/data_file.h"
#include "document/view/morvelank_doc.h"
#include "document/view/morvelank_view.h"
#include "tests/document/data_file_fixture.h"
#include "tests/document/fixture_path.h"

// The tree takes the left 250 pixels of the parent, the view the rest up to 900; both deleted
// with their windows. Null when a window could not be made.
inline CMorvelankView *MakeProceedingView(CWnd &parent, CTreeView *&tree, int height, DWORD treeStyle = TVS_HASBUTTONS)
{
    CCreateContext context;
    context.m_pCurrentDoc = new CMorvelankDoc; // deletes itself with its view
    tree = new CTreeView;
    if (!tree->Create(nullptr, nullptr, WS_CHILD | WS_VISIBLE | treeStyle, RECT{0, 0, 250, height}, &parent,
                      AFX_IDW_PANE_FIRST + 1, &context))
        return nullptr;
    auto *view = new CMorvelankView;
    if (!view->Create(nullptr, nullptr, WS_CHILD | WS_VISIBLE, RECT{250, 0, 900, height}, &parent, AFX_IDW_PANE_FIRST,
                      &context))
        return nullptr;
    view->OnInitialUpdate();
    view->SetTree(tree);
    return view;
}

// The kind of procedure code `code` (templates in the version's folder "63") under mainPath.
inline void InstallTabStopsKind(const CString &mainPath, const CString &userTemplatesPath, int version, int code)
{
    const CString config = LawVersions::GetConfigFilePath(mainPath, version, code);
    ASSERT_TRUE(CreateDirectoryPath(GetParentFolder(config)));
    ASSERT_TRUE(WriteTextFile(config, "tab.rtf;Specyfikacja\r\nopis.rtf;Opis przedmiotu\r\n"));
    const CString templates = LawVersions::GetTemplateFolder(mainPath, userTemplatesPath, version) + "\\63";
    ASSERT_TRUE(CreateDirectoryPath(templates));
    ASSERT_TRUE(CopyFileA(FixturePath("engine/tab_stops.rtf"), templates + "\\tab.rtf", FALSE));
    ASSERT_TRUE(WriteTextFile(templates + "\\opis.rtf", "{\\rtf1\\ansi\\deff0{\\fonttbl{\\f0 Arial;}}\\f0 "
                                                        "Tu wpisz opis\\par}"));
    auto tables = FreshTables();
    for (int variable : {1005, 1006, 1007}) {
        tables->m_variables[variable].type = 0;
        tables->m_variables[variable].value = "wartość";
    }
    DataFileHeader header;
    header.version = version;
    header.procedureCode = code;
    const CString data = LawVersions::GetDataFilePath(mainPath, code);
    ASSERT_TRUE(CreateDirectoryPath(GetParentFolder(data)));
    ProceedingDataFile file;
    ASSERT_EQ(1, file.Write(data, "", *tables, header));
}
