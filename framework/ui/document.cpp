#include "framework/ui/document.h"

#include "framework/core/archive.h"
#include "framework/core/codepage.h"
#include "framework/core/exceptions.h"
#include "framework/core/file.h"
#include "framework/core/temp_file_save.h"
#include "framework/ui/commondlg.h"
#include "framework/ui/doctemplate.h"
#include "framework/ui/framewnd.h"
#include "framework/ui/msgbox.h"
#include "framework/ui/view.h"
#include "framework/ui/winapp.h"

#include <algorithm>

IMPLEMENT_DYNAMIC(CDocument, CCmdTarget)

BEGIN_MESSAGE_MAP(CDocument, CCmdTarget)
    ON_COMMAND(ID_FILE_CLOSE, OnFileClose)
    ON_COMMAND(ID_FILE_SAVE, OnFileSave)
    ON_COMMAND(ID_FILE_SAVE_AS, OnFileSaveAs)
END_MESSAGE_MAP()

namespace {

CString FileNameOf(const CString &path)
{
    return path.Mid(path.ReverseFind('\\') + 1);
}

} // namespace

CDocument::~CDocument()
{
    if (m_pDocTemplate != nullptr)
        m_pDocTemplate->RemoveDocument(this);
    // Views outliving their document must not reach back into it.
    POSITION pos = m_viewList.GetHeadPosition();
    while (pos != nullptr)
        static_cast<CView *>(m_viewList.GetNext(pos))->m_pDocument = nullptr;
}

void CDocument::SetTitle(LPCTSTR lpszTitle)
{
    m_strTitle = lpszTitle ? lpszTitle : "";
    UpdateFrameCounts();
}

void CDocument::SetPathName(LPCTSTR lpszPathName, BOOL bAddToMRU)
{
    std::wstring wide = Cp1250ToWide(lpszPathName ? lpszPathName : "");
    wchar_t full[MAX_PATH * 2] = L"";
    DWORD length = ::GetFullPathNameW(wide.c_str(), MAX_PATH * 2, full, nullptr);
    m_strPathName = length > 0 && length < MAX_PATH * 2 ? WideToCp1250(full) : CString(lpszPathName);
    SetTitle(FileNameOf(m_strPathName));
    CWinApp *app = AfxGetApp();
    if (bAddToMRU && app != nullptr)
        app->AddToRecentFileList(m_strPathName);
}

// ---- Views -------------------------------------------------------------------------------------

void CDocument::AddView(CView *pView)
{
    if (pView == nullptr || m_viewList.Find(pView) != nullptr)
        return;
    m_viewList.AddTail(pView);
    pView->m_pDocument = this;
    OnChangedViewList();
}

void CDocument::RemoveView(CView *pView)
{
    POSITION found = m_viewList.Find(pView);
    if (found == nullptr)
        return;
    m_viewList.RemoveAt(found);
    pView->m_pDocument = nullptr;
    OnChangedViewList();
}

CView *CDocument::GetNextView(POSITION &rPosition) const
{
    return static_cast<CView *>(m_viewList.GetNext(rPosition));
}

void CDocument::UpdateAllViews(CView *pSender, LPARAM lHint, CObject *pHint)
{
    POSITION pos = GetFirstViewPosition();
    while (pos != nullptr) {
        CView *view = GetNextView(pos);
        if (view != pSender)
            view->OnUpdate(pSender, lHint, pHint);
    }
}

void CDocument::OnChangedViewList()
{
    if (m_viewList.IsEmpty() && m_bAutoDelete) {
        OnCloseDocument();
        return;
    }
    UpdateFrameCounts();
}

std::vector<CFrameWnd *> CDocument::FramesOfViews() const
{
    std::vector<CFrameWnd *> frames;
    POSITION pos = GetFirstViewPosition();
    while (pos != nullptr) {
        CFrameWnd *frame = GetNextView(pos)->GetParentFrame();
        if (frame != nullptr && std::find(frames.begin(), frames.end(), frame) == frames.end())
            frames.push_back(frame);
    }
    return frames;
}

void CDocument::UpdateFrameCounts()
{
    std::vector<CFrameWnd *> frames = FramesOfViews();
    int number = frames.size() > 1 ? 1 : 0;
    for (CFrameWnd *frame : frames) {
        frame->m_nWindow = number;
        if (number > 0)
            ++number;
        frame->OnUpdateFrameTitle(TRUE);
    }
}

// ---- Life ----------------------------------------------------------------------------------

BOOL CDocument::OnNewDocument()
{
    DeleteContents();
    m_strPathName.Empty();
    SetModifiedFlag(FALSE);
    return TRUE;
}

BOOL CDocument::OnOpenDocument(LPCTSTR lpszPathName)
{
    CFile file;
    CFileException error;
    if (!file.Open(lpszPathName, CFile::modeRead | CFile::shareDenyWrite, &error)) {
        ReportSaveLoadException(lpszPathName, &error, FALSE);
        return FALSE;
    }
    DeleteContents();
    SetModifiedFlag(TRUE); // dirty while half read
    try {
        CArchive archive(&file, CArchive::load);
        Serialize(archive);
        archive.Close();
        file.Close();
    } catch (CException *e) {
        file.Abort();
        DeleteContents();
        ReportSaveLoadException(lpszPathName, e, FALSE);
        e->Delete();
        return FALSE;
    }
    SetModifiedFlag(FALSE);
    return TRUE;
}

BOOL CDocument::OnSaveDocument(LPCTSTR lpszPathName)
{
    const CString target = lpszPathName;
    TempFileSave save(target);
    CFile file;
    CFileException error;
    if (!save.IsReady()) {
        const LONG osError = (LONG)::GetLastError();
        CFileException createError(CFileException::OsErrorToException(osError), osError, target);
        ReportSaveLoadException(target, &createError, TRUE);
        return FALSE;
    }
    if (!file.Open(save.GetTempPath(), CFile::modeCreate | CFile::modeWrite | CFile::shareExclusive, &error)) {
        ReportSaveLoadException(target, &error, TRUE);
        return FALSE;
    }
    try {
        CArchive archive(&file, CArchive::store);
        Serialize(archive);
        archive.Close();
        file.Close();
    } catch (CException *e) {
        file.Abort();
        ReportSaveLoadException(target, e, TRUE);
        e->Delete();
        return FALSE;
    }
    if (!save.Commit()) {
        const LONG osError = (LONG)::GetLastError();
        CFileException moveError(CFileException::OsErrorToException(osError), osError, target);
        ReportSaveLoadException(target, &moveError, TRUE);
        return FALSE;
    }
    SetModifiedFlag(FALSE);
    return TRUE;
}

void CDocument::ReportSaveLoadException(LPCTSTR lpszPathName, CException *e, BOOL bSaving)
{
    char reason[512] = "";
    CString message;
    message.Format(bSaving ? "Nie udało się zapisać dokumentu %s." : "Nie udało się otworzyć dokumentu %s.",
                   lpszPathName ? lpszPathName : "");
    if (e != nullptr && !e->IsKindOf(RUNTIME_CLASS(CUserException)) && e->GetErrorMessage(reason, sizeof reason)) {
        message += "\n";
        message += reason;
    }
    AfxMessageBox(message, MB_OK | MB_ICONEXCLAMATION);
}

void CDocument::DeleteContents() {}

void CDocument::OnCloseDocument()
{
    // Destroying the frames removes the views; the document must outlive that.
    BOOL autoDelete = m_bAutoDelete;
    m_bAutoDelete = FALSE;
    for (CFrameWnd *frame : FramesOfViews()) {
        PreCloseFrame(frame);
        frame->DestroyWindow();
    }
    m_bAutoDelete = autoDelete;
    DeleteContents();
    if (m_bAutoDelete)
        delete this;
}

BOOL CDocument::SaveModified()
{
    if (!IsModified())
        return TRUE;
    CString name = m_strPathName.IsEmpty() ? m_strTitle : FileNameOf(m_strPathName);
    CString prompt;
    prompt.Format("Czy zapisać zmiany w dokumencie %s?", name);
    switch (AfxMessageBox(prompt, MB_YESNOCANCEL | MB_ICONEXCLAMATION)) {
    case IDCANCEL:
        return FALSE;
    case IDYES:
        return DoFileSave();
    default:
        return TRUE;
    }
}

BOOL CDocument::CanCloseFrame(CFrameWnd *pFrame)
{
    POSITION pos = GetFirstViewPosition();
    while (pos != nullptr) {
        CFrameWnd *frame = GetNextView(pos)->GetParentFrame();
        if (frame != nullptr && frame != pFrame)
            return TRUE; // another frame keeps the document
    }
    return SaveModified();
}

void CDocument::PreCloseFrame(CFrameWnd *) {}

BOOL CDocument::DoSave(LPCTSTR lpszPathName, BOOL bReplace)
{
    CString path = lpszPathName ? lpszPathName : "";
    if (path.IsEmpty()) {
        CString filter, extension, filterName;
        if (m_pDocTemplate != nullptr) {
            m_pDocTemplate->GetDocString(extension, CDocTemplate::filterExt);
            m_pDocTemplate->GetDocString(filterName, CDocTemplate::filterName);
        }
        if (!extension.IsEmpty() && !filterName.IsEmpty())
            filter.Format("%s|*%s|", filterName, extension);
        filter += "Wszystkie pliki (*.*)|*.*||";
        CString proposed = m_strPathName.IsEmpty() ? m_strTitle : m_strPathName;
        CFileDialog dialog(FALSE, extension.IsEmpty() ? nullptr : (LPCTSTR)extension.Mid(1), proposed,
                           OFN_HIDEREADONLY | OFN_OVERWRITEPROMPT | OFN_PATHMUSTEXIST, filter);
        if (dialog.DoModal() != IDOK)
            return FALSE;
        path = dialog.GetPathName();
    }
    CWaitCursor wait;
    if (!OnSaveDocument(path))
        return FALSE;
    if (bReplace)
        SetPathName(path);
    return TRUE;
}

BOOL CDocument::DoFileSave()
{
    DWORD attributes = ::GetFileAttributesW(Cp1250ToWide(m_strPathName).c_str());
    if (m_strPathName.IsEmpty() || (attributes != INVALID_FILE_ATTRIBUTES && (attributes & FILE_ATTRIBUTE_READONLY)))
        return DoSave(nullptr);
    return DoSave(m_strPathName);
}

void CDocument::OnFileClose()
{
    if (!SaveModified())
        return;
    OnCloseDocument();
}

void CDocument::OnFileSave()
{
    DoFileSave();
}
void CDocument::OnFileSaveAs()
{
    DoSave(nullptr);
}

BOOL CDocument::OnCmdMsg(UINT nID, int nCode, void *pExtra, AFX_CMDHANDLERINFO *pHandlerInfo)
{
    if (CCmdTarget::OnCmdMsg(nID, nCode, pExtra, pHandlerInfo))
        return TRUE;
    return m_pDocTemplate != nullptr && m_pDocTemplate->OnCmdMsg(nID, nCode, pExtra, pHandlerInfo);
}
