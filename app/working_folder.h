// Choosing the folder of current proceedings, for code that needs nothing else of the
// application object.
#pragma once

// 1 when the folder is set, asking for one first when it is not; 0 when the user cancelled or
// there is no application object.
int EnsureWorkingFolder();
// Runs the settings dialog; 1 when it was confirmed, 0 otherwise or without an application
// object.
int AskForWorkingFolder();
