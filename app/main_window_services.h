// The main window's services to the rest of the program, which lies below it.
#pragma once

#include <windows.h>

#include "framework/core/cstring.h"

class MainWindowServices {
public:
    virtual ~MainWindowServices() = default;
    // Menu 128 with its icons; the caller owns the handle.
    virtual HMENU BuildMainMenu() = 0;
    virtual void SetAutosaveTimer() = 0;
    // Pane 0 to 3; other indexes are ignored.
    virtual void SetStatusText(int pane, const CString &text) = 0;
    virtual void ShowProgress() = 0;
    virtual void SetProgressPos(int position) = 0;
    virtual void SetProgressRange(int maximum) = 0;
    // which: 0 main toolbar, 1 document-tree toolbar; show 1 shows, anything else hides.
    virtual void ShowBar(int which, int show) = 0;
    virtual void ShowFormatBar(int show) = 0;
    virtual void OpenProject(int folderKind, int sample, const CString &folder, const CString &fileName) = 0;
    // The splash window takes the first key or click of the application.
    virtual BOOL PreTranslateAppMessage(MSG *message) = 0;
    // The settings dialog with the focus on a folder field; 1 when it was confirmed.
    virtual int RunSettingsDialog(int focusField)
    {
        (void)focusField;
        return 0;
    }
};

// The running program's main window; null before it exists or without an application object.
MainWindowServices *GetProgramMainWindow();
