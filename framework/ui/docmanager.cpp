#include "framework/ui/docmanager.h"

#include "framework/core/codepage.h"
#include "framework/ui/cmdtarget.h"
#include "framework/ui/commondlg.h"
#include "framework/ui/doctemplate.h"
#include "framework/ui/document.h"
#include "framework/ui/frameids.h"
#include "framework/ui/framewnd.h"
#include "framework/ui/msgbox.h"
#include "framework/ui/view.h"
#include "framework/ui/winapp.h"

#include <string>

namespace {

CString FullPath(LPCTSTR path)
{
    std::wstring wide = Cp1250ToWide(path ? path : "");
    wchar_t full[MAX_PATH * 2] = L"";
    DWORD length = ::GetFullPathNameW(wide.c_str(), MAX_PATH * 2, full, nullptr);
    return length > 0 && length < MAX_PATH * 2 ? WideToCp1250(full) : CString(path);
}

BOOL SetClassesValue(const CString &key, LPCTSTR value)
{
    CString path = "Software\\Classes\\" + key;
    HKEY handle = nullptr;
    if (::RegCreateKeyExW(HKEY_CURRENT_USER, Cp1250ToWide(path).c_str(), 0, nullptr, 0, KEY_WRITE, nullptr, &handle,
                          nullptr)
        != ERROR_SUCCESS)
        return FALSE;
    std::wstring text = Cp1250ToWide(value);
    LONG status = ::RegSetValueExW(handle, nullptr, 0, REG_SZ, reinterpret_cast<const BYTE *>(text.c_str()),
                                   (DWORD)((text.size() + 1) * sizeof(wchar_t)));
    ::RegCloseKey(handle);
    return status == ERROR_SUCCESS;
}

CString ProgramPath()
{
    wchar_t path[MAX_PATH] = L"";
    ::GetModuleFileNameW(nullptr, path, MAX_PATH);
    return WideToCp1250(path);
}

} // namespace

CDocManager::~CDocManager()
{
    while (!m_templateList.IsEmpty()) {
        CDocTemplate *docTemplate = static_cast<CDocTemplate *>(m_templateList.GetHead());
        m_templateList.RemoveHead();
        if (docTemplate->m_bAutoDelete)
            delete docTemplate;
    }
}

void CDocManager::AddDocTemplate(CDocTemplate *pTemplate)
{
    if (pTemplate == nullptr || m_templateList.Find(pTemplate) != nullptr)
        return;
    pTemplate->LoadTemplate();
    m_templateList.AddTail(pTemplate);
}

CDocTemplate *CDocManager::GetNextDocTemplate(POSITION &pos) const
{
    return static_cast<CDocTemplate *>(m_templateList.GetNext(pos));
}

int CDocManager::GetDocumentCount() const
{
    int count = 0;
    POSITION pos = GetFirstDocTemplatePosition();
    while (pos != nullptr) {
        CDocTemplate *docTemplate = GetNextDocTemplate(pos);
        POSITION docPos = docTemplate->GetFirstDocPosition();
        while (docPos != nullptr) {
            docTemplate->GetNextDoc(docPos);
            ++count;
        }
    }
    return count;
}

void CDocManager::OnFileNew()
{
    // Only a template with a document name offers new documents; the first one does.
    POSITION pos = GetFirstDocTemplatePosition();
    while (pos != nullptr) {
        CDocTemplate *docTemplate = GetNextDocTemplate(pos);
        CString name;
        if (docTemplate->GetDocString(name, CDocTemplate::docName)) {
            docTemplate->OpenDocumentFile(nullptr);
            return;
        }
    }
}

void CDocManager::OnFileOpen()
{
    CString filter;
    POSITION pos = GetFirstDocTemplatePosition();
    while (pos != nullptr) {
        CDocTemplate *docTemplate = GetNextDocTemplate(pos);
        CString name, extension;
        if (docTemplate->GetDocString(name, CDocTemplate::filterName)
            && docTemplate->GetDocString(extension, CDocTemplate::filterExt))
            filter.AppendFormat("%s|*%s|", name, extension);
    }
    filter += "Wszystkie pliki (*.*)|*.*||";
    CFileDialog dialog(TRUE, nullptr, nullptr, OFN_HIDEREADONLY | OFN_FILEMUSTEXIST, filter);
    if (dialog.DoModal() != IDOK)
        return;
    OpenDocumentFile(dialog.GetPathName());
}

CDocument *CDocManager::OpenDocumentFile(LPCTSTR lpszFileName)
{
    CString path = FullPath(lpszFileName);
    CDocTemplate *best = nullptr;
    CDocTemplate::Confidence bestMatch = CDocTemplate::noAttempt;
    CDocument *openDoc = nullptr;
    POSITION pos = GetFirstDocTemplatePosition();
    while (pos != nullptr) {
        CDocTemplate *docTemplate = GetNextDocTemplate(pos);
        CDocument *match = nullptr;
        CDocTemplate::Confidence confidence = docTemplate->MatchDocType(path, match);
        if (confidence > bestMatch) {
            bestMatch = confidence;
            best = docTemplate;
            openDoc = match;
        }
        if (confidence == CDocTemplate::yesAlreadyOpen)
            break;
    }
    if (best == nullptr) {
        AfxMessageBox("Nie ma szablonu, który otworzyłby ten plik.", MB_OK | MB_ICONEXCLAMATION);
        return nullptr;
    }
    if (openDoc != nullptr) {
        // Already open: bring its window forward instead of reading it again.
        POSITION viewPos = openDoc->GetFirstViewPosition();
        if (viewPos != nullptr) {
            CFrameWnd *frame = openDoc->GetNextView(viewPos)->GetParentFrame();
            if (frame != nullptr)
                frame->ActivateFrame();
        }
        return openDoc;
    }
    return best->OpenDocumentFile(path);
}

BOOL CDocManager::SaveAllModified()
{
    POSITION pos = GetFirstDocTemplatePosition();
    while (pos != nullptr) {
        if (!GetNextDocTemplate(pos)->SaveAllModified())
            return FALSE;
    }
    return TRUE;
}

void CDocManager::CloseAllDocuments(BOOL bEndSession)
{
    POSITION pos = GetFirstDocTemplatePosition();
    while (pos != nullptr)
        GetNextDocTemplate(pos)->CloseAllDocuments(bEndSession);
}

void CDocManager::RegisterShellFileTypes(BOOL)
{
    CString command;
    command.Format("\"%s\" \"%%1\"", ProgramPath());
    POSITION pos = GetFirstDocTemplatePosition();
    while (pos != nullptr) {
        CDocTemplate *docTemplate = GetNextDocTemplate(pos);
        CString typeId, typeName, extension;
        if (!docTemplate->GetDocString(typeId, CDocTemplate::regFileTypeId) || typeId.IsEmpty())
            continue;
        docTemplate->GetDocString(typeName, CDocTemplate::regFileTypeName);
        SetClassesValue(typeId, typeName);
        SetClassesValue(typeId + "\\shell\\open\\command", command);
        if (docTemplate->GetDocString(extension, CDocTemplate::filterExt) && !extension.IsEmpty())
            SetClassesValue(extension, typeId);
    }
}

void CDocManager::UnregisterShellFileTypes()
{
    POSITION pos = GetFirstDocTemplatePosition();
    while (pos != nullptr) {
        CDocTemplate *docTemplate = GetNextDocTemplate(pos);
        CString typeId, extension;
        if (!docTemplate->GetDocString(typeId, CDocTemplate::regFileTypeId))
            continue;
        ::RegDeleteTreeW(HKEY_CURRENT_USER, Cp1250ToWide("Software\\Classes\\" + typeId).c_str());
        if (docTemplate->GetDocString(extension, CDocTemplate::filterExt))
            ::RegDeleteTreeW(HKEY_CURRENT_USER, Cp1250ToWide("Software\\Classes\\" + extension).c_str());
    }
}

// ---- CRecentFileList -----------------------------------------------------------------------

CString AbbreviatePath(const CString &path, int maxLength)
{
    if (path.GetLength() <= maxLength)
        return path;
    std::vector<int> slashes;
    for (int i = 0; i < path.GetLength(); ++i)
        if (path[i] == '\\')
            slashes.push_back(i);
    const CString name = path.Mid(slashes.empty() ? 0 : slashes.back() + 1);
    // The head, "C:\first" or "\\server\share", ends at the slash after the first two levels
    // (a network path starts with two slashes).
    const size_t head = path.Left(2) == "\\\\" ? 3 : 1;
    const CString dots = "\\...";
    // No folder between the head and the name, or no room after it for even the name: the name.
    if (slashes.size() <= head + 1 || slashes[head] + dots.GetLength() + 1 + name.GetLength() > maxLength)
        return name;
    const int headEnd = slashes[head];
    size_t tail = slashes.size() - 1;
    while (tail - 1 > head && headEnd + dots.GetLength() + path.GetLength() - slashes[tail - 1] <= maxLength)
        --tail;
    return path.Left(headEnd) + dots + path.Mid(slashes[tail]);
}

CRecentFileList::CRecentFileList(UINT nStart, LPCTSTR lpszSection, LPCTSTR lpszEntryFormat, int nSize)
    : m_nStart(nStart), m_strSectionName(lpszSection), m_strEntryFormat(lpszEntryFormat),
      m_nSize(nSize < 1 ? 1 : (nSize > 16 ? 16 : nSize))
{
}

void CRecentFileList::Add(LPCTSTR lpszPathName)
{
    CString path = FullPath(lpszPathName);
    if (path.IsEmpty())
        return;
    for (size_t i = 0; i < m_files.size(); ++i) {
        if (m_files[i].CompareNoCase(path) == 0) {
            m_files.erase(m_files.begin() + i);
            break;
        }
    }
    m_files.insert(m_files.begin(), path);
    if ((int)m_files.size() > m_nSize)
        m_files.resize(m_nSize);
}

void CRecentFileList::Remove(int nIndex)
{
    if (nIndex >= 0 && nIndex < GetCount())
        m_files.erase(m_files.begin() + nIndex);
}

void CRecentFileList::ReadList()
{
    CWinApp *app = AfxGetApp();
    if (app == nullptr)
        return;
    m_files.clear();
    for (int i = 0; i < m_nSize; ++i) {
        CString entry;
        entry.Format(m_strEntryFormat, i + 1);
        CString path = app->GetProfileString(m_strSectionName, entry);
        if (!path.IsEmpty())
            m_files.push_back(path);
    }
}

void CRecentFileList::WriteList()
{
    CWinApp *app = AfxGetApp();
    if (app == nullptr)
        return;
    for (int i = 0; i < m_nSize; ++i) {
        CString entry;
        entry.Format(m_strEntryFormat, i + 1);
        app->WriteProfileString(m_strSectionName, entry, i < GetCount() ? (LPCTSTR)m_files[i] : nullptr);
    }
}

void CRecentFileList::UpdateMenu(CCmdUI *pCmdUI)
{
    HMENU menu = pCmdUI->m_hMenu;
    if (menu == nullptr)
        return;
    if (m_strOriginal.IsEmpty()) {
        wchar_t text[256] = L"";
        ::GetMenuStringW(menu, pCmdUI->m_nIndex, text, 256, MF_BYPOSITION);
        m_strOriginal = WideToCp1250(text);
    }
    // An empty list leaves the menu's own item in place, greyed: an owner-drawn item keeps
    // its text only in its owner's records, so a copy of it would show blank.
    if (m_files.empty() && ::GetMenuState(menu, m_nStart, MF_BYCOMMAND) != (UINT)-1) {
        pCmdUI->m_bEnableChanged = TRUE;
        ::EnableMenuItem(menu, m_nStart, MF_BYCOMMAND | MF_GRAYED);
        return;
    }
    for (int i = 0; i < m_nSize; ++i)
        ::DeleteMenu(menu, m_nStart + i, MF_BYCOMMAND);
    pCmdUI->m_bEnableChanged = TRUE;
    if (m_files.empty()) {
        ::InsertMenuW(menu, pCmdUI->m_nIndex, MF_BYPOSITION | MF_STRING | MF_GRAYED, m_nStart,
                      Cp1250ToWide(m_strOriginal).c_str());
        return;
    }
    for (int i = 0; i < GetCount(); ++i) {
        CString text;
        CString shown = AbbreviatePath(m_files[i], m_nMaxDisplayLength);
        shown.Replace("&", "&&");
        text.Format("&%d %s", i + 1, (LPCTSTR)shown);
        ::InsertMenuW(menu, pCmdUI->m_nIndex++, MF_BYPOSITION | MF_STRING, m_nStart + i, Cp1250ToWide(text).c_str());
    }
    // The update loop goes on after the last inserted item.
    --pCmdUI->m_nIndex;
    pCmdUI->m_nIndexMax = ::GetMenuItemCount(menu);
}
