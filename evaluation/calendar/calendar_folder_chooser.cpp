#include "evaluation/calendar/calendar_folder_chooser.h"

ScheduleFolderChooser *ScheduleFolderChooser::s_installed = nullptr;
