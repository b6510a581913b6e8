#include "mainframe/schedule_folder_chooser.h"

#include "evaluation/calendar/calendar_folder_chooser.h"
#include "mainframe/settings_dlg.h"

namespace {

// The settings show the folder the program holds; after OK they have stored the new one.
class SettingsScheduleFolderChooser : public ScheduleFolderChooser {
public:
    bool ChooseScheduleFolder(CWnd *parent, CString &folder) override
    {
        CUstawieniaDlg settings(parent);
        settings.m_focusField = CUstawieniaDlg::FocusSchedule;
        if (settings.DoModal() != IDOK)
            return false;
        folder = settings.m_scheduleFolder;
        return true;
    }
};

} // namespace

void InstallScheduleFolderChooser()
{
    static SettingsScheduleFolderChooser chooser;
    ScheduleFolderChooser::Install(&chooser);
}
