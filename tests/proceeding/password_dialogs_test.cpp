#include <gtest/gtest.h>

#include <string>

#include "dialog_test_support.h"
#include "model/data_file.h"
#include "proceeding/dialogs/password_dialogs.h"

namespace {

const CString kTooLongForDialog(std::string(kMaxDialogPassword + 1, 'x').c_str());
const CString kLongestStored(std::string(kMaxPasswordLength, 'p').c_str());

struct PromptCase {
    const char *name;
    CString stored;
    CString typed;
    INT_PTR result;
    const char *message; // "" none
};

TEST(PasswordPrompt, AcceptsOnlyTheStoredPassword)
{
    const PromptCase cases[] = {
        {"nothing stored takes any entry", "", "cokolwiek", IDOK, ""},
        {"exact entry", "Tajne1", "Tajne1", IDOK, ""},
        {"case counts", "Tajne1", "tajne1", IDCANCEL, "Błędne hasło"},
        {"empty entry for a stored password", "Tajne1", "", IDCANCEL, "Błędne hasło"},
        {"longest stored password can be typed", kLongestStored, kLongestStored, IDOK, ""},
    };
    for (const PromptCase &c : cases) {
        SCOPED_TRACE(c.name);
        CPasswordPromptDlg dialog;
        dialog.m_strStoredPassword = c.stored;
        const DialogRun run = RunDialog(dialog, [&](CDialog &d) {
            d.SetDlgItemText(IDC_PASSWORD, c.typed);
            PressOk(d);
        });
        EXPECT_EQ(run.result, c.result);
        EXPECT_STREQ(run.FirstMessage(), c.message);
        if (*c.message) {
            EXPECT_STREQ(run.messages.front().caption, "Błąd autoryzacji");
        } else {
            EXPECT_STREQ(dialog.m_strPassword, c.typed);
        }
    }
}

TEST(PasswordPrompt, EntryLongerThanAnyStoredPasswordIsRefusedWithAMessage)
{
    CPasswordPromptDlg dialog;
    dialog.m_strStoredPassword = kLongestStored;
    const DialogRun run = RunDialog(dialog, [&](CDialog &d) {
        d.SetDlgItemText(IDC_PASSWORD, kLongestStored + "p");
        PressOk(d);
    });
    EXPECT_EQ(run.result, IDCANCEL);
    ASSERT_EQ(run.messages.size(), 1u);
    EXPECT_NE(run.messages[0].text.Find("299"), -1) << (LPCSTR)run.messages[0].text;
}

struct ProtectCase {
    const char *name;
    bool untick;
    CString password;
    CString repeat;
    INT_PTR result;
    const char *message;
    const char *chosen;
};

TEST(ProtectDocument, ChecksTheRepetitionBeforeTheEmptyPassword)
{
    const ProtectCase cases[] = {
        {"matching passwords", false, "abc", "abc", IDOK, "", "abc"},
        {"both empty", false, "", "", IDCANCEL, "Pole 'Hasło' musi być wypełnione", ""},
        {"one empty", false, "", "abc", IDCANCEL, "Podane hasła nie są identyczne", ""},
        {"differing", false, "abc", "abd", IDCANCEL, "Podane hasła nie są identyczne", ""},
        {"unticked clears both", true, "abc", "xyz", IDOK, "", ""},
    };
    for (const ProtectCase &c : cases) {
        SCOPED_TRACE(c.name);
        CProtectDocumentDlg dialog;
        const DialogRun run = RunDialog(dialog, [&](CDialog &d) {
            d.SetDlgItemText(IDC_PASSWORD, c.password);
            d.SetDlgItemText(IDC_PASSWORD_REPEAT, c.repeat);
            if (c.untick) {
                d.CheckDlgButton(IDC_PROTECT_DOCUMENT, BST_UNCHECKED);
                Click(d, IDC_PROTECT_DOCUMENT);
            }
            PressOk(d);
        });
        EXPECT_EQ(run.result, c.result);
        EXPECT_STREQ(run.FirstMessage(), c.message);
        if (*c.message) {
            EXPECT_EQ(run.messages.front().type & MB_ICONMASK, static_cast<UINT>(MB_ICONWARNING));
        }
        if (c.result == IDOK) {
            EXPECT_STREQ(dialog.m_strPassword, c.chosen);
            EXPECT_EQ(dialog.m_nProtect, c.untick ? 0 : 1);
        }
    }
}

TEST(ProtectDocument, TickStartsSetAndEnablesTheEditsOnlyWhileSet)
{
    CProtectDocumentDlg dialog;
    std::vector<bool> enabled;
    RunDialog(dialog, [&](CDialog &d) {
        EXPECT_EQ(d.IsDlgButtonChecked(IDC_PROTECT_DOCUMENT), static_cast<UINT>(BST_CHECKED));
        enabled.push_back(::IsWindowEnabled(d.GetDlgItem(IDC_PASSWORD)->m_hWnd));
        d.CheckDlgButton(IDC_PROTECT_DOCUMENT, BST_UNCHECKED);
        Click(d, IDC_PROTECT_DOCUMENT);
        enabled.push_back(::IsWindowEnabled(d.GetDlgItem(IDC_PASSWORD)->m_hWnd));
        enabled.push_back(::IsWindowEnabled(d.GetDlgItem(IDC_PASSWORD_REPEAT)->m_hWnd));
        d.CheckDlgButton(IDC_PROTECT_DOCUMENT, BST_CHECKED);
        Click(d, IDC_PROTECT_DOCUMENT);
        enabled.push_back(::IsWindowEnabled(d.GetDlgItem(IDC_PASSWORD_REPEAT)->m_hWnd));
    });
    EXPECT_EQ(enabled, (std::vector<bool>{true, false, false, true}));
}

TEST(ProtectDocument, PasswordOverTheLimitIsRefusedAtEntryNeverCut)
{
    CProtectDocumentDlg dialog;
    const DialogRun run = RunDialog(dialog, [&](CDialog &d) {
        EXPECT_EQ(d.SendDlgItemMessage(IDC_PASSWORD, EM_GETLIMITTEXT), kMaxDialogPassword);
        d.SetDlgItemText(IDC_PASSWORD, kTooLongForDialog);
        d.SetDlgItemText(IDC_PASSWORD_REPEAT, kTooLongForDialog);
        PressOk(d);
    });
    EXPECT_EQ(run.result, IDCANCEL);
    ASSERT_EQ(run.messages.size(), 1u);
    EXPECT_NE(run.messages[0].text.Find("10"), -1) << (LPCSTR)run.messages[0].text;
}

struct ChangeCase {
    const char *name;
    CString stored;
    CString old;
    CString fresh;
    CString repeat;
    INT_PTR result;
    const char *message;
};

TEST(ChangePassword, OldPasswordFirstThenTheRepetition)
{
    const CString longStored(std::string(40, 's').c_str());
    const ChangeCase cases[] = {
        {"wrong old password", "stare", "Stare", "nowe", "nowe", IDCANCEL, "Podane hasło stare jest nieprawidłowe"},
        {"wrong old and differing new", "stare", "x", "a", "b", IDCANCEL, "Podane hasło stare jest nieprawidłowe"},
        {"differing new", "stare", "stare", "nowe", "nowa", IDCANCEL, "Podane hasła nie są identyczne"},
        {"new password", "stare", "stare", "nowe", "nowe", IDOK, ""},
        {"empty new removes protection", "stare", "stare", "", "", IDOK, ""},
        {"no stored password", "", "", "nowe", "nowe", IDOK, ""},
        {"stored password longer than a new one may be", longStored, longStored, "nowe", "nowe", IDOK, ""},
    };
    for (const ChangeCase &c : cases) {
        SCOPED_TRACE(c.name);
        CChangePasswordDlg dialog;
        dialog.m_strStoredPassword = c.stored;
        const DialogRun run = RunDialog(dialog, [&](CDialog &d) {
            d.SetDlgItemText(IDC_OLD_PASSWORD, c.old);
            d.SetDlgItemText(IDC_PASSWORD, c.fresh);
            d.SetDlgItemText(IDC_PASSWORD_REPEAT, c.repeat);
            PressOk(d);
        });
        EXPECT_EQ(run.result, c.result);
        EXPECT_STREQ(run.FirstMessage(), c.message);
        if (c.result == IDOK) {
            EXPECT_STREQ(dialog.m_strNewPassword, c.fresh);
        }
    }
}

TEST(ChangePassword, NewPasswordOverTheLimitIsRefusedWithAMessage)
{
    CChangePasswordDlg dialog;
    dialog.m_strStoredPassword = "stare";
    const DialogRun run = RunDialog(dialog, [&](CDialog &d) {
        d.SetDlgItemText(IDC_OLD_PASSWORD, "stare");
        d.SetDlgItemText(IDC_PASSWORD, kTooLongForDialog);
        d.SetDlgItemText(IDC_PASSWORD_REPEAT, kTooLongForDialog);
        PressOk(d);
    });
    EXPECT_EQ(run.result, IDCANCEL);
    EXPECT_EQ(run.messages.size(), 1u);
}

} // namespace
