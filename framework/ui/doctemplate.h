#pragma once
// Document templates: which document, frame and view classes make one kind of window, and the
// documents open through it.
//
// The template's resource id names its frame's menu, accelerators and icon and its document
// string "title\ndocName\nfileNewName\nfilterName\nfilterExt\nregFileTypeId\nregFileTypeName";
// all of them may be missing. OpenDocumentFile(nullptr) makes a new, untitled document in a new
// frame; with a path it opens the file. A template handed to AddDocTemplate belongs to the
// application, which deletes it at exit.

#include "framework/core/cstring.h"
#include "framework/core/list.h"
#include "framework/ui/msgmap.h"

class CDocument;
class CFrameWnd;

class CDocTemplate : public CCmdTarget {
    DECLARE_DYNAMIC(CDocTemplate)

public:
    enum DocStringIndex {
        windowTitle,
        docName, // base of untitled names; a template without one is never "new"
        fileNewName,
        filterName, // "Dokumenty (*.abc)"
        filterExt,  // ".abc"
        regFileTypeId,
        regFileTypeName
    };
    enum Confidence {
        noAttempt,
        maybeAttemptForeign,
        maybeAttemptNative,
        yesAttemptForeign,
        yesAttemptNative,
        yesAlreadyOpen
    };

    CDocTemplate(UINT nIDResource, CRuntimeClass *pDocClass, CRuntimeClass *pFrameClass, CRuntimeClass *pViewClass);
    ~CDocTemplate() override;

    // Loads the document string (and, for MDI, the shared menu); AddDocTemplate calls it.
    virtual void LoadTemplate();
    // The resource id of the menu and accelerators used while an embedded item is in place.
    void SetContainerInfo(UINT nIDOleInPlaceContainer) { m_nIDContainerResource = nIDOleInPlaceContainer; }
    virtual BOOL GetDocString(CString &rString, DocStringIndex index) const;

    virtual POSITION GetFirstDocPosition() const = 0;
    virtual CDocument *GetNextDoc(POSITION &rPos) const = 0;
    virtual void AddDocument(CDocument *pDoc);
    virtual void RemoveDocument(CDocument *pDoc);

    // How well a path fits this template: already open, by its extension, or maybe.
    virtual Confidence MatchDocType(LPCTSTR lpszPathName, CDocument *&rpDocMatch);
    virtual CDocument *CreateNewDocument();
    virtual CFrameWnd *CreateNewFrame(CDocument *pDoc, CFrameWnd *pOther);
    virtual void InitialUpdateFrame(CFrameWnd *pFrame, CDocument *pDoc, BOOL bMakeVisible = TRUE);
    virtual BOOL SaveAllModified();
    virtual void CloseAllDocuments(BOOL bEndSession);
    virtual CDocument *OpenDocumentFile(LPCTSTR lpszPathName, BOOL bMakeVisible = TRUE) = 0;
    virtual void SetDefaultTitle(CDocument *pDocument) = 0;

    UINT m_nIDResource;
    UINT m_nIDContainerResource = 0;
    CRuntimeClass *m_pDocClass;
    CRuntimeClass *m_pFrameClass;
    CRuntimeClass *m_pViewClass;
    CString m_strDocStrings;
    BOOL m_bAutoDelete = TRUE; // the application deletes the template at exit
};

class CMultiDocTemplate : public CDocTemplate {
    DECLARE_DYNAMIC(CMultiDocTemplate)

public:
    CMultiDocTemplate(UINT nIDResource, CRuntimeClass *pDocClass, CRuntimeClass *pFrameClass,
                      CRuntimeClass *pViewClass);
    ~CMultiDocTemplate() override;

    void LoadTemplate() override;
    POSITION GetFirstDocPosition() const override { return m_docList.GetHeadPosition(); }
    CDocument *GetNextDoc(POSITION &rPos) const override;
    void AddDocument(CDocument *pDoc) override;
    void RemoveDocument(CDocument *pDoc) override;
    CDocument *OpenDocumentFile(LPCTSTR lpszPathName, BOOL bMakeVisible = TRUE) override;
    void SetDefaultTitle(CDocument *pDocument) override;

    HMENU m_hMenuShared = nullptr; // the template's own menu, null when it has none
    HACCEL m_hAccelTable = nullptr;
    CPtrList m_docList;
    int m_nUntitledCount = 0;

private:
    void DiscardFrame(CFrameWnd *pFrame, CDocument *pDoc);
};
