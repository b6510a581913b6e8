// Runs a list dialog whose buttons open a one-field name dialog: each name dialog takes the next
// answer (a text typed into its field, then OK; nullptr cancels it) and records the text it
// showed first. Message boxes are recorded.
#pragma once

#include <gtest/gtest.h>

#include <deque>
#include <functional>
#include <string>
#include <vector>

#include "tests/support/dialog_driver.h"

template <class ListDialog>
struct NestedNameDialogs {
    explicit NestedNameDialogs(int nameField) : field(nameField) {}

    INT_PTR Run(ListDialog &dialog, const std::function<void(ListDialog &)> &script)
    {
        CTestHook hook;
        hook.onDialog = [&](CDialog &shown) {
            if (&shown == &dialog) {
                script(dialog);
                return;
            }
            CString prefilled;
            shown.GetDlgItemText(field, prefilled);
            prefills.push_back(std::string(prefilled));
            ASSERT_FALSE(answers.empty());
            const char *answer = answers.front();
            answers.pop_front();
            if (answer == nullptr)
                return;
            shown.SetDlgItemText(field, answer);
            DialogDriver::Press(shown, IDOK);
        };
        hook.onMessageBox = [this](const CString &text, const CString &caption, UINT type) {
            messages.push_back({text, caption, type});
            return IDOK;
        };
        CTestHookScope scope(hook);
        return dialog.DoModal();
    }

    int field;
    std::deque<const char *> answers;
    std::vector<std::string> prefills;
    std::vector<ShownMessage> messages;
};
