// Everything the program loads and registers once at start-up, before its main window.
#pragma once

class CMorvelankApp;

// Loads rich edit, the common controls, OLE and COM, registers the file types of the
// application's document templates, then installs the dialogs and views that lower layers
// reach through a hook. False when one fails to load, the user already told.
bool InstallProgramServices(CMorvelankApp &app);
