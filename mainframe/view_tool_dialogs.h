// The proceeding view's find and archive-signature questions, answered by the main window's
// tool dialogs.
#pragma once

// Makes the proceeding views ask through the dialogs from now on.
void InstallViewToolPrompts();
