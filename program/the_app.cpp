// The program's one application object, with the parts that put the program together.
#include "app/morvelank_app.h"
#include "mainframe/main_frame.h"
#include "program/document_templates.h"
#include "program/program_services.h"

CMorvelankApp theApp(ProgramAssembly{CreateDocumentTemplates, InstallProgramServices, RUNTIME_CLASS(CMainFrame)});
