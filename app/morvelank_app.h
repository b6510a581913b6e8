// The application object: the program-wide state every window reads (settings, the two
// database connections, the document templates and the last child window of each kind), the
// start-up, and the few services of the whole program.
#pragma once

#include <memory>

#include "app/app_settings.h"
#include "app/main_window_services.h"
#include "app/proceeding_header.h"
#include "app/proceeding_variables.h"
#include "app/proceeding_view_services.h"
#include "app/program_assembly.h"
#include "app/program_title.h"
#include "app/program_trace.h"
#include "app/registry_text.h"
#include "framework/core/cstring.h"
#include "framework/db/connection.h"
#include "framework/ui/winapp.h"

class CMultiDocTemplate;
class CMDIChildWnd;
class CProject;

class CMorvelankApp : public CWinApp, public AppSettings, public ProceedingHeaderReader {
public:
    // The database password of the main database.
    static const char kMainDatabasePassword[];

    // Without an assembly (as in tests) the start-up makes no templates and no main window.
    explicit CMorvelankApp(const ProgramAssembly &assembly = ProgramAssembly());
    ~CMorvelankApp() override;

    BOOL InitInstance() override;
    int ExitInstance() override;
    BOOL PreTranslateMessage(MSG *pMsg) override;

    void OnAppAbout();
    // A proceeding's record file (".baz") opens the proceeding; anything else goes to the
    // document templates.
    CDocument *OpenDocumentFile(LPCTSTR lpszFileName) override;
    // "Otwórz": a proceeding's record file chosen in the working folder.
    void OnOpenProceedingFile();

    // "Morvelank, wrzesień 2025": window and print-preview titles.
    static CString GetTitle() { return ProgramTitle(); }
    // The folder of the program's own executable, with its trailing backslash.
    static CString GetProgramFolder();

    ConnectionPtr GetMainConnection() const { return MainConnection; }
    ConnectionPtr GetRegistersConnection() const { return RegistersConnection; }
    // 1 when open; 0 after a reported failure, or at once when the connection already exists.
    int OpenMainDB();
    int OpenRejestryDB();
    // Close and release the connection; errors are swallowed and a second call does nothing.
    void CloseMainDB();
    void CloseRejestryDB();

    // Restarts or stops the main window's autosave timer from AutoSaveOn and AutoSaveInterval.
    void UstawAutozapis();
    // 1 when a current-proceedings folder is set, asking for one first when it is not; 0 when
    // the user cancelled.
    int EnsureCurrentFolder();
    // Runs the settings dialog; 1 when it was confirmed.
    virtual int ChooseCurrentFolder();

    // The trace logger: takes the label of a step and keeps nothing.
    static void Trace(const CString &label) { TraceStep(label); }

    // Registry texts of at most 999 characters; "" when the key or value cannot be read.
    static CString ReadRegString(const CString &subkey, const CString &valueName, HKEY root)
    {
        return ReadRegistryText(subkey, valueName, root);
    }
    // Stores the text as REG_SZ, creating the key when needed; failures are silent.
    static void WriteRegString(const CString &valueName, const CString &text, HKEY root, const CString &subkey)
    {
        WriteRegistryText(valueName, text, root, subkey);
    }
    void WczytajUstawieniaProgramu();
    void SaveSettings();

    // The record of the proceeding in the folder, or null; the caller deletes it.
    CProject *LoadProject(const CString &folder);
    // Inserts the record's row into [postepowanie] when missing, then updates its columns;
    // the pole columns and [sygnatura] only when the view is given.
    void ExportToMDB(CProject *project, ProceedingVariables *view);
    CString GetContractsDataPath() const { return ContractsDataPath(*this); }
    int ReadProceedingHeader(const CString &folder, ProceedingHeader &header) override;

    CMultiDocTemplate *ProceedingTemplate = nullptr;
    CMultiDocTemplate *ZpTemplate = nullptr;
    CMultiDocTemplate *ContractsTemplate = nullptr;
    CMultiDocTemplate *ArticlesTemplate = nullptr;
    CMultiDocTemplate *RemediesTemplate = nullptr;
    CMultiDocTemplate *FormsTemplate = nullptr;
    CMultiDocTemplate *RulingsTemplate = nullptr;
    CMDIChildWnd *ProceedingWindow = nullptr;
    CMDIChildWnd *ZpWindow = nullptr;
    CMDIChildWnd *ContractsWindow = nullptr;
    CMDIChildWnd *RemediesWindow = nullptr;
    CMDIChildWnd *FormsWindow = nullptr;
    CMDIChildWnd *ArticlesWindow = nullptr;
    ConnectionPtr MainConnection;
    ConnectionPtr RegistersConnection;
    int OsVersion = 0;
    // The command line allows the splash window ("/Embedding" and "/Automation" do not).
    BOOL SplashEnabled = FALSE;
    // The main window's services; null before it exists.
    MainWindowServices *GetMainWindowServices() const;

private:
    ProgramAssembly m_assembly;

    DECLARE_MESSAGE_MAP()
};

// The one application object, as every window reaches it.
CMorvelankApp *GetMorvelankApp();
