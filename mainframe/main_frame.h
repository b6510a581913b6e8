// The program's main MDI window: menu with icons, four toolbars, the status bar with its
// progress control, the alarm and autosave timers, and the commands of its own menus.
#pragma once

#include "app/main_window_services.h"
#include "controls/icon_menu.h"
#include "framework/ui/commctrls.h"
#include "framework/ui/docview.h"
#include "mainframe/alarm_schedule.h"
#include "mainframe/mdi_client.h"

class CListCtrl;
class CNewProceedingWizard;

class CMainFrame : public CMDIFrameWnd, public MainWindowServices {
    DECLARE_DYNCREATE(CMainFrame)

public:
    static constexpr UINT_PTR kAlarmTimer = 4;
    static constexpr UINT_PTR kAutosaveTimer = 5;
    static constexpr UINT kAlarmPeriod = 60000;
    static constexpr int kShortestAutosave = 5; // minutes
    static constexpr int kLongestAutosave = 60;

    CMainFrame();
    ~CMainFrame() override;

    // ---- Services to the rest of the program ---------------------------------------------------
    HMENU BuildMainMenu() override;
    void SetAutosaveTimer() override;
    void SetStatusText(int pane, const CString &text) override;
    void ShowProgress() override;
    void SetProgressPos(int position) override;
    void SetProgressRange(int maximum) override;
    void ShowBar(int which, int show) override;
    void ShowFormatBar(int show) override;
    void OpenProject(int folderKind, int sample, const CString &folder, const CString &fileName) override;
    BOOL PreTranslateAppMessage(MSG *message) override;
    int RunSettingsDialog(int focusField) override;
    // 1 when an open proceeding of that name and kind of folder was activated.
    int ActivateOpenProject(const CString &fileName, int folderKind);

    // ---- Window list ---------------------------------------------------------------------------
    void ListWindows(CListCtrl &list);
    int ActivateWindowByTitle(const CString &title);
    int CloseWindowByTitle(const CString &title);

    // ---- Alarms and autosave -------------------------------------------------------------------
    void WczytajAlarm();
    void CheckAlarms(int year, int month, int day, int hour, int minute);
    void Autosave();
    const AlarmSchedule &Alarms() const { return m_alarms; }

    // ---- Database ------------------------------------------------------------------------------
    void UpdateMorvelankDatabase();
    void ImportAllMorvelank();

    // Called by the splash window as it goes: the start-up page, then the wizard.
    void ShowStartupPage();
    void NewProject();

    // Every open proceeding is asked to save; false when one was cancelled (nothing closed).
    bool AskToSaveProceedings();

    CStatusBar &StatusBar() { return m_wndStatusBar; }
    CProgressCtrl *ProgressControl() const { return m_pProgress; }
    CToolBar &MainToolBar() { return m_wndToolBar; }
    CToolBar &TreeToolBar() { return m_wndTreeBar; }
    CToolBar &FormatToolBar() { return m_wndFormatBar; }
    CToolBar &TreeToolsBar() { return m_wndTreeToolsBar; }
    int WordWrapMode = 2; // of the proceeding views: 0 none, 1 window, 2 printer

    BOOL DestroyWindow() override;
    BOOL PreCreateWindow(CREATESTRUCT &cs) override;
    BOOL OnCreateClient(LPCREATESTRUCT lpcs, CCreateContext *pContext) override;

protected:
    int OnCreate(LPCREATESTRUCT lpCreateStruct);
    void OnSize(UINT nType, int cx, int cy);
    void OnClose();
    void OnTimer(UINT_PTR nIDEvent);
    void OnToolbarDropDown(NMHDR *pNotifyStruct, LRESULT *pResult);

    // Commands (main_frame_commands.cpp).
    void OnNewProceeding();
    void OnSampleProceedings();
    void OnZpDocuments();
    void OnInterestingArticles();
    void OnRegisters();
    void OnOrderRegister();
    void OnCalculator();
    void OnOpenProceeding();
    void OnOpenFromArchive();
    void OnFindInCurrent();
    void OnFindInArchive();
    void OnComputeDeadline();
    void OnBackup();
    void OnScheduler();
    void OnCpv();
    void OnSummary();
    void RunWizardTool(int operation, const CNewProceedingWizard &wizard);
    void OpenAnnualReportForm();
    void OnSettings();
    void OnBuyerData();
    void OnWindowList();
    void OnTreeBar();
    void OnUpdateTreeBar(CCmdUI *pCmdUI);
    void OnShowMainBar();
    void OnShowTreeBar();
    void OnHelp();
    void OnLegalHelp();
    void OnKioRulings();
    void OnOffer();
    void OnCatalogue();
    void OnExit();
    void OnUpdateTemplateCommand(CCmdUI *pCmdUI);
    BOOL OnNewOtherDocument(UINT nID);
    BOOL OnOpenOtherDocument(UINT nID);

    DECLARE_MESSAGE_MAP()

private:
    void CreateBars();
    void BuildImageLists(CToolBar &bar, CImageList &normal, CImageList &disabled, UINT normalId, UINT disabledId,
                         COLORREF normalMask, COLORREF disabledMask);
    void ShowAlarm(const AlarmEntry &entry);
    void ShowHelp(const char *fileAndTopic);
    // A program of the installation folder: a clear message when it is missing.
    void StartInstalledProgram(const char *exeName, const char *arguments, const char *missingMessage);
    void TrackDropDownMenu(UINT menuId, const RECT &buttonRect);
    // The single-instance library window of a template: activated, or opened once.
    void ShowLibraryWindow(CMultiDocTemplate *docTemplate, CMDIChildWnd *&window);
    // A new window of another kind whose view opens the set of setKind at path (empty: a new
    // set); closed again when the set cannot be opened.
    void OpenOtherDocument(CMultiDocTemplate *docTemplate, CMDIChildWnd *&window, int setKind, const CString &path);
    // The views of open proceedings, archived ones included.
    template <typename Visit>
    bool ForEachProceedingView(Visit visit);

    int m_treeBarFlag = 0;
    AlarmSchedule m_alarms;
    bool m_showingAlarm = false;
    CIconMenu m_mainMenu;
    CProgressCtrl *m_pProgress = nullptr;
    CToolBar m_wndTreeBar;
    CToolBar m_wndFormatBar;
    CToolBar m_wndTreeToolsBar;
    int m_progressCreated = 0;
    CImageList m_treeNormal;
    CImageList m_treeDisabled;
    CImageList m_mainNormal;
    CImageList m_mainDisabled;
    CStatusBar m_wndStatusBar;
    CToolBar m_wndToolBar;
    CMdiClient m_wndMdiClient;
    bool m_mainBarShown = true; // commands 32975 / 32976 keep their own check marks
    bool m_treeBarShown = true;
};
