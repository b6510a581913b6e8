#include "proceeding/editors/text_editor_dlg.h"

#include <algorithm>
#include <cstdlib>
#include <initializer_list>

#include "document/view/outside_commands.h"
#include "framework/core/module.h"
#include "framework/shell/html_help.h"
#include "framework/ui/ddx.h"
#include "framework/ui/msgmap.h"
#include "proceeding/editors/cpv_dlg.h"
#include "proceeding/editors/definition_list_dlg.h"
#include "res/editors_ids.h"

namespace {

// Lower case, blanks at both ends removed.
CString NormalizedName(const CString &name)
{
    CString normalized = name;
    normalized.MakeLower();
    normalized.Trim(' ');
    return normalized;
}

bool IsOneOf(const CString &name, std::initializer_list<const char *> names)
{
    const CString normalized = NormalizedName(name);
    for (const char *candidate : names) {
        if (normalized == candidate)
            return true;
    }
    return false;
}

void MoveButton(CWnd *button, int x, int y)
{
    button->SetWindowPos(nullptr, x, y, 0, 0, SWP_NOSIZE | SWP_NOZORDER | SWP_NOACTIVATE);
}

int WidthOf(CWnd *window)
{
    CRect rect;
    window->GetWindowRect(&rect);
    return rect.Width();
}

} // namespace

CString PrepareTextEditorValue(const CString &value)
{
    CString text = value;
    text.Replace("\r", "\r\n");
    text.Replace("\r\n\n", "\r\n");
    int end = text.GetLength();
    while (end > 0 && text[end - 1] == '.')
        --end;
    return text.Left(end);
}

int NextItemNumber(const CString &text)
{
    // Longer runs of digits are no item number (and would not fit an int).
    const int maxDigits = 9;
    CString rest = text;
    for (int paren = rest.ReverseFind(')'); paren >= 0; paren = rest.ReverseFind(')')) {
        rest = rest.Left(paren);
        const int lineStart = std::max(rest.ReverseFind('\n'), rest.ReverseFind('\r')) + 1;
        const CString number = rest.Mid(lineStart);
        if (!number.IsEmpty() && number.GetLength() <= maxDigits && number.SpanIncluding("0123456789") == number)
            return atoi(number) + 1;
    }
    return 1;
}

bool CTextEditorDlg::IsCpvVariable(const CString &name)
{
    return IsOneOf(name,
                   {"kod cpv", "kod ze wspólnego słownika zamówień", "nazwy i kody z wspólnego słownika zamówień"});
}

bool CTextEditorDlg::IsContractDefinitionVariable(const CString &name)
{
    return IsOneOf(name, {"definicje umów", "definicje umow", "definicje umowy"});
}

bool CTextEditorDlg::IsContractScopeVariable(const CString &name)
{
    return IsOneOf(name, {"zakres usług świadczonych przez wykonawcę"});
}

BEGIN_MESSAGE_MAP(CTextEditorDlg, CDialog)
    ON_WM_SIZE()
    ON_BN_CLICKED(IDC_EDITOR_DICTIONARY, OnDictionaryButton)
    ON_BN_CLICKED(IDC_TEXT_EDITOR_LEGAL_HELP, OnLegalHelp)
    ON_COMMAND(ID_TEXT_EDITOR_EXIT, OnOK)
    ON_COMMAND(ID_TEXT_EDITOR_COPY, OnCopy)
    ON_COMMAND(ID_TEXT_EDITOR_CUT, OnCut)
    ON_COMMAND(ID_TEXT_EDITOR_PASTE, OnPaste)
END_MESSAGE_MAP()

CTextEditorDlg::CTextEditorDlg(CWnd *pParent) : CDialog(IDD_TEXT_EDITOR, pParent)
{
    // The dialog template names the rich edit's window class.
    CRichEditCtrl::LoadLibrary();
}

void CTextEditorDlg::DoDataExchange(CDataExchange *pDX)
{
    CDialog::DoDataExchange(pDX);
    DDX_Control(pDX, IDC_EDITOR_VALUE, m_richEdit);
    DDX_Control(pDX, IDC_EDITOR_DICTIONARY, m_dictionaryButton);
}

BOOL CTextEditorDlg::OnInitDialog()
{
    CDialog::OnInitDialog();
    SetWindowText("Edytor - " + m_strVariableName);
    SetIcon((HICON)::LoadImageW(AfxGetResourceHandle(), MAKEINTRESOURCEW(IDI_EDITOR), IMAGE_ICON, 16, 16, 0), FALSE);

    m_dictionaryButton.EnableWindow(FALSE);
    if (IsCpvVariable(m_strVariableName)) {
        m_dictionaryButton.EnableWindow(TRUE);
    } else if (IsContractDefinitionVariable(m_strVariableName)) {
        m_dictionaryButton.EnableWindow(TRUE);
        m_dictionaryButton.SetWindowText("Pobierz definicję");
    } else if (IsContractScopeVariable(m_strVariableName)) {
        m_dictionaryButton.EnableWindow(TRUE);
        m_dictionaryButton.SetWindowText("Przykład zakresu umowy");
    }

    m_richEdit.SetTextEx(PrepareTextEditorValue(m_strValue));
    // Counted once the value is in: the delta is the lines the user added.
    m_nStartLineCount = m_richEdit.GetLineCount();

    // Offsets count a line end as one character, as the control and the document do.
    int offset = m_nClickOffset < 0 ? 0 : m_nClickOffset;
    if (m_nKeyChar > 0) {
        const char typed[2] = {(char)m_nKeyChar, '\0'};
        const int length = m_richEdit.GetTextEx().GetLength();
        if (offset < length) {
            m_richEdit.SetSel(offset, offset);
            ++offset;
        } else {
            m_richEdit.SetSel(length, length);
        }
        m_richEdit.ReplaceSel(typed);
    }
    m_richEdit.SetSel(offset, offset);
    m_richEdit.SetFocus();

    if (m_nWindowWidth > 0) {
        CRect client;
        GetClientRect(&client);
        ClientToScreen(&client);
        client.bottom = client.top + client.Height() + 50;
        client.right = client.left + m_nWindowWidth;
        MoveWindow(&client);
    }

    GetDlgItem(IDC_TEXT_EDITOR_LEGAL_HELP)->EnableWindow(!LegalHelpCommand().IsEmpty());
    if (m_nPropagationIndex >= 0) {
        GetDlgItem(IDC_TEXT_EDITOR_PROPAGATE)->ShowWindow(SW_SHOW);
        GetDlgItem(IDC_TEXT_EDITOR_LEGAL_HELP)->ShowWindow(SW_HIDE);
        m_dictionaryButton.ShowWindow(SW_HIDE);
    }
    // The focus is on the rich edit already.
    return FALSE;
}

void CTextEditorDlg::OnSize(UINT nType, int cx, int cy)
{
    CDialog::OnSize(nType, cx, cy);
    if (m_richEdit.GetSafeHwnd() != nullptr)
        RecalcLayout(cx, cy);
}

void CTextEditorDlg::RecalcLayout(int cx, int cy)
{
    CRect edit;
    m_richEdit.GetWindowRect(&edit);
    ScreenToClient(&edit);
    m_richEdit.MoveWindow(edit.left, edit.top, cx - 2 - edit.left, cy - 31 - edit.top);

    const int top = cy - 25;
    MoveButton(GetDlgItem(IDOK), cx - 160, top);
    MoveButton(GetDlgItem(IDCANCEL), cx - 80, top);
    CWnd *legalHelp = GetDlgItem(IDC_TEXT_EDITOR_LEGAL_HELP);
    MoveButton(legalHelp, edit.left + 2, top);
    MoveButton(&m_dictionaryButton, edit.left + 2 + WidthOf(legalHelp) + 4, top);
    // The check box stands where the two buttons it replaces stood.
    MoveButton(GetDlgItem(IDC_TEXT_EDITOR_PROPAGATE), edit.left + 2, top + 2);
    Invalidate();
}

void CTextEditorDlg::OnDictionaryButton()
{
    if (IsCpvVariable(m_strVariableName))
        InsertCpvCode();
    else if (IsContractDefinitionVariable(m_strVariableName))
        InsertDefinition(kDefinitionsMode);
    else if (IsContractScopeVariable(m_strVariableName))
        InsertDefinition(kContractScopesMode);
    else
        return;
    m_richEdit.SetFocus();
    if (!m_strHelpTopic.IsEmpty())
        HtmlHelp(nullptr, m_strHelpFolder + "\\prawo.chm::/" + m_strHelpTopic + ".html", HH_DISPLAY_TOC, 0);
}

CString CTextEditorDlg::LegalHelpCommand() const
{
    if (m_nLegalTopic < 0 || m_strLegalHelpProgram.IsEmpty())
        return CString();
    return LegalHelpCommandLine(m_strLegalHelpProgram, m_nLegalTopic);
}

void CTextEditorDlg::OnLegalHelp()
{
    const CString command = LegalHelpCommand();
    if (!command.IsEmpty())
        StartCommandLine(command);
    m_richEdit.SetFocus();
}

void CTextEditorDlg::InsertCpvCode()
{
    CCPVDlg dialog(this);
    // "Zamknij" ends with IDOK and no code: the selection must not be replaced by nothing.
    if (dialog.DoModal() == IDOK && !dialog.m_strResult.IsEmpty())
        m_richEdit.ReplaceSel(dialog.m_strResult);
}

void CTextEditorDlg::InsertDefinition(int mode)
{
    CDefinitionListDlg dialog(this);
    dialog.m_nMode = mode;
    if (dialog.DoModal() != IDOK)
        return;
    long start = 0, caret = 0;
    m_richEdit.GetSel(start, caret);
    CString text;
    if (mode == kDefinitionsMode && dialog.m_nAddNumber) {
        // A numbered definition goes to the end of the text, after the last numbered one.
        const CString current = m_richEdit.GetTextEx();
        text.Format("\r\n%d) %s", NextItemNumber(current), (LPCSTR)dialog.m_strChosenText);
        m_richEdit.SetSel(current.GetLength(), current.GetLength());
    } else {
        text = "\r\n" + dialog.m_strChosenText;
        m_richEdit.SetSel(caret, caret);
    }
    m_richEdit.ReplaceSel(text);
    m_richEdit.SetSel(caret, caret);
}

void CTextEditorDlg::OnOK()
{
    // The control ends paragraphs with "\r"; the caller gets the editor's "\r\n".
    CString text = m_richEdit.GetTextEx();
    text.Replace("\r", "\r\n");
    m_strValue = text;
    m_nLineCountDelta = m_richEdit.GetLineCount() - m_nStartLineCount;
    UpdateData(TRUE);
    EndDialog(IDOK);
}

void CTextEditorDlg::OnCopy()
{
    m_richEdit.Copy();
}

void CTextEditorDlg::OnCut()
{
    m_richEdit.Cut();
}

void CTextEditorDlg::OnPaste()
{
    m_richEdit.Paste();
}
