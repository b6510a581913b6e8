// The application object: the program-wide state every window reads (settings, the two
// database connections, the document templates and the last child window of each kind), the
// start-up, and the few services of the whole program.
#pragma once

#include <cstdint>
#include <memory>

#include "app/app_settings.h"
#include "framework/core/ctime.h"
#include "framework/core/cstring.h"
#include "framework/db/connection.h"
#include "framework/ui/winapp.h"

class CMinimalMainFrame;
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

    CMorvelankApp();
    ~CMorvelankApp() override;

    BOOL InitInstance() override;
    int ExitInstance() override;

    void OnAppAbout();

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

    DECLARE_MESSAGE_MAP()

private:
    std::unique_ptr<CMinimalMainFrame> m_pStartFrame;
};

// The registry key of the program's settings under HKEY_CURRENT_USER.
extern const char kSettingsKey[];

// The one application object, as every window reaches it.
CMorvelankApp *GetMorvelankApp();
