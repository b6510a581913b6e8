// The real main window over a copy of the assembled installation: what the whole-command tests
// of the main road and the document sets stand on.
#pragma once

#include <gtest/gtest.h>

#include <cstdlib>

#include "model/file_utils.h"
#include "app/folder_copy.h"
#include "app/morvelank_app.h"
#include "mainframe/main_frame.h"
#include "program/document_templates.h"
#include "res/resource.h"

// The build's installation folder is a Linux path; Wine shows the root as drive Z:.
inline CString WindowsPath(const char *linuxPath)
{
    CString path = "Z:";
    path += linuxPath;
    path.Replace('/', '\\');
    return path;
}

// Copies the installation into root\Morvelank (the tests write its databases) and points the
// application's program, working and own-templates folders into root.
inline void CopyInstallation(CMorvelankApp &app, const CString &root)
{
    const char *installation = std::getenv("MORVELANK_INSTALLATION");
    ASSERT_NE(installation, nullptr);
    app.MainPath = root + "\\Morvelank";
    ASSERT_TRUE(CreateDirectoryPath(app.MainPath));
    CopyFolder(WindowsPath(installation), app.MainPath, 1);
    ASSERT_TRUE(FileExists(app.MainPath + "\\DB\\morvelank.mdb"));
    app.WorkingPath = root + "\\prace";
    ASSERT_TRUE(CreateDirectoryPath(app.WorkingPath));
    app.UserTemplatesPath = app.MainPath + "\\szablony_moje";
}

// The document templates and the main window, shown; null when the window cannot be made.
inline CMainFrame *OpenMainWindow(CMorvelankApp &app)
{
    CreateDocumentTemplates(app);
    auto *frame = new CMainFrame;
    app.m_pMainWnd = frame;
    if (!frame->LoadFrame(IDR_MAINFRAME, WS_OVERLAPPEDWINDOW))
        return nullptr;
    frame->MoveWindow(0, 0, 1000, 700);
    frame->ShowWindow(SW_SHOW);
    return frame;
}

// Closes the window, drops the quit message its closing posts, and closes both databases.
inline void CloseMainWindow(CMorvelankApp &app, CMainFrame *frame)
{
    if (frame && ::IsWindow(frame->GetSafeHwnd()))
        frame->DestroyWindow();
    MSG quit;
    while (::PeekMessageW(&quit, nullptr, WM_QUIT, WM_QUIT, PM_REMOVE)) {}
    app.CloseMainDB();
    app.CloseRejestryDB();
}
