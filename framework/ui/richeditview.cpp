#include "framework/ui/richeditview.h"

#include "framework/core/archive.h"
#include "framework/core/exceptions.h"

#include <algorithm>

IMPLEMENT_SERIAL(CRichEditCntrItem, CObject, 0)
IMPLEMENT_DYNCREATE(CRichEditView, CCtrlView)
IMPLEMENT_DYNAMIC(CRichEditDoc, CDocument)

BEGIN_MESSAGE_MAP(CRichEditView, CCtrlView)
    ON_WM_CREATE()
    ON_WM_SIZE()
    ON_CONTROL_REFLECT(EN_CHANGE, OnEditChange)
END_MESSAGE_MAP()

namespace {

DWORD CALLBACK ReadFromArchive(DWORD_PTR cookie, LPBYTE buffer, LONG wanted, LONG *got)
{
    try {
        *got = (LONG) reinterpret_cast<CArchive *>(cookie)->Read(buffer, (UINT)wanted);
    } catch (CException *e) {
        e->Delete();
        *got = 0;
        return 1; // the control stops and reports the error
    }
    return 0;
}

DWORD CALLBACK WriteToArchive(DWORD_PTR cookie, LPBYTE buffer, LONG count, LONG *written)
{
    try {
        reinterpret_cast<CArchive *>(cookie)->Write(buffer, (UINT)count);
        *written = count;
    } catch (CException *e) {
        e->Delete();
        *written = 0;
        return 1;
    }
    return 0;
}

} // namespace

// ---- CRichEditCntrItem ---------------------------------------------------------------------

CRichEditCntrItem::CRichEditCntrItem(REOBJECT *, CRichEditDoc *pContainer) : m_pDocument(pContainer)
{
    if (m_pDocument != nullptr)
        m_pDocument->m_items.push_back(this);
}

CRichEditCntrItem::~CRichEditCntrItem()
{
    if (m_pDocument == nullptr)
        return;
    std::vector<CRichEditCntrItem *> &items = m_pDocument->m_items;
    items.erase(std::remove(items.begin(), items.end(), this), items.end());
}

// ---- CRichEditView -------------------------------------------------------------------------

CRichEditView::CRichEditView()
    : CCtrlView("RICHEDIT50W", AFX_WS_DEFAULT_VIEW | WS_HSCROLL | WS_VSCROLL | ES_AUTOHSCROLL | ES_AUTOVSCROLL
                                   | ES_MULTILINE | ES_NOHIDESEL)
{
}

BOOL CRichEditView::PreCreateWindow(CREATESTRUCT &cs)
{
    if (!CRichEditCtrl::LoadLibrary())
        return FALSE;
    return CCtrlView::PreCreateWindow(cs);
}

int CRichEditView::OnCreate(LPCREATESTRUCT lpCreateStruct)
{
    if (CCtrlView::OnCreate(lpCreateStruct) == -1)
        return -1;
    GetRichEditCtrl().SetEventMask(GetRichEditCtrl().GetEventMask() | ENM_CHANGE | ENM_SELCHANGE);
    // Wine's control starts from the bold system font: text that states no weight would be bold.
    CHARFORMAT2A regular = {};
    regular.cbSize = sizeof regular;
    regular.dwMask = CFM_BOLD | CFM_ITALIC | CFM_UNDERLINE;
    GetRichEditCtrl().SetDefaultCharFormat(regular);
    return 0;
}

CRichEditDoc *CRichEditView::GetDocument() const
{
    return dynamic_cast<CRichEditDoc *>(m_pDocument);
}

void CRichEditView::OnInitialUpdate()
{
    CCtrlView::OnInitialUpdate();
    WrapChanged();
}

void CRichEditView::WrapChanged()
{
    CRichEditCtrl &control = GetRichEditCtrl();
    switch (m_nWordWrap) {
    case WrapNone:
        control.SetTargetDevice(nullptr, 1);
        break;
    case WrapToWindow:
        control.SetTargetDevice(nullptr, 0);
        break;
    default: {
        HDC screen = ::GetDC(nullptr);
        control.SetTargetDevice(screen, GetPrintWidth());
        ::ReleaseDC(nullptr, screen);
        break;
    }
    }
}

void CRichEditView::OnSize(UINT nType, int cx, int cy)
{
    CCtrlView::OnSize(nType, cx, cy);
}

void CRichEditView::OnEditChange()
{
    if (m_pDocument != nullptr)
        m_pDocument->SetModifiedFlag(TRUE);
}

void CRichEditView::Stream(CArchive &ar, BOOL bSelection)
{
    CRichEditDoc *doc = GetDocument();
    int format = (doc == nullptr || doc->m_bRTF) ? SF_RTF : SF_TEXT;
    if (bSelection)
        format |= SFF_SELECTION;
    EDITSTREAM stream{};
    stream.dwCookie = (DWORD_PTR)&ar;
    if (ar.IsStoring()) {
        stream.pfnCallback = WriteToArchive;
        GetRichEditCtrl().StreamOut(format, stream);
    } else {
        stream.pfnCallback = ReadFromArchive;
        GetRichEditCtrl().StreamIn(format, stream);
    }
    if (stream.dwError != 0)
        AfxThrowArchiveException(CArchiveException::genericException);
}

void CRichEditView::Serialize(CArchive &ar)
{
    Stream(ar, FALSE);
}

void CRichEditView::DeleteContents()
{
    GetRichEditCtrl().SetTextEx("");
    GetRichEditCtrl().EmptyUndoBuffer();
    GetRichEditCtrl().SetModify(FALSE);
}

CHARFORMAT2A &CRichEditView::GetCharFormatSelection()
{
    m_charFormat = CHARFORMAT2A{};
    m_charFormat.cbSize = sizeof m_charFormat;
    GetRichEditCtrl().GetSelectionCharFormat(m_charFormat);
    return m_charFormat;
}

void CRichEditView::SetCharFormat(CHARFORMAT2A cf)
{
    cf.cbSize = sizeof cf;
    GetRichEditCtrl().SetSelectionCharFormat(cf);
}

void CRichEditView::OnCharEffect(DWORD dwMask, DWORD dwEffect)
{
    CHARFORMAT2A &current = GetCharFormatSelection();
    CHARFORMAT2A change{};
    change.cbSize = sizeof change;
    change.dwMask = dwMask;
    // Mixed or off across the selection turns it on; on everywhere turns it off.
    bool allOn = (current.dwMask & dwMask) && (current.dwEffects & dwEffect);
    change.dwEffects = allOn ? 0 : dwEffect;
    SetCharFormat(change);
}

void CRichEditView::OnUpdateCharEffect(CCmdUI *pCmdUI, DWORD dwMask, DWORD dwEffect)
{
    CHARFORMAT2A &current = GetCharFormatSelection();
    pCmdUI->SetCheck(!(current.dwMask & dwMask) ? 2 : ((current.dwEffects & dwEffect) ? 1 : 0));
}

void CRichEditView::OnParaAlign(WORD wAlign)
{
    PARAFORMAT2 format{};
    format.cbSize = sizeof format;
    format.dwMask = PFM_ALIGNMENT;
    format.wAlignment = wAlign;
    GetRichEditCtrl().SetParaFormat(format);
}

void CRichEditView::OnUpdateParaAlign(CCmdUI *pCmdUI, WORD wAlign)
{
    PARAFORMAT2 format{};
    format.cbSize = sizeof format;
    GetRichEditCtrl().GetParaFormat(format);
    pCmdUI->SetCheck((format.dwMask & PFM_ALIGNMENT) ? (format.wAlignment == wAlign ? 1 : 0) : 2);
}

// ---- CRichEditDoc --------------------------------------------------------------------------

CRichEditDoc::~CRichEditDoc()
{
    while (!m_items.empty())
        delete m_items.back();
}

CRichEditView *CRichEditDoc::GetView() const
{
    POSITION pos = GetFirstViewPosition();
    while (pos != nullptr) {
        CRichEditView *view = dynamic_cast<CRichEditView *>(GetNextView(pos));
        if (view != nullptr)
            return view;
    }
    return nullptr;
}

CRichEditCntrItem *CRichEditDoc::CreateClientItem(REOBJECT *preo)
{
    return new CRichEditCntrItem(preo, this);
}

void CRichEditDoc::Serialize(CArchive &ar)
{
    CRichEditView *view = GetView();
    if (view != nullptr)
        view->Serialize(ar);
}

void CRichEditDoc::DeleteContents()
{
    while (!m_items.empty())
        delete m_items.back();
    CRichEditView *view = GetView();
    if (view != nullptr && view->m_hWnd != nullptr)
        view->DeleteContents();
    CDocument::DeleteContents();
}
