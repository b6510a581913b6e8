#pragma once
// CDocument: the data behind one or more views, created by its document template.
//
// A document knows its views and its template; it is deleted when its last view goes (unless
// m_bAutoDelete is cleared). Opening reads the file through CArchive into Serialize; saving
// writes a temporary file in the same folder and then replaces the old file, so a failed save
// never leaves a half-written document behind. Failures are told to the user in Polish and
// answered with FALSE.

#include "framework/core/cstring.h"
#include "framework/core/list.h"
#include "framework/ui/msgmap.h"

#include <vector>

class CDocTemplate;
class CException;
class CFrameWnd;
class CView;

class CDocument : public CCmdTarget {
    DECLARE_DYNAMIC(CDocument)

public:
    CDocument() = default;
    ~CDocument() override;

    const CString &GetTitle() const { return m_strTitle; }
    virtual void SetTitle(LPCTSTR lpszTitle);
    const CString &GetPathName() const { return m_strPathName; }
    // Takes the full path and the file's name as the title; bAddToMRU puts it on the recent list.
    virtual void SetPathName(LPCTSTR lpszPathName, BOOL bAddToMRU = TRUE);
    CDocTemplate *GetDocTemplate() const { return m_pDocTemplate; }
    virtual BOOL IsModified() { return m_bModified; }
    virtual void SetModifiedFlag(BOOL bModified = TRUE) { m_bModified = bModified; }

    // ---- Views ---------------------------------------------------------------------------------
    void AddView(CView *pView);
    void RemoveView(CView *pView);
    POSITION GetFirstViewPosition() const { return m_viewList.GetHeadPosition(); }
    CView *GetNextView(POSITION &rPosition) const;
    // Calls OnUpdate of every view but pSender.
    void UpdateAllViews(CView *pSender, LPARAM lHint = 0, CObject *pHint = nullptr);
    // After a view came or went: a document left without views closes itself.
    virtual void OnChangedViewList();
    // Numbers the frames when several show this document, and refreshes their titles.
    void UpdateFrameCounts();

    // ---- Life ----------------------------------------------------------------------------------
    virtual BOOL OnNewDocument();
    virtual BOOL OnOpenDocument(LPCTSTR lpszPathName);
    virtual BOOL OnSaveDocument(LPCTSTR lpszPathName);
    // Destroys every frame showing the document, then the document itself.
    virtual void OnCloseDocument();
    virtual void DeleteContents();
    // Asks whether to keep unsaved changes: FALSE when the user cancelled or saving failed.
    virtual BOOL SaveModified();
    // Whether pFrame may close: only the last frame of a document asks to save.
    virtual BOOL CanCloseFrame(CFrameWnd *pFrame);
    virtual void PreCloseFrame(CFrameWnd *pFrame);
    // Saves under lpszPathName, or under a name the user chooses when it is null.
    virtual BOOL DoSave(LPCTSTR lpszPathName, BOOL bReplace = TRUE);
    virtual BOOL DoFileSave();
    virtual void ReportSaveLoadException(LPCTSTR lpszPathName, CException *e, BOOL bSaving);

    // Routes to the document's own map, then to its template.
    BOOL OnCmdMsg(UINT nID, int nCode, void *pExtra, AFX_CMDHANDLERINFO *pHandlerInfo) override;

    BOOL m_bAutoDelete = TRUE; // delete the document when its last view goes
    BOOL m_bEmbedded = FALSE;

    void OnFileClose();
    void OnFileSave();
    void OnFileSaveAs();

    DECLARE_MESSAGE_MAP()

public:
    CString m_strTitle;
    CString m_strPathName;
    CDocTemplate *m_pDocTemplate = nullptr;
    CPtrList m_viewList;
    BOOL m_bModified = FALSE;

private:
    friend class CDocTemplate;
    // The frames of the document's views, each once.
    std::vector<CFrameWnd *> FramesOfViews() const;
};
