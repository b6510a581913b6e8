// What the program hands the application object at start-up: the window classes live above
// this library, so the code that knows them comes from the program.
#pragma once

class CMorvelankApp;
struct CRuntimeClass;

struct ProgramAssembly {
    // Stores the seven document templates into the application's template members.
    void (*createDocumentTemplates)(CMorvelankApp &app) = nullptr;
    // Loads and registers what the whole program needs before its main window; false stops
    // the start-up, the failure already told.
    bool (*installServices)(CMorvelankApp &app) = nullptr;
    // The main window's frame, a CMDIFrameWnd.
    CRuntimeClass *mainFrameClass = nullptr;
};
