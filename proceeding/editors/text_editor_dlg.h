// The editor of a text variable: a rich edit with the value, "&Zapisz" and "&Anuluj". The view
// stores line ends as "\r"; the editor hands the text back with "\r\n".
#pragma once

#include "framework/ui/controls.h"
#include "framework/ui/dialog.h"
#include "framework/ui/richedit.h"

// The value as the editor opens it: line ends made "\r\n" and trailing full stops removed
// (an empty value is shown in the document as a row of full stops).
CString PrepareTextEditorValue(const CString &value);

// The number of the next item of a numbered list in the text: one more than the digits that
// stand alone between a line start and the last ")" after them; 1 when there are none.
int NextItemNumber(const CString &text);

class CTextEditorDlg : public CDialog {
public:
    explicit CTextEditorDlg(CWnd *pParent = nullptr);

    CString m_strHelpFolder;
    CString m_strHelpTopic;        // the variable's comment text, a page of the help file
    int m_nLegalTopic = -1;        // topic of the legal help program; -1 leaves "Pomoc prawna" disabled
    CString m_strLegalHelpProgram; // the legal help program; empty when it is not installed
    CString m_strVariableName;
    CString m_strValue;           // in and out
    int m_nKeyChar = 0;           // typed on the variable; 0 or less: none
    int m_nClickOffset = 0;       // caret offset inside the variable's text
    int m_nWindowWidth = 0;       // 0 keeps the resource size
    int m_nPropagationIndex = -1; // 0 or more shows the propagation check box
    int m_nLineCountDelta = 0;    // lines at "&Zapisz" minus lines at the start

    CRichEditCtrl m_richEdit;
    CButton m_dictionaryButton;

    static bool IsCpvVariable(const CString &name);
    static bool IsContractDefinitionVariable(const CString &name);
    static bool IsContractScopeVariable(const CString &name);

    // What "Pomoc prawna" starts: the legal help program on the topic; "" when there is none.
    CString LegalHelpCommand() const;

    BOOL OnInitDialog() override;
    void DoDataExchange(CDataExchange *pDX) override;
    void OnOK() override;

protected:
    void OnSize(UINT nType, int cx, int cy);
    void OnDictionaryButton();
    void OnLegalHelp();
    void OnCopy();
    void OnCut();
    void OnPaste();
    DECLARE_MESSAGE_MAP()

private:
    void RecalcLayout(int cx, int cy);
    void InsertCpvCode();
    void InsertDefinition(int mode);

    int m_nStartLineCount = 0;
};
