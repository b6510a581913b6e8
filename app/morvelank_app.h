// The application object: the program-wide state every window reads (settings, the two
// database connections, the document templates and the last child window of each kind), the
// start-up, and the few services of the whole program.
#pragma once

#include <cstdint>
#include <memory>

#include "app/app_settings.h"
#include "app/program_assembly.h"
#include "framework/core/ctime.h"
#include "framework/core/cstring.h"
#include "framework/db/connection.h"
#include "framework/ui/winapp.h"

class CMultiDocTemplate;
class CMDIChildWnd;
class CProject;

// What the database export reads of an open proceeding's view: the names of the variables
// that go into the columns pole0 to pole9 and the value of a variable by its name.
class ProceedingVariables {
public:
    static constexpr int kDatabaseFields = 10;
    virtual ~ProceedingVariables() = default;
    virtual CString GetDatabaseFieldName(int index) const = 0; // index 0..9
    virtual CString LookUpVariableValue(const CString &name) = 0;
};

// How a save goes; all false is the Save command, which asks only for what is still missing.
struct SaveOptions {
    bool askPassword = false;    // asks for the protection again
    bool saveAs = false;         // asks for a new name or set file
    bool onlyIfModified = false; // the autosave: an unchanged proceeding is not written
};

// What the main window asks of an open proceeding's view: the view lives above this library.
class ProceedingViewServices {
public:
    virtual ~ProceedingViewServices() = default;
    // The proceeding's title, as the window list and the open command compare it.
    virtual CString GetProceedingTitle() const = 0;
    // Loads a proceeding into the new view; nonzero on success (failures already told).
    virtual int OpenProceeding(int folderKind, int sample, const CString &folder, const CString &fileName) = 0;
    // Opened from the archive: never saved by the autosave, never asked on closing.
    virtual bool IsFromArchive() const = 0;
    // Nonzero on success.
    virtual int SaveProceeding(const SaveOptions &options) = 0;
    // Asks whether to keep the changes and saves; false when the user cancelled.
    virtual bool SaveModifiedPrompt() = 0;
};

// The main window's services to the rest of the program, which lies below it.
class MainWindowServices {
public:
    virtual ~MainWindowServices() = default;
    // Menu 128 with its icons; the caller owns the handle.
    virtual HMENU BuildMainMenu() = 0;
    virtual void SetAutosaveTimer() = 0;
    // Pane 0 to 3; other indexes are ignored.
    virtual void SetStatusText(int pane, const CString &text) = 0;
    virtual void ShowProgress() = 0;
    virtual void SetProgressPos(int position) = 0;
    virtual void SetProgressRange(int maximum) = 0;
    // which: 0 main toolbar, 1 document-tree toolbar; show 1 shows, anything else hides.
    virtual void ShowBar(int which, int show) = 0;
    virtual void ShowFormatBar(int show) = 0;
    virtual void OpenProject(int folderKind, int sample, const CString &folder, const CString &fileName) = 0;
    // The splash window takes the first key or click of the application.
    virtual BOOL PreTranslateAppMessage(MSG *message) = 0;
    // The settings dialog with the focus on a folder field; 1 when it was confirmed.
    virtual int RunSettingsDialog(int focusField)
    {
        (void)focusField;
        return 0;
    }
};

// The header of a proceeding that the archive browser lists.
struct ProceedingHeader {
    CString fileName;           // "<name>.baz"
    int32_t procedureCode = 0;
    int32_t orderType = 0;
    CTime created;
    CTime modified;
    int32_t databaseId = -1;
    int32_t lawVersion = 28;
};

class CMorvelankApp : public CWinApp, public AppSettings {
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
    static CString GetTitle();
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
    static void Trace(const CString &) {}

    // Registry texts of at most 999 characters; "" when the key or value cannot be read.
    static CString ReadRegString(const CString &subkey, const CString &valueName, HKEY root);
    // Stores the text as REG_SZ, creating the key when needed; failures are silent.
    static void WriteRegString(const CString &valueName, const CString &text, HKEY root,
                               const CString &subkey);
    void WczytajUstawieniaProgramu();
    void SaveSettings();

    // The record of the proceeding in the folder, or null; the caller deletes it.
    CProject *LoadProject(const CString &folder);
    // Inserts the record's row into [postepowanie] when missing, then updates its columns;
    // the pole columns and [sygnatura] only when the view is given.
    void ExportToMDB(CProject *project, ProceedingVariables *view);
    CString GetContractsDataPath() const;
    // 1 and the header of the proceeding in the folder; 0 and the defaults when none loads.
    int ReadProceedingHeader(const CString &folder, ProceedingHeader &header);

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

// The registry key of the program's settings under HKEY_CURRENT_USER.
extern const char kSettingsKey[];

// The one application object, as every window reaches it.
CMorvelankApp *GetMorvelankApp();
