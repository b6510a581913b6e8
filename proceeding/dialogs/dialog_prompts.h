// The proceeding view's questions answered by this layer's dialogs.
#pragma once

// Makes the view ask through the dialogs from now on.
void InstallDialogPrompts();
