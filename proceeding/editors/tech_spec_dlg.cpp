#include "proceeding/editors/tech_spec_dlg.h"

#include "model/file_utils.h"
#include "app/app_settings.h"
#include "framework/ui/ddx.h"
#include "framework/ui/msgmap.h"

BEGIN_MESSAGE_MAP(CSpecyfikacjaTechniczna, CDialog)
    ON_LBN_SELCHANGE(IDC_TECH_SPEC_HEADINGS, OnHeadingChange)
    ON_LBN_SELCHANGE(IDC_TECH_SPEC_DEFINITIONS, OnDefinitionChange)
    ON_BN_CLICKED(IDC_TECH_SPEC_ADD_HEADING, OnAddHeading)
    ON_BN_CLICKED(IDC_TECH_SPEC_ADD_DEFINITION, OnAddDefinition)
    ON_BN_CLICKED(IDC_TECH_SPEC_CLOSE, OnCloseWizard)
END_MESSAGE_MAP()

CSpecyfikacjaTechniczna::CSpecyfikacjaTechniczna(CWnd *pParent) : CDialog(IDD, pParent)
{
    // The dialog template names the rich edit's window class.
    CRichEditCtrl::LoadLibrary();
    if (const AppSettings *settings = GetProgramSettings())
        m_strMainPath = settings->MainPath;
}

void CSpecyfikacjaTechniczna::DoDataExchange(CDataExchange *pDX)
{
    CDialog::DoDataExchange(pDX);
    DDX_Control(pDX, IDC_TECH_SPEC_HEADINGS, m_headings);
    DDX_Control(pDX, IDC_TECH_SPEC_DEFINITIONS, m_definitionNames);
    DDX_Control(pDX, IDC_TECH_SPEC_TEXT, m_text);
    DDX_Radio(pDX, IDC_TECH_SPEC_AT_CARET, m_nPosition);
}

BOOL CSpecyfikacjaTechniczna::OnInitDialog()
{
    m_nPosition = 0;
    CDialog::OnInitDialog();
    // A missing file leaves the list empty.
    for (const CString &heading :
         ParseSpecificationHeadings(ReadFileToString(SpecificationHeadingsPath(m_strMainPath))))
        m_headings.AddString(heading);
    return TRUE;
}

void CSpecyfikacjaTechniczna::OnHeadingChange()
{
    const int selected = m_headings.GetCurSel();
    m_strHeading.Empty();
    if (selected >= 0)
        m_headings.GetText(selected, m_strHeading);
    // The definitions of the heading chosen before are no longer on offer, even when this one
    // has none.
    m_definitions.clear();
    m_definitionNames.ResetContent();
    m_text.SetWindowText("");
    if (selected < 0)
        return;
    const CString path = SpecificationDefinitionsPath(m_strMainPath, selected + 1);
    if (!FileExists(path))
        return;
    m_definitions = ParseSpecificationDefinitions(ReadFileToString(path));
    for (const DefinitionEntry &definition : m_definitions)
        m_definitionNames.AddString(definition.name);
}

void CSpecyfikacjaTechniczna::OnDefinitionChange()
{
    // The definition last clicked is the one shown.
    const int caret = static_cast<int>(m_definitionNames.SendMessage(LB_GETCARETINDEX));
    const bool shown =
        caret >= 0 && caret < static_cast<int>(m_definitions.size()) && m_definitionNames.GetSel(caret) > 0;
    m_text.SetWindowText(shown ? m_definitions[caret].text : CString());
}

int CSpecyfikacjaTechniczna::InsertPosition()
{
    UpdateData(TRUE);
    switch (m_nPosition) {
    case 1:
        return kAtDocumentStart;
    case 2:
        return kAtDocumentEnd;
    default:
        return kAtCaret;
    }
}

void CSpecyfikacjaTechniczna::Insert(const SpecificationInsertion &insertion)
{
    if (m_insertText)
        m_insertText(insertion.position, insertion.text, insertion.format);
}

void CSpecyfikacjaTechniczna::OnAddDefinition()
{
    std::vector<DefinitionEntry> chosen;
    for (int item = 0; item < m_definitionNames.GetCount() && item < static_cast<int>(m_definitions.size()); ++item)
        if (m_definitionNames.GetSel(item) > 0)
            chosen.push_back(m_definitions[item]);
    for (const SpecificationInsertion &insertion : DefinitionInsertions(InsertPosition(), chosen))
        Insert(insertion);
    m_definitionNames.SetSel(-1, FALSE);
}

void CSpecyfikacjaTechniczna::OnAddHeading()
{
    m_text.SetSel(0, -1);
    m_text.SendMessage(WM_COPY);
    if (m_strHeading.IsEmpty())
        return;
    Insert(HeadingInsertion(InsertPosition(), m_strHeading));
}

void CSpecyfikacjaTechniczna::OnCloseWizard()
{
    EndDialog(IDOK);
}
