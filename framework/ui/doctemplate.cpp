#include "framework/ui/doctemplate.h"

#include "framework/core/module.h"
#include "framework/ui/document.h"
#include "framework/ui/framewnd.h"
#include "framework/ui/msgbox.h"
#include "framework/ui/view.h"

#include <vector>

IMPLEMENT_DYNAMIC(CDocTemplate, CCmdTarget)
IMPLEMENT_DYNAMIC(CMultiDocTemplate, CDocTemplate)

namespace {

bool HasResource(UINT nID, LPCWSTR type)
{
    return ::FindResourceW(AfxGetResourceHandle(), MAKEINTRESOURCEW(nID), type) != nullptr;
}

// The n-th '\n'-separated part of a document string.
CString SubString(const CString &text, int index)
{
    int start = 0;
    for (int i = 0; i < index; ++i) {
        start = text.Find('\n', start);
        if (start < 0)
            return CString();
        ++start;
    }
    int end = text.Find('\n', start);
    return end < 0 ? text.Mid(start) : text.Mid(start, end - start);
}

} // namespace

CDocTemplate::CDocTemplate(UINT nIDResource, CRuntimeClass *pDocClass, CRuntimeClass *pFrameClass,
                           CRuntimeClass *pViewClass)
    : m_nIDResource(nIDResource), m_pDocClass(pDocClass), m_pFrameClass(pFrameClass), m_pViewClass(pViewClass)
{
}

CDocTemplate::~CDocTemplate() = default;

void CDocTemplate::LoadTemplate()
{
    if (m_strDocStrings.IsEmpty() && HasResource(m_nIDResource / 16 + 1, (LPCWSTR)RT_STRING))
        m_strDocStrings.LoadString(m_nIDResource);
}

BOOL CDocTemplate::GetDocString(CString &rString, DocStringIndex index) const
{
    rString = SubString(m_strDocStrings, index);
    return !rString.IsEmpty();
}

void CDocTemplate::AddDocument(CDocument *pDoc)
{
    pDoc->m_pDocTemplate = this;
}

void CDocTemplate::RemoveDocument(CDocument *pDoc)
{
    if (pDoc->m_pDocTemplate == this)
        pDoc->m_pDocTemplate = nullptr;
}

CDocTemplate::Confidence CDocTemplate::MatchDocType(LPCTSTR lpszPathName, CDocument *&rpDocMatch)
{
    rpDocMatch = nullptr;
    CString path = lpszPathName;
    POSITION pos = GetFirstDocPosition();
    while (pos != nullptr) {
        CDocument *doc = GetNextDoc(pos);
        if (doc->GetPathName().CompareNoCase(path) == 0) {
            rpDocMatch = doc;
            return yesAlreadyOpen;
        }
    }
    CString extension;
    if (GetDocString(extension, filterExt) && path.GetLength() > extension.GetLength()
        && path.Right(extension.GetLength()).CompareNoCase(extension) == 0)
        return yesAttemptNative;
    return yesAttemptForeign;
}

CDocument *CDocTemplate::CreateNewDocument()
{
    if (m_pDocClass == nullptr)
        return nullptr;
    CObject *object = m_pDocClass->CreateObject();
    CDocument *doc = dynamic_cast<CDocument *>(object);
    if (doc == nullptr) {
        delete object;
        return nullptr;
    }
    AddDocument(doc);
    return doc;
}

CFrameWnd *CDocTemplate::CreateNewFrame(CDocument *pDoc, CFrameWnd *pOther)
{
    CCreateContext context;
    context.m_pCurrentFrame = pOther;
    context.m_pCurrentDoc = pDoc;
    context.m_pNewViewClass = m_pViewClass;
    context.m_pNewDocTemplate = this;
    if (m_pFrameClass == nullptr)
        return nullptr;
    CObject *object = m_pFrameClass->CreateObject();
    CFrameWnd *frame = dynamic_cast<CFrameWnd *>(object);
    if (frame == nullptr) {
        delete object;
        return nullptr;
    }
    // A frame that fails to load has already deleted itself with its window.
    if (!frame->LoadFrame(m_nIDResource, WS_OVERLAPPEDWINDOW | FWS_ADDTOTITLE, nullptr, &context))
        return nullptr;
    return frame;
}

void CDocTemplate::InitialUpdateFrame(CFrameWnd *pFrame, CDocument *pDoc, BOOL bMakeVisible)
{
    pFrame->InitialUpdateFrame(pDoc, bMakeVisible);
}

BOOL CDocTemplate::SaveAllModified()
{
    POSITION pos = GetFirstDocPosition();
    while (pos != nullptr) {
        if (!GetNextDoc(pos)->SaveModified())
            return FALSE;
    }
    return TRUE;
}

void CDocTemplate::CloseAllDocuments(BOOL)
{
    // Closing deletes the document and unlinks it: walk a copy of the list.
    std::vector<CDocument *> documents;
    POSITION pos = GetFirstDocPosition();
    while (pos != nullptr)
        documents.push_back(GetNextDoc(pos));
    for (CDocument *doc : documents)
        doc->OnCloseDocument();
}

// ---- CMultiDocTemplate ---------------------------------------------------------------------

CMultiDocTemplate::CMultiDocTemplate(UINT nIDResource, CRuntimeClass *pDocClass, CRuntimeClass *pFrameClass,
                                     CRuntimeClass *pViewClass)
    : CDocTemplate(nIDResource, pDocClass, pFrameClass, pViewClass)
{
}

CMultiDocTemplate::~CMultiDocTemplate()
{
    // Documents still open at exit are the template's to delete.
    while (!m_docList.IsEmpty()) {
        CDocument *doc = static_cast<CDocument *>(m_docList.GetHead());
        m_docList.RemoveHead();
        doc->m_pDocTemplate = nullptr;
        delete doc;
    }
    if (m_hMenuShared != nullptr)
        ::DestroyMenu(m_hMenuShared);
}

void CMultiDocTemplate::LoadTemplate()
{
    CDocTemplate::LoadTemplate();
    HINSTANCE module = AfxGetResourceHandle();
    if (m_hMenuShared == nullptr && HasResource(m_nIDResource, (LPCWSTR)RT_MENU))
        m_hMenuShared = ::LoadMenuW(module, MAKEINTRESOURCEW(m_nIDResource));
    if (m_hAccelTable == nullptr && HasResource(m_nIDResource, (LPCWSTR)RT_ACCELERATOR))
        m_hAccelTable = ::LoadAcceleratorsW(module, MAKEINTRESOURCEW(m_nIDResource));
}

CDocument *CMultiDocTemplate::GetNextDoc(POSITION &rPos) const
{
    return static_cast<CDocument *>(m_docList.GetNext(rPos));
}

void CMultiDocTemplate::AddDocument(CDocument *pDoc)
{
    CDocTemplate::AddDocument(pDoc);
    m_docList.AddTail(pDoc);
}

void CMultiDocTemplate::RemoveDocument(CDocument *pDoc)
{
    CDocTemplate::RemoveDocument(pDoc);
    POSITION found = m_docList.Find(pDoc);
    if (found != nullptr)
        m_docList.RemoveAt(found);
}

void CMultiDocTemplate::SetDefaultTitle(CDocument *pDocument)
{
    CString name;
    if (!GetDocString(name, docName))
        name = "Bez tytułu";
    CString title;
    title.Format("%s%d", name, m_nUntitledCount + 1);
    pDocument->SetTitle(title);
}

void CMultiDocTemplate::DiscardFrame(CFrameWnd *pFrame, CDocument *pDoc)
{
    // The last view going takes the document with it; a frame without views leaves it to us.
    pFrame->DestroyWindow();
    if (m_docList.Find(pDoc) != nullptr && pDoc->GetFirstViewPosition() == nullptr)
        delete pDoc;
}

CDocument *CMultiDocTemplate::OpenDocumentFile(LPCTSTR lpszPathName, BOOL bMakeVisible)
{
    CDocument *doc = CreateNewDocument();
    if (doc == nullptr) {
        AfxMessageBox("Nie udało się utworzyć dokumentu.", MB_OK | MB_ICONEXCLAMATION);
        return nullptr;
    }
    // The frame's views join the document; it must not vanish if one of them fails.
    BOOL autoDelete = doc->m_bAutoDelete;
    doc->m_bAutoDelete = FALSE;
    CFrameWnd *frame = CreateNewFrame(doc, nullptr);
    doc->m_bAutoDelete = autoDelete;
    if (frame == nullptr) {
        AfxMessageBox("Nie udało się utworzyć okna dokumentu.", MB_OK | MB_ICONEXCLAMATION);
        delete doc;
        return nullptr;
    }
    if (lpszPathName == nullptr) {
        SetDefaultTitle(doc);
        if (!doc->OnNewDocument()) {
            DiscardFrame(frame, doc);
            return nullptr;
        }
        ++m_nUntitledCount;
    } else {
        CWaitCursor wait;
        if (!doc->OnOpenDocument(lpszPathName)) {
            DiscardFrame(frame, doc);
            return nullptr;
        }
        doc->SetPathName(lpszPathName);
    }
    InitialUpdateFrame(frame, doc, bMakeVisible);
    return doc;
}
