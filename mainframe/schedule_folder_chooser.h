// The calendar's "Zmień katalog" answered by the settings dialog with the calendar folder
// in focus.
#pragma once

// Makes the calendar ask through the settings dialog from now on.
void InstallScheduleFolderChooser();
