// CWinApp's document members: they hand over to the document manager and the recent-file list.
#include "framework/ui/docmanager.h"
#include "framework/ui/doctemplate.h"
#include "framework/ui/document.h"
#include "framework/ui/frameids.h"
#include "framework/ui/framewnd.h"
#include "framework/ui/view.h"
#include "framework/ui/winapp.h"

BEGIN_MESSAGE_MAP(CWinApp, CWinThread)
    ON_COMMAND_EX_RANGE(ID_FILE_MRU_FILE1, ID_FILE_MRU_FILE16, OnOpenRecentFile)
    ON_UPDATE_COMMAND_UI(ID_FILE_MRU_FILE1, OnUpdateRecentFileMenu)
END_MESSAGE_MAP()

void CWinApp::AddDocTemplate(CDocTemplate *pTemplate)
{
    if (m_pDocManager == nullptr)
        m_pDocManager = new CDocManager;
    m_pDocManager->AddDocTemplate(pTemplate);
}

POSITION CWinApp::GetFirstDocTemplatePosition() const
{
    return m_pDocManager ? m_pDocManager->GetFirstDocTemplatePosition() : nullptr;
}

CDocTemplate *CWinApp::GetNextDocTemplate(POSITION &pos) const
{
    return m_pDocManager->GetNextDocTemplate(pos);
}

CDocument *CWinApp::OpenDocumentFile(LPCTSTR lpszFileName)
{
    return m_pDocManager ? m_pDocManager->OpenDocumentFile(lpszFileName) : nullptr;
}

void CWinApp::AddToRecentFileList(LPCTSTR lpszPathName)
{
    if (m_pRecentFileList != nullptr)
        m_pRecentFileList->Add(lpszPathName);
}

void CWinApp::LoadStdProfileSettings(UINT nMaxMRU)
{
    if (nMaxMRU == 0)
        return;
    delete m_pRecentFileList;
    m_pRecentFileList = new CRecentFileList(ID_FILE_MRU_FILE1, "Recent File List", "File%d", nMaxMRU);
    m_pRecentFileList->ReadList();
}

void CWinApp::SaveStdProfileSettings()
{
    if (m_pRecentFileList != nullptr)
        m_pRecentFileList->WriteList();
}

// The shell reaches a running program only through its command line here: nothing to set up.
void CWinApp::EnableShellOpen() {}

void CWinApp::RegisterShellFileTypes(BOOL bCompat)
{
    if (m_pDocManager != nullptr)
        m_pDocManager->RegisterShellFileTypes(bCompat);
}

void CWinApp::UnregisterShellFileTypes()
{
    if (m_pDocManager != nullptr)
        m_pDocManager->UnregisterShellFileTypes();
}

BOOL CWinApp::ProcessShellCommand(CCommandLineInfo &rCmdInfo)
{
    switch (rCmdInfo.m_nShellCommand) {
    case CCommandLineInfo::FileNew:
        OnFileNew();
        return TRUE;
    case CCommandLineInfo::FileOpen:
        return OpenDocumentFile(rCmdInfo.m_strFileName) != nullptr;
    case CCommandLineInfo::AppRegister:
        RegisterShellFileTypes(FALSE);
        return FALSE; // registration only: the program ends
    case CCommandLineInfo::AppUnregister:
        UnregisterShellFileTypes();
        return FALSE;
    case CCommandLineInfo::FileNothing:
        return TRUE;
    default:
        // Printing from the command line is not offered: refuse rather than pretend.
        return FALSE;
    }
}

BOOL CWinApp::SaveAllModified()
{
    return m_pDocManager == nullptr || m_pDocManager->SaveAllModified();
}

void CWinApp::CloseAllDocuments(BOOL bEndSession)
{
    if (m_pDocManager != nullptr)
        m_pDocManager->CloseAllDocuments(bEndSession);
}

int CWinApp::ExitInstance()
{
    SaveStdProfileSettings();
    return CWinThread::ExitInstance();
}

void CWinApp::OnFileNew()
{
    if (m_pDocManager != nullptr)
        m_pDocManager->OnFileNew();
}

void CWinApp::OnFileOpen()
{
    if (m_pDocManager != nullptr)
        m_pDocManager->OnFileOpen();
}

BOOL CWinApp::OnOpenRecentFile(UINT nID)
{
    if (m_pRecentFileList == nullptr)
        return FALSE;
    int index = (int)(nID - m_pRecentFileList->m_nStart);
    if (index < 0 || index >= m_pRecentFileList->GetCount())
        return FALSE;
    CString path = (*m_pRecentFileList)[index];
    // A file that no longer opens leaves the list.
    if (OpenDocumentFile(path) == nullptr)
        m_pRecentFileList->Remove(index);
    return TRUE;
}

void CWinApp::OnUpdateRecentFileMenu(CCmdUI *pCmdUI)
{
    if (m_pRecentFileList == nullptr) {
        pCmdUI->Enable(FALSE);
        return;
    }
    m_pRecentFileList->UpdateMenu(pCmdUI);
}
