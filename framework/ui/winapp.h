#pragma once
// The application object and its thread: the message pump with pre-translation and idle
// processing, the profile (settings under HKCU\Software\<key>\<application>) and the command
// line. The program declares exactly one CWinApp-derived object; its constructor makes it the
// object AfxGetApp returns, and the program's WinMain hands it to AfxWinMain, which runs
// InitInstance, Run and ExitInstance.

#include "framework/core/collection_elements.h"
#include "framework/core/cstring.h"
#include "framework/ui/wnd.h"

#include <windows.h>

#include <commdlg.h>

class CDocManager;
class CDocTemplate;
class CDocument;
class CPageSetupDialog;
class CPrintDialog;
class CRecentFileList;

// What the command line asks for; ParseParam is called for each argument.
class CCommandLineInfo {
public:
    enum { FileNew, FileOpen, FilePrint, FilePrintTo, FileDDE, AppRegister, AppUnregister, FileNothing = -1 };

    virtual ~CCommandLineInfo() = default;
    // bFlag: the argument began with '/' or '-' (taken off); bLast: it is the last one.
    virtual void ParseParam(const char *pszParam, BOOL bFlag, BOOL bLast);

    BOOL m_bShowSplash = TRUE;
    BOOL m_bRunEmbedded = FALSE;
    BOOL m_bRunAutomated = FALSE;
    int m_nShellCommand = FileNew;
    CString m_strFileName;
    CString m_strPrinterName;
    CString m_strDriverName;
    CString m_strPortName;
};

class CWinThread : public CCmdTarget {
    DECLARE_DYNAMIC(CWinThread)

public:
    CWinThread() = default;

    CWnd *m_pMainWnd = nullptr;
    MSG m_msgCur{};

    virtual BOOL InitInstance();
    virtual int ExitInstance();
    // The message pump: idle processing while the queue is empty, then one message at a time.
    virtual int Run();
    virtual BOOL PreTranslateMessage(MSG *pMsg);
    // lCount counts idle calls since the last message; return TRUE for more idle time.
    virtual BOOL OnIdle(LONG lCount);
    virtual BOOL PumpMessage();
    // FALSE for messages that must not restart idle processing (mouse moves in place, timers).
    virtual BOOL IsIdleMessage(MSG *pMsg);
    virtual CWnd *GetMainWnd();

private:
    POINT m_ptCursorLast{-1, -1};
    UINT m_nMsgLast = 0;
};

class CWinApp : public CWinThread {
    DECLARE_DYNAMIC(CWinApp)

public:
    explicit CWinApp(LPCTSTR lpszAppName = nullptr);
    ~CWinApp() override;

    HINSTANCE m_hInstance = nullptr;
    LPTSTR m_lpCmdLine = nullptr;
    int m_nCmdShow = SW_SHOWNORMAL;
    LPCTSTR m_pszAppName = nullptr; // title of the application (message-box captions)
    LPCTSTR m_pszExeName = nullptr; // the executable's name without its extension
    LPCTSTR m_pszHelpFilePath = nullptr;
    LPCTSTR m_pszRegistryKey = nullptr; // set by SetRegistryKey
    LPCTSTR m_pszProfileName = nullptr; // the application's key under the registry key

    // Settings go to HKCU\Software\<lpszRegistryKey>\<m_pszProfileName>.
    void SetRegistryKey(LPCTSTR lpszRegistryKey);
    void SetRegistryKey(UINT nIDRegistryKey);
    CString GetProfileString(LPCTSTR lpszSection, LPCTSTR lpszEntry, LPCTSTR lpszDefault = nullptr);
    BOOL WriteProfileString(LPCTSTR lpszSection, LPCTSTR lpszEntry, LPCTSTR lpszValue);
    UINT GetProfileInt(LPCTSTR lpszSection, LPCTSTR lpszEntry, int nDefault);
    BOOL WriteProfileInt(LPCTSTR lpszSection, LPCTSTR lpszEntry, int nValue);
    // Open keys of the profile (created when missing); the caller closes them.
    HKEY GetAppRegistryKey();
    HKEY GetSectionKey(LPCTSTR lpszSection);

    void ParseCommandLine(CCommandLineInfo &rCmdInfo);

    // ---- Documents: templates, recent files and the shell (appdocuments.cpp) -------------------
    CDocManager *m_pDocManager = nullptr;
    CRecentFileList *m_pRecentFileList = nullptr;
    // The application owns the template from now on and deletes it at exit.
    void AddDocTemplate(CDocTemplate *pTemplate);
    POSITION GetFirstDocTemplatePosition() const;
    CDocTemplate *GetNextDocTemplate(POSITION &pos) const;
    virtual CDocument *OpenDocumentFile(LPCTSTR lpszFileName);
    virtual void AddToRecentFileList(LPCTSTR lpszPathName);
    // Reads the recent-file list of nMaxMRU entries from the profile.
    void LoadStdProfileSettings(UINT nMaxMRU = 4);
    void SaveStdProfileSettings();
    void EnableShellOpen();
    void RegisterShellFileTypes(BOOL bCompat = FALSE);
    void UnregisterShellFileTypes();
    // FileNew, FileOpen (FALSE when the file did not open), FileNothing, register/unregister.
    BOOL ProcessShellCommand(CCommandLineInfo &rCmdInfo);
    virtual BOOL SaveAllModified();
    void CloseAllDocuments(BOOL bEndSession);
    int ExitInstance() override;

    // Command handlers for a derived application's message map.
    void OnFileNew();
    void OnFileOpen();
    BOOL OnOpenRecentFile(UINT nID);
    void OnUpdateRecentFileMenu(CCmdUI *pCmdUI);

    // ---- The printer (appprinter.cpp) ------------------------------------------------------------
    // The application's printer: chosen in the last print or page set-up dialog closed with OK,
    // the default printer until then. The application owns these two handles (UTF-16 DEVNAMES
    // and DEVMODE); dialogs get copies of their own.
    HGLOBAL m_hDevNames = nullptr;
    HGLOBAL m_hDevMode = nullptr;
    // Takes the handles over as the application's printer; bFreeOld frees the ones they replace.
    void SelectPrinter(HGLOBAL hDevNames, HGLOBAL hDevMode, BOOL bFreeOld = TRUE);
    // Copies of the application's printer into the structure (whatever it held is freed);
    // FALSE when there is no printer at all.
    BOOL GetPrinterDeviceDefaults(PRINTDLGW *pPrintDlg);
    // The dialog opened on the application's printer; the printer chosen with OK becomes it.
    INT_PTR DoPrintDialog(CPrintDialog *pPD);
    INT_PTR DoPageSetupDialog(CPageSetupDialog *pPSD);

    DECLARE_MESSAGE_MAP()

    HCURSOR LoadCursor(UINT nIDResource) const;
    HCURSOR LoadStandardCursor(LPCTSTR lpszCursorName) const;
    HICON LoadIcon(UINT nIDResource) const;
    HICON LoadStandardIcon(LPCTSTR lpszIconName) const;

private:
    // TRUE when the application has a printer, the default one taken when none was chosen.
    BOOL HasPrinter();

    CString m_strAppName;
    CString m_strExeName;
    CString m_strRegistryKey;
    CString m_strProfileName;
};

CWinApp *AfxGetApp();
CWinThread *AfxGetThread();
CWnd *AfxGetMainWnd();
HINSTANCE AfxGetInstanceHandle();
// Runs the application object: the whole of a program's WinMain.
int AfxWinMain(HINSTANCE hInstance, LPTSTR lpCmdLine, int nCmdShow);
