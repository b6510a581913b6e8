// "Zmień katalog" of the calendar opens the settings dialog, which belongs to the main window's
// layer above this one. The main window installs the chooser; without one the button is off.
#pragma once

#include "framework/core/cstring.h"

class CWnd;

class ScheduleFolderChooser {
public:
    virtual ~ScheduleFolderChooser() = default;
    // Runs the settings with the focus on the calendar folder, preset to `folder`; true after OK,
    // with the folder the settings now hold.
    virtual bool ChooseScheduleFolder(CWnd *parent, CString &folder) = 0;

    // The chooser the calendar asks from now on; null takes it away.
    static void Install(ScheduleFolderChooser *chooser) { s_installed = chooser; }
    static ScheduleFolderChooser *Installed() { return s_installed; }

private:
    static ScheduleFolderChooser *s_installed;
};
