#include <gtest/gtest.h>

#include <string>
#include <vector>

#include "tests/support/dialog_driver.h"
#include "mainframe/wizard/wizard_dialog.h"
#include "res/wizard_ids.h"

namespace {

// A page that answers as told and records what the wizard asked of it.
class ScriptedPage : public CWizardPageBase {
public:
    ScriptedPage(UINT id, std::vector<std::string> &log) : CWizardPageBase(id), m_log(log) {}

    LRESULT next = 0;
    LRESULT back = 0;
    BOOL mayLeave = TRUE;
    BOOL mayCancel = TRUE;

    BOOL OnKillActive() override { return mayLeave; }
    void OnSetActive() override { m_log.push_back("show " + std::to_string(m_nResourceID)); }
    BOOL OnQueryCancel() override
    {
        m_log.push_back("cancel? " + std::to_string(m_nResourceID));
        return mayCancel;
    }
    LRESULT OnWizardBack() override { return back; }
    LRESULT OnWizardNext() override { return next; }
    BOOL OnWizardFinish() override
    {
        m_log.push_back("finish " + std::to_string(m_nResourceID));
        return TRUE;
    }

private:
    std::vector<std::string> &m_log;
};

// The container of the new-proceeding wizard holds the buttons; any child template is a page.
class Wizard : public ::testing::Test {
protected:
    Wizard() : m_wizard(IDD_KREATOR, nullptr) { m_wizard.SetPlaceholderID(IDC_KREATOR_PLACEHOLDER); }

    ScriptedPage &Add(UINT id)
    {
        m_pages.emplace_back(new ScriptedPage(id, m_log));
        m_wizard.AddPage(m_pages.back().get(), id);
        return *m_pages.back();
    }

    struct Buttons {
        bool back, next, finish;
    };
    Buttons State() const
    {
        CWnd &w = const_cast<CWizardDialog &>(m_wizard);
        return {DialogDriver::IsEnabled(w, IDC_WIZARD_BACK),
                DialogDriver::IsShown(w, IDC_WIZARD_NEXT) && DialogDriver::IsEnabled(w, IDC_WIZARD_NEXT),
                DialogDriver::IsShown(w, IDC_WIZARD_FINISH) && DialogDriver::IsEnabled(w, IDC_WIZARD_FINISH)};
    }
    UINT Active() const
    {
        CWizardPageBase *page = m_wizard.GetActivePage();
        return page ? page->m_nResourceID : 0;
    }

    CWizardDialog m_wizard;
    std::vector<std::unique_ptr<ScriptedPage>> m_pages;
    std::vector<std::string> m_log;
    DialogDriver m_driver;
};

TEST_F(Wizard, StartsOnTheFirstPageWithFinishOnlyForASinglePage)
{
    Add(IDD_WIZARD_REPORT);
    Buttons single{};
    m_driver.Run(m_wizard, [&](CDialog &) { single = State(); });
    EXPECT_FALSE(single.back);
    EXPECT_FALSE(single.next);
    EXPECT_TRUE(single.finish);

    CWizardDialog two(IDD_KREATOR, nullptr);
    two.SetPlaceholderID(IDC_KREATOR_PLACEHOLDER);
    ScriptedPage first(IDD_WIZARD_REPORT, m_log), second(IDD_WIZARD_REMEDIES, m_log);
    two.AddPage(&first, IDD_WIZARD_REPORT);
    two.AddPage(&second, IDD_WIZARD_REMEDIES);
    bool back = true, next = false, finish = true;
    m_driver.Run(two, [&](CDialog &d) {
        back = DialogDriver::IsEnabled(d, IDC_WIZARD_BACK);
        next = DialogDriver::IsShown(d, IDC_WIZARD_NEXT);
        finish = DialogDriver::IsShown(d, IDC_WIZARD_FINISH);
    });
    EXPECT_FALSE(back);
    EXPECT_TRUE(next);
    EXPECT_FALSE(finish);
}

TEST_F(Wizard, NextAndBackWalkTheListAndSwitchTheButtonsAtItsEnds)
{
    Add(IDD_WIZARD_REPORT);
    Add(IDD_WIZARD_REMEDIES);
    Add(IDD_WIZARD_CONTRACTS);
    std::vector<UINT> visited;
    Buttons onLast{}, backOnFirst{};
    m_driver.Run(m_wizard, [&](CDialog &d) {
        DialogDriver::Press(d, IDC_WIZARD_NEXT);
        visited.push_back(Active());
        DialogDriver::Press(d, IDC_WIZARD_NEXT);
        visited.push_back(Active());
        onLast = State();
        DialogDriver::Press(d, IDC_WIZARD_BACK);
        DialogDriver::Press(d, IDC_WIZARD_BACK);
        visited.push_back(Active());
        backOnFirst = State();
    });
    EXPECT_EQ(visited, (std::vector<UINT>{IDD_WIZARD_REMEDIES, IDD_WIZARD_CONTRACTS, IDD_WIZARD_REPORT}));
    EXPECT_TRUE(onLast.back);
    EXPECT_FALSE(onLast.next);
    EXPECT_TRUE(onLast.finish);
    EXPECT_FALSE(backOnFirst.back);
    EXPECT_TRUE(backOnFirst.next);
    EXPECT_FALSE(backOnFirst.finish);
}

TEST_F(Wizard, AJumpSkipsPagesAndBackFromThereGoesToTheListNeighbour)
{
    ScriptedPage &first = Add(IDD_WIZARD_REPORT);
    Add(IDD_WIZARD_REMEDIES);
    Add(IDD_WIZARD_CONTRACTS);
    Add(IDD_WIZARD_OPERATION);
    first.next = IDD_WIZARD_CONTRACTS;
    UINT jumped = 0, back = 0;
    m_driver.Run(m_wizard, [&](CDialog &d) {
        DialogDriver::Press(d, IDC_WIZARD_NEXT);
        jumped = Active();
        DialogDriver::Press(d, IDC_WIZARD_BACK);
        back = Active();
    });
    EXPECT_EQ(jumped, (UINT)IDD_WIZARD_CONTRACTS);
    EXPECT_EQ(back, (UINT)IDD_WIZARD_REMEDIES);
}

TEST_F(Wizard, StayUnknownTargetsAndARefusingPageKeepThePage)
{
    const struct {
        const char *name;
        LRESULT next;
        BOOL mayLeave;
    } cases[] = {{"stay", -1, TRUE}, {"unknown id", 4711, TRUE}, {"refuses to leave", 0, FALSE}};
    for (const auto &c : cases) {
        SCOPED_TRACE(c.name);
        CWizardDialog wizard(IDD_KREATOR, nullptr);
        wizard.SetPlaceholderID(IDC_KREATOR_PLACEHOLDER);
        ScriptedPage first(IDD_WIZARD_REPORT, m_log), second(IDD_WIZARD_REMEDIES, m_log);
        first.next = c.next;
        first.mayLeave = c.mayLeave;
        wizard.AddPage(&first, IDD_WIZARD_REPORT);
        wizard.AddPage(&second, IDD_WIZARD_REMEDIES);
        bool stayed = false;
        const INT_PTR result = m_driver.Run(wizard, [&](CDialog &d) {
            DialogDriver::Press(d, IDC_WIZARD_NEXT);
            stayed = wizard.GetActivePage() == &first;
            if (!c.mayLeave)
                DialogDriver::Press(d, IDC_WIZARD_FINISH);
        });
        EXPECT_TRUE(stayed);
        EXPECT_EQ(result, IDCANCEL);
    }
}

TEST_F(Wizard, FinishAndCancelAskOnlyThePagesThatWereShown)
{
    Add(IDD_WIZARD_REPORT);
    Add(IDD_WIZARD_REMEDIES);
    Add(IDD_WIZARD_CONTRACTS);
    const INT_PTR finished = m_driver.Run(m_wizard, [&](CDialog &d) {
        DialogDriver::Press(d, IDC_WIZARD_NEXT);
        DialogDriver::Press(d, IDC_WIZARD_FINISH);
    });
    EXPECT_EQ(finished, IDC_WIZARD_FINISH);
    EXPECT_EQ(m_log, (std::vector<std::string>{"show 360", "show 377", "finish 360", "finish 377"}));

    m_log.clear();
    CWizardDialog wizard(IDD_KREATOR, nullptr);
    wizard.SetPlaceholderID(IDC_KREATOR_PLACEHOLDER);
    ScriptedPage first(IDD_WIZARD_REPORT, m_log), second(IDD_WIZARD_REMEDIES, m_log);
    first.mayCancel = FALSE;
    wizard.AddPage(&first, IDD_WIZARD_REPORT);
    wizard.AddPage(&second, IDD_WIZARD_REMEDIES);
    bool stillOpen = false;
    const INT_PTR cancelled = m_driver.Run(wizard, [&](CDialog &d) {
        DialogDriver::Press(d, IDCANCEL);
        stillOpen = wizard.GetActivePage() == &first;
        first.mayCancel = TRUE;
        DialogDriver::Press(d, IDCANCEL);
    });
    EXPECT_TRUE(stillOpen);
    EXPECT_EQ(cancelled, IDCANCEL);
    EXPECT_EQ(m_log, (std::vector<std::string>{"show 360", "cancel? 360", "cancel? 360"}));
}

} // namespace
