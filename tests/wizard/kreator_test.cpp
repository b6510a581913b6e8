#include <gtest/gtest.h>

#include "tests/support/clipped_texts.h"

#include "tests/support/dialog_driver.h"
#include "mainframe/wizard/kreator_dlg.h"
#include "proceeding/editors/small_value_dialogs.h"
#include "res/wizard_ids.h"
#include "wizard_fixture.h"

namespace {

class Kreator : public WizardTest {
protected:
    // Runs the wizard; `answer` drives it (and any dialog it opens) and every message box is
    // recorded.
    INT_PTR Run(const std::function<void(CKreatorDlg &)> &answer,
                const std::function<void(CDialog &)> &nested = nullptr)
    {
        CTestHook hook;
        hook.onDialog = [&](CDialog &shown) {
            if (&shown == &m_run.m_wizard)
                answer(m_run.m_wizard);
            else if (nested)
                nested(shown);
        };
        hook.onMessageBox = [this](const CString &text, const CString &caption, UINT type) {
            m_messages.push_back({text, caption, type});
            return IDOK;
        };
        CTestHookScope scope(hook);
        return m_run.DoModal();
    }

    void Next() { DialogDriver::Press(m_run.m_wizard, IDC_WIZARD_NEXT); }
    void Back() { DialogDriver::Press(m_run.m_wizard, IDC_WIZARD_BACK); }
    UINT Active() const
    {
        CWizardPageBase *page = m_run.m_wizard.GetActivePage();
        return page ? page->m_nResourceID : 0;
    }
    void ChooseOperation(int radio)
    {
        m_run.m_page1.CheckRadioButton(IDC_OPERATION_OLD_FORMS, IDC_OPERATION_NEW, radio);
    }
    void ChooseMode(int radio) { m_run.m_page2.CheckRadioButton(IDC_MODE_FIRST, IDC_MODE_LAST, radio); }
    // From page 1 to page 4 with the given act and mode radio.
    void ToProjectPage(int operationRadio, int modeRadio)
    {
        ChooseOperation(operationRadio);
        Next();
        ChooseMode(modeRadio);
        Next();
        Next();
    }
    void Name(const char *name) { m_run.m_page4.SetDlgItemText(IDC_PROJECT_NAME, name); }
    CString StepTitle() const
    {
        CString text;
        m_run.m_wizard.m_stepTitle.GetWindowText(text);
        return text;
    }

    CNewProceedingWizard m_run;
    std::vector<ShownMessage> m_messages;
};

TEST_F(Kreator, NewProceedingRoadGivesTheCallerItsValuesAndCreatesTheFolder)
{
    std::vector<CString> titles;
    const INT_PTR result = Run([&](CKreatorDlg &) {
        titles.push_back(StepTitle());
        Next(); // "Nowe postępowanie" is the initial choice
        titles.push_back(StepTitle());
        ChooseMode(IDC_MODE_3); // "Tryb podstawowy bez negocjacji poniżej"
        Next();
        titles.push_back(StepTitle());
        Next();
        titles.push_back(StepTitle());
        Name("Remont szkoły");
        m_run.m_page4.CheckRadioButton(IDC_PROJECT_ONE_TASK, IDC_PROJECT_MANY_TASKS, IDC_PROJECT_MANY_TASKS);
        m_run.m_page4.SetDlgItemText(IDC_PROJECT_COUNT, "2");
        Next();
    });
    EXPECT_EQ(result, IDC_WIZARD_FINISH);
    EXPECT_TRUE(m_messages.empty());
    EXPECT_EQ(titles, (std::vector<CString>{"Krok 1  :: Wybór operacji", "Krok 2  :: Tryb postępowania",
                                            "Krok 3  :: Wartość postępowania", "Krok 4  :: Ustawienia projektu"}));
    EXPECT_EQ(m_run.m_page1.m_nOperation, kOperationNewProceeding);
    EXPECT_TRUE(m_run.m_wizard.m_bAct2019);
    EXPECT_EQ(m_run.m_wizard.m_nProcedureCode, 13);
    EXPECT_EQ(m_run.m_page3.m_bAboveThreshold, 0);
    EXPECT_EQ(m_run.m_page4.m_strName, "Remont szkoły");
    EXPECT_EQ(m_run.m_page4.m_nTaskCount, 2);
    EXPECT_EQ(m_run.m_page4.m_defaults.texts[2], "zamawiający 0");
    EXPECT_EQ(m_run.m_page4.m_defaults.texts[9], "zamawiający 7");
    EXPECT_EQ(m_run.m_page4.m_defaults.texts[11], "zamawiający 8");
    EXPECT_NE(GetFileAttributesA(m_folder + "\\Remont szkoły"), INVALID_FILE_ATTRIBUTES);
}

TEST_F(Kreator, StartMenuOffersWhatTheProgramCarriesOutAndAsksForAChoice)
{
    bool enabled[kOperationCount] = {};
    const int radios[kOperationCount] = {IDC_OPERATION_OLD_FORMS, IDC_OPERATION_NEW,           IDC_OPERATION_OPEN,
                                         IDC_OPERATION_ARCHIVE,   IDC_OPERATION_FORMS_LIBRARY, IDC_OPERATION_CONTRACTS,
                                         IDC_OPERATION_REGISTERS, IDC_OPERATION_REPORT,        IDC_OPERATION_REMEDIES};
    UINT afterNext = 0;
    Run([&](CKreatorDlg &) {
        for (int i = 0; i < kOperationCount; ++i)
            enabled[i] = DialogDriver::IsEnabled(m_run.m_page1, radios[i]);
        m_run.m_page1.CheckRadioButton(IDC_OPERATION_OLD_FORMS, IDC_OPERATION_NEW, 0);
        Next();
        afterNext = Active();
    });
    for (int i = 0; i < kOperationCount; ++i)
        EXPECT_TRUE(enabled[i]) << i;
    EXPECT_EQ(afterNext, (UINT)IDD_WIZARD_OPERATION);
    ASSERT_EQ(m_messages.size(), 1u);
    EXPECT_EQ(m_messages[0].text, "Proszę wybrać operację.");
    EXPECT_EQ(m_messages[0].caption, "Informacja");
}

TEST_F(Kreator, ToolOperationsEndTheWizardOrJumpToTheirPage)
{
    const struct {
        int radio;
        UINT page; // 0: the wizard ends at once
    } cases[] = {
        {IDC_OPERATION_OPEN, 0},
        {IDC_OPERATION_REGISTERS, 0},
        {IDC_OPERATION_CONTRACTS, IDD_WIZARD_CONTRACTS},
        {IDC_OPERATION_REPORT, IDD_WIZARD_REPORT},
        {IDC_OPERATION_REMEDIES, IDD_WIZARD_REMEDIES},
    };
    for (const auto &c : cases) {
        SCOPED_TRACE(c.radio);
        CNewProceedingWizard run;
        run.m_wizard.m_nEnabledOperations = ~0u;
        CTestHook hook;
        UINT shown = 0, backTo = 0;
        bool finishShown = false;
        hook.onDialog = [&](CDialog &) {
            run.m_page1.CheckRadioButton(IDC_OPERATION_OLD_FORMS, IDC_OPERATION_NEW, c.radio);
            DialogDriver::Press(run.m_wizard, IDC_WIZARD_NEXT);
            if (c.page == 0)
                return;
            shown = run.m_wizard.GetActivePage()->m_nResourceID;
            finishShown = DialogDriver::IsShown(run.m_wizard, IDC_WIZARD_FINISH);
            DialogDriver::Press(run.m_wizard, IDC_WIZARD_BACK);
            backTo = run.m_wizard.GetActivePage()->m_nResourceID;
            DialogDriver::Press(run.m_wizard, IDC_WIZARD_NEXT);
            run.m_wizard.GetActivePage()->CheckRadioButton(c.page == IDD_WIZARD_CONTRACTS ? 1153 : 1158, 1203,
                                                           c.page == IDD_WIZARD_REPORT      ? 1159
                                                           : c.page == IDD_WIZARD_CONTRACTS ? 1154
                                                                                            : 1203);
            DialogDriver::Press(run.m_wizard, IDC_WIZARD_FINISH);
        };
        CTestHookScope scope(hook);
        EXPECT_EQ(run.DoModal(), IDC_WIZARD_FINISH);
        EXPECT_FALSE(run.m_page2.m_bCreated);
        if (c.page != 0) {
            EXPECT_EQ(shown, c.page);
            EXPECT_TRUE(finishShown);
            EXPECT_EQ(backTo, (UINT)IDD_WIZARD_OPERATION);
        }
        if (c.page == IDD_WIZARD_CONTRACTS) {
            EXPECT_EQ(run.m_page7.m_nChoice, 1);
        }
        if (c.page == IDD_WIZARD_REMEDIES) {
            EXPECT_EQ(run.m_page6.m_nChoice, 1);
        }
        if (c.page == IDD_WIZARD_REPORT) {
            EXPECT_EQ(run.m_page5.m_nChoice, 0);
        }
    }
}

TEST_F(Kreator, ContractsOf2006AreOfferedOnlyWithTheirDataFile)
{
    m_app.MainPath = m_folder; // a program folder with or without the contracts' data file
    for (bool present : {false, true}) {
        SCOPED_TRACE(present);
        if (present) {
            CreateDirectoryA(m_folder + "\\umowy", nullptr);
            CloseHandle(
                CreateFileA(m_folder + "\\umowy\\umowy.dat", GENERIC_WRITE, 0, nullptr, CREATE_ALWAYS, 0, nullptr));
        }
        CNewProceedingWizard run;
        run.m_wizard.m_nEnabledOperations = ~0u;
        CTestHook hook;
        bool enabled = !present;
        hook.onDialog = [&](CDialog &) {
            run.m_page1.CheckRadioButton(IDC_OPERATION_OLD_FORMS, IDC_OPERATION_NEW, IDC_OPERATION_CONTRACTS);
            DialogDriver::Press(run.m_wizard, IDC_WIZARD_NEXT);
            enabled = DialogDriver::IsEnabled(run.m_page7, IDC_CONTRACTS_OPEN_2006);
        };
        CTestHookScope scope(hook);
        run.DoModal();
        EXPECT_EQ(enabled, present);
    }
}

TEST_F(Kreator, ModePageCaptionsAndCodesFollowTheAct)
{
    const struct {
        int operation;
        int radio;
        const char *caption;
        int code;
        bool newRadiosShown;
    } cases[] = {
        {IDC_OPERATION_NEW, IDC_MODE_9, "Negocjacje z ogłoszeniem", 12, true},
        {IDC_OPERATION_NEW, IDC_MODE_LAST, "Procedura powodziowa - bez stosowania ustawy", 23, true},
        {IDC_OPERATION_NEW, IDC_MODE_7, "Procedura poniżej 130.000", 17, true},
        {IDC_OPERATION_OLD_FORMS, IDC_MODE_9, "Partnerstwo innowacyjne", 8, false},
        {IDC_OPERATION_OLD_FORMS, IDC_MODE_12, "Usługi społeczne", 11, false},
    };
    for (const auto &c : cases) {
        SCOPED_TRACE(c.caption);
        CNewProceedingWizard run;
        CTestHook hook;
        CString caption;
        bool shown = !c.newRadiosShown;
        hook.onDialog = [&](CDialog &) {
            run.m_page1.CheckRadioButton(IDC_OPERATION_OLD_FORMS, IDC_OPERATION_NEW, c.operation);
            DialogDriver::Press(run.m_wizard, IDC_WIZARD_NEXT);
            run.m_page2.GetDlgItemText(c.radio, caption);
            shown =
                DialogDriver::IsShown(run.m_page2, IDC_MODE_13) && DialogDriver::IsShown(run.m_page2, IDC_MODE_LAST);
            run.m_page2.CheckRadioButton(IDC_MODE_FIRST, IDC_MODE_LAST, c.radio);
            DialogDriver::Press(run.m_wizard, IDC_WIZARD_NEXT);
        };
        CTestHookScope scope(hook);
        run.DoModal();
        EXPECT_EQ(caption, c.caption);
        EXPECT_EQ(shown, c.newRadiosShown);
        EXPECT_EQ(run.m_page2.m_nProcedureCode, c.code);
        EXPECT_EQ(run.m_wizard.m_nProcedureCode, c.code);
    }
}

TEST_F(Kreator, ValuePageOffersTheBandsOfTheProcedure)
{
    static const char kEu2026[] = "progów unijnych (roboty budowlane 23 291 240 zł,\ndostawy i usługi 930 960 zł)";
    const struct {
        int operation;
        int modeRadio;
        int chosenBand;
        bool belowEnabled, aboveEnabled;
        int band;
        const char *threshold; // nullptr: hidden
    } cases[] = {
        {IDC_OPERATION_NEW, IDC_MODE_FIRST, 0, false, true, 1, kEu2026},                     // code 0
        {IDC_OPERATION_NEW, IDC_MODE_4, 1, true, false, 0, kEu2026},                         // 14
        {IDC_OPERATION_NEW, IDC_MODE_6, 1, true, true, 0, kEu2026},                          // 16
        {IDC_OPERATION_NEW, IDC_MODE_12, 1, true, true, 1, nullptr},                         // 21 keeps
        {IDC_OPERATION_NEW, IDC_MODE_11, 0, true, true, 0, nullptr},                         // 20 keeps
        {IDC_OPERATION_NEW, IDC_MODE_13, 1, true, true, 1, nullptr},                         // 22 keeps
        {IDC_OPERATION_NEW, IDC_MODE_10, 0, false, true, 1, nullptr},                        // 19
        {IDC_OPERATION_OLD_FORMS, IDC_MODE_12, 1, true, false, 0, "poniżej progów 750.000"}, // 11
        {IDC_OPERATION_OLD_FORMS, IDC_MODE_6, 1, true, false, 0, nullptr},                   // 5
        {IDC_OPERATION_OLD_FORMS, IDC_MODE_FIRST, 1, true, true, 1, "progów ustalonych na podst.art.11 ust.8"}, // 0
    };
    for (const auto &c : cases) {
        SCOPED_TRACE(c.modeRadio + (c.operation == IDC_OPERATION_NEW ? 2019 * 10000 : 2004 * 10000));
        CNewProceedingWizard run;
        CTestHook hook;
        bool below = false, above = false, thresholdShown = false;
        std::string clipped;
        CString threshold;
        hook.onDialog = [&](CDialog &) {
            run.m_page1.CheckRadioButton(IDC_OPERATION_OLD_FORMS, IDC_OPERATION_NEW, c.operation);
            DialogDriver::Press(run.m_wizard, IDC_WIZARD_NEXT);
            run.m_page2.CheckRadioButton(IDC_MODE_FIRST, IDC_MODE_LAST, c.modeRadio);
            DialogDriver::Press(run.m_wizard, IDC_WIZARD_NEXT);
            // The user's band, then the page shown again from page 2.
            run.m_page3.CheckRadioButton(IDC_VALUE_BELOW, IDC_VALUE_ABOVE,
                                         c.chosenBand ? IDC_VALUE_ABOVE : IDC_VALUE_BELOW);
            // Page 2 of the 2019 act starts again from its first mode: choose it again.
            DialogDriver::Press(run.m_wizard, IDC_WIZARD_BACK);
            run.m_page2.CheckRadioButton(IDC_MODE_FIRST, IDC_MODE_LAST, c.modeRadio);
            DialogDriver::Press(run.m_wizard, IDC_WIZARD_NEXT);
            below = DialogDriver::IsEnabled(run.m_page3, IDC_VALUE_BELOW);
            above = DialogDriver::IsEnabled(run.m_page3, IDC_VALUE_ABOVE);
            thresholdShown = DialogDriver::IsShown(run.m_page3, IDC_VALUE_THRESHOLD);
            run.m_page3.GetDlgItemText(IDC_VALUE_THRESHOLD, threshold);
            clipped = clipped_texts::ClippedTexts(run.m_page3.m_hWnd);
            DialogDriver::Press(run.m_wizard, IDC_WIZARD_NEXT);
        };
        CTestHookScope scope(hook);
        run.DoModal();
        EXPECT_EQ(below, c.belowEnabled);
        EXPECT_EQ(above, c.aboveEnabled);
        EXPECT_EQ(run.m_page3.m_nValueBand, c.band);
        EXPECT_EQ(run.m_page3.m_bAboveThreshold, c.band);
        EXPECT_EQ(thresholdShown, c.threshold != nullptr);
        EXPECT_EQ(clipped, "");
        if (c.threshold != nullptr) {
            EXPECT_EQ(threshold, c.threshold);
        }
    }
}

TEST_F(Kreator, ProjectPageRefusesBadNamesAndTaskCountsAndStaysOpen)
{
    CreateDirectoryA(m_folder + "\\Istniejące", nullptr);
    const struct {
        const char *name;
        const char *count; // nullptr: one task
        const char *message;
    } cases[] = {
        {"", nullptr, "Proszę wprowadzić nazwę postępowania."},
        {"Istniejące", nullptr, "Katalog o nazwie: Istniejące już istnieje. Proszę wybrać inną nazwę postępowania."},
        {"Zadanie", "1", "Liczba zadań w układzie wielozadaniowym nie może być mniejsza niż 2."},
        {"Zadanie", "100", "Liczba zadań w układzie wielozadaniowym nie może być większa niż 99."},
        {"..\\poza", nullptr, "Nazwa postępowania nie może zawierać znaków \\ / : * ? \" < > |."},
        {"a/b", nullptr, "Nazwa postępowania nie może zawierać znaków \\ / : * ? \" < > |."},
        {"a..b", nullptr, "Nazwa postępowania nie może zawierać dwóch kropek obok siebie."},
        {"zadanie.", nullptr, "Nazwa postępowania nie może kończyć się kropką ani spacją."},
        {"nul.txt", nullptr, "Nazwa postępowania nie może być nazwą urządzenia systemu."},
    };
    for (const auto &c : cases) {
        SCOPED_TRACE(c.name);
        CNewProceedingWizard run;
        CTestHook hook;
        UINT stayedOn = 0;
        std::vector<CString> messages;
        hook.onMessageBox = [&](const CString &text, const CString &, UINT) {
            messages.push_back(text);
            return IDOK;
        };
        hook.onDialog = [&](CDialog &) {
            DialogDriver::Press(run.m_wizard, IDC_WIZARD_NEXT);
            DialogDriver::Press(run.m_wizard, IDC_WIZARD_NEXT);
            DialogDriver::Press(run.m_wizard, IDC_WIZARD_NEXT);
            run.m_page4.SetDlgItemText(IDC_PROJECT_NAME, c.name);
            if (c.count != nullptr) {
                run.m_page4.CheckRadioButton(IDC_PROJECT_ONE_TASK, IDC_PROJECT_MANY_TASKS, IDC_PROJECT_MANY_TASKS);
                run.m_page4.SetDlgItemText(IDC_PROJECT_COUNT, c.count);
            }
            DialogDriver::Press(run.m_wizard, IDC_WIZARD_NEXT);
            stayedOn = run.m_wizard.GetActivePage()->m_nResourceID;
        };
        CTestHookScope scope(hook);
        EXPECT_EQ(run.DoModal(), IDCANCEL);
        EXPECT_EQ(stayedOn, (UINT)IDD_WIZARD_PROJECT);
        ASSERT_EQ(messages.size(), 1u);
        EXPECT_EQ(messages[0], c.message);
    }
    EXPECT_EQ(GetFileAttributesA(m_folder + "\\Zadanie"), INVALID_FILE_ATTRIBUTES);
    EXPECT_EQ(GetFileAttributesA(m_folder + "\\poza"), INVALID_FILE_ATTRIBUTES);
}

TEST_F(Kreator, TaskCountsAtTheBoundsPassAndUndividableModesHaveOneTask)
{
    const struct {
        int operation;
        int modeRadio;
        const char *count;
        int taskCount;
        bool layoutShown;
    } cases[] = {
        {IDC_OPERATION_NEW, IDC_MODE_FIRST, "2", 2, true},
        {IDC_OPERATION_NEW, IDC_MODE_FIRST, "99", 99, true},
        {IDC_OPERATION_OLD_FORMS, IDC_MODE_5, "5", -1, false}, // 2004 "Zamówienie z wolnej ręki", code 4
        {IDC_OPERATION_NEW, IDC_MODE_5, "5", -1, false},       // code 15
    };
    int serial = 0;
    for (const auto &c : cases) {
        SCOPED_TRACE(c.count);
        CNewProceedingWizard run;
        CTestHook hook;
        bool shown = !c.layoutShown;
        hook.onMessageBox = [](const CString &, const CString &, UINT) { return IDOK; };
        hook.onDialog = [&](CDialog &) {
            run.m_page1.CheckRadioButton(IDC_OPERATION_OLD_FORMS, IDC_OPERATION_NEW, c.operation);
            DialogDriver::Press(run.m_wizard, IDC_WIZARD_NEXT);
            run.m_page2.CheckRadioButton(IDC_MODE_FIRST, IDC_MODE_LAST, c.modeRadio);
            DialogDriver::Press(run.m_wizard, IDC_WIZARD_NEXT);
            DialogDriver::Press(run.m_wizard, IDC_WIZARD_NEXT);
            shown = DialogDriver::IsShown(run.m_page4, IDC_PROJECT_MANY_TASKS);
            CString name;
            name.Format("Zadania %d", ++serial);
            run.m_page4.SetDlgItemText(IDC_PROJECT_NAME, name);
            if (shown) {
                run.m_page4.CheckRadioButton(IDC_PROJECT_ONE_TASK, IDC_PROJECT_MANY_TASKS, IDC_PROJECT_MANY_TASKS);
                run.m_page4.SetDlgItemText(IDC_PROJECT_COUNT, c.count);
            }
            DialogDriver::Press(run.m_wizard, IDC_WIZARD_NEXT);
        };
        CTestHookScope scope(hook);
        EXPECT_EQ(run.DoModal(), IDC_WIZARD_FINISH);
        EXPECT_EQ(shown, c.layoutShown);
        EXPECT_EQ(run.m_page4.m_nTaskCount, c.taskCount);
    }
}

TEST_F(Kreator, DefaultValuesDialogEditsTheDefaultsButBuyerDataComeBackOnReturn)
{
    CString afterDialog2, afterDialog0, afterReturn2, afterReturn0;
    CString offeredName;
    Run(
        [&](CKreatorDlg &) {
            Next();
            Next();
            Next();
            DialogDriver::Press(m_run.m_page4, IDC_PROJECT_DEFAULTS);
            afterDialog0 = m_run.m_page4.m_defaults.texts[0];
            afterDialog2 = m_run.m_page4.m_defaults.texts[2];
            Back();
            Next();
            afterReturn0 = m_run.m_page4.m_defaults.texts[0];
            afterReturn2 = m_run.m_page4.m_defaults.texts[2];
        },
        [&](CDialog &nested) {
            auto *defaults = dynamic_cast<CWartosciDomyslneDlg *>(&nested);
            ASSERT_NE(defaults, nullptr);
            nested.GetDlgItemText(1172, offeredName);
            nested.SetDlgItemText(1170, "ZP.271.1.2025");
            nested.SetDlgItemText(1172, "Inna nazwa");
            DialogDriver::Press(nested, IDOK);
        });
    EXPECT_EQ(offeredName, "zamawiający 0");
    EXPECT_EQ(afterDialog0, "ZP.271.1.2025");
    EXPECT_EQ(afterDialog2, "Inna nazwa");
    EXPECT_EQ(afterReturn0, "ZP.271.1.2025");
    EXPECT_EQ(afterReturn2, "zamawiający 0");
}

TEST_F(Kreator, CancelEndsWithoutCreatingAnything)
{
    const INT_PTR result = Run([&](CKreatorDlg &) {
        ToProjectPage(IDC_OPERATION_NEW, IDC_MODE_FIRST);
        Name("Anulowane");
        DialogDriver::Press(m_run.m_wizard, IDCANCEL);
    });
    EXPECT_EQ(result, IDCANCEL);
    EXPECT_EQ(GetFileAttributesA(m_folder + "\\Anulowane"), INVALID_FILE_ATTRIBUTES);
}

} // namespace
