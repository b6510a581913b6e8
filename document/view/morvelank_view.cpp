#include "document/view/morvelank_view.h"

#include <algorithm>
#include <utility>

#include "document/view/morvelank_doc.h"
#include "document/engine/value_rendering.h"
#include "res/document_ids.h"
#include "res/mainframe_ids.h"
#include "res/proceeding_ids.h"
#include "model/view_tables.h"

IMPLEMENT_DYNCREATE(CMorvelankView, CRichEditView)

namespace {

const CSize kA4(11906, 16838);
const CRect kFirstMargins(720, 1420, 720, 1420);

} // namespace

BEGIN_MESSAGE_MAP(CMorvelankView, CRichEditView)
    ON_COMMAND(ID_FILE_PRINT, OnFilePrint)
    ON_COMMAND(ID_FILE_PRINT_PREVIEW, OnFilePrintPreview)
    ON_COMMAND(ID_DRUKUJ_WSZYSTKO, PrintProceeding)
    ON_COMMAND(ID_EKSPORT_RTF, ExportRtf)
    ON_COMMAND(ID_EKSPORT_DOC, Eksportuj)
    ON_COMMAND(ID_EKSPORT_HTML, EksportujHTML)
    ON_WM_LBUTTONDBLCLK()
    ON_WM_CHAR()
    ON_COMMAND(ID_EDYCJA, OnEditVariable)
    ON_UPDATE_COMMAND_UI(ID_EDYCJA, OnUpdateEditVariable)
    ON_WM_SETCURSOR()
    ON_CONTROL_REFLECT(EN_VSCROLL, OnScrolled)
    ON_CONTROL_REFLECT(EN_HSCROLL, OnScrolled)
    ON_NOTIFY_REFLECT(EN_LINK, OnLinkNotify)
    ON_COMMAND(ID_KOPIUJ, CopySelection)
    ON_COMMAND(ID_ZAZNACZ_WSZYSTKO, SelectAllText)
    ON_COMMAND(ID_KOPIUJ_WSZYSTKO, CopyAll)
    ON_COMMAND(ID_ZNAJDZ, FindText)
    ON_COMMAND(ID_ZNAJDZ_NASTEPNE, FindNext)
    ON_WM_RBUTTONUP()
    ON_WM_CONTEXTMENU()
    ON_COMMAND(ID_WSTAW_PODZIAL_STRONY, OnInsertPageBreak)
    ON_COMMAND(ID_USUN_PODZIAL_STRONY, OnRemovePageBreak)
    ON_UPDATE_COMMAND_UI(ID_WSTAW_PODZIAL_STRONY, OnUpdatePageBreakInsert)
    ON_UPDATE_COMMAND_UI(ID_USUN_PODZIAL_STRONY, OnUpdatePageBreakRemove)
    ON_COMMAND(ID_EDYCJA_SZABLONU, StartTemplateEditor)
    ON_UPDATE_COMMAND_UI(ID_EDYCJA_SZABLONU, OnUpdateEditTemplate)
    ON_COMMAND(ID_KOLOR_TEKSTU, OnTextColor)
    ON_COMMAND_RANGE(ID_POGRUBIENIE, ID_DO_PRAWEJ, OnFormatCommand)
    ON_UPDATE_COMMAND_UI_RANGE(ID_POGRUBIENIE, ID_DO_PRAWEJ, OnUpdateFormatCommand)
    ON_COMMAND(ID_POMOC_PRAWNA_TEMATU, OnLegalHelp)
    ON_UPDATE_COMMAND_UI(ID_POMOC_PRAWNA_TEMATU, OnUpdateLegalHelp)
END_MESSAGE_MAP()

CMorvelankView::CMorvelankView() = default;

int CMorvelankView::GetVariableCount() const
{
    return m_proceeding.m_tables->GetVariableCount();
}

int CMorvelankView::GetFirstVariableIndex() const
{
    return m_proceeding.m_tables->GetFirstVariableIndex();
}

const OccurrenceBlock *CMorvelankView::Occurrences(int document) const
{
    return static_cast<const OccurrenceTable &>(m_proceeding.m_tables->m_occurrences).Block(document);
}

int CMorvelankView::GetLastHeadingSlot() const
{
    return m_proceeding.m_tables->m_nLastHeadingSlot;
}

CMorvelankView::~CMorvelankView() = default;

CMorvelankDoc *CMorvelankView::GetDocument() const
{
    return dynamic_cast<CMorvelankDoc *>(m_pDocument);
}

BOOL CMorvelankView::PreCreateWindow(CREATESTRUCT &cs)
{
    cs.style |= WS_VSCROLL | WS_HSCROLL | ES_MULTILINE | ES_AUTOVSCROLL | ES_AUTOHSCROLL;
    const BOOL created = CRichEditView::PreCreateWindow(cs);
    cs.style |= ES_SELECTIONBAR;
    return created;
}

void CMorvelankView::OnInitialUpdate()
{
    CRichEditView::OnInitialUpdate();
    m_engine = std::make_unique<TemplateEngine>(m_hWnd, *m_proceeding.m_tables, *this);
    m_proceeding.m_nProcedureCode = 0;
    m_proceeding.m_tables->m_nParts = -1;
    m_proceeding.m_tables->m_partFlags[0] = 1;
    if (!m_hint.GetSafeHwnd())
        m_hint.Create(CHintWnd::IDD, this);
    SetMargins(kFirstMargins);
    SetPaperSize(kA4);
    m_nWordWrap = WrapToTargetDevice;
    WrapChanged();
    m_proceeding.m_nProcedureCode = -1;
    m_proceeding.m_bModified = 0;

    m_proceeding.m_tables->ResetVariables();
    CRichEditCtrl &control = GetRichEditCtrl();
    control.SetEventMask(control.GetEventMask() | ENM_SCROLL);
    control.SetOptions(ECOOP_SET, ECO_AUTOVSCROLL | ECO_AUTOHSCROLL | ECO_WANTRETURN);
    control.SetReadOnly(TRUE);
    RECT format;
    SendMessage(EM_GETRECT, 0, reinterpret_cast<LPARAM>(&format));
    format.top += 10;
    format.left += 15;
    SendMessage(EM_SETRECT, 0, reinterpret_cast<LPARAM>(&format));
}

void CMorvelankView::ShowDocument(int index, int part)
{
    if (!m_engine)
        return;
    m_engine->ShowDocument(index, part);
    AdoptTemplatePage();
}

void CMorvelankView::AdoptTemplatePage()
{
    const int document = GetCurrentDocument();
    if (document < 0)
        return;
    const RichTextPageSetup setup = m_engine->ShownPageSetup();
    CSize paper(setup.paperWidth > 0 ? setup.paperWidth : kA4.cx, setup.paperHeight > 0 ? setup.paperHeight : kA4.cy);
    if (setup.landscape && paper.cx < paper.cy)
        std::swap(paper.cx, paper.cy);
    const auto stated = [](int margin, int first) { return margin >= 0 ? margin : first; };
    const CRect margins(stated(setup.marginLeft, kFirstMargins.left), stated(setup.marginTop, kFirstMargins.top),
                        stated(setup.marginRight, kFirstMargins.right),
                        stated(setup.marginBottom, kFirstMargins.bottom));
    if (document == m_nPageDocument && paper == m_templatePaper && margins == m_templateMargins)
        return;
    m_nPageDocument = document;
    m_templatePaper = paper;
    m_templateMargins = margins;
    if (paper == GetPaperSize() && margins == GetMargins())
        return;
    SetPaperSize(paper);
    SetMargins(margins);
    WrapChanged();
}

const DocumentSlot *CMorvelankView::Slot(int n) const
{
    return n >= 0 && n < kDocumentSlots ? &m_proceeding.m_tables->m_documents[n] : nullptr;
}

DocumentList CMorvelankView::GetDocuments() const
{
    const int count = m_proceeding.m_tables->m_nDocumentCount;
    return DocumentList{m_proceeding.m_tables->m_documents, count < 0 ? 0 : std::min(count, kDocumentSlots)};
}

int CMorvelankView::GetDocumentState(int n) const
{
    const DocumentSlot *slot = Slot(n < 0 ? GetCurrentDocument() : n);
    return slot ? slot->state : -1;
}

int CMorvelankView::IsPartDocument(int n) const
{
    return m_engine ? m_engine->IsPartDocument(n < 0 ? GetCurrentDocument() : n) : 0;
}

CString CMorvelankView::GetDocumentName(int n) const
{
    const DocumentSlot *slot = Slot(n);
    return slot ? slot->fileName : CString();
}

int CMorvelankView::FindDocument(const CString &name) const
{
    for (int n = 0; n < m_proceeding.m_tables->m_nDocumentCount && n < kDocumentSlots; ++n)
        if (m_proceeding.m_tables->m_documents[n].fileName == name)
            return n;
    return -1;
}

int CMorvelankView::IsDocumentUsed(int n) const
{
    const DocumentSlot *slot = Slot(n);
    return slot ? slot->secured : 0;
}

int CMorvelankView::IsSiwz(int n) const
{
    const DocumentSlot *slot = Slot(n);
    return slot && IsSiwzName(slot->displayName) ? 1 : 0;
}

int CMorvelankView::CaptureEditableText()
{
    if (GetDocumentState(-1) != kStateEditable)
        return 0;
    // The user's text keeps the page it is shown on.
    const std::string rtf = RichEditText(m_hWnd).StreamOutRtf().GetString();
    m_proceeding.m_files.m_strEditableText =
        WithDocumentWords(rtf, PageSetupWords(GetPaperSize(), GetMargins())).c_str();
    return 1;
}

CString CMorvelankView::ReadDocumentTemplate(int document)
{
    return DocumentFiles(*m_proceeding.m_tables, m_proceeding.m_project, m_proceeding.m_files)
        .ReadDocumentTemplate(document);
}
