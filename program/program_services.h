// Everything the program loads and registers once at start-up, before its main window.
#pragma once

class CMorvelankApp;

// Loads rich edit, the common controls, OLE and COM, then registers the file types of the
// application's document templates. False when one fails to load, the user already told.
bool InstallProgramServices(CMorvelankApp &app);
